#include "curves/edit/BearbeitenHilfen.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/Raster.h"
#include "curves/edit/Ansicht.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {

double Runden(double v) {
  return common::Runden(v);
}

double Abschneiden(double v) {
  return common::Abschneiden(v);
}

int YAufRaster(Kurvensitzung& sitzung, int c, double y) {
  if (c < 0 || c >= kKurven) return 0;
  const double g = sitzung.gKurven.YRaster[c];
  if (g == 0.0) return common::AufCodeBegrenzen(y, kRohMax);
  const double o = EinheitInRoh(sitzung, c, 0.0);
  return common::AufRasterRunden(y, o, EinheitInRoh(sitzung, c, g) - o, kRohMax);
}

int NaechsterPunkt(Kurvensitzung& sitzung, double x, double y, double xStart, double xEnde,
                   double breitePx, double hoehePx) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  common::NaechsterPunktSuche suche(x, y, xEnde - xStart + 1.0, breitePx, kRohMax, hoehePx);
  double t = 0.0;
  for (int i = 0; i < k.Punktanzahl(); ++i) {
    suche.Pruefen(i, t, k.Punkte[i].Y);
    t += Geradendauer(k.Punkte[i]);
  }
  return suche.Ergebnis();
}

int NaechsterPunkt(Kurvensitzung& sitzung, double x, double y) {
  return NaechsterPunkt(sitzung, x, y, sitzung.gSicht.XStart, sitzung.gSicht.XEnde,
                        sitzung.gZeichenflaeche.BreitePx, sitzung.gZeichenflaeche.HoehePx);
}

namespace {

// A whole time field. The coordinate display shows the cursor anywhere on an axis that
// zooming out widens without limit, so the hours can exceed an int: they stop at its end.
int Feldwert(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, static_cast<double>(std::numeric_limits<int>::min()),
                                     static_cast<double>(std::numeric_limits<int>::max())));
}

}  // namespace

Zeitfelder ZeitInStunden(double t) {
  Zeitfelder f;
  const double h = Abschneiden(t / 3600000000.0);
  t -= h * 3600000000.0;
  const double m = Abschneiden(t / 60000000.0);
  t -= m * 60000000.0;
  const double s = Abschneiden(t / 1000000.0);
  t -= s * 1000000.0;
  f.Stunden = Feldwert(h);
  f.Minuten = Feldwert(m);
  f.Sekunden = Feldwert(s);
  f.Millisekunden = t / 1000.0;
  return f;
}

double ZeitAusFeldern(const Zeitfelder& f) {
  return 1000.0 * (1000.0 * (60.0 * (60.0 * f.Stunden + f.Minuten) + f.Sekunden) + f.Millisekunden);
}

Rasterpunkt ZeitAufRaster(Kurvensitzung& sitzung, int prev, int i, int next, double x, double y) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  const double b = PunktStartzeit(k, prev);
  const double c = PunktStartzeit(k, next);
  const double usPunkt = ZeitbasisInMikrosekunden(k.Punkte[i].Zeitbasis);
  const double usVorher = ZeitbasisInMikrosekunden(k.Punkte[prev].Zeitbasis);
  if (usPunkt > usVorher) {
    // The point's own line has the coarser grid: count it back from the next point.
    const double g = usPunkt;
    x = c - g * std::floor((c - x) / g + 0.5);
    if (x <= b) {
      x = c - g * std::floor((c - b) / g + 0.5);
      if (x <= b) x += g;
    }
    if (x >= c && i != next) x = c - g;
  } else if (usVorher > 0.0) {
    const double g = usVorher;
    x = b + g * std::floor((x - b) / g + 0.5);
    if (x <= b) x = b + g;
    if (x >= c && i != next) {
      x = b + g * std::floor((c - b) / g + 0.5);
      if (x == c) x -= g;
    }
  }
  if (i == 0) x = 0.0;
  return {x, YAufRaster(sitzung, sitzung.gKurven.AktuelleKurve, y)};
}

}  // namespace curves
