#include "curves/edit/BearbeitenMarkierung.h"

#include <algorithm>

#include "curves/edit/Markierung.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"

namespace curves {
namespace {

constexpr int kFehlerKopieren = -600460;
constexpr int kFehlerEinfuegen = -600461;

}  // namespace

int MarkierteKopieren(Kurvensitzung& sitzung) {
  const MarkierteSpanne s = MarkierteBereich(sitzung);
  if (s.Leer()) return 0;
  auto& zw = sitzung.gKurven.Zwischenspeicher;
  if (!PunktfeldAnpassen(zw, static_cast<std::size_t>(s.Anzahl()))) return kFehlerKopieren;
  const auto& p = AktuelleKurveDaten(sitzung).Punkte;
  std::copy(p.begin() + s.a, p.begin() + s.z + 1, zw.begin());
  return 0;
}

int MarkierteLoeschen(Kurvensitzung& sitzung, bool sichern) {
  const MarkierteSpanne s = MarkierteBereich(sitzung);
  if (s.Leer()) return 0;
  if (sichern) RueckgaengigSichern(sitzung);
  auto& p = AktuelleKurveDaten(sitzung).Punkte;
  p.erase(p.begin() + s.a, p.begin() + s.z + 1);
  return 1;
}

void MarkiertesEntfernen(Kurvensitzung& sitzung) {
  MarkierteLoeschen(sitzung, true);
  sitzung.gMarkierung.Aktiv = false;
}

int MarkiertesAusschneiden(Kurvensitzung& sitzung) {
  // Deleting what could not be copied would lose it: a failed copy ends the cut.
  if (const int fehler = MarkierteKopieren(sitzung)) return fehler;
  MarkierteLoeschen(sitzung, true);
  sitzung.gMarkierung.Aktiv = false;
  return 0;
}

int ZwischenspeicherEinfuegen(Kurvensitzung& sitzung) {
  if (!sitzung.gMarkierung.Aktiv) return 0;
  int k = GeradenIndexBeiZeit(sitzung, sitzung.gMarkierung.Start) + 1;
  RueckgaengigSichern(sitzung);
  MarkierteLoeschen(sitzung, false);
  auto& zw = sitzung.gKurven.Zwischenspeicher;
  const int anzahl = static_cast<int>(zw.size());
  const int n = AktuelleKurveDaten(sitzung).Punktanzahl();
  if (PunkteAllokieren(sitzung, sitzung.gKurven.AktuelleKurve, n + anzahl) != 0)
    return kFehlerEinfuegen;
  auto& p = AktuelleKurveDaten(sitzung).Punkte;
  if (k >= n) k = n - 1;
  std::move_backward(p.begin() + k, p.begin() + n, p.end());
  if (anzahl > 0) {
    // The block starts at the level of the point it is inserted before.
    zw[0].Y = p[k + anzahl].Y;
    std::copy(zw.begin(), zw.end(), p.begin() + k);
  }
  const double ende = PunktStartzeit(sitzung, k + anzahl) + 0.05;
  sitzung.gMarkierung.Start = sitzung.gMarkierung.Ende = ende;
  return 0;
}

}  // namespace curves
