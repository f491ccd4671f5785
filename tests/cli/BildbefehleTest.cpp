// plot and char-plot on real files: the picture files made in each format at the size
// asked, what they carry, and the refusals that leave an earlier picture as it was.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

// Width and height from a PNG file's header.
std::pair<int, int> PngGroesse(const std::string& inhalt) {
  auto wort = [&inhalt](std::size_t i) {
    int n = 0;
    for (std::size_t k = i; k < i + 4; ++k) n = n * 256 + static_cast<unsigned char>(inhalt[k]);
    return n;
  };
  if (inhalt.size() < 24 || inhalt.compare(1, 3, "PNG") != 0) return {0, 0};
  return {wort(16), wort(20)};
}

class Bildbefehle : public testing::Test {
 protected:
  void SetUp() override {
    KurvendateiAnlegen(wur, {P(0, 10, 4), P(4095, 20, 4), P(2048, 5, 4)}, 0, 0, {P(1000, 30, 4)});
  }
  testsupport::TempDir ordner;
  const std::string wur = ordner.file("messung.wur");
};

TEST_F(Bildbefehle, PlotWritesEachFormatAtTheSizeAsked) {
  const std::string png = ordner.file("bild.png");
  Lauf lauf = Miv3x({"plot", wur, png, "--width", "640", "--height=480"});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ((std::pair{640, 480}), PngGroesse(Inhalt(png)));
  // The rights of any new file, not those of a temporary one.
  Schreiben(ordner.file("neu.txt"), "x");
  EXPECT_EQ(std::filesystem::status(ordner.file("neu.txt")).permissions(),
            std::filesystem::status(png).permissions());
  lauf = Miv3x({"plot", wur, ordner.file("bild.PNG")});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ((std::pair{1200, 700}), PngGroesse(Inhalt(ordner.file("bild.PNG"))));

  const std::string svg = ordner.file("bild.svg");
  lauf = Miv3x({"plot", wur, svg, "--curves", "2,1"});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  const std::string text = Inhalt(svg);
  EXPECT_THAT(text, HasSubstr("<svg"));
  // The file name as title, both curves named, the axes with their units.
  for (const char* s : {"messung.wur", "Curve 1", "Curve 2", "Time [ms]", "Output [V]"})
    EXPECT_THAT(text, HasSubstr(s)) << s;

  const std::string pdf = ordner.file("bild.pdf");
  lauf = Miv3x({"plot", wur, pdf});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_THAT(Inhalt(pdf), StartsWith("%PDF-"));
}

TEST_F(Bildbefehle, PlotDrawsWithoutADisplay) {
  // A display that cannot be reached would end a program that opens it.
  Laufoptionen ohne;
  ohne.umgebung = {"DISPLAY=:9999", "QT_QPA_PLATFORM="};
  const Lauf lauf = Miv3x({"plot", wur, ordner.file("b.png")}, ohne);
  EXPECT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_TRUE(Existiert(ordner.file("b.png")));
}

struct Falscher {
  std::vector<std::string> argumente;  // after "plot FILE OUT"
  const char* ausgabe;                 // the picture's name
  int status;
  const char* grund;
};

class PlotAbgelehnt : public Bildbefehle, public testing::WithParamInterface<Falscher> {};

TEST_P(PlotAbgelehnt, SaysWhyAndKeepsTheEarlierPicture) {
  const Falscher& f = GetParam();
  const std::string ziel = ordner.file(f.ausgabe);
  Schreiben(ziel, "earlier");
  std::vector<std::string> argumente = {"plot", wur, ziel};
  argumente.insert(argumente.end(), f.argumente.begin(), f.argumente.end());
  const Lauf lauf = Miv3x(argumente);
  EXPECT_EQ(f.status, lauf.status);
  EXPECT_THAT(lauf.fehler, HasSubstr(f.grund));
  EXPECT_EQ("earlier", Inhalt(ziel));
}

INSTANTIATE_TEST_SUITE_P(
    Bildbefehle, PlotAbgelehnt,
    testing::Values(Falscher{{}, "bild.jpg", 2, "not a picture file name"},
                    Falscher{{"--width", "50"}, "b.png", 2, "pixels from 100 to 10000"},
                    Falscher{{"--height", "x"}, "b.png", 2, "pixels from 100 to 10000"},
                    Falscher{{"--curves", "1,5"}, "b.png", 2, "curve numbers 1..4"},
                    Falscher{{"--curves", "1,1"}, "b.png", 2, "curve numbers 1..4"}));

TEST_F(Bildbefehle, PlotRefusesAMissingCurveFile) {
  const Lauf lauf = Miv3x({"plot", ordner.file("fehlt.wur"), ordner.file("b.png")});
  EXPECT_EQ(1, lauf.status);
  EXPECT_THAT(lauf.fehler, StartsWith("Error #"));
  EXPECT_FALSE(Existiert(ordner.file("b.png")));
}

TEST_F(Bildbefehle, CharPlotDrawsTheCharacteristic) {
  const std::string wue = ordner.file("regler.wue");
  characteristic::Kennliniensitzung kennl;
  ASSERT_EQ(0, characteristic::KennlModellInitialisieren(kennl));
  kennl.gKennl.Kennl.Punkte = {{0, 2000, 0, {}}, {4095, 0, 0, {}}};
  ASSERT_EQ(0, characteristic::KennlDateiSpeichern(kennl, wue));
  characteristic::KennlModellFreigeben(kennl);
  const std::string svg = ordner.file("regler.svg");
  const Lauf lauf = Miv3x({"char-plot", wue, svg});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  for (const char* s : {"regler.wue", "Characteristic", "Input 2 [V]", "Output 1 [V]"})
    EXPECT_THAT(Inhalt(svg), HasSubstr(s)) << s;
}

TEST_F(Bildbefehle, HelpNamesTheOptions) {
  const Lauf lauf = Miv3x({"plot", "--help"});
  EXPECT_EQ(0, lauf.status);
  EXPECT_THAT(lauf.aus, StartsWith("usage: miv3x plot FILE.wur OUT.png|OUT.svg|OUT.pdf [--width "
                                   "PX] [--height PX] [--curves 1,2]\n"));
}

}  // namespace
}  // namespace clitest
