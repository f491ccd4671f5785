#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "Kurvenfixture.h"
#include "curves/edit/Ansicht.h"

namespace {

class Zoom : public testsupport::Kurvenfixture {};
class Zeichnung : public testsupport::Kurvenfixture {};

TEST_F(Zoom, PlusFromStartWindow) {
  curves::ZoomPlus(sitzung);
  EXPECT_EQ(sitzung.gSicht.XStart, 1666.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 8333.0);
}

TEST_F(Zoom, PlusNeverBelowOneMicrosecond) {
  sitzung.gSicht = {100.0, 100.0};
  curves::ZoomPlus(sitzung);
  EXPECT_EQ(sitzung.gSicht.XStart, 100.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 100.0);
}

TEST_F(Zoom, MinusStopsAtZeroButNotAtCurveEnd) {
  sitzung.gSicht = {0.0, 9999.0};
  curves::ZoomMinus(sitzung);
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 14999.0);
  sitzung.gSicht = {6000.0, 7199.0};  // w 1200 -> 1800, s = 6000 - 300
  curves::ZoomMinus(sitzung);
  EXPECT_EQ(sitzung.gSicht.XStart, 5700.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 7499.0);
  sitzung.gSicht = {0.0, 0.0};  // w 1 -> 1.5: widened to 2
  curves::ZoomMinus(sitzung);
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 1.0);
}

TEST_F(Zoom, ToSelectionAndFull) {
  EXPECT_FALSE(curves::ZoomAufMarkierung(sitzung));  // inactive mark: nothing
  EXPECT_EQ(sitzung.gSicht.XEnde, 10000.0);
  sitzung.gMarkierung = {3000.0, 2000.0, true};
  EXPECT_FALSE(curves::ZoomAufMarkierung(sitzung));
  EXPECT_FALSE(sitzung.gMarkierung.Aktiv);
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  sitzung.gMarkierung = {2000.0, 5000.0, true};
  EXPECT_TRUE(curves::ZoomAufMarkierung(sitzung));
  EXPECT_EQ(sitzung.gSicht.XStart, 2000.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 4999.0);
  EXPECT_FALSE(sitzung.gMarkierung.Aktiv);
  Setze({{0, 30, 1, {}}, {0, 1, 1, {}}});
  curves::ZoomVoll(sitzung);
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 30999.0);
}

TEST_F(Zoom, ScrollBarThumbAndPosition) {
  Setze({{0, 100, 1, {}}});  // 100 000 µs
  sitzung.gSicht = {0.0, 9999.0};
  auto b = curves::ScrollbarAnpassen(sitzung);
  EXPECT_EQ(b.Daumen, 10);
  EXPECT_EQ(b.Position, 0);
  sitzung.gSicht = {45000.0, 54999.0};
  b = curves::ScrollbarAnpassen(sitzung);
  EXPECT_EQ(b.Position, 50);  // 100 * 45000 / 90000
  sitzung.gSicht = {90000.0, 99999.0};
  EXPECT_EQ(curves::ScrollbarAnpassen(sitzung).Position, 100);
  sitzung.gSicht = {200000.0, 209999.0};  // past the end
  EXPECT_EQ(curves::ScrollbarAnpassen(sitzung).Position, 100);
  sitzung.gSicht = {0.0, 99.0};  // 0.1 %: at least 1
  EXPECT_EQ(curves::ScrollbarAnpassen(sitzung).Daumen, 1);
  sitzung.gSicht = {0.0, 99999.0};  // the whole curve: no division by zero
  b = curves::ScrollbarAnpassen(sitzung);
  EXPECT_EQ(b.Daumen, 100);
  EXPECT_EQ(b.Position, 0);
  sitzung.gSicht = {0.0, 299999.0};
  b = curves::ScrollbarAnpassen(sitzung);
  EXPECT_EQ(b.Daumen, 100);
  EXPECT_EQ(b.Position, 0);
}

TEST_F(Zoom, ScrollMovesOnlyAfterMovement) {
  Setze({{0, 100, 1, {}}});
  sitzung.gSicht = {0.0, 9999.0};
  EXPECT_FALSE(curves::ScrollbarLosgelassen(sitzung, 50, false));
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  EXPECT_TRUE(curves::ScrollbarLosgelassen(sitzung, 50, true));
  EXPECT_EQ(sitzung.gSicht.XStart, 45000.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 54999.0);
  sitzung.gSicht = {0.0, 199999.0};  // wider than the curve: never before 0
  curves::ScrollbarLosgelassen(sitzung, 70, true);
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 199999.0);
}

