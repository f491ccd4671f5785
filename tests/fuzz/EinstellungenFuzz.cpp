// The settings reader: any file is read without harm, every item it holds converts or is
// refused cleanly, and the store writes out and reads back with the same sections.
#include <cctype>
#include <string>

#include "Fuzzdatei.h"
#include "ini/IniModel.h"
#include "ini/IniStore.h"

using namespace fuzz;

namespace {

struct Store {
  ini::IniStore* s = ini::Ini_New(1);
  ~Store() { ini::Ini_Dispose(s); }
};

bool GleicherName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const std::string pfad = AlsDatei("ein.ini", daten, n);
  Store store;
  if (ini::Ini_ReadFromFile(store.s, pfad.c_str()) != 0) Verletzt("a regular file was refused");
  for (const auto& sektion : store.s->sections) {
    // A section name that comes twice makes two sections; lookups find one of them.
    int gleichnamig = 0;
    for (const auto& andere : store.s->sections)
      if (GleicherName(andere->name, sektion->name)) ++gleichnamig;
    if (gleichnamig > 1) continue;
    for (const auto& item : sektion->items) {
      std::int32_t i = 0;
      double d = 0;
      char puffer[8];
      const int gi = ini::Ini_GetInt(store.s, sektion->name.c_str(), item.tag.c_str(), &i);
      const int gd = ini::Ini_GetDouble(store.s, sektion->name.c_str(), item.tag.c_str(), &d);
      const int gs = ini::Ini_GetRawStringIntoBuffer(store.s, sektion->name.c_str(),
                                                     item.tag.c_str(), puffer, sizeof puffer);
      if (gs != 1) Verletzt("an item read was not found");
      if ((gi != 1 && gi != 0 && gi != -5021) || (gd != 1 && gd != 0 && gd != -5023))
        Verletzt("a conversion gave an unknown code");
      if (std::char_traits<char>::length(puffer) > 7) Verletzt("a text beyond its buffer");
    }
  }
  const std::string zurueck = Pfad("zurueck.ini");
  if (ini::Ini_WriteToFile(store.s, zurueck.c_str()) != 0) Verletzt("a store was not written");
  Store wieder;
  if (ini::Ini_ReadFromFile(wieder.s, zurueck.c_str()) != 0) Verletzt("a written file was refused");
  if (wieder.s->sections.size() != store.s->sections.size())
    Verletzt("writing and reading lost a section");
  return 0;
}
