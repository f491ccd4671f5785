// Exporting curve 1 as text and importing text files.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

#include "Dateihilfen.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"
#include "curves/model/Allokation.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/transfer/Kurventransfer.h"

namespace dateitest {
namespace {

using namespace curves;

const std::string kKopf =
    "# Curves exported from MIV-3X_Curvegenerator\n"
    "# Column 1 = Time in secondsn\n"
    "# Column 2 = Y value in per cent\n"
    "# Column 3 = Timebase\n"
    "# Column 4 = Number of curve\n"
    "\n";

class ExportTest : public DateiTest {};

TEST_F(ExportTest, DefaultCurveGivesOneLine) {
  const auto pfad = dir.file("k.txt");
  ASSERT_EQ(0, KurvendateiExportieren(pfad));
  EXPECT_EQ(kKopf + "0.00000\t0.00\t10ms\t1\n# End of curve at 0.01000 s\n\n", Text(pfad));
}

TEST_F(ExportTest, TimesAccumulateAndValuesArePerCent) {
  gKurven.Kurven[0].Punkte = {P(0, 5, 1), P(4095, 3, 9), P(2047, 2, 8), P(1, 7, 4)};
  gKurven.Kurven[1].Punkte = {P(5, 5, 5)};  // only curve 1 is exported
  const auto pfad = dir.file("k.txt");
  ASSERT_EQ(0, KurvendateiExportieren(pfad));
  EXPECT_EQ(kKopf +
                "0.00000\t0.00\t1ms\t1\n"
                "0.00500\t100.00\t250us\t1\n"
                "0.00575\t49.99\t1s\t1\n"
                "2.00575\t0.02\t10ms\t1\n"
                "# End of curve at 2.07575 s\n"
                "\n",
            Text(pfad));
}

// Export and import give back every point: each value to its code, each length to its unit,
// the closing line's included.
class Rundreise : public DateiTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  void ErwarteRundreise(const std::vector<Kurvenpunkt>& kurve) {
    gKurven.Kurven[0].Punkte = kurve;
    const auto pfad = dir.file("k.txt");
    ASSERT_EQ(0, KurvendateiExportieren(pfad));
    gKurven.Kurven[0].Punkte = {kStandardpunkt};
    ASSERT_EQ(0, KurvendateiImportieren(pfad));
    EXPECT_TRUE(Gleich(kurve, gKurven.Kurven[0].Punkte));
  }
};

TEST_P(Rundreise, RandomCurvesComeBackPointForPoint) {
  std::mt19937 zufall(GetParam());
  const auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
  std::vector<Kurvenpunkt> kurve;
  int y = ganz(0, 4095);
  for (int i = ganz(1, 40); i > 0; --i) {
    switch (ganz(0, 3)) {
      case 0:
        y = std::clamp(y + (ganz(0, 1) ? 1 : -1), 0, 4095);
        break;  // one code
      case 1:
        y = ganz(0, 1) * 4095;
        break;
      default:
        y = ganz(0, 4095);
    }
    const int laenge = ganz(0, 2) == 0 ? (ganz(0, 1) ? 1 : 65535) : ganz(1, 3000);
    kurve.push_back(P(y, laenge, ganz(1, 9)));
  }
  ErwarteRundreise(kurve);
}

INSTANTIATE_TEST_SUITE_P(Zufallskurven, Rundreise, ::testing::Range(0u, 16u));

TEST_F(Rundreise, EveryCodeComesBack) {
  std::vector<Kurvenpunkt> kurve;
  for (int y = 0; y <= 4095; ++y) kurve.push_back(P(y, 1 + y % 3, 9 - y % 9));
  ErwarteRundreise(kurve);
}

// A 250 us line late in the longest curve a device holds: its times read back from five
// decimals carry binary errors far above 1e-8 units, yet they lie on the grid.
TEST_F(ExportTest, ExportedTextImportsAgainAtTheLargestTimes) {
  const std::vector<Kurvenpunkt> kurve = {P(0, 30000, 8), P(4095, 3, 9), P(0, 7, 9),
                                          P(4095, 1, 9),  P(0, 690, 9),  P(4095, 1, 1)};
  for (int rest : {0, 1, 2, 3}) {
    auto k = kurve;
    k[0].Laenge -= rest;
    gKurven.Kurven[0].Punkte = k;
    const auto pfad = dir.file("gross.txt");
    ASSERT_EQ(0, KurvendateiExportieren(pfad));
    gKurven.Kurven[0].Punkte = {kStandardpunkt};
    ASSERT_EQ(0, KurvendateiImportieren(pfad)) << rest;
    EXPECT_TRUE(Gleich(k, gKurven.Kurven[0].Punkte)) << rest;
  }
}

TEST_F(ExportTest, FailuresKeepThePreviousFile) {
  EXPECT_EQ(-308441, KurvendateiExportieren(dir.file("fehlt/k.txt")));
  const auto pfad = dir.file("alt.txt");
  TextSchreiben(pfad, "alt\n");
  gKurven.Kurven[0].Punkte.assign(5000, P(5, 1, 1));
  {
    Schreibgrenze grenze(8000);
    const int code = KurvendateiExportieren(pfad);
    EXPECT_TRUE(code == -301443 || code == -301444) << code;
  }
  EXPECT_EQ("alt\n", Text(pfad));
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path()),
                             std::filesystem::directory_iterator()));
}

