// The operator dialogs of the curve editor: the point dialog, the line dialog and the
// time-base pop-up menu. The window implements them (placing them at the mouse and marking
// the point or line meanwhile); tests use a scripted implementation. Each call is modal and
// returns what the operator entered; a dialog left without OK returns its fields unchanged.
#pragma once

#include <string>

namespace curves {

// A time split into the four fields of the dialogs (see ZeitInStunden).
struct Zeitfelder {
  int Stunden = 0;
  int Minuten = 0;
  int Sekunden = 0;
  double Millisekunden = 0.0;
};

struct Punktfelder {
  Zeitfelder Zeit;
  double Y = 0.0;  // in the output's unit
};

class Editordialoge {
 public:
  virtual ~Editordialoge() = default;

  // "Point %d" with punktIndex + 1; shows the fields and returns them as confirmed with OK.
  virtual Punktfelder Punktdialog(int punktIndex, const Punktfelder& felder,
                                  const std::string& yEinheit) = 0;
  // "Straight line %d" with linienIndex + 1; the line's duration, returned as confirmed.
  virtual Zeitfelder Geradendialog(int linienIndex, const Zeitfelder& felder) = 0;
  // The pop-up menu "Timebase" with the nine names in list order, aktuellerCode checked.
  // Returns the chosen code, or 0 when the operator chose nothing.
  virtual int ZeitbasisMenue(int aktuellerCode) = 0;
};

struct Kurvensitzung;

// The session's dialogs. Until some are set, the dialogs confirm their fields unchanged
// and the menu chooses nothing.
Editordialoge& AktiveEditordialoge(Kurvensitzung& sitzung);
// Installs dialogs (not owned); nullptr restores the default ones.
void EditordialogeSetzen(Kurvensitzung& sitzung, Editordialoge* dialoge);

}  // namespace curves
