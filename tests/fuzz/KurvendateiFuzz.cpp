// Curve files, opened and appended: a refused file changes nothing, a taken one leaves
// every value within its limits and saves and opens again to the same curves.
#include "KurvendateiModell.h"
#include "curves/files/Kurvendatei.h"

using namespace fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const std::string pfad = AlsDatei("ein.wur", daten, n);

  ModellZuruecksetzen();
  const Kurvenstand vorher = Kurvenstand::Jetzt();
  if (curves::KurvendateiLaden(sitzung, pfad, curves::Konfigwahl::Laden) != 0) {
    if (!Kurvenstand::Jetzt().Gleich(vorher)) Verletzt("a refused file changed the curves");
  } else {
    ModellImRahmen();
    const Kurvenstand geladen = Kurvenstand::Jetzt();
    const std::string zurueck = Pfad("zurueck.wur");
    if (curves::KurvendateiSpeichern(sitzung, zurueck) != 0)
      Verletzt("a loaded file could not be saved");
    ModellZuruecksetzen();
    if (curves::KurvendateiLaden(sitzung, zurueck, curves::Konfigwahl::Laden) != 0)
      Verletzt("a saved file was refused");
    if (!Kurvenstand::Jetzt().Gleich(geladen)) Verletzt("save and open changed the curves");
  }

  ModellZuruecksetzen();
  const Kurvenstand alt = Kurvenstand::Jetzt();
  if (curves::KurvendateiAnhaengen(sitzung, pfad, curves::Konfigwahl::NichtLaden) != 0) {
    if (!Kurvenstand::Jetzt().Gleich(alt)) Verletzt("a refused append changed the curves");
  } else {
    ModellImRahmen();
    const Kurvenstand neu = Kurvenstand::Jetzt();
    for (int c = 0; c < curves::kKurven; ++c) {
      if (neu.punkte[c].size() <= alt.punkte[c].size()) Verletzt("an append lost points");
      if (neu.kommentare[c] != alt.kommentare[c]) Verletzt("an append took a comment");
    }
    if (neu.zyklen != alt.zyklen || neu.ruhe != alt.ruhe) Verletzt("an append took cycles");
  }
  return 0;
}