// ---- Import ----

class ImportTest : public DateiTest {
 protected:
  int Importieren(const std::string& text) {
    const auto pfad = dir.file("ein.txt");
    TextSchreiben(pfad, text);
    return KurvendateiImportieren(pfad);
  }
  // The file is refused with the code and the message; nothing changes.
  void ErwarteVerweigert(const std::string& text, int code, const std::string& meldung) {
    const auto vorher = Modellstand::Jetzt();
    const int rueckgaengig = gKurven.Historien[0].AnzahlRueckgaengig;
    op.messages.clear();
    EXPECT_EQ(code, Importieren(text));
    ASSERT_EQ(1u, op.messages.size());
    EXPECT_EQ("Error while importing", op.messages[0].title);
    EXPECT_EQ(meldung, op.messages[0].text);
    vorher.ErwarteUnveraendert();
    EXPECT_EQ(rueckgaengig, gKurven.Historien[0].AnzahlRueckgaengig);
  }
  void SetUp() override {
    DateiTest::SetUp();
    gKurven.Kurven[0].Punkte = {P(300, 3, 3), P(600, 6, 6)};
  }
};

TEST_F(ImportTest, TwoLinesGiveTwoPoints) {
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n0.005\t50\t1ms\t1\n"));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, gKurven.Kurven[0].Punkte));
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(ImportTest, StoresOneUndoStepAndKeepsTheEditedCurve) {
  gKurven.AktuelleKurve = 2;
  gKurven.Kurven[0].Kommentar = "bleibt";
  Fenstertitel(dir.file("x.wur"));
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n0.005\t50\t1ms\t1\n"));
  EXPECT_EQ(2, gKurven.AktuelleKurve);
  EXPECT_TRUE(gKurven.KurvenGeaendert);
  EXPECT_EQ("bleibt", gKurven.Kurven[0].Kommentar);
  EXPECT_EQ("Curve generator - x.wur", FenstertitelText());
  EXPECT_EQ(1, gKurven.Historien[0].AnzahlRueckgaengig);
  EXPECT_EQ(0, gKurven.Historien[2].AnzahlRueckgaengig);
  gKurven.AktuelleKurve = 0;
  Rueckgaengig();
  EXPECT_TRUE(Gleich({P(300, 3, 3), P(600, 6, 6)}, gKurven.Kurven[0].Punkte));
}

TEST_F(ImportTest, CommentsBlankLinesAndLineEndingsAreSkipped) {
  ASSERT_EQ(0, Importieren("# a comment\r\n\r\n   \t \n   # indented comment\n"
                           "0\t100\t250us\t1\r\n0.00025\t0.0\t250us\t1\r\n"
                           "1.00025\t12.5\t1s\t1\n"));
  EXPECT_TRUE(Gleich({P(4095, 1, 9), P(0, 4000, 9), P(512, 1, 8)}, gKurven.Kurven[0].Punkte));
}

TEST_F(ImportTest, LinesAreCutAfter95Characters) {
  // Text past the 95th character is dropped; it is not read as a line of its own.
  const std::string lang = "0.005\t50\t1ms\t1" + std::string(81, ' ') + "0.010\t50\t1ms\t2";
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n" + lang + "\n"));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, gKurven.Kurven[0].Punkte));
  // A line whose fourth value lies beyond character 95 has only three.
  ErwarteVerweigert("0\t0\t1ms" + std::string(100, ' ') + "\t1\n", -312447,
                    "Error in line 1:\nWrong or to less values.");
}

TEST_F(ImportTest, EachCheckRefusesWithItsMessage) {
  ErwarteVerweigert("# head\n0\t0\t1ms\n", -312447, "Error in line 2:\nWrong or to less values.");
  ErwarteVerweigert("0\tabc\t1ms\t1\n", -312447, "Error in line 1:\nWrong or to less values.");
  ErwarteVerweigert("0\t0\t1ms\t1\n0.001\t0\t1ms\t2\n", -312448,
                    "Error in line 2:\ncurve number 2 not allowed.");
  ErwarteVerweigert("0\t0\t1MS\t1\n", -312451, "Error in line 1:\nUnknown timebase '1MS'.");
  ErwarteVerweigert("0\t100.5\t1ms\t1\n", -312452,
                    "Error in line 1:\nY value of 100.500% is not allowed.");
  ErwarteVerweigert("\n0\t-0.25\t1ms\t1\n", -312452,
                    "Error in line 2:\nY value of -0.250% is not allowed.");
  ErwarteVerweigert("0.001\t0\t1ms\t1\n", -312453,
                    "Error in line 1:\nCurve has to start with time=0.");
  ErwarteVerweigert("0\t0\t1ms\t1\n0\t5\t1ms\t1\n", -312454,
                    "Error in line 2:\nTime sequenz not continously.");
  ErwarteVerweigert("0\t0\t1ms\t1\n0.002\t5\t1ms\t1\n0.001\t5\t1ms\t1\n", -312454,
                    "Error in line 3:\nTime sequenz not continously.");
  ErwarteVerweigert("0\t0\t1ms\t1\n65.536\t5\t1ms\t1\n", -312455,
                    "Error in line 2:\nPart of curve ist to long\n(has to be smaler then 65536 "
                    "timebase units).");
  ErwarteVerweigert("0\t0\t5ms\t1\n0.0025\t50\t1ms\t1\n", -312456,
                    "Error in line 2:\nDifference in time of 0.003 Seconds does not fit \ninto "
                    "timebase 5ms.");
  ErwarteVerweigert("# only comments\n\n", -312458, "Curve data not found.");
  ErwarteVerweigert("", -312458, "Curve data not found.");
}

TEST_F(ImportTest, ChecksRunInTheirOrder) {
  // Every line below fails several checks; the first in order wins.
  ErwarteVerweigert("0.5\t150\tXX\t2\n", -312448, "Error in line 1:\ncurve number 2 not allowed.");
  ErwarteVerweigert("0.5\t150\tXX\t1\n", -312451, "Error in line 1:\nUnknown timebase 'XX'.");
  ErwarteVerweigert("0.5\t150\t1ms\t1\n", -312452,
                    "Error in line 1:\nY value of 150.000% is not allowed.");
  ErwarteVerweigert("0\t0\t1ms\t1\n-70\t5\t1ms\t1\n", -312454,
                    "Error in line 2:\nTime sequenz not continously.");
  ErwarteVerweigert("0\t0\t1ms\t1\n70.0005\t5\t1ms\t1\n", -312455,
                    "Error in line 2:\nPart of curve ist to long\n(has to be smaler then 65536 "
                    "timebase units).");
}

TEST_F(ImportTest, FieldsAreSeparatedByTabs) {
  // Blanks around the values are allowed, the tab between them is not optional.
  ASSERT_EQ(0, Importieren("  0 \t 0\t1ms \t1 \n0.005\t 50 \t1ms\t 1\n"));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, gKurven.Kurven[0].Punkte));
  ErwarteVerweigert("0 0 1ms 1\n", -312447, "Error in line 1:\nWrong or to less values.");
  ErwarteVerweigert("0\t0\t1ms 1\n", -312447, "Error in line 1:\nWrong or to less values.");
  ErwarteVerweigert("0\t\t0\t1ms\t1\n", -312447, "Error in line 1:\nWrong or to less values.");
  ErwarteVerweigert("0\t0\t\t1ms\t1\n", -312447, "Error in line 1:\nWrong or to less values.");
  ErwarteVerweigert("0\t0\t1ms\t\t1\n", -312447, "Error in line 1:\nWrong or to less values.");
  ErwarteVerweigert("0\t0\t1ms\t\n", -312447, "Error in line 1:\nWrong or to less values.");
  // A curve number beyond int is a number, just not 1.
  ErwarteVerweigert("0\t0\t1ms\t99999999999\n", -312448,
                    "Error in line 1:\ncurve number 2147483647 not allowed.");
}

