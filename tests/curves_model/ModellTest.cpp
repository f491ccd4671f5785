#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "curves/edit/Ansicht.h"
#include "curves/edit/Kurvenzustand.h"
#include "curves/edit/Markierung.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Titel.h"
#include "support/ScriptedOperator.h"

namespace {

using curves::gKurven;
using curves::Kurvenpunkt;

class ModellTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(curves::KurvenZustandZuruecksetzen(), 0); }
  void TearDown() override { curves::AllokationsfehlerAusloesen(0); }

  // Curve 1 as the given points.
  static void Setze(std::vector<Kurvenpunkt> punkte) { gKurven.Kurven[0].Punkte = punkte; }

  testsupport::ScriptedOperator bediener;
};

TEST(Zeitbasis, TableNamesAndMicroseconds) {
  const char* namen[] = {"1ms", "2ms", "5ms", "10ms", "50ms", "100ms", "500ms", "1s", "250us"};
  const double us[] = {1e3, 2e3, 5e3, 1e4, 5e4, 1e5, 5e5, 1e6, 250};
  for (int code = 1; code <= 9; ++code) {
    EXPECT_STREQ(curves::ZeitbasisName(code), namen[code - 1]);
    EXPECT_EQ(curves::ZeitbasisInMikrosekunden(code), us[code - 1]);
    EXPECT_EQ(curves::ZeitbasisAusName(namen[code - 1]), code);
  }
  EXPECT_EQ(curves::kZeitbasisListe.front(), 9);
}

TEST(Zeitbasis, UnknownCodesAndNamesAreRefused) {
  for (int code : {0, -1, 10, 127}) {
    EXPECT_STREQ(curves::ZeitbasisName(code), " ");
    EXPECT_EQ(curves::ZeitbasisInMikrosekunden(code), 0.0);
  }
  EXPECT_EQ(curves::ZeitbasisAusName("1S"), 0);
  EXPECT_EQ(curves::ZeitbasisAusName("1ms "), 0);
  EXPECT_EQ(curves::ZeitbasisAusName(""), 0);
  EXPECT_EQ(curves::ZeitbasisAusName(nullptr), 0);
}

TEST_F(ModellTest, FreshModelHoldsDefaultCurves) {
  for (int c = 0; c < curves::kKurven; ++c) {
    ASSERT_EQ(gKurven.Kurven[c].Punktanzahl(), 1);
    EXPECT_EQ(gKurven.Kurven[c].Punkte[0].Laenge, 1);
    EXPECT_EQ(gKurven.Kurven[c].Punkte[0].Zeitbasis, 4);
    EXPECT_EQ(curves::Kurvenlaenge(c), 10000.0);
    EXPECT_EQ(gKurven.YZoomMax[c], 4095);
    EXPECT_EQ(gKurven.Historien[c].Slots[9].Punkte.size(), 1u);
  }
  EXPECT_TRUE(gKurven.Zwischenspeicher.empty());
  EXPECT_EQ(curves::gSicht.XStart, 0.0);
  EXPECT_EQ(curves::gSicht.XEnde, 10000.0);
}

TEST_F(ModellTest, MemoryRequirementOfFreshCurves) {
  EXPECT_EQ(curves::Speicherbedarf(), 40);
  const auto anzeige = curves::SpeicherbedarfAnzeigen();
  EXPECT_NEAR(anzeige.Prozent, 40.0 / 61440.0 * 100.0 + 0.05, 1e-12);
  EXPECT_NEAR(anzeige.Prozent, 0.115, 0.001);
  EXPECT_EQ(anzeige.Farbe, curves::kFarbeGrau);
}

TEST_F(ModellTest, MemoryFieldTurnsRedAboveHundredPercent) {
  // 32 + 2 * (4 curves' units) bytes; 61440 bytes are 100 %.
  Setze({{0, 30700, 1, {}}});  // 32 + 61400 + 6 = 61438 bytes: 99.997 + 0.05 %
  EXPECT_EQ(curves::Speicherbedarf(), 61438);
  EXPECT_EQ(curves::SpeicherbedarfAnzeigen().Farbe, curves::kFarbeRot);
  Setze({{0, 30650, 1, {}}});  // 99.83 + 0.05 %
  EXPECT_EQ(curves::SpeicherbedarfAnzeigen().Farbe, curves::kFarbeGrau);
}

