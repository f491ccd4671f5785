// Curve text import: a refused text changes nothing, a taken one gives curves within their
// limits, and what the program exports of it imports again to the same points.
#include "KurvendateiModell.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"

using namespace fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const std::string pfad = AlsDatei("ein.txt", daten, n);
  ModellZuruecksetzen();
  const Kurvenstand vorher = Kurvenstand::Jetzt();
  if (curves::KurvendateiImportieren(pfad) != 0) {
    if (!Kurvenstand::Jetzt().Gleich(vorher)) Verletzt("a refused import changed the curves");
    return 0;
  }
  ModellImRahmen();
  const Kurvenstand importiert = Kurvenstand::Jetzt();
  const std::string text = Pfad("zurueck.txt");
  if (curves::KurvendateiExportieren(text) != 0) Verletzt("an imported curve was not exported");
  if (curves::KurvendateiImportieren(text) != 0) Verletzt("the program's export was refused");
  const auto& a = importiert.punkte[0];
  const auto& b = curves::gKurven.Kurven[0].Punkte;
  if (a.size() != b.size()) Verletzt("export and import changed the point count");
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Laenge != b[i].Laenge || a[i].Zeitbasis != b[i].Zeitbasis)
      Verletzt("export and import changed a time");
    if (a[i].Y != b[i].Y) Verletzt("export and import changed a value");
  }
  return 0;
}
