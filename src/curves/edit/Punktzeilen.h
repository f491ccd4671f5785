// The rows of the point table: what each point of the current curve shows, and the edits
// of its cells and the arrow-key nudges, each through the operation of the point dialog,
// the line dialog or the time-base menu (same refusals and messages, one undo step each).
#pragma once

#include <string>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace curves {

struct Kurvensitzung;

enum class Punktspalte { Start, Laenge, Zeitbasis, Wert, Codes, Steigung };
inline constexpr int kPunktspalten = 6;

// The start time of every point, and the curve's length at the end (count + 1 entries).
void StartzeitenBerechnen(const Kurve& k, std::vector<double>& start);

// One row: k's point i, its start time t (from StartzeitenBerechnen), curve c's output.
struct Punktzeile {
  double StartMikro = 0.0;
  int Laenge = 0;
  int Zeitbasis = 0;
  double Wert = 0.0;  // in the output's unit
  int Codes = 0;
  double Steigung = 0.0;  // of the line starting here, output unit per second
};
Punktzeile PunktzeileLesen(const Kurvensitzung& sitzung, const Kurve& k, int c, int i,
                           double startMikro);

// A cell's text as shown, and its edit: the text is read (a time with its unit, a
// length in units, a time-base name, a value in the output's unit or in codes) and goes
// through the core operation. A text that does not read is refused with a message. The
// slope cannot be edited. 1 when the curve changed, else 0.
std::string PunktzelleText(const Punktzeile& z, Punktspalte spalte);
int PunktzelleSetzen(Kurvensitzung& sitzung, int i, Punktspalte spalte, const std::string& text);

// The arrow keys on point i: the value one step of the Y grid (one code without a grid) up
// or down, the time one unit of the coarser of its two lines left or right. 1 when the
// curve changed.
int PunktWertSchieben(Kurvensitzung& sitzung, int i, int richtung);
int PunktZeitSchieben(Kurvensitzung& sitzung, int i, int richtung);

}  // namespace curves
