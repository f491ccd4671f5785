// SPICE piecewise-linear lists: the written text, the round trip on random curves, the
// forms other tools write, and every refusal.
#include <gmock/gmock.h>

#include <random>

#include "Dateihilfen.h"
#include "curves/files/Pwl.h"

namespace dateitest {
namespace {

using namespace curves;

TEST_F(DateiTest, PwlListShowsOneUnitLinesAsStepsAndNamesTheTimeBases) {
  const auto pfad = dir.file("k.pwl");
  // 5 ms ramp, a 250 us step up, a flat 1 s unit, and a one-unit closing step down.
  ASSERT_EQ(0, PwlSchreiben(pfad, {P(0, 5, 1), P(2047, 1, 9), P(4095, 1, 8), P(4095, 1, 9)}, 10.0));
  EXPECT_EQ(
      "* MIV-3X curve generator, curve 1: time in seconds, value in volts at the output\n"
      "* timebase 1ms\n"
      "0 0\n"
      "* timebase 250us\n"
      "0.005 4.998779\n"
      "0.005249999999 4.998779\n"
      "* timebase 1s\n"
      "0.00525 10\n"
      "* timebase 250us\n"
      "1.00525 10\n"
      "1.005499999999 10\n"
      "1.0055 0\n",
      Text(pfad));
}

TEST_F(DateiTest, PwlExportFailuresKeepThePreviousFile) {
  EXPECT_EQ(kFehlerPwlExportOeffnen, PwlSchreiben(dir.file("fehlt/k.pwl"), {P(0, 1, 4)}, 10.0));
  const auto pfad = dir.file("alt.pwl");
  TextSchreiben(pfad, "alt\n");
  {
    Schreibgrenze grenze(64);
    EXPECT_EQ(kFehlerPwlExportSchreiben,
              PwlSchreiben(pfad, std::vector<Kurvenpunkt>(5000, P(5, 1, 1)), 10.0));
  }
  EXPECT_EQ("alt\n", Text(pfad));
}

// Random curves, each with its own mix of time bases, lengths and values, and full scales.
struct Zufallsfall {
  unsigned saat;
  std::vector<int> zeitbasen;
  double voutmax;
};

class PwlRundreise : public DateiTest, public testing::WithParamInterface<Zufallsfall> {};

TEST_P(PwlRundreise, GivesBackTheSameCurvePointForPoint) {
  const Zufallsfall& f = GetParam();
  std::mt19937 zufall(f.saat);
  for (int runde = 0; runde < 20; ++runde) {
    std::vector<Kurvenpunkt> kurve;
    const int anzahl = 1 + static_cast<int>(zufall() % 60);
    for (int i = 0; i < anzahl; ++i) {
      const int zb = f.zeitbasen[zufall() % f.zeitbasen.size()];
      // Short lines (many steps), equal neighbours and the ends of the range come often.
      const int laenge = zufall() % 3 == 0 ? 1 : 1 + static_cast<int>(zufall() % 3000);
      const int wahl = static_cast<int>(zufall() % 6);
      const int y = wahl == 0                     ? 0
                    : wahl == 1                   ? 4095
                    : wahl == 2 && !kurve.empty() ? kurve.back().Y
                                                  : static_cast<int>(zufall() % 4096);
      kurve.push_back(P(y, laenge, zb));
    }
    const auto pfad = dir.file("r.pwl");
    ASSERT_EQ(0, PwlSchreiben(pfad, kurve, f.voutmax));
    std::vector<Kurvenpunkt> zurueck;
    ASSERT_EQ(0, PwlLesen(pfad, f.voutmax, 0, zurueck)) << op.lastMessageText();
    ASSERT_TRUE(Gleich(kurve, zurueck)) << "seed " << f.saat << " round " << runde << "\n"
                                        << Text(pfad);
  }
}

INSTANTIATE_TEST_SUITE_P(Zeitbasen, PwlRundreise,
                         testing::Values(Zufallsfall{1, {9}, 10.0}, Zufallsfall{2, {1}, 10.0},
                                         Zufallsfall{3, {8}, 4.095},
                                         Zufallsfall{4, {9, 1, 2, 3, 4, 5, 6, 7, 8}, 10.0},
                                         Zufallsfall{5, {9, 8}, 5.0},
                                         Zufallsfall{6, {2, 3, 4, 5, 6, 7}, 4.095}));

// ---- Lists as other tools write them ----

struct Lesefall {
  const char* name;
  std::string text;
  int zeitbasis;  // given to the reader
  std::vector<Kurvenpunkt> punkte;
  int stufen;
  bool quelle;
};

class PwlLesefall : public DateiTest, public testing::WithParamInterface<Lesefall> {};

TEST_P(PwlLesefall, GivesThePoints) {
  const Lesefall& f = GetParam();
  const auto pfad = dir.file("ein.cir");
  TextSchreiben(pfad, f.text);
  std::vector<Kurvenpunkt> punkte;
  Pwlbericht b;
  ASSERT_EQ(0, PwlLesen(pfad, 10.0, f.zeitbasis, punkte, &b)) << op.lastMessageText();
  EXPECT_TRUE(Gleich(f.punkte, punkte)) << testing::PrintToString(punkte.size());
  EXPECT_EQ(f.stufen, b.Stufen);
  EXPECT_EQ(f.quelle, b.Quelle);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, PwlLesefall,
    testing::Values(
        // Flat then a step: the value before it is held for the last unit.
        Lesefall{"PaareMitStufe",
                 "0 0\n5m 0\n5m 10\n20m 10\n",
                 0,
                 {P(0, 1, 3), P(4095, 3, 3), P(4095, 1, 3)},
                 1,
                 false},
        Lesefall{"RampeSchliesstAufDenAnfang",
                 "0,0\n1e-3,5V\n2ms,0V\n",
                 0,
                 {P(0, 4, 9), P(2048, 4, 9)},
                 0,
                 false},
        Lesefall{"RampeAufGegebenerZeitbasis",
                 "0 0\n0.01 10\n",
                 1,
                 {P(0, 10, 1), P(4095, 1, 1)},
                 0,
                 false},
        Lesefall{"StufeNachLangerRampe",
                 "0 0\n10m 4.0 10m 8.0 20m 8\n",
                 1,
                 {P(0, 9, 1), P(1638, 1, 1), P(3276, 10, 1), P(3276, 1, 1)},
                 1,
                 false},
        Lesefall{"NetzlisteMitFortsetzung",
                 "* test bench\nR1 a 0 1k\nV1 a 0 PWL(0 0 1m 2.5 ; rise\n+ 2m 2.5\n+ 3m 0) r=0\n"
                 ".tran 10u 5m\n",
                 0,
                 {P(0, 4, 9), P(1024, 1, 1), P(1024, 4, 9)},
                 0,
                 true},
        Lesefall{"NetzlisteOhneKlammern",
                 "V1 1 0 pwl 0 1 1ms 1 $ flat\n+ 2ms 1\n.end\n",
                 0,
                 {P(410, 1, 1), P(410, 1, 1)},
                 0,
                 true},
        Lesefall{"BeginntSpaeter", "1m 5\n2m 5\n", 0, {P(2048, 1, 1), P(2048, 1, 1)}, 0, false},
        Lesefall{"EinPaar", "0 3\n", 0, {P(1229, 1, 4)}, 0, false},
        Lesefall{"MarkeGiltAbIhrerZeile",
                 "0 0\n* timebase 250us\n1 0\n1.001 10\n",
                 0,
                 {P(0, 1, 8), P(0, 4, 9), P(4095, 1, 9)},
                 0,
                 false}),
    [](const testing::TestParamInfo<Lesefall>& i) { return std::string(i.param.name); });

// ---- Refusals ----

struct Pwlablehnung {
  const char* name;
  std::string text;
  int zeitbasis;
  int code;
  const char* meldung;
};

class PwlAblehnung : public DateiTest, public testing::WithParamInterface<Pwlablehnung> {};

TEST_P(PwlAblehnung, NamesTheLineAndGivesNothing) {
  const Pwlablehnung& f = GetParam();
  const auto pfad = dir.file("schlecht.pwl");
  TextSchreiben(pfad, f.text);
  std::vector<Kurvenpunkt> punkte = {P(7, 7, 7)};
  EXPECT_EQ(f.code, PwlLesen(pfad, 10.0, f.zeitbasis, punkte));
  EXPECT_THAT(op.lastMessageText(), testing::HasSubstr(f.meldung));
  EXPECT_TRUE(Gleich({P(7, 7, 7)}, punkte));
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, PwlAblehnung,
    testing::Values(
        Pwlablehnung{"ZeitFaellt", "0 0\n2m 1\n1m 2\n", 0, kFehlerPwlZeitfolge,
                     "Error in line 3:\nThe time 0.001 s is earlier than the one before"},
        Pwlablehnung{"ZeitNegativ", "-1m 0\n1m 2\n", 0, kFehlerPwlZeitfolge, "line 1"},
        Pwlablehnung{"NebenDemRaster", "0 0\n0.0001 1\n", 0, kFehlerPwlRaster,
                     "Error in line 2:\nThe time 0.0001 s is not on the device's time grid."},
        Pwlablehnung{"NebenDerGegebenenZeitbasis", "0 0\n0.0025 1\n", 3, kFehlerPwlRaster,
                     "time grid of 5ms"},
        Pwlablehnung{"ZeitOhneWert", "0 0\n1m\n", 0, kFehlerPwlWert,
                     "Error in line 2:\nThe time 0.001 has no value."},
        Pwlablehnung{"KeineZahl", "0 0\n1m fuenf\n", 0, kFehlerPwlWert,
                     "Error in line 2:\n'fuenf' is not a number."},
        Pwlablehnung{"WertZuGross", "0 0\n1m 10.01\n", 0, kFehlerPwlBereich,
                     "Error in line 2:\nThe value 10.01 V lies outside"},
        Pwlablehnung{"WertNegativ", "0 -0.1\n", 0, kFehlerPwlBereich, "line 1"},
        Pwlablehnung{"ZuLang", "0 0\n* timebase 1ms\n65.536 0\n", 1, kFehlerPwlZuLang,
                     "Error in line 3:\nPart of curve ist to long"},
        Pwlablehnung{"ZeitbasisUnbekannt", "* timebase 3ms\n0 0\n", 0, kFehlerPwlRaster,
                     "Error in line 1:\nUnknown timebase '3ms'."},
        Pwlablehnung{"QuelleAusDatei", "V1 1 0 PWL file=welle.txt\n", 0, kFehlerPwlWert,
                     "The source reads another file"},
        Pwlablehnung{"Leer", "* nothing\n\n", 0, kFehlerPwlKeineDaten,
                     "No time and value pairs found."}),
    [](const testing::TestParamInfo<Pwlablehnung>& i) { return std::string(i.param.name); });

TEST_F(DateiTest, PwlFileThatCannotBeOpenedIsRefused) {
  std::vector<Kurvenpunkt> punkte;
  EXPECT_EQ(kFehlerPwlOeffnen, PwlLesen(dir.file("fehlt.pwl"), 10.0, 0, punkte));
}

}  // namespace
}  // namespace dateitest
