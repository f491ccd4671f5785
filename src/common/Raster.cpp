#include "common/Raster.h"

#include <algorithm>
#include <cmath>

namespace common {

double Runden(double v) {
  return std::trunc(v + 0.5);
}

double Abschneiden(double v) {
  return std::trunc(v);
}

int ProzentInCode(double prozent) {
  return static_cast<int>(std::ceil(4095.0 * prozent / 100.0 - 0.5));
}

int AufCodeBegrenzen(double v, double max) {
  if (std::isnan(v)) return 0;
  v = std::clamp(v, 0.0, max);
  return static_cast<int>(std::floor(v + 0.5));
}

int AufRasterRunden(double y, double o, double s, double max) {
  if (std::isnan(y)) return 0;
  if (std::isfinite(s) && std::isfinite(o) && s != 0.0) {
    const double gerastert = std::floor((y - o) / s + 0.5) * s + o;
    if (!std::isnan(gerastert)) y = gerastert;
  }
  return AufCodeBegrenzen(y, max);
}

NaechsterPunktSuche::NaechsterPunktSuche(double x, double y, double sichtbreite, double breitePx,
                                         double yspanne, double hoehePx)
    : x_(x),
      y_(y),
      sichtbreite_(sichtbreite),
      breitePx_(breitePx),
      yspanne_(yspanne),
      hoehePx_(hoehePx) {}

void NaechsterPunktSuche::Pruefen(int index, double px, double py) {
  const double dx = std::fabs(Abschneiden(x_ - px)) / sichtbreite_ * breitePx_;
  const double dy = std::fabs(Abschneiden(y_ - py)) / yspanne_ * hoehePx_;
  const double abstand = std::sqrt(dx * dx + dy * dy);
  if (erster_ || abstand < besterAbstand_) {
    bester_ = index;
    besterAbstand_ = abstand;
    erster_ = false;
  }
}

}  // namespace common
