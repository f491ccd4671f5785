#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "curves/edit/Ansicht.h"
#include "curves/edit/Markierung.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Titel.h"
#include "support/ScriptedOperator.h"

namespace {

using curves::Kurvenpunkt;

class ModellTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(curves::KurvenModellInitialisieren(sitzung), 0); }
  void TearDown() override { curves::AllokationsfehlerAusloesen(0); }

  // Curve 1 as the given points.
  void Setze(std::vector<Kurvenpunkt> punkte) { sitzung.gKurven.Kurven[0].Punkte = punkte; }

  curves::Kurvensitzung sitzung;
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
    ASSERT_EQ(sitzung.gKurven.Kurven[c].Punktanzahl(), 1);
    EXPECT_EQ(sitzung.gKurven.Kurven[c].Punkte[0].Laenge, 1);
    EXPECT_EQ(sitzung.gKurven.Kurven[c].Punkte[0].Zeitbasis, 4);
    EXPECT_EQ(curves::Kurvenlaenge(sitzung, c), 10000.0);
    EXPECT_EQ(sitzung.gKurven.YZoomMax[c], 4095);
    EXPECT_EQ(sitzung.gKurven.Historien[c].Slots[9].Punkte.size(), 1u);
  }
  EXPECT_TRUE(sitzung.gKurven.Zwischenspeicher.empty());
  EXPECT_EQ(sitzung.gSicht.XStart, 0.0);
  EXPECT_EQ(sitzung.gSicht.XEnde, 10000.0);
}

TEST_F(ModellTest, MemoryRequirementOfFreshCurves) {
  EXPECT_EQ(curves::Speicherbedarf(sitzung), 40);
  const auto anzeige = curves::SpeicherbedarfAnzeigen(sitzung);
  EXPECT_NEAR(anzeige.Prozent, 40.0 / 61440.0 * 100.0 + 0.05, 1e-12);
  EXPECT_NEAR(anzeige.Prozent, 0.115, 0.001);
  EXPECT_EQ(anzeige.Farbe, curves::kFarbeGrau);
}

TEST_F(ModellTest, MemoryFieldTurnsRedAboveHundredPercent) {
  // 32 + 2 * (4 curves' units) bytes; 61440 bytes are 100 %.
  Setze({{0, 30700, 1, {}}});  // 32 + 61400 + 6 = 61438 bytes: 99.997 + 0.05 %
  EXPECT_EQ(curves::Speicherbedarf(sitzung), 61438);
  EXPECT_EQ(curves::SpeicherbedarfAnzeigen(sitzung).Farbe, curves::kFarbeRot);
  Setze({{0, 30650, 1, {}}});  // 99.83 + 0.05 %
  EXPECT_EQ(curves::SpeicherbedarfAnzeigen(sitzung).Farbe, curves::kFarbeGrau);
}

TEST_F(ModellTest, StartTimesAndLineAtTime) {
  // Lines: 0..2000 (2 x 1ms), 2000..12000 (1 x 10ms), closing 12000..12250 (250us).
  Setze({{0, 2, 1, {}}, {100, 1, 4, {}}, {200, 1, 9, {}}});
  EXPECT_EQ(curves::PunktStartzeit(sitzung, 0), 0.0);
  EXPECT_EQ(curves::PunktStartzeit(sitzung, 1), 2000.0);
  EXPECT_EQ(curves::PunktStartzeit(sitzung, 2), 12000.0);
  EXPECT_EQ(curves::PunktStartzeit(sitzung, 3), 12250.0);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 12250.0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, -5.0), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 0.0), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 1999.0), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 1999.9), 0);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 2000.0), 1);  // a line's end belongs to the next
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 11999.0), 1);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 12000.0), 2);
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 12250.0), 2);  // past the end: the last point
  EXPECT_EQ(curves::GeradenIndexBeiZeit(sitzung, 1e9), 2);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 4), 0.0);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, -1), 0.0);
}

