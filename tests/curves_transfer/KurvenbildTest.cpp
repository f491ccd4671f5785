// The device image computed without a device, and decoding samples back into points.
#include "Transferhilfen.h"
#include "curves/transfer/Kurvenbild.h"
#include "curves/transfer/Kurventransfer.h"

namespace transfertest {
namespace {

using namespace curves;

class KurvenbildTest : public ModellTest {
 protected:
  std::vector<std::uint8_t> bild;
  int ende = 0;
};

TEST_F(KurvenbildTest, DefaultCurve) {
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  ASSERT_EQ(65536u, bild.size());
  EXPECT_EQ(4130, ende);  // 34 bytes from 4096
  EXPECT_EQ(0x30, bild[4128]);
  EXPECT_EQ(0x00, bild[4129]);
  EXPECT_EQ(0x10, bild[4098]);
  EXPECT_EQ(0x21, bild[4099]);
  EXPECT_EQ(1, bild[4122]);
  // 10 + 21 + 01 + 30 hex, plus 1.
  EXPECT_EQ(0x0063, Wort(bild, 4096));
  for (int a = 0; a < 65536; ++a) {
    if (a == 4096 || a == 4097 || a == 4098 || a == 4099 || a == 4122 || a == 4128) continue;
    ASSERT_EQ(0, bild[a]) << "address " << a;
  }
}

TEST_F(KurvenbildTest, RampStartsAtItsPointAndNeverReachesTheNext) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 2, 9), P(4095, 1, 9)};
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  EXPECT_EQ(4128 + 6, ende);
  EXPECT_EQ(0x8000, Wort(bild, 4128));
  EXPECT_EQ(0x8800, Wort(bild, 4130));  // 2047.5 rounds to 2048
  EXPECT_EQ(0x8FFF, Wort(bild, 4132));  // the closing line starts at 4095
  EXPECT_EQ(4133, Wort(bild, 4098));
}

TEST_F(KurvenbildTest, EachLineCarriesItsTimeBaseNibble) {
  auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
  punkte.clear();
  for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9}) punkte.push_back(P(100 * code, 1, code));
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  const int nibble[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ((nibble[i] << 12) | (100 * (i + 1)), Wort(bild, 4128 + 2 * i)) << i;
}

TEST_F(KurvenbildTest, FallingRampRoundsHalfUp) {
  sitzung.gKurven.Kurven[0].Punkte = {P(100, 4, 1), P(0, 1, 1)};
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  const int erwartet[] = {100, 75, 50, 25, 0};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(erwartet[i], Wort(bild, 4128 + 2 * i));
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 3, 1), P(1, 1, 1)};
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  EXPECT_EQ(0, Wort(bild, 4128));
  EXPECT_EQ(0, Wort(bild, 4130));  // 0.333
  EXPECT_EQ(1, Wort(bild, 4132));  // 0.667
}

TEST_F(KurvenbildTest, HeaderHoldsAllFourCurvesSettingsButOnlyCurveOne) {
  sitzung.gKurven.Kurven[1].Punkte = {P(7, 100, 1)};
  sitzung.gKurven.Zyklen = {70000, 2, 3, 65535};
  sitzung.gKurven.Ruhezustand = {4095, 1, 2, 3};
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  EXPECT_EQ(4130, ende);
  EXPECT_EQ(0x1170, Wort(bild, 4106));  // low 16 bits of 70000
  EXPECT_EQ(2, Wort(bild, 4108));
  EXPECT_EQ(3, Wort(bild, 4110));
  EXPECT_EQ(65535, Wort(bild, 4112));
  EXPECT_EQ(4095, Wort(bild, 4114));
  EXPECT_EQ(3, Wort(bild, 4120));
  for (int a = 4100; a < 4106; ++a) EXPECT_EQ(0, bild[a]);
  EXPECT_EQ(Kurvenpruefsumme(bild.data(), 4098, 4129), Wort(bild, 4096));
}

TEST_F(KurvenbildTest, ChecksumIsTheByteSumPlusOneModulo65536) {
  const std::vector<std::uint8_t> ff(400, 0xFF);
  EXPECT_EQ((300 * 255 + 1) % 65536, Kurvenpruefsumme(ff.data(), 10, 309));
  EXPECT_EQ(1, Kurvenpruefsumme(ff.data(), 10, 9));
  std::vector<std::uint8_t> b(257 * 2, 0xFF);
  b.resize(257 * 2 + 2);
  b[514] = 0x00;
  b[515] = 0x02;  // 514 * 255 + 2 + 1 = 131073 = 2 * 65536 + 1
  EXPECT_EQ(1, Kurvenpruefsumme(b.data(), 0, 515));
}

TEST_F(KurvenbildTest, FullMemoryFitsAndOneUnitMoreDoesNot) {
  sitzung.gKurven.Kurven[0].Punkte = {P(4095, 30000, 4), P(0, 704, 9)};
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  EXPECT_EQ(65536, ende);
  EXPECT_EQ(0xFFFF, Wort(bild, 4098));
  EXPECT_EQ(0x3FFF, Wort(bild, 4128));
  EXPECT_EQ(0x8000, Wort(bild, 4128 + 2 * 30000));  // the second line starts at 0
  sitzung.gKurven.Kurven[0].Punkte[1].Laenge = 705;
  EXPECT_EQ(kFehlerSpeicherVoll, KurvenbildErzeugen(sitzung, bild, ende));
}