TEST_F(ModellTest, StartTimesAndLineAtTime) {
  // Lines: 0..2000 (2 x 1ms), 2000..12000 (1 x 10ms), closing 12000..12250 (250us).
  Setze({{0, 2, 1, {}}, {100, 1, 4, {}}, {200, 1, 9, {}}});
  EXPECT_EQ(curves::PunktStartzeit(0), 0.0);
  EXPECT_EQ(curves::PunktStartzeit(1), 2000.0);
  EXPECT_EQ(curves::PunktStartzeit(2), 12000.0);
  EXPECT_EQ(curves::PunktStartzeit(3), 12250.0);
  EXPECT_EQ(curves::Kurvenlaenge(0), 12250.0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(-5.0), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(0.0), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(1999.0), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(1999.9), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(2000.0), 1);  // a line's end belongs to the next
  EXPECT_EQ(curves::GeradenIndexBeiZeit(11999.0), 1);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(12000.0), 2);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(12250.0), 2);  // past the end: the last point
  EXPECT_EQ(curves::GeradenIndexBeiZeit(1e9), 2);
  EXPECT_EQ(curves::Kurvenlaenge(4), 0.0);
  EXPECT_EQ(curves::Kurvenlaenge(-1), 0.0);
}

TEST_F(ModellTest, ResizingPointsAndItsFailure) {
  Setze({{7, 3, 1, {}}, {9, 4, 2, {}}});
  ASSERT_EQ(curves::PunkteAllokieren(0, 4), 0);
  ASSERT_EQ(gKurven.Kurven[0].Punktanzahl(), 4);
  EXPECT_EQ(gKurven.Kurven[0].Punkte[1].Y, 9);
  EXPECT_EQ(gKurven.Kurven[0].Punkte[3].Laenge, 0);

  curves::AllokationsfehlerAusloesen(1);
  EXPECT_EQ(curves::PunkteAllokieren(0, 100), -600403);
  ASSERT_EQ(gKurven.Kurven[0].Punktanzahl(), 4);
  EXPECT_EQ(gKurven.Kurven[0].Punkte[0].Y, 7);
  EXPECT_EQ(curves::PunkteAllokieren(0, 100), 0);  // one failure only

  EXPECT_EQ(curves::PunkteAllokieren(0, 0), -600403);
  EXPECT_EQ(curves::PunkteAllokieren(0, -3), -600403);
  EXPECT_EQ(curves::PunkteAllokieren(4, 2), -600403);
  EXPECT_EQ(curves::PunkteAllokieren(-1, 2), -600403);
  EXPECT_EQ(gKurven.Kurven[0].Punktanzahl(), 100);
}

TEST_F(ModellTest, StartUpFailureAtAnyAllocationLeavesDataAlone) {
  // 4 curves x (comment + points + 10 slots) = 48 allocations at start.
  Setze({{55, 5, 2, {}}});
  for (int schritt = 0; schritt < 48; ++schritt) {
    curves::AllokationsfehlerAusloesen(1, schritt);
    EXPECT_EQ(curves::KurvenModellInitialisieren(), -600402) << "allocation " << schritt;
    ASSERT_EQ(gKurven.Kurven[0].Punktanzahl(), 1);
    EXPECT_EQ(gKurven.Kurven[0].Punkte[0].Y, 55);
  }
  curves::AllokationsfehlerAusloesen(1, 48);
  EXPECT_EQ(curves::KurvenModellInitialisieren(), 0);
  EXPECT_EQ(curves::AusstehendeAllokationsfehler(), 1);  // 48 were enough
  EXPECT_EQ(gKurven.Kurven[0].Punkte[0].Y, 0);
}

TEST_F(ModellTest, NewResetsCurvesButKeepsHistoryGridAndZoom) {
  Setze({{10, 5, 1, {}}, {20, 3, 1, {}}});
  gKurven.Kurven[2].Kommentar = "ramp";
  gKurven.Zyklen[1] = 3;
  gKurven.Ruhezustand[3] = 400;
  gKurven.YRaster[0] = 0.5;
  gKurven.YZoomMax[0] = 2000;
  gKurven.Historien[0].AnzahlRueckgaengig = 2;
  gKurven.KurvenGeaendert = true;
  curves::Fenstertitel("/x/y.wur");

  EXPECT_EQ(curves::KurvenNeu(), 0);
  for (int c = 0; c < curves::kKurven; ++c) {
    ASSERT_EQ(gKurven.Kurven[c].Punktanzahl(), 1);
    EXPECT_EQ(gKurven.Kurven[c].Punkte[0].Y, 0);
    EXPECT_EQ(curves::Kurvenlaenge(c), 10000.0);
    EXPECT_TRUE(gKurven.Kurven[c].Kommentar.empty());
    EXPECT_EQ(gKurven.Zyklen[c], 0);
    EXPECT_EQ(gKurven.Ruhezustand[c], 0);
  }
  EXPECT_EQ(gKurven.YRaster[0], 0.5);
  EXPECT_EQ(gKurven.YZoomMax[0], 2000);
  EXPECT_EQ(gKurven.Historien[0].AnzahlRueckgaengig, 2);
  EXPECT_TRUE(gKurven.KurvenGeaendert);
  EXPECT_EQ(curves::FenstertitelText(), "Curve generator");
}

