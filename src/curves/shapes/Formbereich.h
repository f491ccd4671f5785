// A shape put into the curve being edited, as the curve window does it. The range it
// replaces is the mark; a mark drawn with the mouse lies on whole microseconds, rarely on
// the grid of the lines it cuts, so its ends move to the nearest unit boundary of the line
// each falls in. Without a mark the shape goes in before the closing line.
#pragma once

#include <string>

#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/shapes/FormEinfuegen.h"

namespace curves {

struct Formbereich {
  double VonMikro = 0.0;
  double BisMikro = 0.0;
};

// t moved to the nearest unit boundary of the line of k that holds it, within 0..length.
double AufGeradenraster(const Kurve& k, double t);

// The range for curve k and mark m (ends in either order).
Formbereich FormbereichAusMarkierung(const Kurve& k, const Markierung& m);

// The shape into the current curve over the range, as one step of the session's undo
// commands (the window's Undo follows). 0, or the refusal's code with meldung; a refusal
// changes nothing.
int FormInSitzungEinfuegen(Kurvensitzung& sitzung, const Formbereich& bereich, const Form& form,
                           Einfuegebericht& bericht, std::string& meldung);

}  // namespace curves