TEST_F(ImportTest, UndoCommandsFollowTheEditedCurveAfterwards) {
  // Curve 3 is edited and has a step to redo; importing curve 1 must not hide it.
  gKurven.AktuelleKurve = 2;
  RueckgaengigSichern();
  Rueckgaengig();
  ASSERT_EQ(1, gKurven.Historien[2].AnzahlWiederherstellen);
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n"));
  EXPECT_EQ(2, gKurven.AktuelleKurve);
  EXPECT_EQ(1, gKurven.Historien[0].AnzahlRueckgaengig);
  EXPECT_TRUE(UndoBefehle().WiederherstellenKnopf);
  EXPECT_TRUE(UndoBefehle().WiederherstellenMenue);
  EXPECT_FALSE(UndoBefehle().RueckgaengigKnopf);
  // Importing into the edited curve itself enables its undo and dims its redo.
  gKurven.AktuelleKurve = 0;
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n"));
  EXPECT_TRUE(UndoBefehle().RueckgaengigKnopf);
  EXPECT_FALSE(UndoBefehle().WiederherstellenKnopf);
}

TEST_F(ImportTest, NumbersKeepTheDecimalPointUnderAGermanLocale) {
  gKurven.Kurven[0].Punkte = {P(0, 5, 1), P(2048, 3, 9), P(4095, 1, 4)};
  testsupport::TempDir ort;
  DeutscheZahlen deutsch(ort.path());
  if (!deutsch.ok()) GTEST_SKIP() << "no German locale available";
  const auto pfad = dir.file("k.txt");
  ASSERT_EQ(0, KurvendateiExportieren(pfad));
  EXPECT_EQ(kKopf +
                "0.00000\t0.00\t1ms\t1\n"
                "0.00500\t50.01\t250us\t1\n"
                "0.00575\t100.00\t10ms\t1\n"
                "# End of curve at 0.01575 s\n"
                "\n",
            Text(pfad));
  gKurven.Kurven[0].Punkte = {kStandardpunkt};
  ASSERT_EQ(0, KurvendateiImportieren(pfad));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2048, 3, 9), P(4095, 1, 4)}, gKurven.Kurven[0].Punkte));
  ErwarteVerweigert("0\t0.5\t5ms\t1\n0.0025\t50\t1ms\t1\n", -312456,
                    "Error in line 2:\nDifference in time of 0.003 Seconds does not fit \ninto "
                    "timebase 5ms.");
  // The length warning before a write shows its seconds the same way.
  gKurven.Kurven[1].Punkte = {P(0, 1, 4), P(0, 2, 4)};
  op.answerMessage(2);
  EXPECT_EQ(1, KurvenlaengenPruefen());
  EXPECT_EQ(
      "Curves do not have the same length. They will not be syncron.\n\nCurve 1: 0.01575 "
      "sec\nCurve 2: 0.03000 sec\n",
      op.lastMessageText());
}

