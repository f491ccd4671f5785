// CSV import of sampled data: a refused file gives no points, a taken one gives points
// within the model's limits that fit the device, played within the tolerance it reports.
#include "KurvendateiModell.h"
#include "curves/files/Csvimport.h"
#include "curves/transfer/Kurvenbild.h"

using namespace fuzz;

// Beyond this the approximation runs over millions of grid ticks: not what fuzzing is for.
constexpr double kHoechstdauer = 60.0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  const std::string pfad = AlsDatei("ein.csv", daten, n);
  ModellZuruecksetzen();
  curves::Csvreihe reihe;
  if (curves::CsvLesen(pfad, {}, reihe) != 0) return 0;
  if (reihe.Zeit.empty() || reihe.Zeit.front() != 0.0) Verletzt("samples not from time 0");
  for (std::size_t i = 1; i < reihe.Zeit.size(); ++i)
    if (!(reihe.Zeit[i] > reihe.Zeit[i - 1])) Verletzt("a time that does not rise");
  if (reihe.Zeit.back() > kHoechstdauer) return 0;

  std::vector<curves::Kurvenpunkt> punkte = {curves::kStandardpunkt};
  curves::Csvbericht bericht;
  if (curves::CsvImportieren(config::KonfigurationStandard(), pfad, {}, 0.0, punkte, bericht) !=
      0) {
    if (punkte.size() != 1 || punkte[0].Laenge != 1) Verletzt("a refused import gave points");
    return 0;
  }
  std::int64_t einheiten = 0;
  for (const auto& p : punkte) {
    if (!PunktImRahmen(p)) Verletzt("a point outside the model's limits");
    einheiten += p.Laenge;
  }
  if (einheiten > curves::kMaxAbtastwerte) Verletzt("a curve beyond the device memory");
  if (bericht.Naeherung.GroessterFehler > bericht.Naeherung.Toleranz + 1e-6)
    Verletzt("a played sample beyond the tolerance");
  return 0;
}