TEST_F(Zeichnung, StepsOfFourUnitLine) {
  const auto z = curves::StufenZeichnen(0.0, 0.0, 4000.0, 100.0, 1);
  EXPECT_EQ(z.Y, (std::vector<double>{0, 25, 50, 75}));
  EXPECT_EQ(z.X, (std::vector<double>{1000, 2000, 3000, 4000}));
  EXPECT_EQ(z.AnfangX0, 0.0);
  EXPECT_EQ(z.AnfangX1, 1000.0);
  EXPECT_EQ(z.AnfangY, 0.0);
  EXPECT_EQ(z.EndeX, 4000.0);
  EXPECT_EQ(z.EndeY0, 75.0);
  EXPECT_EQ(z.EndeY1, 100.0);
}

TEST_F(Zeichnung, StepsRoundAndFall) {
  const auto z = curves::StufenZeichnen(10000.0, 4095.0, 10750.0, 0.0, 9);
  EXPECT_EQ(z.Y, (std::vector<double>{4095, 2730, 1365}));
  EXPECT_EQ(z.X.back(), 10750.0);
}

TEST_F(Zeichnung, StepsRefuseBadInputAndFailedAllocation) {
  EXPECT_TRUE(curves::StufenZeichnen(0.0, 0.0, 4000.0, 1.0, 0).Leer());
  EXPECT_TRUE(curves::StufenZeichnen(4000.0, 0.0, 4000.0, 1.0, 1).Leer());
  EXPECT_TRUE(curves::StufenZeichnen(0.0, 0.0, INFINITY, 1.0, 1).Leer());
  EXPECT_TRUE(bediener.messages.empty());
  curves::AllokationsfehlerAusloesen(1);
  EXPECT_TRUE(curves::StufenZeichnen(0.0, 0.0, 4000.0, 100.0, 1).Leer());
  EXPECT_EQ(bediener.lastMessageTitle(), "Error");
  EXPECT_EQ(bediener.lastMessageText(), "Memory allocation failed");
}

TEST_F(Zeichnung, VisibleLines) {
  // Lines end at 10000, 20000, 30000 and the closing line at 31000.
  Setze({{0, 10, 1, {}}, {100, 10, 1, {}}, {200, 10, 1, {}}, {300, 1, 1, {}}});
  auto l = curves::SichtbareGeraden(sitzung.gKurven.Kurven[0], 10000.0, 19999.0);
  ASSERT_EQ(l.size(), 2u);  // the line ending exactly at the start is drawn
  EXPECT_EQ(l[0].Index, 0);
  EXPECT_EQ(l[1].Index, 1);
  l = curves::SichtbareGeraden(sitzung.gKurven.Kurven[0], 10001.0, 20000.0);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l[0].Index, 1);
  EXPECT_EQ(l[1].Index, 2);  // first line ending after 20000
  l = curves::SichtbareGeraden(sitzung.gKurven.Kurven[0], 25000.0, 90000.0);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_TRUE(l[1].Schlusslinie);
  EXPECT_EQ(l[1].X0, 30000.0);
  EXPECT_EQ(l[1].X1, 31000.0);
  EXPECT_EQ(l[1].Y1, 0.0);  // back to the first point
  EXPECT_TRUE(curves::SichtbareGeraden(sitzung.gKurven.Kurven[0], 31001.0, 40000.0).empty());
  EXPECT_EQ(curves::AlleGeraden(sitzung.gKurven.Kurven[0]).size(), 4u);
}

TEST_F(Zeichnung, DrawAndMovePreview) {
  Setze({{0, 10, 1, {}}, {100, 10, 1, {}}, {200, 1, 1, {}}});
  auto z = curves::ZeichenVorschau(sitzung, 26400.0, 300.4, 2);
  EXPECT_EQ(z.X0, 20000.0);
  EXPECT_EQ(z.Y0, 200.0);
  EXPECT_EQ(z.X, 26000.0);
  EXPECT_EQ(z.Y, 300.0);
  z = curves::ZeichenVorschau(sitzung, 100.0, 300.0, 2);  // at least one unit
  EXPECT_EQ(z.X, 22000.0);

  auto v = curves::VerschiebeVorschau(sitzung, 1, 12300.0, 50.0);
  EXPECT_EQ(v.X, 12000.0);
  EXPECT_EQ(v.Y, 50.0);
  EXPECT_TRUE(v.MitLinks && v.MitRechts);
  EXPECT_EQ(v.LinksX, 0.0);
  EXPECT_EQ(v.RechtsX, 20000.0);
  EXPECT_EQ(v.RechtsY, 200.0);
  v = curves::VerschiebeVorschau(sitzung, 0, 5000.0, 50.0);
  EXPECT_EQ(v.X, 0.0);
  EXPECT_FALSE(v.MitLinks);
  v = curves::VerschiebeVorschau(sitzung, 2, 25000.0, 50.0);
  EXPECT_FALSE(v.MitRechts);
  EXPECT_EQ(v.X, 25000.0);
}

