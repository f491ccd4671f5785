#include "characteristic/model/KennlRueckgaengig.h"

#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "common/OperatorInterface.h"

namespace characteristic {
namespace {

void Melden(Kennliniensitzung& sitzung) {
  sitzung.Undomeldungen.Melden(sitzung.Undozustand);
}

}  // namespace

void RueckgaengigSichern(Kennliniensitzung& sitzung) {
  sitzung.gKennl.KennlinieGeaendert = true;
  sitzung.Abweichungen.clear();
  if (!sitzung.gKennl.Historien.Sichern(sitzung.gKennl.Kennl.Punkte, KennlAllokationsHaken())) {
    common::showMessage("Error", "Memory allocation failed");
    return;
  }
  sitzung.Undozustand.Rueckgaengig = true;
  sitzung.Undozustand.Wiederherstellen = false;
  Melden(sitzung);
}

void Rueckgaengig(Kennliniensitzung& sitzung) {
  auto& h = sitzung.gKennl.Historien;
  if (!h.Rueckgaengig(sitzung.gKennl.Kennl.Punkte)) return;
  sitzung.Abweichungen.clear();
  if (h.AnzahlRueckgaengig < 1) sitzung.Undozustand.Rueckgaengig = false;
  sitzung.Undozustand.Wiederherstellen = true;
  Melden(sitzung);
}

void Wiederherstellen(Kennliniensitzung& sitzung) {
  auto& h = sitzung.gKennl.Historien;
  if (!h.Wiederherstellen(sitzung.gKennl.Kennl.Punkte)) return;
  sitzung.Abweichungen.clear();
  if (h.AnzahlWiederherstellen < 1) sitzung.Undozustand.Wiederherstellen = false;
  sitzung.Undozustand.Rueckgaengig = true;
  Melden(sitzung);
}

const KennlBefehlszustand& KennlUndoBefehle(Kennliniensitzung& sitzung) {
  return sitzung.Undozustand;
}

void KennlUndoBefehleZuruecksetzen(Kennliniensitzung& sitzung) {
  sitzung.Undozustand = KennlBefehlszustand{};
  Melden(sitzung);
}

}  // namespace characteristic