TEST_F(ImportTest, LengthIsRoundedWithinTheGridTolerance) {
  // 4.999999995 units lies within 1e-8 of the grid and counts as 5, not 4.
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n0.004999999995\t0\t1ms\t1\n"
                           "0.010000000002\t0\t1ms\t1\n"));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(0, 5, 1), P(0, 1, 1)}, gKurven.Kurven[0].Punkte));
}

TEST_F(ImportTest, TheGridToleranceFollowsTheDecimalsOfTheText) {
  // Half a decimal of "0.0003" off the 250 us grid is no line length.
  ErwarteVerweigert("0\t0\t250us\t1\n0.0003\t0\t250us\t1\n", -312456,
                    "Error in line 2:\nDifference in time of 0.000 Seconds does not fit \ninto "
                    "timebase 250us.");
  // An exponent counts: 2.500000050e4 resolves five decimals as well.
  ASSERT_EQ(0, Importieren("0\t0\t1s\t1\n25000\t0\t250us\t1\n25000.00025\t0\t250us\t1\n"
                           "2.500000050e4\t0\t1ms\t1\n"));
  EXPECT_TRUE(
      Gleich({P(0, 25000, 8), P(0, 1, 9), P(0, 1, 9), P(0, 1, 1)}, gKurven.Kurven[0].Punkte));
}

