// The direct input/output window's entry points for the shell: loading the window, its
// start-up with the chart's width and rescaling when the configuration changes, its end.
// The shell's window entry owns one Direktpaneleintrag: the session lives as long as the
// entry, longer than the window.
#pragma once

#include <QPointer>

#include "direct/Direktsitzung.h"
#include "widgets/Fensterumgebung.h"

class QWidget;

namespace direct::gui {

class DirektpanelFenster;

struct Direktpaneleintrag {
  explicit Direktpaneleintrag(config::Konfigsitzung& konfig) : sitzung(konfig) {}
  Direktsitzung sitzung;
  QPointer<DirektpanelFenster> fenster;     // the loaded window, null when none
  common::Meldeliste<>::Abo neuskalierung;  // rescaled with the configuration while joined
};

// Creates the window over the entry's session as a child of the main window.
QWidget* DirektpanelLaden(Direktpaneleintrag& e, QWidget* hauptfenster,
                          const widgets::Fensterumgebung& umgebung);
// DirektpanelInit with the window (or without one, the logic alone); joins the windows
// that are rescaled after a configuration change.
int DirektpanelFensterInit(Direktpaneleintrag& e);
// Stops polling and leaves the rescaling.
void DirektpanelFensterClear(Direktpaneleintrag& e);

}  // namespace direct::gui
