// Everything the curve editor keeps between two operations: the curves, the visible time
// window, the plot size, the mark, the undo commands' state and the file name, with the
// lists of listeners that windows subscribe to. The shell (or the CLI, or a test) owns one
// and hands it by reference to every function and window that works on curves.
#pragma once

#include <string>
#include <vector>

#include "common/Editorsitzung.h"
#include "common/Meldeliste.h"
#include "config/Konfigsitzung.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

class Editordialoge;

// The large graph's X axis runs from XStart to XEnde + 1 (microseconds).
struct Sichtfenster {
  double XStart = 0.0;
  double XEnde = 10000.0;
};

// Size of the large graph's plot area in pixels, as the window last reported it; used to
// find the point nearest to the mouse.
struct Zeichenflaeche {
  double BreitePx = 800.0;
  double HoehePx = 400.0;
};

// The marked range of the curve window (green), set with the Select tool.
struct Markierung {
  double Start = 0.0;  // microseconds
  double Ende = -1.0;
  bool Aktiv = false;
};

// Enabled state of the Undo and Redo commands. The menu items and the toolbar buttons
// usually agree; they differ after another curve has been selected, which sets only the
// buttons from that curve's counters.
struct Befehlszustand {
  bool RueckgaengigMenue = false;
  bool RueckgaengigKnopf = false;
  bool WiederherstellenMenue = false;
  bool WiederherstellenKnopf = false;
};

// A stretch of curve 1's time (microseconds, Start inclusive, Ende exclusive).
struct Zeitbereich {
  double Start = 0.0;
  double Ende = 0.0;
  bool operator==(const Zeitbereich&) const = default;
};

struct Kurvensitzung : config::Konfigbezug, common::Editorsitzung {
  using Konfigbezug::Konfigbezug;

  Kurvendaten gKurven;
  Sichtfenster gSicht;
  Zeichenflaeche gZeichenflaeche;
  Markierung gMarkierung;
  Befehlszustand Undozustand;
  std::string Dateiname;  // the last saved or loaded curve file, kept whole
  // The dialogs the editing tools ask; none installed: every dialog returns its input
  // unchanged and the time-base menu chooses nothing.
  Editordialoge* Dialoge = nullptr;
  // Where the device held other bytes than the last verified write sent; cleared by the
  // next edit, read or write.
  std::vector<Zeitbereich> Abweichungen;

  // After every change of the undo commands' state.
  common::Meldeliste<const Befehlszustand&> Undomeldungen;
  // After every change of the file name, with the new title.
  common::Meldeliste<const std::string&> Titelmeldungen;
  // After "Adapt to MIV-3X" changed the scaling of output 1.
  common::Meldeliste<> Skalierungsmeldungen;
  // After a read from the device has put new curves in place.
  common::Meldeliste<> Lesemeldungen;

  // The shared mouse tools' calls (curves/edit/Kurvenzug.cpp).
  void ZugBeginnen(double breitePx, double hoehePx) override;
  void MarkeZuruecknehmen() override;
  void RadZoom(double x, bool hinein) override;
  void RadVerschieben(double schritte) override;

 private:
  Markierung markeVorDemZug_;  // the mark at the press, for Escape
};

}  // namespace curves
