#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "characteristic/files/KennlDateiMenue.h"
#include "characteristic/files/Kennlinientext.h"
#include "support/Dateibytes.h"
#include "support/DeutscheZahlen.h"
#include "support/KennlFixture.h"
#include "support/TempDir.h"

namespace {

using namespace characteristic;
using Pkte = std::vector<std::pair<int, int>>;

class KennlinientextTest : public testsupport::KennlFixture {
 protected:
  int Import(const std::string& text) {
    testsupport::TextSchreiben(dir.file("i.txt"), text);
    return KennlTextImportieren(sitzung, dir.file("i.txt"));
  }
  testsupport::TempDir dir;
};

TEST_F(KennlinientextTest, ExportWritesPerCentWithTwoDecimals) {
  Setze({{0, 1000}, {4095, 3095}, {2047, 1}});
  ASSERT_EQ(KennlTextExportieren(sitzung, dir.file("e.txt")), 0);
  EXPECT_EQ(testsupport::Text(dir.file("e.txt")),
            "# Characteristic curve exported from MIV3X-Curvegenerator\n"
            "# Column 1 = X value in per cent\n"
            "# Column 2 = Y value in per cent\n"
            "\n"
            "0.00\t0.00\n"
            "24.42\t100.00\n"
            "100.00\t49.99\n"
            "\n");
  EXPECT_EQ(Punkte(), (Pkte{{0, 1000}, {4095, 3095}, {2047, 1}}));
}

TEST_F(KennlinientextTest, ExportUsesADecimalPointInAnyLocale) {
  const testsupport::DeutscheZahlen deutsch(dir.path());
  if (!deutsch.ok()) GTEST_SKIP() << "no German locale";
  Setze({{0, 1000}, {4095, 1}});
  ASSERT_EQ(KennlTextExportieren(sitzung, dir.file("e.txt")), 0);
  EXPECT_NE(testsupport::Text(dir.file("e.txt")).find("24.42\t100.00"), std::string::npos);
}

TEST_F(KennlinientextTest, ImportTakesCommentsBlanksAndTheNearestRawSteps) {
  // X positions, not their differences, go to the nearest step; exactly between two steps
  // (50 % is 2047.5) the lower one.
  ASSERT_EQ(Import("# head\n\n   \n\t# indented comment\n0\t0\n24.42\t100\n 50 \t 50.5\r\n"
                   "100\t10 trailing text\n"),
            0);
  EXPECT_EQ(Punkte(), (Pkte{{0, 1000}, {4095, 1047}, {2068, 2048}, {409, 0}}));
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 1);
  EXPECT_TRUE(sitzung.gKennl.KennlinieGeaendert);
  EXPECT_TRUE(op.messages.empty());
}

// Export and import give back every point, one-step lines and the limits included.
class KennlRundreise : public KennlinientextTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  void ErwarteRundreise(const Pkte& punkte) {
    Setze(punkte);
    ASSERT_EQ(KennlTextExportieren(sitzung, dir.file("e.txt")), 0);
    Setze({{5, 0}});
    ASSERT_EQ(KennlTextImportieren(sitzung, dir.file("e.txt")), 0) << op.lastMessageText();
    EXPECT_EQ(Punkte(), punkte);
  }
};

TEST_P(KennlRundreise, RandomCharacteristicsComeBackPointForPoint) {
  std::mt19937 zufall(GetParam());
  const auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
  Pkte punkte;
  int x = 0;
  int y = ganz(0, 4095);
  while (true) {
    y = ganz(0, 2) == 0 ? std::clamp(y + ganz(-1, 1), 0, 4095) : ganz(0, 4095);
    const int laenge = ganz(0, 2) == 0 ? 1 : ganz(1, 600);
    if (x + laenge > 4095 || ganz(0, 40) == 0) break;
    punkte.push_back({y, laenge});
    x += laenge;
  }
  punkte.push_back({ganz(0, 1) * 4095, 0});
  ErwarteRundreise(punkte);
}

INSTANTIATE_TEST_SUITE_P(Zufall, KennlRundreise, ::testing::Range(0u, 16u));

TEST_F(KennlRundreise, EveryStepOfXAndY) {
  Pkte punkte;
  for (int i = 0; i < 4095; ++i) punkte.push_back({i, 1});
  punkte.push_back({4095, 0});
  ErwarteRundreise(punkte);
}

TEST_F(KennlinientextTest, ImportKeepsCommentFieldsAndName) {
  sitzung.gKennl.Kennl.Kommentar = "bleibt";
  sitzung.gKennl.Felder.Anstiegszeit = 7.0;
  KennlFenstertitel(sitzung, "/x/alt.wue");
  ASSERT_EQ(Import("0\t50\n"), 0);
  EXPECT_EQ(Punkte(), (Pkte{{2047, 0}}));
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, "bleibt");
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 7.0);
  EXPECT_EQ(KennlDateiname(sitzung), "/x/alt.wue");
}