TEST_F(ModellTest, ReleaseFreesAndStartUpRestores) {
  curves::KurvenModellFreigeben();
  EXPECT_EQ(gKurven.Kurven[0].Punkte.capacity(), 0u);
  EXPECT_EQ(gKurven.Historien[3].Slots[9].Punkte.capacity(), 0u);
  EXPECT_EQ(curves::KurvenModellInitialisieren(), 0);
  EXPECT_EQ(gKurven.Kurven[3].Punktanzahl(), 1);
}

TEST_F(ModellTest, CurveSwitchTakesOnlyTheFourCurves) {
  EXPECT_TRUE(curves::AktuelleKurveSetzen(2));
  EXPECT_EQ(gKurven.AktuelleKurve, 2);
  EXPECT_EQ(&curves::AktuelleKurveDaten(), &gKurven.Kurven[2]);
  for (int falsch : {-1, 4, 100}) {
    EXPECT_FALSE(curves::AktuelleKurveSetzen(falsch));
    EXPECT_EQ(gKurven.AktuelleKurve, 2);
  }
  curves::YRasterSetzen(0.25);
  EXPECT_EQ(gKurven.YRaster[2], 0.25);
  EXPECT_EQ(gKurven.YRaster[0], 0.0);
}

TEST_F(ModellTest, OnlyADifferentCommentMarksTheCurvesChanged) {
  curves::AktuelleKurveSetzen(1);
  EXPECT_FALSE(curves::KommentarSetzen(""));
  EXPECT_FALSE(gKurven.KurvenGeaendert);
  EXPECT_TRUE(curves::KommentarSetzen("ramp up"));
  EXPECT_EQ(gKurven.Kurven[1].Kommentar, "ramp up");
  EXPECT_TRUE(gKurven.Kurven[0].Kommentar.empty());
  EXPECT_TRUE(gKurven.KurvenGeaendert);
  gKurven.KurvenGeaendert = false;
  EXPECT_FALSE(curves::KommentarSetzen("ramp up"));
  EXPECT_FALSE(gKurven.KurvenGeaendert);
}

// Whatever a test or a run left behind, the reset gives the state of a fresh start.
TEST_F(ModellTest, ResetOfTheWholeCurveStateLeavesNothingBehind) {
  Setze({{10, 5, 1, {}}, {20, 3, 1, {}}});
  gKurven.AktuelleKurve = 3;
  gKurven.KurvenGeaendert = true;
  curves::gSicht = {500.0, 700.0};
  curves::ZeichenflaecheSetzen(10.0, 10.0);
  curves::gMarkierung = {1.0, 2.0, true};
  int titel = 0;
  curves::FenstertitelBinden([&](const std::string&) { ++titel; });
  curves::Fenstertitel("/x/y.wur");
  curves::AllokationsfehlerAusloesen(5);

  const int vorher = titel;
  EXPECT_EQ(curves::KurvenZustandZuruecksetzen(), 0);
  EXPECT_EQ(titel, vorher);  // unbound before the name was cleared
  EXPECT_EQ(curves::AusstehendeAllokationsfehler(), 0);
  EXPECT_EQ(gKurven.Kurven[0].Punktanzahl(), 1);
  EXPECT_EQ(gKurven.AktuelleKurve, 0);
  EXPECT_FALSE(gKurven.KurvenGeaendert);
  EXPECT_EQ(curves::gSicht.XStart, 0.0);
  EXPECT_EQ(curves::gSicht.XEnde, 10000.0);
  EXPECT_EQ(curves::gZeichenflaeche.BreitePx, 800.0);
  EXPECT_FALSE(curves::gMarkierung.Aktiv);
  EXPECT_TRUE(curves::AktuellerDateiname().empty());
}

}  // namespace
