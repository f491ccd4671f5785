// Putting a shape into a curve: it replaces a time range (a mark) or goes in at one time,
// as one undo step. The points outside the range keep their values, lengths and time
// bases; only a line that the range cuts is shortened or split on its own grid.
#pragma once

#include <string>
#include <vector>

#include "curves/model/Kurvenmodell.h"
#include "curves/shapes/Formen.h"

namespace curves {

// The range's ends must lie in the curve and on the grid of the line they fall in.
inline constexpr int kFehlerEinfuegenBereich = -500488;   // outside the curve, or from > to
inline constexpr int kFehlerEinfuegenRaster = -1010489;   // an end off its line's grid
inline constexpr int kFehlerEinfuegenSpeicher = -600487;  // no memory for the new points

struct Einfuegebericht {
  int ErsterPunkt = 0;     // index of the shape's first point in the curve
  int Punktanzahl = 0;     // points the shape brought in (with a closing point)
  double EndeMikro = 0.0;  // where the shape ends in the curve
};

// The curve's points with [vonMikro, bisMikro] replaced by the shape (von == bis inserts
// it there). The line that holds von is cut there and now runs to the shape's first
// level; what follows the range starts at the curve's level at bis, a point of its own
// when bis falls inside a line. The shape's last line runs to that point; when it runs
// there from another level over more than one unit, a one-unit point at the shape's end
// level comes first. Nothing else changes, so a dialog can show the result as a preview.
// 0, or a code with meldung.
int FormInKurve(const Kurve& kurve, double vonMikro, double bisMikro, const Form& form,
                std::vector<Kurvenpunkt>& punkte, Einfuegebericht& bericht, std::string& meldung);

// The same into curve c (0..3) of daten, as one undo step of that curve; sets
// KurvenGeaendert. A refusal (range, grid, a result longer than the device memory) changes
// nothing.
int FormEinfuegen(Kurvendaten& daten, int c, double vonMikro, double bisMikro, const Form& form,
                  Einfuegebericht& bericht, std::string& meldung);

}  // namespace curves
