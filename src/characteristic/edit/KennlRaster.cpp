#include "characteristic/edit/KennlRaster.h"

#include <cmath>

#include "characteristic/model/Kennlinienmodell.h"
#include "common/Raster.h"
#include "config/Umrechnung.h"

namespace characteristic {
namespace {

// The X grid step in raw steps; 0 when there is no usable grid.
double XRasterschritt() {
  const double g = gKennl.Felder.XRaster;
  if (g == 0.0) return 0.0;
  const double b = config::EingangEinheitInRoh(1, g);
  return std::isfinite(b) && b != 0.0 ? b : 0.0;
}

}  // namespace

int KennlYAufRaster(double y) {
  const double g = gKennl.Felder.YRaster;
  if (g == 0.0) return common::AufCodeBegrenzen(y, kRohSpanne);
  const double o = config::AusgangEinheitInRoh(0, 0.0);
  return common::AufRasterRunden(y, o, config::AusgangEinheitInRoh(0, g) - o, kRohSpanne);
}

int KennlXAufRaster(double x) {
  if (const double b = XRasterschritt()) x = std::floor(x / b + 0.5) * b;
  return common::AufCodeBegrenzen(x, kRohSpanne);
}

int KennlXRasterUeber(double x) {
  if (const double b = XRasterschritt()) x = std::floor((std::floor(x / b) + 1.0) * b + 0.5);
  return common::AufCodeBegrenzen(x, kRohSpanne);
}

int KennlXRasterUnter(double x) {
  if (const double b = XRasterschritt()) x = std::floor(std::floor((x - 1.0) / b) * b + 0.5);
  return common::AufCodeBegrenzen(x, kRohSpanne);
}

int KennlNaechsterPunkt(double x, double y, double breitePx, double hoehePx) {
  common::NaechsterPunktSuche suche(x, y, gKennl.XEnde - gKennl.XStart + 1.0, breitePx, kRohSpanne,
                                    hoehePx);
  double px = 0.0;
  int i = 0;
  for (const auto& p : gKennl.Kennl.Punkte) {
    suche.Pruefen(i++, px, p.Y);
    px += p.Laenge;
  }
  return suche.Ergebnis();
}

int KennlNaechsterPunkt(double x, double y) {
  return KennlNaechsterPunkt(x, y, gKennl.Felder.BreitePx, gKennl.Felder.HoehePx);
}

}  // namespace characteristic
