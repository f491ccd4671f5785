// Configuration files (.wuo): a refused file leaves the configuration as it was, a taken
// one saves and loads again to the same record.
#include <cstring>

#include "Fuzzdatei.h"
#include "config/Konfigdatei.h"
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
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
  const config::Konfiguration vorher = sitzung.Konfig.gKonfig;
  if (config::KonfigdateiLadenVon(sitzung.Konfig, pfad) != 0) {
    if (std::memcmp(&vorher, &sitzung.Konfig.gKonfig, sizeof vorher) != 0)
      Verletzt("a refused file changed the configuration");
    return 0;
  }
  for (const auto& e : sitzung.Konfig.gKonfig.outeinheit)
    if (!std::memchr(e, '\0', sizeof e)) Verletzt("a unit without its end");
  for (const auto& e : sitzung.Konfig.gKonfig.ineinheit)
    if (!std::memchr(e, '\0', sizeof e)) Verletzt("a unit without its end");
  const config::Konfiguration geladen = sitzung.Konfig.gKonfig;
  const std::string zurueck = Pfad("zurueck.wuo");
  if (config::KonfigdateiSpeichernNach(sitzung.Konfig, zurueck) != 0)
    Verletzt("a loaded record was not saved");
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
  if (config::KonfigdateiLadenVon(sitzung.Konfig, zurueck) != 0)
    Verletzt("a saved file was refused");
  if (!GleichOhnePadding(geladen, sitzung.Konfig.gKonfig))
    Verletzt("save and load changed the record");
  return 0;
}
