#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "curves/measure/Messung.h"

namespace curves {
namespace {

// Four 1 ms samples 0, 100, 200, 300 (0..4000 us), then two 250 us samples 400, 200
// (4000..4500 us) back towards the first point.
Kurve Treppe() {
  Kurve k;
  k.Punkte = {{0, 4, 1, {}}, {400, 2, 9, {}}};
  return k;
}

// 4.095 V full scale makes a code a millivolt; 0..1 V reads as 5..3: unit = 5 - code/500.
Ausgabeskalierung Fallend() {
  Ausgabeskalierung s;
  s.VoltMax = 4.095;
  s.Kanal = {0.0, 1.0, 5.0, 3.0};
  s.Einheit = "bar";
  return s;
}

struct Bereichsfall {
  double von, bis;
  double dauer;
  int punkte;
  long long bytes;
  double min, max, mittel, effektiv;  // codes
};

class BereichTest : public ::testing::TestWithParam<Bereichsfall> {};

TEST_P(BereichTest, StatisticsOfTheHeldSamples) {
  const auto& f = GetParam();
  const auto s = AusgabestatistikBerechnen(Treppe(), f.von, f.bis, Fallend());
  EXPECT_DOUBLE_EQ(s.Dauer, f.dauer);
  EXPECT_EQ(s.Punkte, f.punkte);
  EXPECT_EQ(s.Speicherbytes, f.bytes);
  EXPECT_DOUBLE_EQ(s.SpeicherProzent, 100.0 * static_cast<double>(f.bytes) / 61440.0);
  EXPECT_DOUBLE_EQ(s.MinRoh, f.min);
  EXPECT_DOUBLE_EQ(s.MaxRoh, f.max);
  EXPECT_NEAR(s.MittelRoh, f.mittel, 1e-9);
  EXPECT_NEAR(s.EffektivRoh, f.effektiv, 1e-9);
  // The falling scaling swaps the ends; the mean follows the line of the scaling.
  EXPECT_NEAR(s.Min, 5.0 - f.max / 500.0, 1e-12);
  EXPECT_NEAR(s.Max, 5.0 - f.min / 500.0, 1e-12);
  EXPECT_NEAR(s.Mittel, 5.0 - f.mittel / 500.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Treppe, BereichTest,
    ::testing::Values(
        // Whole curve: both points, header and six samples.
        Bereichsfall{0, 4500, 4500, 2, 44, 0, 400, (1e5 + 2e5 + 3e5 + 400 * 250 + 200 * 250) / 4500,
                     std::sqrt(((1e4 + 4e4 + 9e4) * 1000 + 16e4 * 250 + 4e4 * 250) / 4500)},
        // From inside the 1 ms line to inside the 250 us line.
        Bereichsfall{1500, 4250, 2750, 1, 6, 100, 400,
                     (100 * 500 + 200 * 1000 + 300 * 1000 + 400 * 250) / 2750.0,
                     std::sqrt((1e4 * 500 + 4e4 * 1000 + 9e4 * 1000 + 16e4 * 250) / 2750.0)},
        // Within one sample: its level, no sample or point starts there.
        Bereichsfall{1200, 1700, 500, 0, 0, 100, 100, 100, 100},
        // Given backwards and past the end: 4100..4500.
        Bereichsfall{6000, 4100, 400, 0, 2, 200, 400, (400 * 150 + 200 * 250) / 400.0,
                     std::sqrt((16e4 * 150 + 4e4 * 250) / 400.0)},
        // From a point's start: that point counts.
        Bereichsfall{4000, 4500, 500, 1, 4, 200, 400, 300, std::sqrt((16e4 + 4e4) / 2)},
        // No duration: the level held there.
        Bereichsfall{2500, 2500, 0, 0, 0, 200, 200, 200, 200}));

TEST(AusgabestatistikTest, RmsInTheUnitIsTakenOfTheUnitValues) {
  const auto s = AusgabestatistikBerechnen(Treppe(), Fallend());
  // 5, 4.8, 4.6, 4.4 for 1 ms each, 4.2 and 4.6 for 250 us each.
  const double quadrate = (25 + 23.04 + 21.16 + 19.36) * 1000 + (17.64 + 21.16) * 250;
  EXPECT_NEAR(s.Effektiv, std::sqrt(quadrate / 4500), 1e-12);
}

TEST(AusgabestatistikTest, SeveralTimeBasesAndAClampedSample) {
  // 10 ms from 4095 towards 0 over 3 units: 4095, 2730, 1365; then 2 ms from 0 back
  // towards 4095: 0, then 2047.5 rounded up.
  Kurve k;
  k.Punkte = {{4095, 3, 4, {}}, {0, 2, 2, {}}};
  Ausgabeskalierung s;
  const auto st = AusgabestatistikBerechnen(k, 25000, 33000, s);
  EXPECT_DOUBLE_EQ(st.MinRoh, 0);
  EXPECT_DOUBLE_EQ(st.MaxRoh, 2048);
  EXPECT_NEAR(st.MittelRoh, (1365.0 * 5000 + 2048.0 * 1000) / 8000, 1e-9);
  EXPECT_NEAR(st.Max, 2048 * 10.0 / 4095, 1e-12);
  EXPECT_EQ(st.Speicherbytes, 4);  // the samples at 30000 and 32000
}

struct Zeitfall {
  double t;
  int roh;
};

class WertBeiZeitTest : public ::testing::TestWithParam<Zeitfall> {};

TEST_P(WertBeiZeitTest, HeldSample) {
  const Kurve k = Treppe();
  EXPECT_EQ(AusgabewertBeiZeit(k, GetParam().t), GetParam().roh);
  EXPECT_EQ(Ausgabeindex(k).WertBeiZeit(k, GetParam().t), GetParam().roh);
}

// The index reads as the walk over the points at every time, with several time bases, a
// line of no length and a code the device does not know; an index of another curve too.
TEST(AusgabeindexTest, ReadsAsTheWalkEverywhere) {
  Kurve k;
  k.Punkte = {{0, 3, 2, {}},    {4095, 0, 1, {}}, {1000, 7, 9, {}},
              {3000, 2, 8, {}}, {50, 2, 42, {}},  {2500, 5, 4, {}}};
  const Ausgabeindex index(k);
  const Ausgabeindex anderes(Treppe());
  const double laenge = Kurvenlaenge(k);
  for (double t = -laenge - 333; t < 2 * laenge; t += 97.5) {
    const int erwartet = AusgabewertBeiZeit(k, t);
    ASSERT_EQ(erwartet, index.WertBeiZeit(k, t)) << t;
    ASSERT_EQ(erwartet, anderes.WertBeiZeit(k, t)) << t;
  }
  const auto c = CursorAblesen(k, index, 1234, 2101000, Fallend());
  const auto w = CursorAblesen(k, 1234, 2101000, Fallend());
  EXPECT_EQ(w.Roh1, c.Roh1);
  EXPECT_EQ(w.Roh2, c.Roh2);
  EXPECT_EQ(w.Steigung, c.Steigung);
}

INSTANTIATE_TEST_SUITE_P(Treppe, WertBeiZeitTest,
                         ::testing::Values(Zeitfall{0, 0}, Zeitfall{999, 0}, Zeitfall{1000, 100},
                                           Zeitfall{3999.5, 300}, Zeitfall{4000, 400},
                                           Zeitfall{4249, 400}, Zeitfall{4250, 200},
                                           Zeitfall{4500, 0},       // the next cycle
                                           Zeitfall{-1, 200},       // the cycle before
                                           Zeitfall{10000, 100}));  // 1000 into cycle 3

TEST(CursorTest, DifferenceFrequencyAndSlope) {
  const auto c = CursorAblesen(Treppe(), 1500, 4100, Fallend());
  EXPECT_EQ(c.Roh1, 100);
  EXPECT_EQ(c.Roh2, 400);
  EXPECT_DOUBLE_EQ(c.Dt, 2600);
  ASSERT_TRUE(c.Frequenz && c.Steigung);
  EXPECT_NEAR(*c.Frequenz, 1e6 / 2600, 1e-9);
  EXPECT_NEAR(c.Wert1, 4.8, 1e-12);
  EXPECT_NEAR(c.Wert2, 4.2, 1e-12);
  EXPECT_NEAR(c.Delta, -0.6, 1e-12);
  EXPECT_NEAR(*c.Steigung, -0.6 / 0.0026, 1e-9);
}

TEST(CursorTest, CursorsTogetherHaveNoFrequencyOrSlope) {
  const auto c = CursorAblesen(Treppe(), 2000, 2000, Fallend());
  EXPECT_EQ(c.Delta, 0.0);
  EXPECT_FALSE(c.Frequenz);
  EXPECT_FALSE(c.Steigung);
}

TEST(AusgabeskalierungTest, TakesTheOutputOfTheGivenRecord) {
  auto konfig = config::KonfigurationStandard();
  konfig.voutmax = 5.0;
  konfig.outmin[1] = 1.0;
  konfig.outmax[1] = 5.0;
  konfig.outskalamin[1] = 0.0;
  konfig.outskalamax[1] = 100.0;
  std::memcpy(konfig.outeinheit[1], "percent8", 9);
  const auto s = AusgabeskalierungAus(konfig, 1);
  EXPECT_EQ(s.Einheit, "percent8");
  EXPECT_NEAR(s.InEinheit(4095), 100.0, 1e-12);
  EXPECT_NEAR(s.InEinheit(819), 0.0, 1e-12);
}

}  // namespace
}  // namespace curves
