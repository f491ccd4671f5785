#include "characteristic/edit/KennlBearbeiten.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "characteristic/edit/KennlRaster.h"
#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "common/OperatorInterface.h"
#include "common/Raster.h"
#include "config/Umrechnung.h"
#include "device/Fehler.h"

namespace characteristic {
namespace {

using common::Abschneiden;
using common::Runden;

class BestaetigenderDialog : public KennlPunktdialog {
 public:
  KennlPunktfelder Zeigen(int, const KennlPunktfelder& felder) override { return felder; }
};

void Meldung(const char* text, const char* titel = "Error") {
  common::showMessage(titel, text);
}

std::vector<Kennlinienpunkt>& Punkte(Kennliniensitzung& sitzung) {
  return sitzung.gKennl.Kennl.Punkte;
}

int Anzahl(Kennliniensitzung& sitzung) {
  return sitzung.gKennl.Kennl.Punktanzahl();
}

Kennlinienpunkt& P(Kennliniensitzung& sitzung, int i) {
  return Punkte(sitzung)[static_cast<std::size_t>(i)];
}

// A dialog value that converts to no number leaves the coordinate as it was.
double GerundetOder(double wert, double sonst) {
  const double r = Runden(wert);
  return std::isfinite(r) ? r : sonst;
}

}  // namespace

KennlPosition KennlXBegrenzen(Kennliniensitzung& sitzung, int prev, int i, int next, double x,
                              double y) {
  const int yr = KennlYAufRaster(sitzung, y);
  x = KennlXAufRaster(sitzung, x);
  const double xp = KennlPunktX(sitzung, prev);
  const double xn = KennlPunktX(sitzung, next);
  const bool letzter = i == Anzahl(sitzung) - 1;
  if (xp >= x) x = KennlXRasterUeber(sitzung, xp);
  if (letzter) {
    if (x > kRohSpanne) x = kRohSpanne;
  } else if (xn <= x) {
    x = KennlXRasterUnter(sitzung, xn);
  }
  if (sitzung.gKennl.Felder.XRaster != 0.0) {
    if ((!letzter && xn <= x) || xp >= x) x = kKeinePosition;
  } else {
    if (!letzter && xn <= x) x = xn - 1.0;
    if (xp >= x) x = xp + 1.0;
  }
  if (i == 0) x = 0.0;
  return {x, yr};
}

KennlAnhaengeposition KennlAnhaengenBei(Kennliniensitzung& sitzung, double x, double y) {
  const int n = Anzahl(sitzung);
  const double xl = KennlPunktX(sitzung, n - 1);
  double xr = KennlXAufRaster(sitzung, x);
  const int yr = KennlYAufRaster(sitzung, y);
  double e = Runden(std::floor(xr + 0.5) - xl);
  if (e <= 0.0) {
    xr = KennlXRasterUeber(sitzung, xl);
    e = Runden(std::floor(xr + 0.5) - xl);
    if (e <= 0.0) e = 1.0;
  }
  return {xl + e <= kRohSpanne,        xl, static_cast<double>(P(sitzung, n - 1).Y), xl + e, yr,
          static_cast<std::int32_t>(e)};
}

void KennlPunktAnhaengen(Kennliniensitzung& sitzung, double x, double y) {
  const KennlAnhaengeposition pos = KennlAnhaengenBei(sitzung, x, y);
  if (!pos.Gueltig) return;
  const int n = Anzahl(sitzung);
  RueckgaengigSichern(sitzung);
  if (const int fehler = PunkteAllokieren(sitzung, n + 1)) {
    device::ZOR_Fehlerpopup(fehler);
    return;
  }
  P(sitzung, n) = {pos.Y, 1, 0, {0, 0, 0}};
  P(sitzung, n - 1).Laenge = pos.Laenge;
  P(sitzung, n - 1).Reserve = 0;
}

KennlVerschiebevorschau KennlVerschiebenBei(Kennliniensitzung& sitzung, int i, double x, double y) {
  const int n = Anzahl(sitzung);
  i = std::clamp(i, 0, n - 1);
  const int prev = std::max(i - 1, 0);
  const int next = std::min(i + 1, n - 1);
  const KennlPosition pos = KennlXBegrenzen(sitzung, prev, i, next, x, y);
  KennlVerschiebevorschau v;
  v.X = pos.x < 0.0 ? KennlPunktX(sitzung, i) : pos.x;
  v.Y = pos.y;
  v.MitLinks = i > 0;
  v.LinksX = KennlPunktX(sitzung, prev);
  v.LinksY = P(sitzung, prev).Y;
  v.MitRechts = i < n - 1;
  v.RechtsX = KennlPunktX(sitzung, next);
  v.RechtsY = P(sitzung, next).Y;
  return v;
}

void KennlPunktVerschieben(Kennliniensitzung& sitzung, int i, double x, double y) {
  const int n = Anzahl(sitzung);
  if (i < 0 || i >= n) return;
  const int prev = std::max(i - 1, 0);
  const int next = std::min(i + 1, n - 1);
  const bool letzter = i == n - 1;
  const KennlPosition pos = KennlXBegrenzen(sitzung, prev, i, next, x, y);
  x = pos.x < 0.0 ? KennlPunktX(sitzung, i) : pos.x;
  if (i != 0) {
    double m = x - KennlPunktX(sitzung, prev);
    if (m > kGroessteLaenge) return Meldung("Resulting straight line is too long!");
    m = Runden(m);
    if (m < 1.0) return Meldung("Unexpected operation.");
    double k = P(sitzung, i).Laenge;
    if (!letzter) {
      k = KennlPunktX(sitzung, next) - x;
      if (k > kGroessteLaenge) return Meldung("Resulting straight line is too long!");
      k = Runden(k);
      if (k < 1.0) return Meldung("Unexpected operation.");
      if (m + k != static_cast<double>(P(sitzung, prev).Laenge) + P(sitzung, i).Laenge)
        return Meldung("Unexpected operation.");
    }
    RueckgaengigSichern(sitzung);
    P(sitzung, prev).Laenge = static_cast<std::int32_t>(m);
    P(sitzung, i).Laenge = static_cast<std::int32_t>(k);
  } else {
    RueckgaengigSichern(sitzung);
  }
  P(sitzung, i).Y = static_cast<std::int32_t>(Runden(pos.y));
}

int KennlPunktKoordinatenAendern(Kennliniensitzung& sitzung, double x, double y) {
  const int i = KennlNaechsterPunkt(sitzung, x, y);
  const int n = Anzahl(sitzung);
  const int prev = std::max(i - 1, 0);
  const int next = std::min(i + 1, n - 1);
  const bool letzter = i == n - 1;
  const double xi = KennlPunktX(sitzung, i);
  const double yi = P(sitzung, i).Y;

  const KennlPunktfelder felder{config::EingangRohInEinheit(sitzung.Konfig.gKonfig, 1, xi),
                                config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 0, yi)};
  BestaetigenderDialog standard;
  KennlPunktdialog& dialog = sitzung.Punktdialog ? *sitzung.Punktdialog : standard;
  const KennlPunktfelder ok = dialog.Zeigen(i, felder);
  const double x1 = GerundetOder(config::EingangEinheitInRoh(sitzung.Konfig.gKonfig, 1, ok.X), xi);
  const double y1 = GerundetOder(config::AusgangEinheitInRoh(sitzung.Konfig.gKonfig, 0, ok.Y), yi);

