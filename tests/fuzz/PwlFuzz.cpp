// SPICE PWL import: a refused list gives no points, a taken one gives points within the
// model's limits, and what the program writes of them reads back to the same points.
#include "KurvendateiModell.h"
#include "curves/files/Pwl.h"

using namespace fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const std::string pfad = AlsDatei("ein.pwl", daten, n);
  ModellZuruecksetzen();
  std::vector<curves::Kurvenpunkt> punkte = {curves::kStandardpunkt};
  if (curves::PwlLesen(pfad, 10.0, 0, punkte) != 0) {
    if (punkte.size() != 1 || punkte[0].Laenge != 1) Verletzt("a refused list gave points");
    return 0;
  }
  for (const auto& p : punkte)
    if (!PunktImRahmen(p)) Verletzt("a point outside the model's limits");
  const std::string zurueck = Pfad("zurueck.pwl");
  if (curves::PwlSchreiben(zurueck, punkte, 10.0) != 0) Verletzt("read points were not written");
  std::vector<curves::Kurvenpunkt> wieder;
  if (curves::PwlLesen(zurueck, 10.0, 0, wieder) != 0) Verletzt("the program's list was refused");
  if (wieder.size() != punkte.size()) Verletzt("write and read changed the point count");
  for (std::size_t i = 0; i < punkte.size(); ++i)
    if (wieder[i].Y != punkte[i].Y || wieder[i].Laenge != punkte[i].Laenge ||
        wieder[i].Zeitbasis != punkte[i].Zeitbasis)
      Verletzt("write and read changed a point");
  return 0;
}
