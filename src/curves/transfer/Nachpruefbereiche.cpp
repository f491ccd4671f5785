#include "curves/transfer/Nachpruefbereiche.h"

#include <algorithm>

#include "curves/model/Kurvenmodell.h"
#include "curves/transfer/Kurvenbild.h"

namespace curves {

std::vector<Zeitbereich> BloeckeInZeiten(const std::vector<std::uint8_t>& bild, int ende,
                                         const std::vector<device::Speicherblock>& bloecke) {
  // beginn[i]: the time at which sample i starts; beginn[n] the curve's end.
  const int n = std::max(0, (ende - kAbtastAnfang) / 2);
  std::vector<double> beginn(static_cast<std::size_t>(n) + 1, 0.0);
  for (int i = 0; i < n; ++i) {
    const int nibble = bild[static_cast<std::size_t>(kAbtastAnfang + 2 * i)] >> 4;
    beginn[i + 1] = beginn[i] + ZeitbasisInMikrosekunden(ZeitbasisAusNibble(nibble));
  }
  std::vector<Zeitbereich> bereiche;
  for (const device::Speicherblock& b : bloecke) {
    Zeitbereich z{0.0, beginn[n]};
    if (b.adresse >= kAbtastAnfang) {
      const long erster = std::min<long>((b.adresse - kAbtastAnfang) / 2, n);
      const long letzter = std::min<long>((b.adresse + b.laenge - 1 - kAbtastAnfang) / 2 + 1, n);
      z = {beginn[erster], beginn[letzter]};
    }
    if (!bereiche.empty() && bereiche.back().Ende >= z.Start)
      bereiche.back().Ende = std::max(bereiche.back().Ende, z.Ende);
    else
      bereiche.push_back(z);
  }
  return bereiche;
}

}  // namespace curves
