// How the windows ask the shell to switch windows or to quit, and which windows they
// offer. The shell owns one Fensternavigation, listens to it and hands it to every window
// in its Fensterumgebung; a window built without the shell (a test) gets none, or the
// test's own.
#pragma once

#include "common/Meldeliste.h"

namespace widgets {

struct Fensterumgebung;

// The windows the menus and buttons can show. Haupt shows the main window alone;
// Leitungslog opens the line log, a window of its own beside the main window.
enum class Fenster { Haupt = -1, Com = 0, Konfig, Direkt, Kurven, Kennlinie, Leitungslog };

struct Fensternavigation {
  // Asks to show a window inside the main window (ZeigeChildpanel).
  common::Meldeliste<Fenster> Fensterwahl;
  // Asks to quit: the listener puts ProgrammendeFallsAllesGespeichert's answer into the int.
  common::Meldeliste<int&> Endeanfragen;
  // By default the main window's buttons and the Window menus leave out the configuration,
  // direct input/output and characteristic windows; with all windows offered
  // (miv3x-curvegen --all-windows) they list every window. Set before the windows are built.
  bool AlleFenster = false;
};

// Shows the window inside the main window; nothing without navigation.
void FensterZeigen(const Fensterumgebung& umgebung, Fenster fenster);
bool AlleFensterAngeboten(const Fensterumgebung& umgebung);
// Asks the shell to quit (ProgrammendeFallsAllesGespeichert); -1 when nobody answers.
int ProgrammendeAnfragen(const Fensterumgebung& umgebung);

}  // namespace widgets
