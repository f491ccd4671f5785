// The characteristic read at a raw input value as the device image holds it, and the
// cursor readout in the window's units.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "characteristic/model/KennlAblesung.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "config/Konfiguration.h"
#include "support/KennlFixture.h"

namespace {

using namespace characteristic;

Kennlinienpunkt P(int y, int laenge) {
  return {y, laenge, 0, {0, 0, 0}};
}

TEST(KennlAblesung, LevelsOfTheImageSamples) {
  // Samples: 0 250 500 750 | 1000 2000 | 3000, then 3000 to the end of the range.
  const std::vector<Kennlinienpunkt> kennl{P(0, 4), P(1000, 2), P(3000, 1)};
  const std::vector<Kennlinienpunkt> drittel{P(0, 3), P(1000, 0)};
  struct Fall {
    const std::vector<Kennlinienpunkt>* Punkte;
    double X;
    int Erwartet;
  };
  const std::vector<Kennlinienpunkt> standard{kStandardpunkt};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Fall& f : {Fall{&kennl, 0, 0},
                        {&kennl, 2.7, 500},
                        {&kennl, 3, 750},
                        {&kennl, 4, 1000},
                        {&kennl, 5.5, 2000},
                        {&kennl, 6, 3000},
                        {&kennl, 4095, 3000},
                        {&kennl, -5, 0},
                        {&kennl, 1e9, 3000},
                        {&kennl, nan, 0},
                        {&drittel, 1, 333},
                        {&drittel, 2, 667},
                        {&drittel, 3, 1000},
                        {&standard, 2000, 4095}})
    EXPECT_EQ(f.Erwartet, KennlAusgabeBeiX(*f.Punkte, f.X)) << f.X;
  EXPECT_EQ(0, KennlAusgabeBeiX({}, 10));
}

class KennlAblesungBild : public testsupport::KennlFixture {};

// What the cursors read is what the device is sent, at every input value.
TEST_F(KennlAblesungBild, AgreesWithTheDeviceImage) {
  for (const std::vector<Kennlinienpunkt>& punkte : {std::vector<Kennlinienpunkt>{P(4095, 0)},
                                                     {P(0, 7), P(4095, 1000), P(17, 3), P(2000, 1)},
                                                     {P(100, 1), P(3000, 2999), P(1234, 0)}}) {
    sitzung.gKennl.Kennl.Punkte = punkte;
    std::vector<std::uint8_t> bild;
    ASSERT_EQ(0, KennlBildErzeugen(sitzung, bild));
    for (int x = 0; x <= kRohMax; ++x) {
      const int abtastwert =
          bild[kBildAbtastwerte + 2 * x] << 8 | bild[kBildAbtastwerte + 2 * x + 1];
      ASSERT_EQ(abtastwert, KennlAusgabeBeiX(punkte, x)) << x;
    }
  }
}

TEST(KennlAblesung, CursorReadoutInTheUnits) {
  // Inputs and outputs 0..4095 -> 0..10 V.
  const config::Konfiguration standard = config::KonfigurationStandard();
  const std::vector<Kennlinienpunkt> kennl{P(0, 4), P(1000, 2), P(3000, 1)};
  const KennlCursorablesung c = KennlCursorAblesen(standard, kennl, 2, 5);
  EXPECT_EQ(500, c.Roh1);
  EXPECT_EQ(2000, c.Roh2);
  EXPECT_NEAR(1500 / 409.5, c.Delta, 1e-9);
  EXPECT_NEAR(3 / 409.5, c.DeltaEingang, 1e-9);
  ASSERT_TRUE(c.Steigung);
  EXPECT_NEAR(500.0, *c.Steigung, 1e-9);
  EXPECT_FALSE(KennlCursorAblesen(standard, kennl, 3, 3).Steigung);
}

}  // namespace
