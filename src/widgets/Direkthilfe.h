// The direct-help mode all windows share: while it is on, a click on a control shows the
// control's help text instead of acting, and the mouse pointer is the help pointer.
#pragma once

#include <string>

namespace widgets {

inline constexpr const char* kHilfeModusAn =
    "Direct help mode activated!\nTo quit click the '?' icon.";

// Whether direct help is on (the flag gHilfeAktiv).
bool HilfeAktiv();

// The direct-help switch of any window: sets the flag, changes the mouse pointer and, when
// switched on, shows the activation text.
void DirekthilfeSchalten(bool an);

// Shows a direct-help text through the operator interface.
void Hilfetext(const std::string& text);

}  // namespace widgets
