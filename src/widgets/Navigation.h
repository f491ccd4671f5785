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
// Asks the shell to quit (ProgrammendeFallsAllesGespeichert); -1 when unbound.
int ProgrammendeAnfragen();

}  // namespace widgets
