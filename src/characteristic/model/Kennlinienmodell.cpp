#include "characteristic/model/Kennlinienmodell.h"

#include <cmath>
#include <utility>

#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/KennlTitel.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "config/Umrechnung.h"

namespace characteristic {

double KennlPunktX(const std::vector<Kennlinienpunkt>& punkte, int i) {
  const int n = static_cast<int>(punkte.size());
  if (i > n) i = n;
  double x = 0.0;
  for (int j = 0; j < i; ++j) x += punkte[static_cast<std::size_t>(j)].Laenge;
  return x;
}

double KennlPunktX(Kennliniensitzung& sitzung, int i) {
  return KennlPunktX(sitzung.gKennl.Kennl.Punkte, i);
}

int KennlGeradeBeiX(Kennliniensitzung& sitzung, double x) {
  const double grenze = std::floor(x) + 1.0;
  const auto& punkte = sitzung.gKennl.Kennl.Punkte;
  const int n = static_cast<int>(punkte.size());
  double ende = 0.0;
  for (int i = 0; i < n; ++i) {
    ende += punkte[static_cast<std::size_t>(i)].Laenge;
    if (grenze <= ende) return i;
  }
  return n > 0 ? n - 1 : 0;
}

int PunkteAllokieren(Kennliniensitzung& sitzung, int n) {
  if (n < 1 || !PunktfeldAnpassen(sitzung.gKennl.Kennl.Punkte, static_cast<std::size_t>(n)))
    return kFehlerPunkte;
  return 0;
}

int KennlModellInitialisieren(Kennliniensitzung& sitzung) {
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
  neu.Felder = sitzung.gKennl.Felder;
  sitzung.gKennl = std::move(neu);
  KennlUndoBefehleZuruecksetzen(sitzung);
  return 0;
}

void KennlModellFreigeben(Kennliniensitzung& sitzung) {
  std::vector<Kennlinienpunkt>().swap(sitzung.gKennl.Kennl.Punkte);
  std::string().swap(sitzung.gKennl.Kennl.Kommentar);
  for (auto& slot : sitzung.gKennl.Historien.Slots)
    std::vector<Kennlinienpunkt>().swap(slot.Punkte);
}

int KennlinieNeu(Kennliniensitzung& sitzung) {
  sitzung.Abweichungen.clear();
  if (const int fehler = PunkteAllokieren(sitzung, 1)) return fehler;
  sitzung.gKennl.Kennl.Punkte[0] = kStandardpunkt;
  sitzung.gKennl.Kennl.Kommentar.clear();
  sitzung.gKennl.Felder.Ausgang2 = config::EingangRohInEinheit(sitzung.Konfig.gKonfig, 1, 0.0);
  sitzung.gKennl.Felder.Anstiegszeit = 0.1;
  KennlFenstertitel(sitzung, "");
  return 0;
}

}  // namespace characteristic
