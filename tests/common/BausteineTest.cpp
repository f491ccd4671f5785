// The shared building blocks on their own: the allocation hook's counting, the undo ring's
// counters at its depth, and grid rounding with steps no scaling should give.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "common/Allokationshaken.h"
#include "common/Raster.h"
#include "common/Undoring.h"

namespace {

TEST(Allokationshaken, SkipsThenFailsTheGivenNumber) {
  common::Allokationshaken haken;
  haken.Ausloesen(2, 1);
  std::vector<int> v;
  EXPECT_TRUE(common::FeldAnpassen(v, 3, haken));
  EXPECT_FALSE(common::FeldAnpassen(v, 5, haken));
  EXPECT_EQ(v.size(), 3u);
  EXPECT_TRUE(common::FeldAnpassen(v, 1, haken));  // shrinking never asks the hook
  EXPECT_EQ(haken.Ausstehend(), 1);
  std::string s;
  EXPECT_FALSE(common::TextReservieren(s, 10, haken));
  EXPECT_TRUE(common::FeldAnpassen(v, 5, haken));
  EXPECT_EQ(v, (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST(Undoring, KeepsItsDepthAndSwapsBothWays) {
  common::Allokationshaken haken;
  common::Undoring<int, 3> ring;
  std::vector<int> daten{0};
  for (int i = 1; i <= 5; ++i) {
    ASSERT_TRUE(ring.Sichern(daten, haken));
    daten = {i};
  }
  EXPECT_EQ(ring.AnzahlRueckgaengig, 3);
  while (ring.Rueckgaengig(daten)) {
  }
  EXPECT_EQ(daten, std::vector<int>{2});
  EXPECT_EQ(ring.AnzahlWiederherstellen, 3);
  while (ring.Wiederherstellen(daten)) {
  }
  EXPECT_EQ(daten, std::vector<int>{5});
  haken.Ausloesen(1);
  EXPECT_FALSE(ring.Sichern(std::vector<int>(10, 1), haken));
  EXPECT_EQ(ring.AnzahlRueckgaengig, 3);
}

TEST(Raster, RoundsLimitsAndIgnoresUnusableSteps) {
  EXPECT_EQ(common::Runden(-0.5), 0.0);
  EXPECT_EQ(common::Runden(-1.5), -1.0);
  EXPECT_EQ(common::AufCodeBegrenzen(4095.6, 4095), 4095);
  EXPECT_EQ(common::AufCodeBegrenzen(std::nan(""), 4095), 0);
  EXPECT_EQ(common::AufRasterRunden(1000, 0, 409.5, 4095), 819);
  EXPECT_EQ(common::AufRasterRunden(1000, 10, 100, 4095), 1010);
  const double inf = std::numeric_limits<double>::infinity();
  for (double s : {0.0, inf, std::nan("")})
    EXPECT_EQ(common::AufRasterRunden(1000.4, 0, s, 4095), 1000);
}

TEST(NaechsterPunktSuche, ScalesBothAxesToPixelsAndKeepsTheFirstOfEqualOnes) {
  // 100 raw X units on 1000 px, 4095 raw Y on 100 px.
  common::NaechsterPunktSuche suche(50, 0, 100, 1000, 4095, 100);
  suche.Pruefen(0, 0, 0);      // 500 px
  suche.Pruefen(1, 100, 0);    // 500 px: not strictly nearer
  suche.Pruefen(2, 50, 4095);  // 100 px
  EXPECT_EQ(suche.Ergebnis(), 2);
}

}  // namespace
