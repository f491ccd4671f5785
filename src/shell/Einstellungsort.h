// Where the settings file lives. In the folder the program is started in, as always: a
// folder per test bench keeps its own settings. A start from the desktop menu starts in
// the home folder, though, and there the file would be a stray file among the operator's
// own; so when that folder has no settings file yet, and when it cannot be written, the
// file lives in the operator's configuration folder, beside the folder of port links.
#pragma once

#include <filesystem>
#include <string>

namespace shell {

// The settings file for a start in folder `ordner` (`beschreibbar`: the program may
// create files there), with the values of $HOME and $XDG_CONFIG_HOME (nullptr or empty:
// not set):
// - `ordner` holds a settings file, or is writable and not the home folder: the file name
//   alone, so the file is the one in the current folder;
// - otherwise <$XDG_CONFIG_HOME or $HOME/.config>/miv3x/miv3XKurvengenerator.ini;
// - without either variable: the file name alone.
std::string EinstellungsdateiFuer(const std::filesystem::path& ordner, bool beschreibbar,
                                  const char* home, const char* xdgConfigHome);

// The settings file of this run: EinstellungsdateiFuer the current folder and the
// environment. The configuration folder is created when the file goes there, so that the
// file can be written at the end.
std::string Einstellungsdateipfad();

}  // namespace shell
