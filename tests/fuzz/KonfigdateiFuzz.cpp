// Configuration files (.wuo): a refused file leaves the configuration as it was, a taken
// one saves and loads again to the same record.
#include <cstring>

#include "Fuzzdatei.h"
#include "config/Konfigdatei.h"
#include "config/Konfigsitzung.h"
#include "config/Konfiguration.h"

using namespace fuzz;

namespace {

// Bit for bit (a NaN stays a NaN), the padding aside.
bool GleichOhnePadding(const config::Konfiguration& a, const config::Konfiguration& b) {
  const auto* x = reinterpret_cast<const unsigned char*>(&a);
  const auto* y = reinterpret_cast<const unsigned char*>(&b);
  return std::memcmp(x, y, 172) == 0 && std::memcmp(x + 176, y + 176, 172) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const std::string pfad = AlsDatei("ein.wuo", daten, n);
  config::Konfigsitzung konfig;  // starts with the standard record
  const config::Konfiguration vorher = konfig.gKonfig;
  if (config::KonfigdateiLadenVon(konfig, pfad) != 0) {
    if (std::memcmp(&vorher, &konfig.gKonfig, sizeof vorher) != 0)
      Verletzt("a refused file changed the configuration");
    return 0;
  }
  for (const auto& e : konfig.gKonfig.outeinheit)
    if (!std::memchr(e, '\0', sizeof e)) Verletzt("a unit without its end");
  for (const auto& e : konfig.gKonfig.ineinheit)
    if (!std::memchr(e, '\0', sizeof e)) Verletzt("a unit without its end");
  const config::Konfiguration geladen = konfig.gKonfig;
  const std::string zurueck = Pfad("zurueck.wuo");
  if (config::KonfigdateiSpeichernNach(konfig, zurueck) != 0)
    Verletzt("a loaded record was not saved");
  konfig.gKonfig = config::KonfigurationStandard();
  if (config::KonfigdateiLadenVon(konfig, zurueck) != 0) Verletzt("a saved file was refused");
  if (!GleichOhnePadding(geladen, konfig.gKonfig)) Verletzt("save and load changed the record");
  return 0;
}
