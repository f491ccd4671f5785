// Curves as SPICE piecewise-linear sources: "time value" pairs in seconds and volts at the
// output, one pair per line. A line one unit long between two values is what the device
// plays as a step (it holds the first value for the unit), so it is written as a step: the
// first value until 1 ps before the next point, then the next value. Lines starting with
// "*" are comments to a simulator; "* timebase NAME" lines carry each line's time base, so
// that a curve comes back with the same grid.
//
// The reader takes such files and also netlist lines with a PWL(...) source, "+"
// continuation lines, SPICE scale suffixes (10n, 5m, 1meg) and inline comments.
#pragma once

#include <string>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace curves {

inline constexpr int kFehlerPwlOeffnen = -308580;
inline constexpr int kFehlerPwlLesen = -304581;
inline constexpr int kFehlerPwlKeineDaten = -321582;
inline constexpr int kFehlerPwlWert = -312583;       // not a number, or a time without value
inline constexpr int kFehlerPwlZeitfolge = -312584;  // time falls
inline constexpr int kFehlerPwlRaster = -1010585;    // time off the grid, unknown time base
inline constexpr int kFehlerPwlBereich = -312586;    // value outside the output's range
inline constexpr int kFehlerPwlZuLang = -312587;     // a line beyond 65535 units
inline constexpr int kFehlerPwlExportOeffnen = -308588;
inline constexpr int kFehlerPwlExportSchreiben = -301589;
inline constexpr int kFehlerPwlSpeicher = -600590;

// Pairs closer than this are one step.
inline constexpr double kPwlStufenabstand = 1e-9;

// Writes the points as a PWL list; voutmax turns codes into volts. A file already at pfad
// survives any failure.
int PwlSchreiben(const std::string& pfad, const std::vector<Kurvenpunkt>& punkte, double voutmax);

struct Pwlbericht {
  int Paare = 0;
  int Stufen = 0;
  bool Quelle = false;           // read from a PWL(...) source line
  bool Zeitbasismarken = false;  // the file carried "* timebase" lines
};

// Reads a PWL list into points. Each line takes the time base of the "* timebase" line
// before it; without one, zeitbasis (1..9), or with 0 the coarsest time base the line's
// duration fits whole, for a ramp one whose staircase rises by at most one code per unit.
// The last pair closes the curve when it returns to the first value; otherwise it becomes
// a point with a one-unit closing line. A list that starts after 0 is held at its first
// value from 0. 0 or a code, refusals shown with the line (title "Error while importing").
int PwlLesen(const std::string& pfad, double voutmax, int zeitbasis,
             std::vector<Kurvenpunkt>& punkte, Pwlbericht* bericht = nullptr);

}  // namespace curves