TEST_F(ModellTest, ResizingPointsAndItsFailure) {
  Setze({{7, 3, 1, {}}, {9, 4, 2, {}}});
  ASSERT_EQ(curves::PunkteAllokieren(sitzung, 0, 4), 0);
  ASSERT_EQ(sitzung.gKurven.Kurven[0].Punktanzahl(), 4);
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[1].Y, 9);
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[3].Laenge, 0);

  curves::AllokationsfehlerAusloesen(1);
  EXPECT_EQ(curves::PunkteAllokieren(sitzung, 0, 100), -600403);
  ASSERT_EQ(sitzung.gKurven.Kurven[0].Punktanzahl(), 4);
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[0].Y, 7);
  EXPECT_EQ(curves::PunkteAllokieren(sitzung, 0, 100), 0);  // one failure only

  EXPECT_EQ(curves::PunkteAllokieren(sitzung, 0, 0), -600403);
  EXPECT_EQ(curves::PunkteAllokieren(sitzung, 0, -3), -600403);
  EXPECT_EQ(curves::PunkteAllokieren(sitzung, 4, 2), -600403);
  EXPECT_EQ(curves::PunkteAllokieren(sitzung, -1, 2), -600403);
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punktanzahl(), 100);
}

TEST_F(ModellTest, StartUpFailureAtAnyAllocationLeavesDataAlone) {
  // 4 curves x (comment + points + 10 slots) = 48 allocations at start.
  Setze({{55, 5, 2, {}}});
  for (int schritt = 0; schritt < 48; ++schritt) {
    curves::AllokationsfehlerAusloesen(1, schritt);
    EXPECT_EQ(curves::KurvenModellInitialisieren(sitzung), -600402) << "allocation " << schritt;
    ASSERT_EQ(sitzung.gKurven.Kurven[0].Punktanzahl(), 1);
    EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[0].Y, 55);
  }
  curves::AllokationsfehlerAusloesen(1, 48);
  EXPECT_EQ(curves::KurvenModellInitialisieren(sitzung), 0);
  EXPECT_EQ(curves::AusstehendeAllokationsfehler(), 1);  // 48 were enough
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[0].Y, 0);
}

TEST_F(ModellTest, NewResetsCurvesButKeepsHistoryGridAndZoom) {
  Setze({{10, 5, 1, {}}, {20, 3, 1, {}}});
  sitzung.gKurven.Kurven[2].Kommentar = "ramp";
  sitzung.gKurven.Zyklen[1] = 3;
  sitzung.gKurven.Ruhezustand[3] = 400;
  sitzung.gKurven.YRaster[0] = 0.5;
  sitzung.gKurven.YZoomMax[0] = 2000;
  sitzung.gKurven.Historien[0].AnzahlRueckgaengig = 2;
  sitzung.gKurven.KurvenGeaendert = true;
  curves::Fenstertitel(sitzung, "/x/y.wur");

  EXPECT_EQ(curves::KurvenNeu(sitzung), 0);
  for (int c = 0; c < curves::kKurven; ++c) {
    ASSERT_EQ(sitzung.gKurven.Kurven[c].Punktanzahl(), 1);
    EXPECT_EQ(sitzung.gKurven.Kurven[c].Punkte[0].Y, 0);
    EXPECT_EQ(curves::Kurvenlaenge(sitzung, c), 10000.0);
    EXPECT_TRUE(sitzung.gKurven.Kurven[c].Kommentar.empty());
    EXPECT_EQ(sitzung.gKurven.Zyklen[c], 0);
    EXPECT_EQ(sitzung.gKurven.Ruhezustand[c], 0);
  }
  EXPECT_EQ(sitzung.gKurven.YRaster[0], 0.5);
  EXPECT_EQ(sitzung.gKurven.YZoomMax[0], 2000);
  EXPECT_EQ(sitzung.gKurven.Historien[0].AnzahlRueckgaengig, 2);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ(curves::FenstertitelText(sitzung), "Curve generator");
}

