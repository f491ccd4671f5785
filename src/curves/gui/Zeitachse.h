// The large graph's time axis: the curve keeps microseconds, the axis counts in the unit
// that fits the visible width (µs, ms, s, min) and names it.
#pragma once

#include <qcustomplot.h>

namespace curves::gui {

struct Zeiteinheit {
  const char* Name;      // "µs", "ms", "s", "min"
  double Mikrosekunden;  // one unit in µs
};

// µs below 2 ms of width, ms below 2 s, s below 2 min, min beyond.
Zeiteinheit ZeiteinheitFuer(double breiteUs);

class Zeitachsenticker : public QCPAxisTicker {
 public:
  void Einheit(const Zeiteinheit& e) { einheit_ = e; }
  const Zeiteinheit& Einheit() const { return einheit_; }

 protected:
  double getTickStep(const QCPRange& range) override;
  QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                       int precision) override;

 private:
  Zeiteinheit einheit_{"ms", 1000.0};
};

// The axis counts in the unit for the visible width and names it ("Time [ms]"); its ticker
// becomes a Zeitachsenticker the first time.
void ZeitachseBeschriften(QCPAxis* achse, double breiteUs);

}  // namespace curves::gui
