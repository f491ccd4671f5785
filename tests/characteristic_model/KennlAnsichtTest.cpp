// The characteristic graph's view arithmetic: zoom, scroll bar, Y zoom, axes, the mark,
// the lines and steps drawn, the draw and move previews and the comment.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "characteristic/edit/KennlAnsicht.h"
#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/edit/KennlGeraden.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/model/KennlKommentar.h"
#include "support/KennlFixture.h"

namespace {

using namespace characteristic;

class KennlAnsichtTest : public testsupport::KennlFixture {
 protected:
  static std::pair<double, double> Sicht() { return {gKennl.XStart, gKennl.XEnde}; }
};

struct ZoomFall {
  const char* name;
  double start, ende;
  void (*zoom)();
  double neuStart, neuEnde;
};

class KennlZoomTest : public KennlAnsichtTest, public ::testing::WithParamInterface<ZoomFall> {};

TEST_P(KennlZoomTest, GivesTheView) {
  const ZoomFall& f = GetParam();
  gKennl.XStart = f.start;
  gKennl.XEnde = f.ende;
  f.zoom();
  EXPECT_EQ(Sicht(), std::make_pair(f.neuStart, f.neuEnde));
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, KennlZoomTest,
    ::testing::Values(ZoomFall{"PlusOnFullRange", 0, 4094, &KennlZoomPlus, 682, 3411},
                      ZoomFall{"PlusKeepsOneStep", 10, 10, &KennlZoomPlus, 10, 10},
                      ZoomFall{"MinusOnFullRangeStaysInside", 0, 4094, &KennlZoomMinus, 0, 4094},
                      ZoomFall{"MinusAfterPlusGivesFullRange", 682, 3411, &KennlZoomMinus, 0, 4094},
                      ZoomFall{"MinusAtTheRightEnd", 4000, 4094, &KennlZoomMinus, 3976, 4094},
                      ZoomFall{"MinusOfOneStepWidens", 100, 100, &KennlZoomMinus, 99, 100},
                      ZoomFall{"Full", 300, 400, &KennlZoomVoll, 0, 4094}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KennlAnsichtTest, ZoomToMarkNeedsAnActiveMark) {
  gKennl.Mark = {100, 200, false, false};
  EXPECT_FALSE(KennlZoomAufMarkierung());
  EXPECT_EQ(Sicht(), std::make_pair(0.0, 4094.0));

  gKennl.Mark.Aktiv = true;
  EXPECT_TRUE(KennlZoomAufMarkierung());
  EXPECT_EQ(Sicht(), std::make_pair(100.0, 199.0));
  EXPECT_FALSE(gKennl.Mark.Aktiv);

  // An empty mark keeps the view, but is gone all the same.
  gKennl.Mark = {150, 150, true, false};
  EXPECT_TRUE(KennlZoomAufMarkierung());
  EXPECT_EQ(Sicht(), std::make_pair(100.0, 199.0));
  EXPECT_FALSE(gKennl.Mark.Aktiv);
}

TEST_F(KennlAnsichtTest, ScrollBarFollowsTheView) {
  KennlScrollbalken s = KennlScrollbarAnpassen();
  EXPECT_EQ(s.Daumen, 100);
  EXPECT_EQ(s.Position, 0);

  KennlZoomPlus();  // 682 .. 3411, W 2730
  s = KennlScrollbarAnpassen();
  EXPECT_EQ(s.Daumen, 67);
  EXPECT_EQ(s.Position, 50);

  ASSERT_TRUE(KennlScrollbarLosgelassen(100));
  EXPECT_EQ(Sicht(), std::make_pair(1365.0, 4094.0));
  ASSERT_TRUE(KennlScrollbarLosgelassen(0));
  EXPECT_EQ(Sicht(), std::make_pair(0.0, 2729.0));
  EXPECT_FALSE(KennlScrollbarLosgelassen(0));

  // The smallest view still has a thumb.
  gKennl.XStart = gKennl.XEnde = 7;
  EXPECT_EQ(KennlScrollbarAnpassen().Daumen, 1);
}

TEST_F(KennlAnsichtTest, YZoomTakesOnlyARisingRange) {
  // Standard scaling: 0 .. 10 V over 0 .. 4095.
  ASSERT_TRUE(KennlYZoomSetzen(2.0, 8.0));
  EXPECT_EQ(gKennl.YZoomMin, 819);
  EXPECT_EQ(gKennl.YZoomMax, 3276);

  for (auto [lo, hi] : {std::pair{5.0, 5.0}, std::pair{8.0, 2.0}, std::pair{12.0, 20.0}}) {
    EXPECT_FALSE(KennlYZoomSetzen(lo, hi)) << lo << " " << hi;
    EXPECT_EQ(gKennl.YZoomMin, 819);
    EXPECT_EQ(gKennl.YZoomMax, 3276);
  }
  // Beyond the range is cut to it.
  ASSERT_TRUE(KennlYZoomSetzen(-3.0, 30.0));
  EXPECT_EQ(gKennl.YZoomMin, 0);
  EXPECT_EQ(gKennl.YZoomMax, 4095);

  // An unchanged field stands for its exact code, so committing it keeps the limit.
  ASSERT_TRUE(KennlYZoomSetzen(1.0, 9.0));
  const KennlAchse a = KennlYAchse();
  const int vorher = gKennl.YZoomMin;
  ASSERT_TRUE(KennlYZoomSetzen(a.FeldMinGenau, a.FeldMaxGenau));
  EXPECT_EQ(gKennl.YZoomMin, vorher);
}

TEST_F(KennlAnsichtTest, AxesMapRawCodesIntoTheUnits) {
  auto& k = config::gKonfig;
  k.outskalamin[0] = 100.0;
  k.outskalamax[0] = 500.0;
  std::strcpy(k.outeinheit[0], "bar");
  k.inskalamin[1] = 0.0;
  k.inskalamax[1] = 50.0;
  std::strcpy(k.ineinheit[1], "mm");
  gKennl.XStart = 10;
  gKennl.XEnde = 20;

  const KennlAchse y = KennlYAchse();
  EXPECT_EQ(y.Einheit, "bar");
  EXPECT_DOUBLE_EQ(y.Versatz, 100.0);
  EXPECT_DOUBLE_EQ(y.Verstaerkung, 400.0 / 4095.0);
  EXPECT_DOUBLE_EQ(y.FeldMax, 500.0);
  const KennlAchse x = KennlXAchse();
  EXPECT_EQ(x.Einheit, "mm");
  EXPECT_DOUBLE_EQ(x.Verstaerkung, 50.0 / 4095.0);
  EXPECT_EQ(x.Min, 10.0);
  EXPECT_EQ(x.Max, 21.0);
}

TEST_F(KennlAnsichtTest, OutputTwoFieldTakesOutputTwosUnitAndRange) {
  auto& k = config::gKonfig;
  std::strcpy(k.outeinheit[1], "A");
  k.outskalamin[1] = 20.0;
  k.outskalamax[1] = -5.0;
  const KennlAusgang2Feld f = KennlAusgang2Beschreibung();
  EXPECT_EQ(f.Beschriftung, "analog output 2 [A]");
  EXPECT_EQ(f.Min, -5.0);
  EXPECT_EQ(f.Max, 20.0);
}

TEST_F(KennlAnsichtTest, MarkTurnsRoundWhenReleasedLeftOfItsStart) {
  KennlMarkierungBeginnen(300.4);
  KennlMarkierungZiehen(350.6);
  EXPECT_EQ(gKennl.Mark.Ende, 351.0);
  KennlMarkierungAbschliessen(120.2);
  EXPECT_EQ(gKennl.Mark.Start, 120.0);
  EXPECT_EQ(gKennl.Mark.Ende, 300.0);
  EXPECT_TRUE(gKennl.Mark.Aktiv);
  KennlMarkierungAufheben();
  EXPECT_FALSE(gKennl.Mark.Aktiv);
  KennlAllesMarkieren();
  EXPECT_EQ(gKennl.Mark.Start, 0.0);
  EXPECT_EQ(gKennl.Mark.Ende, 4095.0);
  EXPECT_TRUE(gKennl.Mark.Aktiv);
}

TEST_F(KennlAnsichtTest, LinesEndWithTheLastPointsSectionToTheRangesEnd) {
  Setze({{0, 4}, {2, 100}, {3000, 1}});
  const auto g = KennlAlleGeraden();
  ASSERT_EQ(g.size(), 3u);
  EXPECT_FALSE(g[1].Letzte);
  EXPECT_EQ(g[1].X0, 4.0);
  EXPECT_EQ(g[1].X1, 104.0);
  EXPECT_TRUE(g[2].Letzte);
  EXPECT_EQ(g[2].X0, 104.0);
  EXPECT_EQ(g[2].X1, 4095.0);
  EXPECT_EQ(g[2].Y1, 3000.0);

  const auto sichtbar = KennlSichtbareGeraden(50, 60);
  ASSERT_EQ(sichtbar.size(), 1u);
  EXPECT_EQ(sichtbar[0].Index, 1);
  EXPECT_EQ(KennlSichtbareGeraden(200, 300).size(), 1u);
}

TEST_F(KennlAnsichtTest, StepsAreTheRoundedLineValues) {
  std::vector<std::pair<double, double>> ecken;
  KennlStufenDurchlaufen({0, 0, 0, 4, 2, false},
                         [&](double x, double y) { ecken.emplace_back(x, y); });
  EXPECT_EQ(ecken, (std::vector<std::pair<double, double>>{
                       {0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {4, 2}}));
  ecken.clear();
  KennlStufenDurchlaufen({0, 4095, 9, 4095, 9, true},
                         [&](double x, double y) { ecken.emplace_back(x, y); });
  EXPECT_TRUE(ecken.empty());  // a last section without width has no steps
}

TEST_F(KennlAnsichtTest, DrawPreviewIsWhereTheAppendPutsThePoint) {
  Setze({{100, 1}});
  gKennl.Felder.XRaster = 1.0;  // 409.5 raw steps in the standard scaling
  const KennlAnhaengeposition v = KennlAnhaengenBei(600, 2000);
  ASSERT_TRUE(v.Gueltig);
  EXPECT_EQ(v.X0, 0.0);
  EXPECT_EQ(v.Y0, 100.0);
  KennlPunktAnhaengen(600, 2000);
  ASSERT_EQ(gKennl.Kennl.Punktanzahl(), 2);
  EXPECT_EQ(KennlPunktX(1), v.X);
  EXPECT_EQ(gKennl.Kennl.Punkte[1].Y, v.Y);

  // Beyond the range: no preview, no point.
  Setze({{100, 4095}, {5, 1}});
  gKennl.Felder.XRaster = 0.0;
  EXPECT_FALSE(KennlAnhaengenBei(4095, 0).Gueltig);
}

TEST_F(KennlAnsichtTest, MovePreviewRunsThroughTheNeighbours) {
  Setze({{0, 100}, {500, 100}, {4095, 1}});
  const KennlVerschiebevorschau v = KennlVerschiebenBei(1, 150.2, 1000.0);
  EXPECT_EQ(v.X, 150.0);
  EXPECT_EQ(v.Y, 1000.0);
  ASSERT_TRUE(v.MitLinks && v.MitRechts);
  EXPECT_EQ(std::make_pair(v.LinksX, v.LinksY), std::make_pair(0.0, 0.0));
  EXPECT_EQ(std::make_pair(v.RechtsX, v.RechtsY), std::make_pair(200.0, 4095.0));
  // The first point keeps X 0 and has no line from the left.
  const KennlVerschiebevorschau erster = KennlVerschiebenBei(0, 80, 10);
  EXPECT_EQ(erster.X, 0.0);
  EXPECT_FALSE(erster.MitLinks);
}

TEST_F(KennlAnsichtTest, CommentIsKeptWholeAndPreviewedShort) {
  const std::string hundert(100, 'k');
  EXPECT_TRUE(KennlKommentarSetzen(hundert));
  EXPECT_EQ(gKennl.Kennl.Kommentar, hundert);
  EXPECT_EQ(KennlKommentarVorschau(), std::string(30, 'k'));
  EXPECT_TRUE(gKennl.KennlinieGeaendert);

  gKennl.KennlinieGeaendert = false;
  EXPECT_FALSE(KennlKommentarSetzen(hundert));
  EXPECT_FALSE(gKennl.KennlinieGeaendert);
  EXPECT_TRUE(KennlKommentarSetzen(std::string(1200, 'x')));
  EXPECT_EQ(gKennl.Kennl.Kommentar.size(), 999u);
}

}  // namespace