TEST_F(ModellTest, ReleaseFreesAndStartUpRestores) {
  curves::KurvenModellFreigeben(sitzung);
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte.capacity(), 0u);
  EXPECT_EQ(sitzung.gKurven.Historien[3].Slots[9].Punkte.capacity(), 0u);
  EXPECT_EQ(curves::KurvenModellInitialisieren(sitzung), 0);
  EXPECT_EQ(sitzung.gKurven.Kurven[3].Punktanzahl(), 1);
}

TEST_F(ModellTest, CurveSwitchTakesOnlyTheFourCurves) {
  EXPECT_TRUE(curves::AktuelleKurveSetzen(sitzung, 2));
  EXPECT_EQ(sitzung.gKurven.AktuelleKurve, 2);
  EXPECT_EQ(&curves::AktuelleKurveDaten(sitzung), &sitzung.gKurven.Kurven[2]);
  for (int falsch : {-1, 4, 100}) {
    EXPECT_FALSE(curves::AktuelleKurveSetzen(sitzung, falsch));
    EXPECT_EQ(sitzung.gKurven.AktuelleKurve, 2);
  }
  curves::YRasterSetzen(sitzung, 0.25);
  EXPECT_EQ(sitzung.gKurven.YRaster[2], 0.25);
  EXPECT_EQ(sitzung.gKurven.YRaster[0], 0.0);
}

TEST_F(ModellTest, OnlyADifferentCommentMarksTheCurvesChanged) {
  curves::AktuelleKurveSetzen(sitzung, 1);
  EXPECT_FALSE(curves::KommentarSetzen(sitzung, ""));
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_TRUE(curves::KommentarSetzen(sitzung, "ramp up"));
  EXPECT_EQ(sitzung.gKurven.Kurven[1].Kommentar, "ramp up");
  EXPECT_TRUE(sitzung.gKurven.Kurven[0].Kommentar.empty());
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  sitzung.gKurven.KurvenGeaendert = false;
  EXPECT_FALSE(curves::KommentarSetzen(sitzung, "ramp up"));
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
}

// Two sessions share nothing: a new one starts fresh whatever the other holds, and
// its news reach only its own listeners.
TEST_F(ModellTest, NewSessionStartsFreshBesideAUsedOne) {
  Setze({{10, 5, 1, {}}, {20, 3, 1, {}}});
  sitzung.gKurven.AktuelleKurve = 3;
  sitzung.gKurven.KurvenGeaendert = true;
  sitzung.gSicht = {500.0, 700.0};
  curves::ZeichenflaecheSetzen(sitzung, 10.0, 10.0);
  sitzung.gMarkierung = {1.0, 2.0, true};
  int titel = 0;
  auto abo = sitzung.Titelmeldungen.Abonnieren([&](const std::string&) { ++titel; });
  curves::Fenstertitel(sitzung, "/x/y.wur");

  curves::Kurvensitzung neu;
  EXPECT_EQ(curves::KurvenModellInitialisieren(neu), 0);
  curves::Fenstertitel(neu, "");
  EXPECT_EQ(titel, 1);
  EXPECT_EQ(neu.gKurven.Kurven[0].Punktanzahl(), 1);
  EXPECT_EQ(neu.gKurven.AktuelleKurve, 0);
  EXPECT_FALSE(neu.gKurven.KurvenGeaendert);
  EXPECT_EQ(neu.gSicht.XStart, 0.0);
  EXPECT_EQ(neu.gSicht.XEnde, 10000.0);
  EXPECT_EQ(neu.gZeichenflaeche.BreitePx, 800.0);
  EXPECT_FALSE(neu.gMarkierung.Aktiv);
  EXPECT_TRUE(curves::AktuellerDateiname(neu).empty());
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punktanzahl(), 2);
  EXPECT_EQ(curves::AktuellerDateiname(sitzung), "/x/y.wur");
}

}  // namespace
