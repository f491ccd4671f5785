#include "curves/model/Rueckgaengig.h"

#include <utility>

#include "common/OperatorInterface.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"

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
  if (!RueckgaengigSichernOhneMeldung()) common::showMessage("Error", "Memory allocation failed");
}

bool RueckgaengigSichernOhneMeldung() {
  gKurven.KurvenGeaendert = true;
  if (!AktuelleHistorie().Sichern(AktuelleKurveDaten().Punkte, AllokationsHaken())) return false;
  UndoFreigeben(true);
  RedoFreigeben(false);
  BefehleMelden();
  return true;
}

void Rueckgaengig() {
  Historie& h = AktuelleHistorie();
  if (!h.Rueckgaengig(AktuelleKurveDaten().Punkte)) return;
  if (h.AnzahlRueckgaengig < 1) UndoFreigeben(false);
  RedoFreigeben(true);
  BefehleMelden();
}

void Wiederherstellen() {
  Historie& h = AktuelleHistorie();
  if (!h.Wiederherstellen(AktuelleKurveDaten().Punkte)) return;
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
