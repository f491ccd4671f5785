#include "curves/edit/BearbeitenGeraden.h"

#include <algorithm>
#include <cmath>

#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/Editordialoge.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Meldungen.h"
#include "curves/model/Rueckgaengig.h"
#include "device/Fehler.h"

namespace curves {
namespace {

constexpr double kLaengeMax = 65535.0;

double Us(const Kurvenpunkt& p) {
  return ZeitbasisInMikrosekunden(p.Zeitbasis);
}

}  // namespace

int GeradeTeilen(Kurvensitzung& sitzung, double x) {
  if (!std::isfinite(x)) return 0;
  const Kurve& k = AktuelleKurveDaten(sitzung);
  const int i = GeradenIndexBeiZeit(k, x);
  if (i == k.Punktanzahl() - 1) return 0;
  const Kurvenpunkt alt = k.Punkte[i];
  if (alt.Laenge == 1) {
    Fehlermeldung(
        "Straight line can not be divided because it's length \nequals only one timebase "
        "unit.");
    return 0;
  }
  const double e = std::clamp(Runden((x - PunktStartzeit(k, i)) / Us(alt)), 1.0, alt.Laenge - 1.0);
  const double v = Abschneiden(alt.Y + (k.Punkte[i + 1].Y - alt.Y) * e / alt.Laenge);
  const int wert = static_cast<int>(std::clamp(v, 0.0, static_cast<double>(kRohMax)));

  RueckgaengigSichern(sitzung);
  if (const int fehler =
          PunkteAllokieren(sitzung, sitzung.gKurven.AktuelleKurve, k.Punktanzahl() + 1)) {
    device::ZOR_Fehlerpopup(fehler);
    return 0;
  }
  auto& p = AktuelleKurveDaten(sitzung).Punkte;
  std::move_backward(p.begin() + i + 1, p.end() - 1, p.end());
  p[i].Laenge = static_cast<std::int32_t>(e);
  p[i + 1] = Kurvenpunkt{wert, alt.Laenge - static_cast<std::int32_t>(e), alt.Zeitbasis, {0, 0, 0}};
  return 1;
}

int ZeitbasisAendern(Kurvensitzung& sitzung, double x, int code) {
  const double usNeu = ZeitbasisInMikrosekunden(code);
  if (usNeu <= 0.0 || !std::isfinite(x)) return 0;
  Kurve& k = AktuelleKurveDaten(sitzung);
  const int n = k.Punktanzahl();
  const int i = GeradenIndexBeiZeit(k, x);
  Kurvenpunkt& p = k.Punkte[i];
  if (i == n - 1) {
    const double ti = PunktStartzeit(k, i);
    if (x > ti + Geradendauer(p) || p.Zeitbasis == code) return 0;
    // The curve's length changes: worth an undo step and the save question.
    RueckgaengigSichern(sitzung);
    p.Zeitbasis = static_cast<std::int8_t>(code);
    return 1;
  }
  if (p.Zeitbasis == code) return 0;
  const double d = Geradendauer(p);
  if (std::fmod(Abschneiden(d), Abschneiden(usNeu)) != 0.0) {
    Fehlermeldung("The length of the straight line can not be \ndivided through the new timebase.");
    return 0;
  }
  const double f = d / usNeu;
  if (f > kLaengeMax) {
    Fehlermeldung("Timebase can not be changed. \nThe resulting straight line would be too long.",
                  "Fehler");
    return 0;
  }
  RueckgaengigSichern(sitzung);
  p.Zeitbasis = static_cast<std::int8_t>(code);
  p.Laenge = static_cast<std::int32_t>(Runden(f));
  if (i == n - 2) k.Punkte[n - 1].Zeitbasis = static_cast<std::int8_t>(code);
  return 1;
}

int ZeitbasisAendernMitMenue(Kurvensitzung& sitzung, double x) {
  if (!std::isfinite(x)) return 0;
  const Kurve& k = AktuelleKurveDaten(sitzung);
  const int code =
      AktiveEditordialoge(sitzung).ZeitbasisMenue(k.Punkte[GeradenIndexBeiZeit(k, x)].Zeitbasis);
  if (code == 0) return 0;
  return ZeitbasisAendern(sitzung, x, code);
}

int GeradenlaengeAendern(Kurvensitzung& sitzung, double x) {
  if (!std::isfinite(x)) return 0;
  const Kurve& k = AktuelleKurveDaten(sitzung);
  const int i = GeradenIndexBeiZeit(k, x);
  if (i == k.Punktanzahl() - 1) return 0;
  const Zeitfelder eingabe =
      AktiveEditordialoge(sitzung).Geradendialog(i, ZeitInStunden(Geradendauer(k.Punkte[i])));
  return GeradenlaengeSetzen(sitzung, i, ZeitAusFeldern(eingabe));
}

int GeradenlaengeSetzen(Kurvensitzung& sitzung, int i, double dauerMikro) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  if (i < 0 || i >= k.Punktanzahl() - 1) return 0;
  const double r = dauerMikro / Us(k.Punkte[i]);
  if (r != std::floor(r)) {
    Fehlermeldung("It has to be possible to divide the straigt line trough its timebase.");
    return 0;
  }
  if (r > kLaengeMax) {
    Fehlermeldung("The new length of the straight line is too big. \nSelect a bigger timebase.");
    return 0;
  }
  if (r <= 0.0) {
    Fehlermeldung("The new length of the straight line is too small.");
    return 0;
  }
  if (r == k.Punkte[i].Laenge) return 0;
  // Undo step and save question like every other edit, so the change is not lost.
  RueckgaengigSichern(sitzung);
  AktuelleKurveDaten(sitzung).Punkte[i].Laenge = static_cast<std::int32_t>(Runden(r));
  return 1;
}

}  // namespace curves
