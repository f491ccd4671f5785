// Everything the characteristic editor keeps between two operations: the characteristic
// with its undo ring, view, mark and fields, the undo commands' state and the file name,
// with the lists of listeners that windows subscribe to. The shell (or a CLI command, or a
// test) owns one and hands it by reference to every function and window that works on it.
#pragma once

#include <string>
#include <vector>

#include "characteristic/model/Kennlinienmodell.h"
#include "common/Editorsitzung.h"
#include "common/Meldeliste.h"
#include "config/Konfigsitzung.h"

namespace characteristic {

class KennlPunktdialog;

// Enabled state of the Undo and Redo commands (menu items and toolbar buttons alike).
struct KennlBefehlszustand {
  bool Rueckgaengig = false;
  bool Wiederherstellen = false;
};

// A stretch of input values (raw X steps, Start inclusive, Ende exclusive).
struct KennlXBereich {
  double Start = 0.0;
  double Ende = 0.0;
  bool operator==(const KennlXBereich&) const = default;
};

struct Kennliniensitzung : config::Konfigbezug, common::Editorsitzung {
  using Konfigbezug::Konfigbezug;

  Kennliniendaten gKennl;
  KennlBefehlszustand Undozustand;
  std::string Dateiname;  // the last saved or loaded characteristic file, kept whole
  // The point dialog the editing tools ask; none installed: it confirms its fields unchanged.
  KennlPunktdialog* Punktdialog = nullptr;
  // Where the slot held other bytes than the last verified write sent; cleared by the next
  // edit, read or write.
  std::vector<KennlXBereich> Abweichungen;

  // After every change of the undo commands' state.
  common::Meldeliste<const KennlBefehlszustand&> Undomeldungen;
  // After every change of the file name, with the new title.
  common::Meldeliste<const std::string&> Titelmeldungen;

  // The shared mouse tools' calls (characteristic/edit/Kennlzug.cpp).
  void ZugBeginnen(double breitePx, double hoehePx) override;
  void MarkeZuruecknehmen() override;
  void RadZoom(double x, bool hinein) override;
  void RadVerschieben(double schritte) override;

 private:
  Markierung markeVorDemZug_;  // the mark at the press, for Escape
};

}  // namespace characteristic
