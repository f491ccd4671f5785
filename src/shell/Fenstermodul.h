// The one list through which the windows plug into the shell. Each entry names its window
// and brings its entry points; the shell calls them in its fixed orders (loading, settings,
// initialisation, save questions, clearing). A window that is not in the list is not
// loaded, asked or written.
#pragma once

#include <functional>
#include <vector>

#include "widgets/Fensterumgebung.h"
#include "widgets/Navigation.h"

class QWidget;

namespace ini {
struct IniStore;
}

namespace shell {

using widgets::Fenster;

struct Fenstermodul {
  Fenster fenster = Fenster::Com;
  // Creates the window as a child of the main window, handing it the operator and the
  // connection; nullptr when it cannot be loaded.
  std::function<QWidget*(QWidget* hauptfenster, const widgets::Fensterumgebung& umgebung)> laden;
  // Start-up; 0 or an error code. Empty: nothing to do.
  std::function<int()> init;
  // End of the run.
  std::function<void()> clear;
  // The window's section of the settings file; each returns 0.
  std::function<int(ini::IniStore*)> readIni;
  std::function<int(ini::IniStore*)> writeIni;
  // Save question before quitting: 0 lets the program end, non-zero keeps it running.
  // Empty for windows that hold no data of their own.
  std::function<int()> abbruchWeilNichtGespeichert;
};

// The windows of this build, in any order (the shell sorts), over the connection the
// program owns. New windows add their entry in Fensterliste.cpp.
std::vector<Fenstermodul> StandardFenstermodule(device::Verbindung& verbindung);

// The fixed orders.
inline constexpr Fenster kLadeReihenfolge[] = {Fenster::Com, Fenster::Konfig, Fenster::Direkt,
                                               Fenster::Kurven, Fenster::Kennlinie};
inline constexpr Fenster kEinstellungsReihenfolge[] = {
    Fenster::Konfig, Fenster::Com, Fenster::Direkt, Fenster::Kurven, Fenster::Kennlinie};
inline constexpr Fenster kInitReihenfolge[] = {Fenster::Konfig, Fenster::Kurven, Fenster::Kennlinie,
                                               Fenster::Direkt, Fenster::Com};
inline constexpr Fenster kClearReihenfolge[] = {Fenster::Kennlinie, Fenster::Kurven,
                                                Fenster::Direkt, Fenster::Com};
inline constexpr Fenster kSpeicherfrageReihenfolge[] = {Fenster::Kurven, Fenster::Kennlinie,
                                                        Fenster::Direkt};

// The entry of a window, nullptr when the list has none.
const Fenstermodul* ModulSuchen(const std::vector<Fenstermodul>& module, Fenster fenster);

}  // namespace shell