  double a = 0.0, b = 0.0;
  if (x1 != xi) {
    if (i == 0) {
      Meldung("Der erste Punkt kann nicht auf der Zeitachse verschoben werden.", "Fehler");
      Meldung("The first point cant't be moved along the time-axis.");
      return 0;
    }
    if (x1 > kRohSpanne) return Meldung("X-coordinate is bigger then maximum."), 0;
    if (KennlPunktX(sitzung, prev) >= x1) {
      Meldung(
          "Die angegebene X-Koordinate ist zu klein \n(Der Punkt kann nicht auf einen X-Wert "
          "kleiner oder gleich dem \ndes vorherigen Punktes verschoben werden).",
          "Fehler");
      return 0;
    }
    if (!letzter && KennlPunktX(sitzung, next) <= x1) {
      Meldung(
          "Die angegebene X-Koordinate ist zu groß \n(Der Punkt kann nicht auf einen X-Wert "
          "größer oder gleich dem \ndes nächsten Punktes verschoben werden).",
          "Fehler");
      return 0;
    }
    const double delta = x1 - xi;
    a = P(sitzung, prev).Laenge + delta;
    b = P(sitzung, i).Laenge - delta;
    if (b > kGroessteLaenge || a > kGroessteLaenge) {
      Meldung("Moving the point would result in a stright line which would be too long");
      return 0;
    }
  }
  if (y1 != yi) {
    if (y1 < 0.0) return Meldung("Y value too small."), 0;
    if (y1 > kRohSpanne) return Meldung("Y value too big."), 0;
  }
  if (x1 == xi && y1 == yi) return 0;
  RueckgaengigSichern(sitzung);
  if (x1 != xi) {
    P(sitzung, prev).Laenge = static_cast<std::int32_t>(Abschneiden(a));
    if (!letzter) P(sitzung, i).Laenge = static_cast<std::int32_t>(Abschneiden(b));
  }
  if (y1 != yi) P(sitzung, i).Y = static_cast<std::int32_t>(y1);
  return 1;
}

