// The Y axis of the curve graph runs in raw output codes; its labels show the output's
// unit: raw x gain + offset. Ticks fall on round values of the unit, not of the raw code.
#pragma once

#include <qcustomplot.h>

namespace widgets {

class YAchsenTicker : public QCPAxisTicker {
 public:
  void Skalierung(double gain, double offset);
  double Gain() const { return gain_; }
  double Offset() const { return offset_; }
  // The label of a raw value.
  QString Beschriftung(double roh) const;

 protected:
  QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
  QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                       int precision) override;

 private:
  double gain_ = 1.0;
  double offset_ = 0.0;
};

}  // namespace widgets
