// A pointer instrument with its digital value: an arc scale from the range's low to its
// high end, a pointer at the value, and the value with its decimals and unit below. Qt has
// no such control, so it is drawn here.
#pragma once

#include <QString>
#include <QWidget>

namespace direct::gui {

class Zeigerinstrument : public QWidget {
  Q_OBJECT
 public:
  explicit Zeigerinstrument(QWidget* parent = nullptr);

  void BereichSetzen(double min, double max, int nachkommastellen);
  void WertSetzen(double wert);
  void EinheitSetzen(const QString& einheit);

  double Wert() const { return wert_; }
  // The digital value as shown ("2.500").
  QString WertText() const;
  const QString& Einheit() const { return einheit_; }

  QSize sizeHint() const override { return {150, 130}; }
  QSize minimumSizeHint() const override { return {110, 100}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  double min_ = 0.0;
  double max_ = 10.0;
  int stellen_ = 3;
  double wert_ = 0.0;
  QString einheit_;
};

}  // namespace direct::gui
