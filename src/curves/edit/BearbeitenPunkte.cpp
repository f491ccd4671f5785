#include "curves/edit/BearbeitenPunkte.h"

#include <algorithm>
#include <cmath>

#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/Editordialoge.h"
#include "curves/model/Allokation.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Meldungen.h"
#include "curves/model/Rueckgaengig.h"
#include "device/Fehler.h"

namespace curves {
namespace {

constexpr int kFehlerPunkte = -600403;
constexpr double kLaengeMax = 65535.0;

bool Endlich(double x, double y) {
  return std::isfinite(x) && std::isfinite(y);
}

double Us(const Kurvenpunkt& p) {
  return ZeitbasisInMikrosekunden(p.Zeitbasis);
}

// Whole time-base units in t µs on grid g. A fraction of a microsecond is not cut off:
// it would be lost from one line but not added to the other, moving every later point.
bool GanzesVielfaches(double t, double g) {
  const double gt = Abschneiden(g);
  return gt > 0.0 && std::fmod(std::fabs(t), gt) == 0.0;
}

}  // namespace

int PunktAnhaengen(Kurvensitzung& sitzung, double x, double y, int code) {
  const double us = ZeitbasisInMikrosekunden(code);
  if (us <= 0.0 || !Endlich(x, y)) return 0;
  Kurve& k = AktuelleKurveDaten(sitzung);
  const int n = k.Punktanzahl();
  const double t0 = Kurvenlaenge(k) - Geradendauer(k.Punkte[n - 1]);
  const double f = (std::floor(x + 0.5) - t0) / us;
  if (f > kLaengeMax) {
    Fehlermeldung("Straight line too long!\nUse bigger timebase.");
    return 0;
  }
  const auto laenge = static_cast<std::int32_t>(std::max(Runden(f), 1.0));
  RueckgaengigSichern(sitzung);
  if (const int fehler = PunkteAllokieren(sitzung, sitzung.gKurven.AktuelleKurve, n + 1)) {
    device::ZOR_Fehlerpopup(fehler);
    return 0;
  }
  auto& p = AktuelleKurveDaten(sitzung).Punkte;
  p[n] = Kurvenpunkt{YAufRaster(sitzung, sitzung.gKurven.AktuelleKurve, y),
                     1,
                     static_cast<std::int8_t>(code),
                     {0, 0, 0}};
  p[n - 1].Laenge = laenge;
  p[n - 1].Zeitbasis = static_cast<std::int8_t>(code);
  return 1;
}

int PunktVerschieben(Kurvensitzung& sitzung, int i, double x, double y) {
  Kurve& k = AktuelleKurveDaten(sitzung);
  const int n = k.Punktanzahl();
  if (i < 0 || i >= n || !Endlich(x, y)) return 0;
  const int prev = std::max(i - 1, 0);
  const int next = std::min(i + 1, n - 1);
  const Rasterpunkt r = ZeitAufRaster(sitzung, prev, i, next, x, y);
  if (i != 0) {
    Kurvenpunkt& vorher = k.Punkte[prev];
    Kurvenpunkt& punkt = k.Punkte[i];
    const double h = (r.x - PunktStartzeit(k, prev)) / Us(vorher);
    if (h > kLaengeMax) {
      Fehlermeldung("Resulting straight line is too long!");
      return 0;
    }
    const double m = Runden(h);
    if (!(m >= 1.0)) {
      Fehlermeldung("Unexpected operation.");
      return 0;
    }
    double laenge = punkt.Laenge;  // the closing line keeps its length
    const bool letzter = i == n - 1;
    if (!letzter) {
      const double t = (PunktStartzeit(k, next) - r.x) / Us(punkt);
      if (t > kLaengeMax) {
        Fehlermeldung("Resulting straight line ist too long!");
        return 0;
      }
      laenge = Runden(t);
      if (!(laenge >= 1.0)) {
        Fehlermeldung("Unexpected operation.");
        return 0;
      }
      if (Us(vorher) * m + Us(punkt) * laenge != Geradendauer(vorher) + Geradendauer(punkt)) {
        Fehlermeldung("Unexpected operation.");
        return 0;
      }
    }
    RueckgaengigSichern(sitzung);
    vorher.Laenge = static_cast<std::int32_t>(m);
    punkt.Laenge = static_cast<std::int32_t>(laenge);
  } else {
    RueckgaengigSichern(sitzung);
  }
  k.Punkte[i].Y = r.y;
  return 1;
}

int PunktKoordinatenAendern(Kurvensitzung& sitzung, double x, double y) {
  if (!Endlich(x, y)) return 0;
  const int c = sitzung.gKurven.AktuelleKurve;
  const int i = NaechsterPunkt(sitzung, x, y);
  Punktfelder felder;
  felder.Zeit = ZeitInStunden(PunktStartzeit(sitzung, i));
  felder.Y = RohInEinheit(sitzung, c, AktuelleKurveDaten(sitzung).Punkte[i].Y);
  const Punktfelder eingabe =
      AktiveEditordialoge(sitzung).Punktdialog(i, felder, Einheitname(sitzung, c));
  return PunktSetzen(sitzung, i, ZeitAusFeldern(eingabe.Zeit), EinheitInRoh(sitzung, c, eingabe.Y));
}

int PunktSetzen(Kurvensitzung& sitzung, int i, double t1, double yRoh) {
  Kurve& k = AktuelleKurveDaten(sitzung);
  if (i < 0 || i >= k.Punktanzahl()) return 0;
  const double y1 = Runden(yRoh);
  const int n = k.Punktanzahl();
  const bool letzter = i == n - 1;
  const double ti = PunktStartzeit(k, i);
  bool geaendert = false;
  if (t1 != ti) {
    if (i == 0) {
      Fehlermeldung("The first point can not be moved along the time axis.");
      return 0;
    }
    Kurvenpunkt& vorher = k.Punkte[i - 1];
    Kurvenpunkt& punkt = k.Punkte[i];
    const double delta = t1 - ti;
    // The shift must fit the larger grid and be whole units of every line that changes
    // length: the larger grid alone is not enough for a 2 ms line next to a 5 ms line, as
    // half a unit would be cut off below. The closing line keeps its length, so moving
    // the last point needs whole units of the line before it only.
    const bool passt = GanzesVielfaches(delta, std::max(Us(vorher), Us(punkt))) &&
                       GanzesVielfaches(delta, Us(vorher)) &&
                       (letzter || GanzesVielfaches(delta, Us(punkt)));
    if (!passt) {
      Fehlermeldung(
          "The selected time coordinate does not fit into the time grid \n(The point has to "
          "fit into the time grid of the previous and subsequent straight line).");
      return 0;
    }
    if (PunktStartzeit(k, i - 1) >= t1) {
      Fehlermeldung(
          "The selected time coordinate ist too small \n(The point can not be moved to a time "
          "smaller or equal \nto the previous point).");
      return 0;
    }
    if (!letzter && PunktStartzeit(k, i + 1) <= t1) {
      Fehlermeldung(
          "The selected time coordinate is too big \n(The point can not be moved to a time "
          "bigger or equal \nto the subsequenz point).");
      return 0;
    }
    const double a = vorher.Laenge + delta / Us(vorher);
    const double b = punkt.Laenge - delta / Us(punkt);
    // b is checked for the last point too, although its closing line keeps its length.
    if (b > kLaengeMax || a > kLaengeMax) {
      Fehlermeldung(
          "Moving the point would result in a straight line with too much length. \nSelect a "
          "bigger timebase for the straight lines near the point.");
      return 0;
    }
    RueckgaengigSichern(sitzung);
    vorher.Laenge = static_cast<std::int32_t>(Abschneiden(a));
    if (!letzter) punkt.Laenge = static_cast<std::int32_t>(Abschneiden(b));
    geaendert = true;
  }
  if (y1 != k.Punkte[i].Y) {
    if (!(y1 >= 0.0)) {
      Fehlermeldung("Y value too small.");
      return geaendert ? 1 : 0;
    }
    if (y1 > kRohMax) {
      Fehlermeldung("Y value too big.");
      return geaendert ? 1 : 0;
    }
    if (!geaendert) RueckgaengigSichern(sitzung);
    k.Punkte[i].Y = static_cast<std::int32_t>(y1);
    geaendert = true;
  }
  return geaendert ? 1 : 0;
}

int PunktLoeschen(Kurvensitzung& sitzung, double x, double y) {
  if (!Endlich(x, y)) return 0;
  Kurve& k = AktuelleKurveDaten(sitzung);
  const int n = k.Punktanzahl();
  const int i = NaechsterPunkt(sitzung, x, y);
  if (n <= 1) {
    Fehlermeldung("Can't delete last point");
    return 0;
  }
  const bool mitte = i != 0 && i != n - 1;
  if (mitte) {
    const Kurvenpunkt& vorher = k.Punkte[i - 1];
    const Kurvenpunkt& punkt = k.Punkte[i];
    if (punkt.Zeitbasis != vorher.Zeitbasis) {
      Fehlermeldung(
          "Point can't be deleted because the two straight lines near it \nhas different "
          "timebases. \nChange timebases in a way that both straight lines do have the same "
          "timebases.");
      return 0;
    }
    if (static_cast<double>(punkt.Laenge) + vorher.Laenge > kLaengeMax) {
      Fehlermeldung(
          "Point can't be deleted because the  \nresulting straight line would be too long. "
          "\nUse bigger timebase for the straight line.");
      return 0;
    }
  }
  RueckgaengigSichern(sitzung);
  if (mitte) k.Punkte[i - 1].Laenge += k.Punkte[i].Laenge;
  k.Punkte.erase(k.Punkte.begin() + i);
  if (i == n - 1) k.Punkte.back().Laenge = 1;
  return 1;
}

}  // namespace curves
