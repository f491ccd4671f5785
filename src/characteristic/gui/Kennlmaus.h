// The mouse tools of the characteristic graph, as an event filter on the graph with its own
// state: a press starts the active tool (or shows the graph's help in direct-help mode), a
// drag shows its preview, the release commits it. The edits themselves are the core's.
#pragma once

#include <QObject>
#include <QPointF>

class QMouseEvent;

namespace characteristic::gui {

class Kennlinienpanel;

class Kennlmaus : public QObject {
  Q_OBJECT
 public:
  // Installs itself on the window's graph.
  explicit Kennlmaus(Kennlinienpanel& panel);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Gedrueckt(const QMouseEvent* e);
  void Gezogen(const QMouseEvent* e);
  void Losgelassen(const QMouseEvent* e);
  // The cursor in graph coordinates (raw units), kept inside the plot area.
  QPointF Cursor(const QMouseEvent* e) const;
  void Vorschau(double x, double y);
  void Uebernehmen(double x, double y);

  Kennlinienpanel& p_;
  QObject* graph_;
  bool gedrueckt_ = false;
  bool neueMarkierung_ = true;  // Selection: the next movement starts a new mark
  bool frischerZug_ = true;     // Move: the next movement picks a point
  int gewaehlterPunkt_ = 0;
};

}  // namespace characteristic::gui
