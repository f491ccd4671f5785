// How the windows ask the shell to switch windows or to quit. The shell binds its
// functions at start; a window that is shown without the shell (a test) may bind its own.
#pragma once

#include <functional>

namespace widgets {

// The windows the menus and buttons can show. Haupt shows the main window alone.
enum class Fenster { Haupt = -1, Com = 0, Konfig, Direkt, Kurven, Kennlinie };

void NavigationBinden(std::function<void(Fenster)> zeigeChildpanel,
                      std::function<int()> programmende);

// Shows the window inside the main window (ZeigeChildpanel); nothing when unbound.
void FensterZeigen(Fenster fenster);
// What the windows offer: by default the main window's buttons and the Window menus leave
// out the configuration, direct input/output and characteristic windows; with all windows
// offered (miv3x-curvegen --all-windows) they list every window. Set before the windows
// are built.
void AlleFensterAnbieten(bool an);
bool AlleFensterAngeboten();

// Asks the shell to quit (ProgrammendeFallsAllesGespeichert); -1 when unbound.
int ProgrammendeAnfragen();

}  // namespace widgets
