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
    DirektpanelNeu();
    EXPECT_EQ(0, ReadIniDirektpanel(store));
    DirektpanelInit();
  }
  ini::IniStore* store = nullptr;
};

TEST_F(DirektIni, AZeroHidesItsTraceAndOtherValuesCountAsOne) {
  Lesen("kurve1 = 1\nkurve2 = 0\nkurve3 = 7\ngrenze1 = 4.5\ngrenze3 = NaN\n");
  EXPECT_EQ((std::array<int, 4>{1, 0, 1, 1}), Direktpanel().plot);
  EXPECT_EQ((std::array<bool, 4>{true, false, true, true}), Direktpanel().spurSichtbar);
  // Limits not found (or not numbers) start at the top of their output's range.
  EXPECT_EQ((std::array<double, 4>{4.5, 10.0, 10.0, 10.0}), Direktpanel().begrenzung);
}

TEST_F(DirektIni, WhatIsWrittenIsReadBack) {
  Traceauswahl_Callback(0, 0);
  Traceauswahl_Callback(3, 0);
  BegrenzungSetzen(1, 2.25);
  BegrenzungSetzen(2, -1.5);
  store = ini::Ini_New(1);
  ASSERT_EQ(0, WriteIniDirektpanel(store));
  std::int32_t kurve = -1;
  EXPECT_EQ(1, ini::Ini_GetInt(store, "direkt", "kurve4", &kurve));
  EXPECT_EQ(0, kurve);
  const auto vorher = Direktpanel();
  DirektpanelNeu();
  ASSERT_EQ(0, ReadIniDirektpanel(store));
  EXPECT_EQ(vorher.plot, Direktpanel().plot);
  EXPECT_EQ(vorher.spurSichtbar, Direktpanel().spurSichtbar);
  EXPECT_EQ((std::array<double, 4>{10.0, 2.25, -1.5, 10.0}), Direktpanel().begrenzung);
}

TEST_F(Direkt, TheTimerRunsAtTwoTenthsOfASecondAtTheLeast) {
  Abtastzeit_Callback(0.1);
  EXPECT_DOUBLE_EQ(0.1, Direktpanel().abtastzeit);
  EXPECT_DOUBLE_EQ(0.2, uhr.intervall);
  Abtastzeit_Callback(std::numeric_limits<double>::quiet_NaN());
  EXPECT_DOUBLE_EQ(0.2, uhr.intervall);
  Abtastzeit_Callback(1.5);
  EXPECT_DOUBLE_EQ(1.5, uhr.intervall);
}

struct Zoomfall {
  int zoomX, zoomY;
  int punkte;
  double yMax;
};

class Zoom : public Direkt, public testing::WithParamInterface<Zoomfall> {};

TEST_P(Zoom, TheChartTakesTheFieldsWithinItsLimits) {
  DirektZoom_Callback(GetParam().zoomX, GetParam().zoomY);
  EXPECT_EQ(GetParam().zoomX, Direktpanel().zoomX);
  EXPECT_EQ(GetParam().zoomY, Direktpanel().zoomY);
  EXPECT_EQ(GetParam().punkte, Direktpanel().punkteProBreite);
  EXPECT_DOUBLE_EQ(GetParam().yMax, Direktpanel().yAchseMax);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Zoom,
                         testing::Values(Zoomfall{0, 5, 10, 10}, Zoomfall{-3, 150, 10, 100},
                                         Zoomfall{250, 40, 250, 40}));

}  // namespace
}  // namespace directtest