void KennlPunktLoeschen(Kennliniensitzung& sitzung, double x, double y) {
  const int i = KennlNaechsterPunkt(sitzung, x, y);
  const int n = Anzahl(sitzung);
  if (n <= 1) return Meldung("Last point can't be deleted");
  RueckgaengigSichern(sitzung);
  if (i > 0 && i < n - 1) P(sitzung, i - 1).Laenge += P(sitzung, i).Laenge;
  Punkte(sitzung).erase(Punkte(sitzung).begin() + i);
  if (i == n - 1) P(sitzung, n - 2).Laenge = 1;
}

void KennlGeradeTeilen(Kennliniensitzung& sitzung, double x) {
  const int i = KennlGeradeBeiX(sitzung, x);
  const int n = Anzahl(sitzung);
  if (i >= n - 1) return;
  const int laenge = P(sitzung, i).Laenge;
  // A line without length has nothing to divide (and would divide by zero below).
  if (laenge < 1) return;
  if (laenge == 1)
    return Meldung(
        "Straight line can't be divided because its length \nequals only one grid unit.");
  const double e = std::clamp(Runden(x - KennlPunktX(sitzung, i)), 1.0, laenge - 1.0);
  const double ya = P(sitzung, i).Y;
  const double yb = P(sitzung, i + 1).Y;
  const double v = std::clamp(Abschneiden(ya + (yb - ya) * e / laenge), 0.0, kRohSpanne);
  RueckgaengigSichern(sitzung);
  if (const int fehler = PunkteAllokieren(sitzung, n + 1)) {
    device::ZOR_Fehlerpopup(fehler);
    return;
  }
  std::move_backward(Punkte(sitzung).begin() + i + 1, Punkte(sitzung).begin() + n,
                     Punkte(sitzung).begin() + n + 1);
  const std::int8_t reserve = P(sitzung, i).Reserve;
  P(sitzung, i).Laenge = static_cast<std::int32_t>(e);
  P(sitzung, i + 1) = {
      static_cast<std::int32_t>(v), laenge - static_cast<std::int32_t>(e), reserve, {0, 0, 0}};
}

}  // namespace characteristic
