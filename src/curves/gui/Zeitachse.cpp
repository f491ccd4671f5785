#include "curves/gui/Zeitachse.h"

#include <cmath>

namespace curves::gui {

Zeiteinheit ZeiteinheitFuer(double breiteUs) {
  const double b = std::abs(breiteUs);
  if (b < 2e3) return {"\u00b5s", 1.0};
  if (b < 2e6) return {"ms", 1e3};
  if (b < 120e6) return {"s", 1e6};
  return {"min", 60e6};
}

double Zeitachsenticker::getTickStep(const QCPRange& range) {
  // Steps of 1, 2, 2.5, 5 in the shown unit, not in microseconds.
  const double f = einheit_.Mikrosekunden;
  return QCPAxisTicker::getTickStep(QCPRange(range.lower / f, range.upper / f)) * f;
}

QString Zeitachsenticker::getTickLabel(double tick, const QLocale&, QChar, int) {
  const double wert = tick / einheit_.Mikrosekunden;
  return QString::number(std::abs(wert) < 1e-9 ? 0.0 : wert, 'g', 10);
}

void ZeitachseBeschriften(QCPAxis* achse, double breiteUs) {
  auto ticker = achse->ticker().dynamicCast<Zeitachsenticker>();
  if (!ticker) {
    ticker = QSharedPointer<Zeitachsenticker>::create();
    achse->setTicker(ticker);
  }
  const Zeiteinheit e = ZeiteinheitFuer(breiteUs);
  ticker->Einheit(e);
  achse->setLabel(QString("Time [%1]").arg(QString::fromUtf8(e.Name)));
}

}  // namespace curves::gui