TEST_F(KennlinientextTest, LongLinesAreCutAt95Characters) {
  // The Y value's last digits stand beyond character 95 and are dropped.
  ASSERT_EQ(Import("0\t" + std::string(93, '0') + "12345\n"), 0);
  EXPECT_EQ(Punkte(), (Pkte{{0, 0}}));
}

struct Fehlertext {
  const char* name;
  const char* text;
  int code;
  const char* meldung;
};

class ImportFehler : public KennlinientextTest, public ::testing::WithParamInterface<Fehlertext> {};

TEST_P(ImportFehler, IsShownAndChangesNothing) {
  Setze({{5, 7}, {6, 1}});
  EXPECT_EQ(Import(GetParam().text), GetParam().code);
  EXPECT_EQ(op.lastMessageTitle(), "Error while importing");
  EXPECT_EQ(op.lastMessageText(), GetParam().meldung);
  EXPECT_EQ(Punkte(), (Pkte{{5, 7}, {6, 1}}));
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 0);
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilenpruefungen, ImportFehler,
    ::testing::Values(
        Fehlertext{"EinWert", "# a\n0\n", -312535, "Error in line 2:\nWrong or too less values."},
        Fehlertext{"Leerzeichen", "0 50\n", -312535, "Error in line 1:\nWrong or too less values."},
        Fehlertext{"KeineZahl", "0\tx\n", -312535, "Error in line 1:\nWrong or too less values."},
        Fehlertext{"YZuGross", "#\n#\n#\n#\n#\n#\n0\t120\n", -312537,
                   "Error in line 7:\nY value of 120.000% is not allowed."},
        Fehlertext{"YNegativ", "0\t-0.5\n", -312537,
                   "Error in line 1:\nY value of -0.500% is not allowed."},
        Fehlertext{"YNan", "0\tnan\n", -312537,
                   "Error in line 1:\nY value of nan% is not allowed."},
        Fehlertext{"XZuGross", "0\t0\n100.5\t0\n", -312538,
                   "Error in line 2:\nX value of 100.500% is not allowed."},
        Fehlertext{"Start", "# c\n\n0.5\t10\n", -312539,
                   "Error in line 3:\nCurve has to start at X=0."},
        Fehlertext{"Folge", "0\t0\n10\t0\n10\t5\n", -312540,
                   "Error in line 3:\nX-axis not continously."},
        Fehlertext{"Abstand", "0\t0\n0.01\t0\n", -312541,
                   "Error in line 2:\nDifference in X direction between two points must be "
                   "greater then zero."},
        Fehlertext{"NurKommentare", "# a\n# b\n\n", -312542, "Curve data not found."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KennlinientextTest, MissingFileIsRefused) {
  EXPECT_EQ(KennlTextImportieren(sitzung, dir.file("fehlt.txt")), -308533);
  EXPECT_EQ(KennlTextExportieren(sitzung, dir.file("fehlt/e.txt")), -308529);
}

TEST_F(KennlinientextTest, MemoryForTheGrowingListIsRefused) {
  KennlAllokationsHaken().Ausloesen(1, 1);
  Setze({{5, 7}});
  EXPECT_EQ(Import("0\t0\n50\t50\n"), -600536);
  EXPECT_EQ(Punkte(), (Pkte{{5, 7}}));
  // Both lines read, the array at the exact count cannot be had.
  KennlAllokationsHaken().Ausloesen(1, 2);
  EXPECT_EQ(Import("0\t0\n50\t50\n"), -600543);
  EXPECT_EQ(KennlAllokationsHaken().Ausstehend(), 0);
  EXPECT_EQ(Punkte(), (Pkte{{5, 7}}));
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 0);
}

TEST_F(KennlinientextTest, DialogCommandsUseTheirTitles) {
  op.answerFile(dir.file("d.txt"));
  EXPECT_EQ(KennlinieExportieren(sitzung), 0);
  op.answerFile(dir.file("d.txt"));
  EXPECT_EQ(KennlinieImportieren(sitzung), 0);
  ASSERT_EQ(op.fileRequests.size(), 2u);
  EXPECT_EQ(op.fileRequests[0].title, "Export characteristic curve");
  EXPECT_EQ(op.fileRequests[0].pattern, "*.txt");
  EXPECT_FALSE(op.fileRequests[0].forceExtension);
  EXPECT_EQ(op.fileRequests[1].title, "Import characteristic curve");
  EXPECT_EQ(KennlinieImportieren(sitzung), 0);  // cancelled
}

}  // namespace
