#include "characteristic/transfer/KennlNachpruefbereiche.h"

#include <algorithm>

#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/transfer/Kennlinienbild.h"

namespace characteristic {

std::vector<KennlXBereich> BloeckeInXBereiche(long platz,
                                              const std::vector<device::Speicherblock>& bloecke) {
  constexpr double kWerte = kRohMax + 1;
  std::vector<KennlXBereich> bereiche;
  for (const device::Speicherblock& b : bloecke) {
    const long von = b.adresse - platz;
    KennlXBereich x{0.0, kWerte};
    if (von >= kBildAbtastwerte)
      x = {static_cast<double>((von - kBildAbtastwerte) / 2),
           std::min(kWerte, static_cast<double>((von + b.laenge - 1 - kBildAbtastwerte) / 2 + 1))};
    if (!bereiche.empty() && bereiche.back().Ende >= x.Start)
      bereiche.back().Ende = std::max(bereiche.back().Ende, x.Ende);
    else
      bereiche.push_back(x);
  }
  return bereiche;
}

}  // namespace characteristic
