// The "direkt" section of the settings file, and the fields whose values the timer and
// the chart take in their own way.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>

#include "Direktfixture.h"
#include "direct/DirektIni.h"
#include "ini/IniStore.h"

namespace directtest {
namespace {

using namespace direct;

class DirektIni : public Direkt {
 protected:
  void TearDown() override {
    ini::Ini_Dispose(store);
    Direkt::TearDown();
  }
  // Reads a settings file of these lines into a fresh start of the window.
  void Lesen(const std::string& zeilen) {
    const std::string pfad = ordner.file("settings.ini");
    std::ofstream(pfad) << "[direkt]\n" << zeilen;
    store = ini::Ini_New(1);
    ASSERT_EQ(0, ini::Ini_ReadFromFile(store, pfad.c_str()));
    DirektpanelNeu(sitzung);
    EXPECT_EQ(0, ReadIniDirektpanel(sitzung, store));
    DirektpanelInit(sitzung);
  }
  ini::IniStore* store = nullptr;
};

TEST_F(DirektIni, AZeroHidesItsTraceAndOtherValuesCountAsOne) {
  Lesen("kurve1 = 1\nkurve2 = 0\nkurve3 = 7\ngrenze1 = 4.5\ngrenze3 = NaN\n");
  EXPECT_EQ((std::array<int, 4>{1, 0, 1, 1}), Direktpanel(sitzung).plot);
  EXPECT_EQ((std::array<bool, 4>{true, false, true, true}), Direktpanel(sitzung).spurSichtbar);
  // Limits not found (or not numbers) start at the top of their output's range.
  EXPECT_EQ((std::array<double, 4>{4.5, 10.0, 10.0, 10.0}), Direktpanel(sitzung).begrenzung);
}

TEST_F(DirektIni, WhatIsWrittenIsReadBack) {
  Traceauswahl_Callback(sitzung, 0, 0);
  Traceauswahl_Callback(sitzung, 3, 0);
  BegrenzungSetzen(sitzung, 1, 2.25);
  BegrenzungSetzen(sitzung, 2, -1.5);
  store = ini::Ini_New(1);
  ASSERT_EQ(0, WriteIniDirektpanel(sitzung, store));
  std::int32_t kurve = -1;
  EXPECT_EQ(1, ini::Ini_GetInt(store, "direkt", "kurve4", &kurve));
  EXPECT_EQ(0, kurve);
  const auto vorher = Direktpanel(sitzung);
  DirektpanelNeu(sitzung);
  ASSERT_EQ(0, ReadIniDirektpanel(sitzung, store));
  EXPECT_EQ(vorher.plot, Direktpanel(sitzung).plot);
  EXPECT_EQ(vorher.spurSichtbar, Direktpanel(sitzung).spurSichtbar);
  EXPECT_EQ((std::array<double, 4>{10.0, 2.25, -1.5, 10.0}), Direktpanel(sitzung).begrenzung);
}

TEST_F(Direkt, TheTimerRunsAtTwoTenthsOfASecondAtTheLeast) {
  Abtastzeit_Callback(sitzung, 0.1);
  EXPECT_DOUBLE_EQ(0.1, Direktpanel(sitzung).abtastzeit);
  EXPECT_DOUBLE_EQ(0.2, uhr.intervall);
  Abtastzeit_Callback(sitzung, std::numeric_limits<double>::quiet_NaN());
  EXPECT_DOUBLE_EQ(0.2, uhr.intervall);
  Abtastzeit_Callback(sitzung, 1.5);
  EXPECT_DOUBLE_EQ(1.5, uhr.intervall);
}

struct Zoomfall {
  int zoomX, zoomY;
  int punkte;
  double yMax;
};

class Zoom : public Direkt, public testing::WithParamInterface<Zoomfall> {};

TEST_P(Zoom, TheChartTakesTheFieldsWithinItsLimits) {
  DirektZoom_Callback(sitzung, GetParam().zoomX, GetParam().zoomY);
  EXPECT_EQ(GetParam().zoomX, Direktpanel(sitzung).zoomX);
  EXPECT_EQ(GetParam().zoomY, Direktpanel(sitzung).zoomY);
  EXPECT_EQ(GetParam().punkte, Direktpanel(sitzung).punkteProBreite);
  EXPECT_DOUBLE_EQ(GetParam().yMax, Direktpanel(sitzung).yAchseMax);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Zoom,
                         testing::Values(Zoomfall{0, 5, 10, 10}, Zoomfall{-3, 150, 10, 100},
                                         Zoomfall{250, 40, 250, 40}));

// Two sessions share nothing: what one reads, sets and tells its listeners stays its own.
TEST_F(DirektIni, ASecondSessionKeepsItsOwnStateAndListeners) {
  direct::Direktsitzung andere;
  int angezeigt = 0;
  auto abo = andere.Anzeigemeldungen.Abonnieren([&] { ++angezeigt; });
  Lesen("kurve2 = 0\ngrenze1 = 4.5\n");
  EXPECT_EQ(0, angezeigt);
  EXPECT_EQ((std::array<int, 4>{1, 1, 1, 1}), Direktpanel(andere).plot);
  EXPECT_EQ(10.0, Direktpanel(andere).begrenzung[0]);
  BegrenzungSetzen(andere, 0, 2.0);
  EXPECT_EQ(1, angezeigt);
  EXPECT_EQ(4.5, Direktpanel(sitzung).begrenzung[0]);
}

}  // namespace
}  // namespace directtest
