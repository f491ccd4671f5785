#include "Geraeteausgabe.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "curves/transfer/Kurvenbild.h"

namespace shapetest {

std::vector<Abtastung> Geraeteausgabe(const std::vector<curves::Kurvenpunkt>& punkte) {
  curves::gKurven.Kurven[0].Punkte = punkte;
  std::vector<std::uint8_t> bild;
  int ende = 0;
  const int fehler = curves::KurvenbildErzeugen(bild, ende);
  EXPECT_EQ(fehler, 0);
  std::vector<Abtastung> aus;
  double t = 0.0;
  for (int a = curves::kAbtastAnfang; fehler == 0 && a + 1 < ende; a += 2) {
    const int wort = bild[a] * 256 + bild[a + 1];
    aus.push_back({t, wort & 0xFFF});
    t += curves::ZeitbasisInMikrosekunden(curves::ZeitbasisAusNibble(wort >> 12));
  }
  return aus;
}

}  // namespace shapetest
