// The direct-help popup: a small frameless window with one text, opened at the mouse
// towards the middle of a reference area, closed by the next mouse click.
#pragma once

#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QSize>

class QLabel;

namespace widgets {

class Hilfepopup : public QFrame {
  Q_OBJECT

 public:
  explicit Hilfepopup(const QString& text, QWidget* parent = nullptr);

  // Where a popup of the given size opens for a mouse position, all relative to the
  // reference area: left of the mouse when the mouse is right of the area's middle, above
  // it when below the middle, so that it opens towards the middle.
  static QPoint Position(QPoint maus, QSize bereich, QSize popup);

  // Places the popup for the mouse at global position maus within the reference area
  // (global coordinates).
  void Platzieren(QPoint maus, const QRect& bereich);

  // Shows the popup and waits in its own event loop until it is closed.
  void Ausfuehren();

  QLabel* label() const { return label_; }

 signals:
  void geschlossen();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QLabel* label_;
};

}  // namespace widgets
