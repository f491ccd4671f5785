// The curve graph as a picture shows it: the chosen curves as their lines, closing line
// included, in the unit of each curve's output over time in a fitting unit, either within
// the visible time window and Y zoom or over the whole length and the output's range. The
// title is the curve file's name.
#pragma once

#include <string>
#include <vector>

#include "common/Grafikinhalt.h"

namespace curves {

struct Kurvensitzung;

inline constexpr int kFehlerGrafikKurve = -401591;  // a curve number outside 1..4

// Colours of curves 1..4 in a picture (0xRRGGBB).
inline constexpr std::uint32_t kGrafikfarben[4] = {0xFF0000, 0x0000FF, 0x008000, 0xB000B0};

// kurven: 0-based curve indices in drawing order; the first one's output gives the Y axis
// its unit and range, a curve with another unit names its own. nurSicht: the view and the
// Y zoom of the current curve, else everything. 0, or kFehlerGrafikKurve with meldung.
int KurvenGrafikinhalt(Kurvensitzung& sitzung, const std::vector<int>& kurven, bool nurSicht,
                       common::Grafikinhalt& inhalt, std::string& meldung);

// What the window shows: the current curve, over curve 1 when another curve is edited.
std::vector<int> SichtbareKurven(const Kurvensitzung& sitzung);

}  // namespace curves
