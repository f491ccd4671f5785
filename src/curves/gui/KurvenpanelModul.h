// The curve window's settings section "kurven" for the shell's window list, which builds
// the window and hands it in.
#pragma once

namespace ini {
struct IniStore;
}

namespace curves::gui {

class Kurvenpanel;

// "darstellung" (1, 2 or 3; anything else gives 3) and "hintergrund1" .. "hintergrund4",
// which only set the check marks of the background buttons. Without a window nothing is
// set.
int ReadIniKurvenpanel(Kurvenpanel* panel, ini::IniStore* ini);
// Writes "darstellung" (3 without a window).
int WriteIniKurvenpanel(const Kurvenpanel* panel, ini::IniStore* ini);

}  // namespace curves::gui
