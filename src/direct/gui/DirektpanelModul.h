// The direct input/output window's entry points for the shell: loading the window, its
// start-up with the chart's width and rescaling when the configuration changes, its end.
#pragma once

#include "widgets/Fensterumgebung.h"

class QWidget;

namespace direct::gui {

class DirektpanelFenster;

// Creates the window as a child of the main window.
QWidget* DirektpanelLaden(QWidget* hauptfenster, const widgets::Fensterumgebung& umgebung);
// DirektpanelInit with the window (or without one, the logic alone); joins the windows
// that are rescaled after a configuration change.
int DirektpanelFensterInit();
// Stops polling and leaves the rescaling.
void DirektpanelFensterClear();
// The loaded window, nullptr when none.
DirektpanelFenster* Direktfenster();

}  // namespace direct::gui