TEST_F(Zeichnung, TimeBaseMarkers) {
  Setze({{0, 10, 1, {}}, {0, 2, 1, {}}, {0, 3, 4, {}}, {0, 1, 4, {}}, {0, 1, 9, {}}});
  const auto m = curves::ZeitbasisMarken(sitzung.gKurven.Kurven[0]);
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0].X, 0.0);
  EXPECT_EQ(m[0].Zeitbasis, 1);
  EXPECT_FALSE(m[0].MitLinie);
  EXPECT_EQ(m[1].X, 12000.0);
  EXPECT_EQ(m[1].Zeitbasis, 4);
  EXPECT_EQ(m[2].X, 52000.0);
  EXPECT_EQ(m[2].Zeitbasis, 9);
}

TEST_F(Zeichnung, YAxisAndZoomFields) {
  sitzung.Konfig.gKonfig.outskalamin[0] = -50.0;
  sitzung.Konfig.gKonfig.outskalamax[0] = 50.0;
  std::snprintf(sitzung.Konfig.gKonfig.outeinheit[0], 9, "bar");
  sitzung.gKurven.Ruhezustand[0] = 4095;
  auto a = curves::YAchseSkalieren(sitzung, 0);
  EXPECT_EQ(a.Versatz, -50.0);
  EXPECT_NEAR(a.Verstaerkung, 100.0 / 4095, 1e-15);
  EXPECT_EQ(a.Einheit, "bar");
  EXPECT_EQ(a.RuhezustandBeschriftung, "inactive state [bar]");
  EXPECT_NEAR(a.Ruhezustand, 50.0, 1e-12);
  EXPECT_EQ(a.Min, 0);
  EXPECT_EQ(a.Max, 4095);

  EXPECT_TRUE(curves::YZoomSetzen(sitzung, 0.0, 100.0));  // 2047.5 -> 2047; above the top -> 4095
  EXPECT_EQ(sitzung.gKurven.YZoomMin[0], 2047);
  EXPECT_EQ(sitzung.gKurven.YZoomMax[0], 4095);
  EXPECT_FALSE(curves::YZoomSetzen(sitzung, 10.0, 0.0));  // lower above upper: limits stay
  EXPECT_FALSE(curves::YZoomSetzen(sitzung, NAN, 0.0));
  EXPECT_EQ(sitzung.gKurven.YZoomMin[0], 2047);
  a = curves::YAchseSkalieren(sitzung, 0);
  EXPECT_NEAR(a.FeldMin, -0.0122, 1e-4);
}

// An unchanged zoom field stands for the middle of its code, so committing it keeps the
// limit however the unit conversion rounds the shown value.
TEST_F(Zeichnung, UnchangedZoomFieldsKeepTheirLimits) {
  sitzung.Konfig.gKonfig.outskalamin[0] = 0.0;
  sitzung.Konfig.gKonfig.outskalamax[0] = 3.0;
  sitzung.gKurven.YZoomMin[0] = 1001;
  sitzung.gKurven.YZoomMax[0] = 3999;
  const auto a = curves::YAchseSkalieren(sitzung, 0);
  EXPECT_NEAR(a.FeldMinGenau, 1001.5 * 3.0 / 4095, 1e-12);
  EXPECT_NEAR(a.FeldMaxGenau, 3999.5 * 3.0 / 4095, 1e-12);
  ASSERT_TRUE(curves::YZoomSetzen(sitzung, a.FeldMinGenau, a.FeldMaxGenau));
  EXPECT_EQ(sitzung.gKurven.YZoomMin[0], 1001);
  EXPECT_EQ(sitzung.gKurven.YZoomMax[0], 3999);
}

TEST_F(Zoom, ResetGivesTheStartViewAndPlotArea) {
  sitzung.gSicht = {5000.0, 6000.0};
  curves::ZeichenflaecheSetzen(sitzung, 1234.0, 321.0);
  EXPECT_EQ(sitzung.gZeichenflaeche.BreitePx, 1234.0);
  EXPECT_EQ(sitzung.gZeichenflaeche.HoehePx, 321.0);
  curves::SichtZuruecksetzen(sitzung);
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 10000.0);
  EXPECT_EQ(sitzung.gZeichenflaeche.BreitePx, 1234.0);  // the view only
  curves::AnsichtZuruecksetzen(sitzung);
  EXPECT_EQ(sitzung.gZeichenflaeche.BreitePx, 800.0);
  EXPECT_EQ(sitzung.gZeichenflaeche.HoehePx, 400.0);
}

}  // namespace
