// Characteristic files and their text import: a refused input changes nothing, a taken one
// keeps every value within its limits and comes back through the program's own writer.
#include <cstdlib>
#include <string>
#include <vector>

#include "Fuzzdatei.h"
#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/files/Kennlinientext.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "config/Konfiguration.h"

using namespace fuzz;
using characteristic::Kennlinienpunkt;

namespace {

struct Stand {
  std::vector<Kennlinienpunkt> punkte;
  std::string kommentar;
  bool operator==(const Stand& o) const {
    if (kommentar != o.kommentar || punkte.size() != o.punkte.size()) return false;
    for (std::size_t i = 0; i < punkte.size(); ++i)
      if (punkte[i].Y != o.punkte[i].Y || punkte[i].Laenge != o.punkte[i].Laenge) return false;
    return true;
  }
  static Stand Jetzt(const characteristic::Kennliniensitzung& sitzung) {
    return {sitzung.gKennl.Kennl.Punkte, sitzung.gKennl.Kennl.Kommentar};
  }
};

void ImRahmen(const characteristic::Kennliniensitzung& sitzung) {
  if (sitzung.gKennl.Kennl.Punkte.empty()) Verletzt("a characteristic without points");
  for (const auto& p : sitzung.gKennl.Kennl.Punkte)
    if (p.Y < 0 || p.Y > characteristic::kRohMax || p.Laenge < 0)
      Verletzt("a point outside its limits");
  if (sitzung.gKennl.Kennl.Kommentar.size() > 999) Verletzt("a comment beyond 999 characters");
}

void Zuruecksetzen(characteristic::Kennliniensitzung& sitzung) {
  if (characteristic::KennlModellInitialisieren(sitzung) != 0) std::abort();
  characteristic::KennlinieNeu(sitzung);
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
}

}  // namespace

// The first byte chooses the reader: even a characteristic file, odd a text import.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  if (n < 1) return 0;
  characteristic::Kennliniensitzung sitzung;  // this input's characteristic
  Zuruecksetzen(sitzung);
  const Stand vorher = Stand::Jetzt(sitzung);
  if (daten[0] % 2 == 0) {
    const std::string pfad = AlsDatei("ein.wue", daten + 1, n - 1);
    if (characteristic::KennlDateiLaden(sitzung, pfad, characteristic::Konfigwahl::Laden) != 0) {
      if (!(Stand::Jetzt(sitzung) == vorher)) Verletzt("a refused file changed the characteristic");
      return 0;
    }
    ImRahmen(sitzung);
    const Stand geladen = Stand::Jetzt(sitzung);
    const std::string zurueck = Pfad("zurueck.wue");
    if (characteristic::KennlDateiSpeichern(sitzung, zurueck) != 0)
      Verletzt("a loaded file not saved");
    Zuruecksetzen(sitzung);
    if (characteristic::KennlDateiLaden(sitzung, zurueck, characteristic::Konfigwahl::Laden) != 0)
      Verletzt("a saved file was refused");
    if (!(Stand::Jetzt(sitzung) == geladen)) Verletzt("save and open changed the characteristic");
    return 0;
  }
  const std::string pfad = AlsDatei("ein.txt", daten + 1, n - 1);
  if (characteristic::KennlTextImportieren(sitzung, pfad) != 0) {
    if (!(Stand::Jetzt(sitzung) == vorher)) Verletzt("a refused import changed the characteristic");
    return 0;
  }
  ImRahmen(sitzung);
  const Stand importiert = Stand::Jetzt(sitzung);
  const std::string text = Pfad("zurueck.txt");
  if (characteristic::KennlTextExportieren(sitzung, text) != 0)
    Verletzt("an import was not exported");
  if (characteristic::KennlTextImportieren(sitzung, text) != 0)
    Verletzt("the program's export refused");
  if (!(Stand::Jetzt(sitzung) == importiert)) Verletzt("export and import changed the points");
  return 0;
}
