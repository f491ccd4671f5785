#include "shell/Einstellungsdatei.h"

#include "common/Lesedatei.h"
#include "ini/IniStore.h"

namespace shell {

namespace {

// Frees the store on every way out.
struct Store {
  ini::IniStore* s = ini::Ini_New(1);
  ~Store() { ini::Ini_Dispose(s); }
};

}  // namespace

int ReadIni(const std::vector<Fenstermodul>& module, const std::string& pfad) {
  {
    // A FIFO or a device in the settings file's place is no settings file: the program
    // starts with its defaults as if there were none, instead of hanging at start.
    common::Lesedatei probe(pfad);
    if (!probe) {
      const auto grund = probe.Ablehnung();
      if (grund == common::Lesedatei::Grund::Ordner || grund == common::Lesedatei::Grund::ZuGross)
        return kIniNichtLesbar;
      return kIniNichtGefunden;
    }
  }
  Store store;
  if (store.s == nullptr) return kIniNichtLesbar;
  if (ini::Ini_ReadFromFile(store.s, pfad.c_str()) < 0) return kIniNichtLesbar;
  for (Fenster f : kEinstellungsReihenfolge) {
    const Fenstermodul* m = ModulSuchen(module, f);
    if (m && m->readIni) m->readIni(store.s);
  }
  return 0;
}

int WriteIni(const std::vector<Fenstermodul>& module, const std::string& pfad) {
  Store store;
  if (store.s == nullptr) return kIniNichtSchreibbar;
  for (Fenster f : kEinstellungsReihenfolge) {
    const Fenstermodul* m = ModulSuchen(module, f);
    if (m && m->writeIni) m->writeIni(store.s);
  }
  if (ini::Ini_WriteToFile(store.s, pfad.c_str()) < 0) return kIniNichtSchreibbar;
  return 0;
}

}  // namespace shell
