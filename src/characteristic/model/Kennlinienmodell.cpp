#include "characteristic/model/Kennlinienmodell.h"

#include <cmath>
#include <utility>

#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/KennlTitel.h"
#include "config/Umrechnung.h"

namespace characteristic {

Kennliniendaten gKennl;

double KennlPunktX(const std::vector<Kennlinienpunkt>& punkte, int i) {
  const int n = static_cast<int>(punkte.size());
  if (i > n) i = n;
  double x = 0.0;
  for (int j = 0; j < i; ++j) x += punkte[static_cast<std::size_t>(j)].Laenge;
  return x;
}

double KennlPunktX(int i) {
  return KennlPunktX(gKennl.Kennl.Punkte, i);
}

int KennlGeradeBeiX(double x) {
  const double grenze = std::floor(x) + 1.0;
  const auto& punkte = gKennl.Kennl.Punkte;
  const int n = static_cast<int>(punkte.size());
  double ende = 0.0;
  for (int i = 0; i < n; ++i) {
    ende += punkte[static_cast<std::size_t>(i)].Laenge;
    if (grenze <= ende) return i;
  }
  return n > 0 ? n - 1 : 0;
}

int PunkteAllokieren(int n) {
  if (n < 1 || !PunktfeldAnpassen(gKennl.Kennl.Punkte, static_cast<std::size_t>(n)))
    return kFehlerPunkte;
  return 0;
}

int KennlModellInitialisieren() {
  // Built aside and moved in only when complete, so a failure frees what was allocated.
  Kennliniendaten neu;
  auto& haken = KennlAllokationsHaken();
  if (!common::TextReservieren(neu.Kennl.Kommentar, kKommentarGroesse - 1, haken))
    return kFehlerStart;
  if (!PunktfeldAnpassen(neu.Kennl.Punkte, 2)) return kFehlerStart;
  neu.Kennl.Punkte.resize(1);
  neu.Kennl.Punkte[0] = kStandardpunkt;
  for (auto& slot : neu.Historien.Slots) {
    if (!PunktfeldAnpassen(slot.Punkte, 2)) return kFehlerStart;
    slot.Punkte[0] = {kRohMax, kRohMax, 0, {0, 0, 0}};
    slot.Punkte[1] = {0, 0, 0, {0, 0, 0}};
  }
  neu.Felder = gKennl.Felder;
  gKennl = std::move(neu);
  KennlUndoBefehleZuruecksetzen();
  return 0;
}

void KennlModellFreigeben() {
  std::vector<Kennlinienpunkt>().swap(gKennl.Kennl.Punkte);
  std::string().swap(gKennl.Kennl.Kommentar);
  for (auto& slot : gKennl.Historien.Slots) std::vector<Kennlinienpunkt>().swap(slot.Punkte);
}

int KennlinieNeu() {
  if (const int fehler = PunkteAllokieren(1)) return fehler;
  gKennl.Kennl.Punkte[0] = kStandardpunkt;
  gKennl.Kennl.Kommentar.clear();
  gKennl.Felder.Ausgang2 = config::EingangRohInEinheit(1, 0.0);
  gKennl.Felder.Anstiegszeit = 0.1;
  KennlFenstertitel("");
  return 0;
}

}  // namespace characteristic
