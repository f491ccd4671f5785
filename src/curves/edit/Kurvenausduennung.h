// The curve as the graphs show it, fed into the column decimation: the lines, the digitized
// steps, the point markers and the overview, straight from the model without a full copy
// in between. Plain numbers only; the window hands the decimated series to its plots.
#pragma once

#include <functional>

#include "common/Spaltenausduennung.h"

namespace curves {

struct Kurve;

// Display types of the curves.
inline constexpr int kDarstellungLinien = 1;
inline constexpr int kDarstellungStufen = 2;
inline constexpr int kDarstellungBeide = 3;

// The overview's mapping for a curve of the given length (in µs).
using Uebersichtsabbildung = std::function<common::Pixelabbildung(double laenge)>;

// The series of curve k for the view xStart..xEnde, fed into the decimators: the lines
// when the display type has lines, the steps when it has steps, the point markers and the
// overview always. With `uebersicht` the overview is mapped by what it gives for the
// curve's length, which the walk learns on its way (so a drawing need not measure the
// curve first); without it, as the target's mapping stands. A view from the curve's start
// reads the points once for both graphs when the overview's mapping is known before the
// walk: always without `uebersicht`, with it when `laengeErwartet` is the curve's length
// (any other guess costs a second walk for the overview, none is lost).
void KurveAusduennen(const Kurve& k, double xStart, double xEnde, int darstellung,
                     common::Reihenausduenner& ziel, const Uebersichtsabbildung& uebersicht = {},
                     double laengeErwartet = 0.0);

}  // namespace curves