TEST_F(KurvenbildTest, TooLongCurveIsRefusedWithTheMessageAndNothingSent) {
  sitzung.gKurven.Kurven[0].Punkte = {P(4095, 30705, 4)};
  verbindung.ComFehlerSetzen(-404015);
  EXPECT_EQ(kFehlerSpeicherVoll, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Error", op.messages[0].title);
  EXPECT_EQ("Memory needed for the curves ist bigger then\nthe available memory in the MIV-3X.",
            op.messages[0].text);
  EXPECT_TRUE(op.progressTitles.empty());
  // Nothing was tried, so the previous error stays on display.
  EXPECT_EQ(404015, verbindung.AktuelleFehlerfelder().nummer);
}

TEST_F(KurvenbildTest, PointOutsideTheModelLimitsIsNotEncoded) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 1, 0)};
  EXPECT_EQ(kFehlerPunktNichtKodierbar, KurvenbildErzeugen(sitzung, bild, ende));
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 1, 10)};
  EXPECT_EQ(kFehlerPunktNichtKodierbar, KurvenbildErzeugen(sitzung, bild, ende));
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 0, 1)};
  EXPECT_EQ(kFehlerPunktNichtKodierbar, KurvenbildErzeugen(sitzung, bild, ende));
  EXPECT_EQ(kFehlerPunktNichtKodierbar, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Error #1022466", op.messages[0].title);
  EXPECT_TRUE(op.progressTitles.empty());
}

// ---- Decoding ----

TEST_F(KurvenbildTest, SamplesBecomeOnePointEach) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 3, 1), P(4095, 2, 9)};
  ASSERT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  sitzung.gKurven.Kurven[0].Punkte = {kStandardpunkt};
  ASSERT_EQ(0, AbtastwerteInPunkte(sitzung, 0, bild.data(), 4128, ende - 1));
  EXPECT_TRUE(Gleich({P(0, 1, 1), P(1365, 1, 1), P(2730, 1, 1), P(4095, 1, 9), P(2048, 1, 9)},
                     sitzung.gKurven.Kurven[0].Punkte));
}

TEST_F(KurvenbildTest, BadSamplesLeaveTheCurve) {
  sitzung.gKurven.Kurven[2].Punkte = {P(5, 5, 5), P(6, 6, 6)};
  const auto vorher = sitzung.gKurven.Kurven[2].Punkte;
  std::vector<std::uint8_t> b(4200, 0);
  b[4128] = 0x30;
  EXPECT_EQ(-1019417, AbtastwerteInPunkte(sitzung, 2, b.data(), 4128, 4130));
  b[4130] = 0x90;  // nibble 9 has no time base
  EXPECT_EQ(-1019418, AbtastwerteInPunkte(sitzung, 2, b.data(), 4128, 4131));
  b[4130] = 0xF0;
  EXPECT_EQ(-1019418, AbtastwerteInPunkte(sitzung, 2, b.data(), 4128, 4131));
  EXPECT_EQ(-1019408, AbtastwerteInPunkte(sitzung, 2, b.data(), 4128, 4127));
  EXPECT_TRUE(Gleich(vorher, sitzung.gKurven.Kurven[2].Punkte));
  b[4130] = 0x8F;
  b[4131] = 0xFF;
  ASSERT_EQ(0, AbtastwerteInPunkte(sitzung, 2, b.data(), 4128, 4131));
  EXPECT_TRUE(Gleich({P(0, 1, 4), P(4095, 1, 9)}, sitzung.gKurven.Kurven[2].Punkte));
}

// ---- Equal-length warning ----

class LaengenTest : public ModellTest {};

TEST_F(LaengenTest, SingleOrEqualCurvesNeedNoQuestion) {
  sitzung.gKurven.Kurven[1].Punkte = {P(0, 999, 8)};  // one point: not compared
  EXPECT_EQ(0, KurvenlaengenPruefen(sitzung));
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 5, 1), P(1, 5, 1)};
  sitzung.gKurven.Kurven[3].Punkte = {P(0, 1, 3), P(1, 20, 9)};  // 5 ms + 20 * 250 us
  EXPECT_EQ(0, KurvenlaengenPruefen(sitzung));
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(LaengenTest, DifferentLengthsAskWhetherToSend) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 5, 1), P(1, 5, 1)};
  sitzung.gKurven.Kurven[2].Punkte = {P(0, 1, 4), P(0, 2, 4)};
  op.answerMessage(2);
  EXPECT_EQ(1, KurvenlaengenPruefen(sitzung));
  ASSERT_EQ(1u, op.messages.size());
  const auto& frage = op.messages[0];
  EXPECT_EQ("Warning", frage.title);
  EXPECT_EQ(
      "Curves do not have the same length. They will not be syncron.\n\nCurve 1: 0.01000 "
      "sec\nCurve 3: 0.03000 sec\n",
      frage.text);
  EXPECT_EQ((std::vector<std::string>{"Send curves", "go back"}), frage.buttons);
  EXPECT_EQ(1, frage.activeButton);
  EXPECT_EQ(2, frage.escapeButton);
  op.answerMessage(1);
  EXPECT_EQ(0, KurvenlaengenPruefen(sitzung));
  // Curves past Kurvenzahl are not looked at.
  sitzung.gKurven.Kurvenzahl = 2;
  EXPECT_EQ(0, KurvenlaengenPruefen(sitzung));
  EXPECT_EQ(2u, op.messages.size());
}

}  // namespace
}  // namespace transfertest
