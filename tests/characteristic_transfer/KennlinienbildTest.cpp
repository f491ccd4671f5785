#include <gtest/gtest.h>

#include <cmath>

#include "characteristic/transfer/Kennlinienbild.h"
#include "support/KennlFixture.h"

namespace {

using namespace characteristic;

int Wort(const std::vector<std::uint8_t>& b, int p) {
  return b.at(static_cast<std::size_t>(p)) * 256 + b.at(static_cast<std::size_t>(p) + 1);
}
int Probe(const std::vector<std::uint8_t>& b, int x) {
  return Wort(b, 32 + 2 * x);
}
std::int32_t Code(const std::vector<std::uint8_t>& b) {
  return (b.at(6) << 16) | (b.at(7) << 8) | b.at(8);
}

class KennlinienbildTest : public testsupport::KennlFixture {
 protected:
  std::vector<std::uint8_t> Bild() {
    std::vector<std::uint8_t> b;
    EXPECT_EQ(KennlBildErzeugen(sitzung, b), 0);
    EXPECT_EQ(b.size(), 8224u);
    return b;
  }
};

TEST_F(KennlinienbildTest, DefaultCharacteristicIsFullScaleEverywhere) {
  const auto b = Bild();
  for (int x = 0; x < 4096; ++x) ASSERT_EQ(Probe(b, x), 4095) << x;
  EXPECT_EQ(Wort(b, 2), 0);
  EXPECT_EQ(b[9], 0);
  EXPECT_EQ(Wort(b, 0), KennlPruefsumme(b.data(), 8223));
  EXPECT_EQ(Code(b), 4095 * 256);  // the rise-time field starts at 0.1 ms
}

TEST_F(KennlinienbildTest, RampGivesSampleKForInputK) {
  Setze({{0, 4095}, {4095, 1}});
  const auto b = Bild();
  for (int x = 0; x < 4096; ++x) ASSERT_EQ(Probe(b, x), x) << x;
}

TEST_F(KennlinienbildTest, LinesAreInterpolatedAndTheLastValueFills) {
  Setze({{0, 4}, {100, 2}, {50, 1}});
  const auto b = Bild();
  EXPECT_EQ(Probe(b, 0), 0);
  EXPECT_EQ(Probe(b, 1), 25);
  EXPECT_EQ(Probe(b, 3), 75);
  EXPECT_EQ(Probe(b, 4), 100);
  EXPECT_EQ(Probe(b, 5), 75);
  EXPECT_EQ(Probe(b, 6), 50);
  EXPECT_EQ(Probe(b, 4095), 50);
}

TEST_F(KennlinienbildTest, LastPointWithoutLengthFillsWithItsY) {
  Setze({{0, 2}, {300, 0}});
  const auto b = Bild();
  EXPECT_EQ(Probe(b, 1), 150);
  EXPECT_EQ(Probe(b, 2), 300);
  EXPECT_EQ(Probe(b, 4095), 300);
}

TEST_F(KennlinienbildTest, MoreThan4096SamplesAreRefused) {
  Setze({{0, 4095}, {1, 2}});
  std::vector<std::uint8_t> b{1, 2, 3};
  EXPECT_EQ(KennlBildErzeugen(sitzung, b), -1023505);
  EXPECT_EQ(b, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(KennlinienbildTest, OutputTwoIsLimitedToItsRange) {
  sitzung.gKennl.Felder.Ausgang2 = 5.0;  // standard scaling: 0..10 V
  EXPECT_EQ(Wort(Bild(), 4), 2048);
  sitzung.gKennl.Felder.Ausgang2 = 12.0;
  EXPECT_EQ(Wort(Bild(), 4), 4095);
  sitzung.gKennl.Felder.Ausgang2 = -3.0;
  EXPECT_EQ(Wort(Bild(), 4), 0);
  sitzung.gKennl.Felder.Ausgang2 = std::nan("");
  EXPECT_EQ(Wort(Bild(), 4), 0);
}

struct Zeit {
  double ms;
  std::int32_t code;
  double zurueck;
};

class AnstiegszeitTest : public ::testing::TestWithParam<Zeit> {};

TEST_P(AnstiegszeitTest, CodeAndBack) {
  EXPECT_EQ(AnstiegszeitInCode(GetParam().ms), GetParam().code);
  EXPECT_NEAR(CodeInAnstiegszeit(GetParam().code), GetParam().zurueck, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Zeiten, AnstiegszeitTest,
    ::testing::Values(Zeit{1000.0, 254, 819.0}, Zeit{1.0, 409 * 256, 1.0012},
                      Zeit{0.05, 4095 * 256, 0.1}, Zeit{409.5, 256, 409.5}, Zeit{409.6, 255, 409.5},
                      Zeit{1e9, 1, 104422.5},
                      // A rise time of 0 or below is the shortest one, not a division by zero.
                      Zeit{0.0, 4095 * 256, 0.1}, Zeit{-5.0, 4095 * 256, 0.1}));

TEST(CodeInAnstiegszeit, OutOfRangeCodesAreLimited) {
  EXPECT_EQ(CodeInAnstiegszeit(0), 409.5 * 255);
  EXPECT_EQ(CodeInAnstiegszeit(-7), 409.5 * 255);
  EXPECT_DOUBLE_EQ(CodeInAnstiegszeit(0xFFFFFF), 0.1);
  EXPECT_EQ(AnstiegszeitInCode(std::nan("")), 4095 * 256);
}

TEST(KennlEinsBild, HoldsOneSampleOf205) {
  const auto b = KennlEinsBild();
  ASSERT_EQ(b.size(), 34u);
  EXPECT_EQ(Wort(b, 0), 207);
  EXPECT_EQ(KennlPruefsumme(b.data(), 33), 207);
  EXPECT_EQ(b[9], 1);
  EXPECT_EQ(Wort(b, 32), 205);
}

}  // namespace
