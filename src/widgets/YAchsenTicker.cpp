#include "widgets/YAchsenTicker.h"

#include <cmath>

namespace widgets {

void YAchsenTicker::Skalierung(double gain, double offset) {
  gain_ = gain;
  offset_ = offset;
}

QString YAchsenTicker::Beschriftung(double roh) const {
  double wert = roh * gain_ + offset_;
  if (std::abs(wert) < 1e-12) wert = 0.0;  // no "-0" or "1e-17" at the zero tick
  return QString::number(wert, 'g', 6);
}

QVector<double> YAchsenTicker::createTickVector(double tickStep, const QCPRange& range) {
  // A scaling that maps every raw value to one unit value (zero gain, or a broken
  // configuration) gets plain raw ticks.
  if (!std::isfinite(gain_) || !std::isfinite(offset_) || gain_ == 0.0)
    return QCPAxisTicker::createTickVector(tickStep, range);
  const double a = range.lower * gain_ + offset_;
  const double b = range.upper * gain_ + offset_;
  const QCPRange einheit(std::min(a, b), std::max(a, b));
  const double schritt = getTickStep(einheit);
  QVector<double> ticks;
  if (!(schritt > 0.0)) return ticks;
  const double erster = std::ceil(einheit.lower / schritt - 1e-9);
  const double letzter = std::floor(einheit.upper / schritt + 1e-9);
  if (letzter - erster > 1000) return QCPAxisTicker::createTickVector(tickStep, range);
  for (double k = erster; k <= letzter; k += 1.0) ticks.push_back((k * schritt - offset_) / gain_);
  if (gain_ < 0.0) std::reverse(ticks.begin(), ticks.end());
  return ticks;
}

QString YAchsenTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
  return Beschriftung(tick);
}

}  // namespace widgets
