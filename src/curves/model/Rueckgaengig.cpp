#include "curves/model/Rueckgaengig.h"

#include "common/OperatorInterface.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {
namespace {

void BefehleMelden(Kurvensitzung& sitzung) {
  sitzung.Undomeldungen.Melden(sitzung.Undozustand);
}

void UndoFreigeben(Kurvensitzung& sitzung, bool an) {
  sitzung.Undozustand.RueckgaengigMenue = sitzung.Undozustand.RueckgaengigKnopf = an;
}
void RedoFreigeben(Kurvensitzung& sitzung, bool an) {
  sitzung.Undozustand.WiederherstellenMenue = sitzung.Undozustand.WiederherstellenKnopf = an;
}

Historie& AktuelleHistorie(Kurvensitzung& sitzung) {
  return sitzung.gKurven.Historien[sitzung.gKurven.AktuelleKurve];
}

}  // namespace

void RueckgaengigSichern(Kurvensitzung& sitzung) {
  if (!RueckgaengigSichernOhneMeldung(sitzung))
    common::showMessage("Error", "Memory allocation failed");
}

bool RueckgaengigSichernOhneMeldung(Kurvensitzung& sitzung) {
  sitzung.gKurven.KurvenGeaendert = true;
  sitzung.Abweichungen.clear();
  if (!AktuelleHistorie(sitzung).Sichern(AktuelleKurveDaten(sitzung).Punkte, AllokationsHaken()))
    return false;
  UndoFreigeben(sitzung, true);
  RedoFreigeben(sitzung, false);
  BefehleMelden(sitzung);
  return true;
}

void Rueckgaengig(Kurvensitzung& sitzung) {
  Historie& h = AktuelleHistorie(sitzung);
  if (!h.Rueckgaengig(AktuelleKurveDaten(sitzung).Punkte)) return;
  sitzung.Abweichungen.clear();
  if (h.AnzahlRueckgaengig < 1) UndoFreigeben(sitzung, false);
  RedoFreigeben(sitzung, true);
  BefehleMelden(sitzung);
}

void Wiederherstellen(Kurvensitzung& sitzung) {
  Historie& h = AktuelleHistorie(sitzung);
  if (!h.Wiederherstellen(AktuelleKurveDaten(sitzung).Punkte)) return;
  sitzung.Abweichungen.clear();
  if (h.AnzahlWiederherstellen < 1) RedoFreigeben(sitzung, false);
  UndoFreigeben(sitzung, true);
  BefehleMelden(sitzung);
}

const Befehlszustand& UndoBefehle(Kurvensitzung& sitzung) {
  return sitzung.Undozustand;
}

void UndoKnoepfeFuerKurve(Kurvensitzung& sitzung, int c) {
  if (c < 0 || c >= kKurven) return;
  const Historie& h = sitzung.gKurven.Historien[c];
  sitzung.Undozustand.RueckgaengigKnopf = h.AnzahlRueckgaengig >= 1;
  sitzung.Undozustand.WiederherstellenKnopf = h.AnzahlWiederherstellen >= 1;
  sitzung.Undozustand.RueckgaengigMenue = true;
  sitzung.Undozustand.WiederherstellenMenue = true;
  BefehleMelden(sitzung);
}

void UndoBefehleZuruecksetzen(Kurvensitzung& sitzung) {
  sitzung.Undozustand = Befehlszustand{};
  BefehleMelden(sitzung);
}

}  // namespace curves
