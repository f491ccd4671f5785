// The characteristic window's entry points for the shell's window list: loading the
// window, its start and end, and its settings section "kennlinie".
#pragma once

class QWidget;

namespace ini {
struct IniStore;
}
namespace widgets {
struct Fensterumgebung;
}

namespace characteristic {
struct Kennliniensitzung;
}

namespace characteristic::gui {

class Kennlinienpanel;

// "darstellung": 1, 2 or 3; anything else, or no key, gives 3. Without a window the session
// takes it.
int ReadIniKennlinienpanel(Kennliniensitzung& sitzung, Kennlinienpanel* panel, ini::IniStore* ini);
// Writes "darstellung".
int WriteIniKennlinienpanel(const Kennliniensitzung& sitzung, const Kennlinienpanel* panel,
                            ini::IniStore* ini);

}  // namespace characteristic::gui
