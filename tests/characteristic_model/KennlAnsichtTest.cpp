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
  std::pair<double, double> Sicht() { return {sitzung.gKennl.XStart, sitzung.gKennl.XEnde}; }
};

struct ZoomFall {
  const char* name;
  double start, ende;
  void (*zoom)(characteristic::Kennliniensitzung&);
  double neuStart, neuEnde;
};

class KennlZoomTest : public KennlAnsichtTest, public ::testing::WithParamInterface<ZoomFall> {};

TEST_P(KennlZoomTest, GivesTheView) {
  const ZoomFall& f = GetParam();
  sitzung.gKennl.XStart = f.start;
  sitzung.gKennl.XEnde = f.ende;
  f.zoom(sitzung);
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

// The wheel: zoom around the mouse and scroll, never past 0 .. 4095.
class KennlRadTest : public KennlAnsichtTest, public ::testing::WithParamInterface<ZoomFall> {};

TEST_P(KennlRadTest, GivesTheView) {
  const ZoomFall& f = GetParam();
  sitzung.gKennl.XStart = f.start;
  sitzung.gKennl.XEnde = f.ende;
  f.zoom(sitzung);
  EXPECT_EQ(Sicht(), std::make_pair(f.neuStart, f.neuEnde));
}

INSTANTIATE_TEST_SUITE_P(
    Rad, KennlRadTest,
    ::testing::Values(
        ZoomFall{"InAroundTheMiddle", 0, 4094,
                 [](Kennliniensitzung& s) { KennlZoomUmX(s, 2047.5, true); }, 683, 3412},
        ZoomFall{"InAtTheLeftEdge", 0, 4094,
                 [](Kennliniensitzung& s) { KennlZoomUmX(s, 0.0, true); }, 0, 2729},
        ZoomFall{"OutStaysInsideTheRange", 2000, 3999,
                 [](Kennliniensitzung& s) { KennlZoomUmX(s, 3000.0, false); }, 1500, 4094},
        ZoomFall{"ScrollRight", 0, 999, [](Kennliniensitzung& s) { KennlSichtVerschieben(s, 2.0); },
                 200, 1199},
        ZoomFall{"ScrollLeftStopsAtZero", 0, 999,
                 [](Kennliniensitzung& s) { KennlSichtVerschieben(s, -5.0); }, 0, 999},
        ZoomFall{"ScrollRightStopsAtTheEnd", 3000, 3999,
                 [](Kennliniensitzung& s) { KennlSichtVerschieben(s, 5.0); }, 3095, 4094}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KennlAnsichtTest, ZoomToMarkNeedsAnActiveMark) {
  sitzung.gKennl.Mark = {100, 200, false, false};
  EXPECT_FALSE(KennlZoomAufMarkierung(sitzung));
  EXPECT_EQ(Sicht(), std::make_pair(0.0, 4094.0));

  sitzung.gKennl.Mark.Aktiv = true;
  EXPECT_TRUE(KennlZoomAufMarkierung(sitzung));
  EXPECT_EQ(Sicht(), std::make_pair(100.0, 199.0));
  EXPECT_FALSE(sitzung.gKennl.Mark.Aktiv);

  // An empty mark keeps the view, but is gone all the same.
  sitzung.gKennl.Mark = {150, 150, true, false};
  EXPECT_TRUE(KennlZoomAufMarkierung(sitzung));
  EXPECT_EQ(Sicht(), std::make_pair(100.0, 199.0));
  EXPECT_FALSE(sitzung.gKennl.Mark.Aktiv);
}

TEST_F(KennlAnsichtTest, ScrollBarFollowsTheView) {
  KennlScrollbalken s = KennlScrollbarAnpassen(sitzung);
  EXPECT_EQ(s.Daumen, 100);
  EXPECT_EQ(s.Position, 0);

  KennlZoomPlus(sitzung);  // 682 .. 3411, W 2730
  s = KennlScrollbarAnpassen(sitzung);
  EXPECT_EQ(s.Daumen, 67);
  EXPECT_EQ(s.Position, 50);

  ASSERT_TRUE(KennlScrollbarLosgelassen(sitzung, 100));
  EXPECT_EQ(Sicht(), std::make_pair(1365.0, 4094.0));
  ASSERT_TRUE(KennlScrollbarLosgelassen(sitzung, 0));
  EXPECT_EQ(Sicht(), std::make_pair(0.0, 2729.0));
  EXPECT_FALSE(KennlScrollbarLosgelassen(sitzung, 0));

  // The smallest view still has a thumb.
  sitzung.gKennl.XStart = sitzung.gKennl.XEnde = 7;
  EXPECT_EQ(KennlScrollbarAnpassen(sitzung).Daumen, 1);
}

TEST_F(KennlAnsichtTest, YZoomTakesOnlyARisingRange) {
  // Standard scaling: 0 .. 10 V over 0 .. 4095.
  ASSERT_TRUE(KennlYZoomSetzen(sitzung, 2.0, 8.0));
  EXPECT_EQ(sitzung.gKennl.YZoomMin, 819);
  EXPECT_EQ(sitzung.gKennl.YZoomMax, 3276);

  for (auto [lo, hi] : {std::pair{5.0, 5.0}, std::pair{8.0, 2.0}, std::pair{12.0, 20.0}}) {
    EXPECT_FALSE(KennlYZoomSetzen(sitzung, lo, hi)) << lo << " " << hi;
    EXPECT_EQ(sitzung.gKennl.YZoomMin, 819);
    EXPECT_EQ(sitzung.gKennl.YZoomMax, 3276);
  }
  // Beyond the range is cut to it.
  ASSERT_TRUE(KennlYZoomSetzen(sitzung, -3.0, 30.0));
  EXPECT_EQ(sitzung.gKennl.YZoomMin, 0);
  EXPECT_EQ(sitzung.gKennl.YZoomMax, 4095);

  // An unchanged field stands for its exact code, so committing it keeps the limit.
  ASSERT_TRUE(KennlYZoomSetzen(sitzung, 1.0, 9.0));
  const KennlAchse a = KennlYAchse(sitzung);
  const int vorher = sitzung.gKennl.YZoomMin;
  ASSERT_TRUE(KennlYZoomSetzen(sitzung, a.FeldMinGenau, a.FeldMaxGenau));
  EXPECT_EQ(sitzung.gKennl.YZoomMin, vorher);
}

TEST_F(KennlAnsichtTest, AxesMapRawCodesIntoTheUnits) {
  auto& k = sitzung.Konfig.gKonfig;
  k.outskalamin[0] = 100.0;
  k.outskalamax[0] = 500.0;
  std::strcpy(k.outeinheit[0], "bar");
  k.inskalamin[1] = 0.0;
  k.inskalamax[1] = 50.0;
  std::strcpy(k.ineinheit[1], "mm");
  sitzung.gKennl.XStart = 10;
  sitzung.gKennl.XEnde = 20;

  const KennlAchse y = KennlYAchse(sitzung);
  EXPECT_EQ(y.Einheit, "bar");
  EXPECT_DOUBLE_EQ(y.Versatz, 100.0);
  EXPECT_DOUBLE_EQ(y.Verstaerkung, 400.0 / 4095.0);
  EXPECT_DOUBLE_EQ(y.FeldMax, 500.0);
  const KennlAchse x = KennlXAchse(sitzung);
  EXPECT_EQ(x.Einheit, "mm");
  EXPECT_DOUBLE_EQ(x.Verstaerkung, 50.0 / 4095.0);
  EXPECT_EQ(x.Min, 10.0);
  EXPECT_EQ(x.Max, 21.0);
}

TEST_F(KennlAnsichtTest, OutputTwoFieldTakesOutputTwosUnitAndRange) {
  auto& k = sitzung.Konfig.gKonfig;
  std::strcpy(k.outeinheit[1], "A");
  k.outskalamin[1] = 20.0;
  k.outskalamax[1] = -5.0;
  const KennlAusgang2Feld f = KennlAusgang2Beschreibung(sitzung);
  EXPECT_EQ(f.Beschriftung, "analog output 2 [A]");
  EXPECT_EQ(f.Min, -5.0);
  EXPECT_EQ(f.Max, 20.0);
}

TEST_F(KennlAnsichtTest, MarkTurnsRoundWhenReleasedLeftOfItsStart) {
  KennlMarkierungBeginnen(sitzung, 300.4);
  KennlMarkierungZiehen(sitzung, 350.6);
  EXPECT_EQ(sitzung.gKennl.Mark.Ende, 351.0);
  KennlMarkierungAbschliessen(sitzung, 120.2);
  EXPECT_EQ(sitzung.gKennl.Mark.Start, 120.0);
  EXPECT_EQ(sitzung.gKennl.Mark.Ende, 300.0);
  EXPECT_TRUE(sitzung.gKennl.Mark.Aktiv);
  KennlMarkierungAufheben(sitzung);
  EXPECT_FALSE(sitzung.gKennl.Mark.Aktiv);
  KennlAllesMarkieren(sitzung);
  EXPECT_EQ(sitzung.gKennl.Mark.Start, 0.0);
  EXPECT_EQ(sitzung.gKennl.Mark.Ende, 4095.0);
  EXPECT_TRUE(sitzung.gKennl.Mark.Aktiv);
}

TEST_F(KennlAnsichtTest, LinesEndWithTheLastPointsSectionToTheRangesEnd) {
  Setze({{0, 4}, {2, 100}, {3000, 1}});
  const auto g = KennlAlleGeraden(sitzung);
  ASSERT_EQ(g.size(), 3u);
  EXPECT_FALSE(g[1].Letzte);
  EXPECT_EQ(g[1].X0, 4.0);
  EXPECT_EQ(g[1].X1, 104.0);
  EXPECT_TRUE(g[2].Letzte);
  EXPECT_EQ(g[2].X0, 104.0);
  EXPECT_EQ(g[2].X1, 4095.0);
  EXPECT_EQ(g[2].Y1, 3000.0);

  const auto sichtbar = KennlSichtbareGeraden(sitzung, 50, 60);
  ASSERT_EQ(sichtbar.size(), 1u);
  EXPECT_EQ(sichtbar[0].Index, 1);
  EXPECT_EQ(KennlSichtbareGeraden(sitzung, 200, 300).size(), 1u);
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
  sitzung.gKennl.Felder.XRaster = 1.0;  // 409.5 raw steps in the standard scaling
  const KennlAnhaengeposition v = KennlAnhaengenBei(sitzung, 600, 2000);
  ASSERT_TRUE(v.Gueltig);
  EXPECT_EQ(v.X0, 0.0);
  EXPECT_EQ(v.Y0, 100.0);
  KennlPunktAnhaengen(sitzung, 600, 2000);
  ASSERT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 2);
  EXPECT_EQ(KennlPunktX(sitzung, 1), v.X);
  EXPECT_EQ(sitzung.gKennl.Kennl.Punkte[1].Y, v.Y);

  // Beyond the range: no preview, no point.
  Setze({{100, 4095}, {5, 1}});
  sitzung.gKennl.Felder.XRaster = 0.0;
  EXPECT_FALSE(KennlAnhaengenBei(sitzung, 4095, 0).Gueltig);
}

TEST_F(KennlAnsichtTest, MovePreviewRunsThroughTheNeighbours) {
  Setze({{0, 100}, {500, 100}, {4095, 1}});
  const KennlVerschiebevorschau v = KennlVerschiebenBei(sitzung, 1, 150.2, 1000.0);
  EXPECT_EQ(v.X, 150.0);
  EXPECT_EQ(v.Y, 1000.0);
  ASSERT_TRUE(v.MitLinks && v.MitRechts);
  EXPECT_EQ(std::make_pair(v.LinksX, v.LinksY), std::make_pair(0.0, 0.0));
  EXPECT_EQ(std::make_pair(v.RechtsX, v.RechtsY), std::make_pair(200.0, 4095.0));
  // The first point keeps X 0 and has no line from the left.
  const KennlVerschiebevorschau erster = KennlVerschiebenBei(sitzung, 0, 80, 10);
  EXPECT_EQ(erster.X, 0.0);
  EXPECT_FALSE(erster.MitLinks);
}

TEST_F(KennlAnsichtTest, CommentIsKeptWholeAndPreviewedShort) {
  const std::string hundert(100, 'k');
  EXPECT_TRUE(KennlKommentarSetzen(sitzung, hundert));
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, hundert);
  EXPECT_EQ(KennlKommentarVorschau(sitzung), std::string(30, 'k'));
  EXPECT_TRUE(sitzung.gKennl.KennlinieGeaendert);

  sitzung.gKennl.KennlinieGeaendert = false;
  EXPECT_FALSE(KennlKommentarSetzen(sitzung, hundert));
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  EXPECT_TRUE(KennlKommentarSetzen(sitzung, std::string(1200, 'x')));
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar.size(), 999u);
}

}  // namespace
