#include "curves/Rueckgaengig.h"

#include <algorithm>
#include <utility>

#include "curves/Allokation.h"
#include "curves/Kurvenmodell.h"
#include "device/OperatorInterface.h"

namespace curves {
namespace {

Befehlszustand sgBefehle;
std::function<void(const Befehlszustand&)> sgBefehleAnzeige;

void BefehleMelden() {
  if (sgBefehleAnzeige) sgBefehleAnzeige(sgBefehle);
}

void UndoFreigeben(bool an) {
  sgBefehle.RueckgaengigMenue = sgBefehle.RueckgaengigKnopf = an;
}
void RedoFreigeben(bool an) {
  sgBefehle.WiederherstellenMenue = sgBefehle.WiederherstellenKnopf = an;
}

Historie& AktuelleHistorie() {
  return gKurven.Historien[gKurven.AktuelleKurve];
}

}  // namespace

void RueckgaengigSichern() {
  gKurven.KurvenGeaendert = true;
  Historie& h = AktuelleHistorie();
  const Kurve& k = AktuelleKurveDaten();
  auto& slot = h.Slots[h.HistorienIndex].Punkte;
  if (!PunktfeldAnpassen(slot, k.Punkte.size())) {
    device::showMessage("Error", "Memory allocation failed");
    return;
  }
  std::copy(k.Punkte.begin(), k.Punkte.end(), slot.begin());
  h.AnzahlRueckgaengig = std::min(h.AnzahlRueckgaengig + 1, kHistorientiefe);
  h.HistorienIndex = (h.HistorienIndex + 1) % kHistorientiefe;
  h.AnzahlWiederherstellen = 0;
  UndoFreigeben(true);
  RedoFreigeben(false);
  BefehleMelden();
}

// Undo and redo exchange the arrays themselves: nothing is allocated, so the step cannot
// fail half-way and the slot ends up holding the state it replaced.
void Rueckgaengig() {
  Historie& h = AktuelleHistorie();
  if (h.AnzahlRueckgaengig < 1) return;
  const int a = h.HistorienIndex == 0 ? kHistorientiefe - 1 : h.HistorienIndex - 1;
  std::swap(AktuelleKurveDaten().Punkte, h.Slots[a].Punkte);
  h.HistorienIndex = a;
  --h.AnzahlRueckgaengig;
  h.AnzahlWiederherstellen = std::min(h.AnzahlWiederherstellen + 1, kHistorientiefe);
  if (h.AnzahlRueckgaengig < 1) UndoFreigeben(false);
  RedoFreigeben(true);
  BefehleMelden();
}

void Wiederherstellen() {
  Historie& h = AktuelleHistorie();
  if (h.AnzahlWiederherstellen < 1) return;
  const int a = h.HistorienIndex;
  std::swap(AktuelleKurveDaten().Punkte, h.Slots[a].Punkte);
  h.HistorienIndex = a == kHistorientiefe - 1 ? 0 : a + 1;
  --h.AnzahlWiederherstellen;
  h.AnzahlRueckgaengig = std::min(h.AnzahlRueckgaengig + 1, kHistorientiefe);
  if (h.AnzahlWiederherstellen < 1) RedoFreigeben(false);
  UndoFreigeben(true);
  BefehleMelden();
}

const Befehlszustand& UndoBefehle() {
  return sgBefehle;
}

void UndoBefehleBinden(std::function<void(const Befehlszustand&)> anzeige) {
  sgBefehleAnzeige = std::move(anzeige);
  BefehleMelden();
}

void UndoKnoepfeFuerKurve(int c) {
  if (c < 0 || c >= kKurven) return;
  const Historie& h = gKurven.Historien[c];
  sgBefehle.RueckgaengigKnopf = h.AnzahlRueckgaengig >= 1;
  sgBefehle.WiederherstellenKnopf = h.AnzahlWiederherstellen >= 1;
  sgBefehle.RueckgaengigMenue = true;
  sgBefehle.WiederherstellenMenue = true;
  BefehleMelden();
}

void UndoBefehleZuruecksetzen() {
  sgBefehle = Befehlszustand{};
  BefehleMelden();
}

}  // namespace curves