struct Schluss {
  const char* name;
  const char* text;  // behind the two data lines 0 s and 5 ms on the 1ms grid
  int laenge;        // of the closing line
};

class EndzeitTest : public ImportTest, public ::testing::WithParamInterface<Schluss> {};

TEST_P(EndzeitTest, GivesTheClosingLineItsLengthWhenItFits) {
  ASSERT_EQ(0, Importieren(std::string("0\t0\t1ms\t1\n0.005\t50\t1ms\t1\n") + GetParam().text));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, GetParam().laenge, 1)}, gKurven.Kurven[0].Punkte));
  EXPECT_TRUE(op.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Endzeiten, EndzeitTest,
    ::testing::Values(Schluss{"Ohne", "\n", 1}, Schluss{"Passt", "# End of curve at 0.012 s\n", 7},
                      Schluss{"Eingerueckt", "  # End of curve at 65.540 s\n\n", 65535},
                      Schluss{"Neben dem Raster", "# End of curve at 0.0125 s\n", 1},
                      Schluss{"Nicht danach", "# End of curve at 0.005 s\n", 1},
                      Schluss{"Zu lang", "# End of curve at 65.541 s\n", 1},
                      Schluss{"Keine Zahl", "# End of curve at s\n", 1}),
    [](const auto& info) {
      std::string n = info.param.name;
      std::erase(n, ' ');
      return n;
    });

TEST_F(ImportTest, AnEndTimeBeforeTheLastDataLineIsNotItsEnd) {
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n# End of curve at 0.012 s\n0.005\t50\t1ms\t1\n"));
  EXPECT_TRUE(Gleich({P(0, 5, 1), P(2047, 1, 1)}, gKurven.Kurven[0].Punkte));
}

TEST_F(ImportTest, LongestLineIsTaken) {
  ASSERT_EQ(0, Importieren("0\t0\t1ms\t1\n65.535\t5\t1ms\t1\n"));
  EXPECT_EQ(65535, gKurven.Kurven[0].Punkte[0].Laenge);
}

TEST_F(ImportTest, NotANumberIsRefused) {
  ErwarteVerweigert("0\tnan\t1ms\t1\n", -312452,
                    "Error in line 1:\nY value of nan% is not allowed.");
  ErwarteVerweigert("nan\t0\t1ms\t1\n", -312453,
                    "Error in line 1:\nCurve has to start with time=0.");
  ErwarteVerweigert("0\t0\t1ms\t1\nnan\t0\t1ms\t1\n", -312454,
                    "Error in line 2:\nTime sequenz not continously.");
  ErwarteVerweigert("0\t0\t1ms\t1\ninf\t0\t1ms\t1\n", -312455,
                    "Error in line 2:\nPart of curve ist to long\n(has to be smaler then 65536 "
                    "timebase units).");
}

TEST_F(ImportTest, ARefusalLateInTheFileChangesNothing) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += std::to_string(i) + "\t10\t1s\t1\n";
  text += "500\t10\t1s\t3\n";
  ErwarteVerweigert(text, -312448, "Error in line 501:\ncurve number 3 not allowed.");
}

TEST_F(ImportTest, MissingFileAndAllocationFailure) {
  const auto vorher = Modellstand::Jetzt();
  EXPECT_EQ(-308445, KurvendateiImportieren(dir.file("fehlt.txt")));
  AllokationsfehlerAusloesen(1, 1);
  EXPECT_EQ(-600450, Importieren("0\t0\t1ms\t1\n0.005\t50\t1ms\t1\n"));
  // Both lines read, the curve's own array at the exact count cannot be had.
  AllokationsfehlerAusloesen(1, 2);
  EXPECT_EQ(-600459, Importieren("0\t0\t1ms\t1\n0.005\t50\t1ms\t1\n"));
  EXPECT_EQ(0, AusstehendeAllokationsfehler());
  AllokationsfehlerAusloesen(0);
  vorher.ErwarteUnveraendert();
  EXPECT_EQ(0, gKurven.Historien[0].AnzahlRueckgaengig);
}

TEST_F(ImportTest, AFolderCannotBeRead) {
  const auto vorher = Modellstand::Jetzt();
  const int code = KurvendateiImportieren(dir.path().string());
  EXPECT_TRUE(code == -304446 || code == -308445) << code;
  vorher.ErwarteUnveraendert();
}

}  // namespace
}  // namespace dateitest
