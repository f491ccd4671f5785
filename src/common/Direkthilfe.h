// The direct-help mode shared by all windows: while gHilfeAktiv is set, a click on a
// control shows its help text instead of acting.
#pragma once

#include <string>

namespace common {

extern unsigned char gHilfeAktiv;

// Shows a direct-help text through the operator interface.
void Hilfetext(const std::string& text);

}  // namespace common
