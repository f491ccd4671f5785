// Points made outside the editor (an imported trace, a PWL list) put into the edited
// curve: in place of the whole curve, or in place of the marked range with the curve on
// both sides kept (see FormInKurve). Either is one undo step; a refusal changes nothing.
#pragma once

#include <string>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace curves {

struct Kurvensitzung;

enum class Einsatzart { Ersetzen, AnMarkierung };

inline constexpr int kFehlerEinsetzenLeer = -321595;        // no points to put in
inline constexpr int kFehlerEinsetzenMarkierung = -500596;  // at the mark, without one

// punkte form a curve of their own (the last line runs towards the first value, or is a
// one-unit closing line). 0, or a code with a one-line meldung.
int PunkteEinsetzen(Kurvensitzung& sitzung, const std::vector<Kurvenpunkt>& punkte, Einsatzart art,
                    std::string& meldung);

}  // namespace curves
