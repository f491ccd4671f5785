#include "characteristic/edit/KennlRaster.h"

#include <cmath>

#include "characteristic/model/Kennlinienmodell.h"
#include "common/Raster.h"
#include "config/Umrechnung.h"

namespace characteristic {
namespace {

// The X grid step in raw steps; 0 when there is no usable grid.
double XRasterschritt(Kennliniensitzung& sitzung) {
  const double g = sitzung.gKennl.Felder.XRaster;
  if (g == 0.0) return 0.0;
  const double b = config::EingangEinheitInRoh(sitzung.Konfig.gKonfig, 1, g);
  return std::isfinite(b) && b != 0.0 ? b : 0.0;
}

}  // namespace

int KennlYAufRaster(Kennliniensitzung& sitzung, double y) {
  const double g = sitzung.gKennl.Felder.YRaster;
  if (g == 0.0) return common::AufCodeBegrenzen(y, kRohSpanne);
  const double o = config::AusgangEinheitInRoh(sitzung.Konfig.gKonfig, 0, 0.0);
  return common::AufRasterRunden(
      y, o, config::AusgangEinheitInRoh(sitzung.Konfig.gKonfig, 0, g) - o, kRohSpanne);
}

int KennlXAufRaster(Kennliniensitzung& sitzung, double x) {
  if (const double b = XRasterschritt(sitzung)) x = std::floor(x / b + 0.5) * b;
  return common::AufCodeBegrenzen(x, kRohSpanne);
}

int KennlXRasterUeber(Kennliniensitzung& sitzung, double x) {
  if (const double b = XRasterschritt(sitzung)) x = std::floor((std::floor(x / b) + 1.0) * b + 0.5);
  return common::AufCodeBegrenzen(x, kRohSpanne);
}

int KennlXRasterUnter(Kennliniensitzung& sitzung, double x) {
  if (const double b = XRasterschritt(sitzung)) x = std::floor(std::floor((x - 1.0) / b) * b + 0.5);
  return common::AufCodeBegrenzen(x, kRohSpanne);
}

int KennlNaechsterPunkt(Kennliniensitzung& sitzung, double x, double y, double breitePx,
                        double hoehePx) {
  common::NaechsterPunktSuche suche(x, y, sitzung.gKennl.XEnde - sitzung.gKennl.XStart + 1.0,
                                    breitePx, kRohSpanne, hoehePx);
  double px = 0.0;
  int i = 0;
  for (const auto& p : sitzung.gKennl.Kennl.Punkte) {
    suche.Pruefen(i++, px, p.Y);
    px += p.Laenge;
  }
  return suche.Ergebnis();
}

int KennlNaechsterPunkt(Kennliniensitzung& sitzung, double x, double y) {
  return KennlNaechsterPunkt(sitzung, x, y, sitzung.gKennl.Felder.BreitePx,
                             sitzung.gKennl.Felder.HoehePx);
}

}  // namespace characteristic
