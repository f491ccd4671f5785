#include "characteristic/model/KennlRueckgaengig.h"

#include <utility>

#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "common/OperatorInterface.h"

namespace characteristic {
namespace {

KennlBefehlszustand sgBefehle;
std::function<void(const KennlBefehlszustand&)> sgAnzeige;

void Melden() {
  if (sgAnzeige) sgAnzeige(sgBefehle);
}

}  // namespace

void RueckgaengigSichern() {
  gKennl.KennlinieGeaendert = true;
  if (!gKennl.Historien.Sichern(gKennl.Kennl.Punkte, KennlAllokationsHaken())) {
    common::showMessage("Error", "Memory allocation failed");
    return;
  }
  sgBefehle.Rueckgaengig = true;
  sgBefehle.Wiederherstellen = false;
  Melden();
}

void Rueckgaengig() {
  auto& h = gKennl.Historien;
  if (!h.Rueckgaengig(gKennl.Kennl.Punkte)) return;
  if (h.AnzahlRueckgaengig < 1) sgBefehle.Rueckgaengig = false;
  sgBefehle.Wiederherstellen = true;
  Melden();
}

void Wiederherstellen() {
  auto& h = gKennl.Historien;
  if (!h.Wiederherstellen(gKennl.Kennl.Punkte)) return;
  if (h.AnzahlWiederherstellen < 1) sgBefehle.Wiederherstellen = false;
  sgBefehle.Rueckgaengig = true;
  Melden();
}

const KennlBefehlszustand& KennlUndoBefehle() {
  return sgBefehle;
}

void KennlUndoBefehleBinden(std::function<void(const KennlBefehlszustand&)> anzeige) {
  sgAnzeige = std::move(anzeige);
  Melden();
}

void KennlUndoBefehleZuruecksetzen() {
  sgBefehle = KennlBefehlszustand{};
  Melden();
}

}  // namespace characteristic
