#include "shell/Einstellungsort.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "shell/Einstellungsdatei.h"

namespace shell {

namespace fs = std::filesystem;

namespace {

bool Gesetzt(const char* wert) {
  return wert && *wert;
}

bool IstHeimordner(const fs::path& ordner, const char* home) {
  std::error_code fehler;
  return Gesetzt(home) && fs::equivalent(ordner, home, fehler);
}

}  // namespace

std::string EinstellungsdateiFuer(const fs::path& ordner, bool beschreibbar, const char* home,
                                  const char* xdgConfigHome) {
  std::error_code fehler;
  if (fs::exists(ordner / kEinstellungsdatei, fehler)) return kEinstellungsdatei;
  if (beschreibbar && !IstHeimordner(ordner, home)) return kEinstellungsdatei;
  fs::path konfig;
  if (Gesetzt(xdgConfigHome))
    konfig = xdgConfigHome;
  else if (Gesetzt(home))
    konfig = fs::path(home) / ".config";
  else
    return kEinstellungsdatei;
  return (konfig / "miv3x" / kEinstellungsdatei).string();
}

std::string Einstellungsdateipfad() {
  std::error_code fehler;
  const fs::path ordner = fs::current_path(fehler);
  if (fehler) return kEinstellungsdatei;
  const bool beschreibbar = ::access(ordner.c_str(), W_OK) == 0;
  std::string pfad = EinstellungsdateiFuer(ordner, beschreibbar, std::getenv("HOME"),
                                           std::getenv("XDG_CONFIG_HOME"));
  if (pfad != kEinstellungsdatei) fs::create_directories(fs::path(pfad).parent_path(), fehler);
  return pfad;
}

}  // namespace shell
