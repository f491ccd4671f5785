#include <gtest/gtest.h>

#include "characteristic/edit/KennlRaster.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "support/KennlFixture.h"

namespace {

using namespace characteristic;

class KennlModellTest : public testsupport::KennlFixture {};

TEST_F(KennlModellTest, StartsWithTheDefaultPointAndTwoPointHistorySlots) {
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
  EXPECT_EQ(KennlPunktX(0), 0.0);
  EXPECT_EQ(KennlGeradeBeiX(2000), 0);
  EXPECT_TRUE(gKennl.Kennl.Kommentar.empty());
  EXPECT_GE(gKennl.Kennl.Kommentar.capacity(), 999u);
  for (const auto& slot : gKennl.Historien.Slots) {
    ASSERT_EQ(slot.Punkte.size(), 2u);
    EXPECT_EQ(slot.Punkte[0].Y, 4095);
    EXPECT_EQ(slot.Punkte[0].Laenge, 4095);
    EXPECT_EQ(slot.Punkte[1].Y, 0);
  }
  EXPECT_EQ(gKennl.Historien.AnzahlRueckgaengig, 0);
  EXPECT_EQ(gKennl.XEnde, 4094.0);
  EXPECT_EQ(gKennl.YZoomMax, 4095);
  EXPECT_EQ(gKennl.Darstellung, 3);
}

class StartFehlerTest : public testsupport::KennlFixture,
                        public ::testing::WithParamInterface<int> {};

// Any of the comment, the point array and the ten history slots failing refuses the start
// and leaves the running model untouched.
TEST_P(StartFehlerTest, AllocationFailureKeepsTheModel) {
  Setze({{1, 5}, {2, 1}});
  KennlAllokationsHaken().Ausloesen(1, GetParam());
  EXPECT_EQ(KennlModellInitialisieren(), -600502);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{1, 5}, {2, 1}}));
}
INSTANTIATE_TEST_SUITE_P(JedeAllokation, StartFehlerTest, ::testing::Range(0, 12));

TEST_F(KennlModellTest, LineAtXFollowsTheLineEnds) {
  Setze({{0, 10}, {5, 20}, {9, 1}});
  EXPECT_EQ(KennlPunktX(3), 31.0);
  EXPECT_EQ(KennlGeradeBeiX(0), 0);
  EXPECT_EQ(KennlGeradeBeiX(9.9), 0);
  EXPECT_EQ(KennlGeradeBeiX(10), 1);
  EXPECT_EQ(KennlGeradeBeiX(29), 1);
  EXPECT_EQ(KennlGeradeBeiX(30), 2);
  EXPECT_EQ(KennlGeradeBeiX(5000), 2);
}

TEST_F(KennlModellTest, NewKeepsHistoryAndClearsNameAndFields) {
  Setze({{1, 5}, {2, 1}});
  gKennl.Kennl.Kommentar = "alt";
  RueckgaengigSichern();
  gKennl.Felder.Anstiegszeit = 50.0;
  gKennl.Felder.Ausgang2 = 3.0;
  KennlFenstertitel("/tmp/x.wue");
  ASSERT_EQ(KennlinieNeu(), 0);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
  EXPECT_TRUE(gKennl.Kennl.Kommentar.empty());
  EXPECT_EQ(gKennl.Felder.Anstiegszeit, 0.1);
  EXPECT_EQ(gKennl.Felder.Ausgang2, 0.0);
  EXPECT_EQ(KennlFenstertitelText(), "Characteristic controller");
  EXPECT_EQ(gKennl.Historien.AnzahlRueckgaengig, 1);
  EXPECT_TRUE(gKennl.KennlinieGeaendert);
}

TEST_F(KennlModellTest, PointAllocationFailureKeepsThePoints) {
  Setze({{1, 5}});
  KennlAllokationsHaken().Ausloesen(1);
  EXPECT_EQ(PunkteAllokieren(3), -600503);
  EXPECT_EQ(PunkteAllokieren(0), -600503);
  EXPECT_EQ(Punkte().size(), 1u);
}

TEST_F(KennlModellTest, TitleShowsTheFileNamePart) {
  KennlFenstertitel("/a/b/kennl.wue");
  EXPECT_EQ(KennlFenstertitelText(), "Characteristic controller - kennl.wue");
  EXPECT_EQ(KennlDateiname(), "/a/b/kennl.wue");
}

// ---- Grids ----

TEST_F(KennlModellTest, WithoutGridTheXFunctionsOnlyLimitAndRound) {
  EXPECT_EQ(KennlXAufRaster(4100.4), 4095);
  EXPECT_EQ(KennlXRasterUeber(-3), 0);
  EXPECT_EQ(KennlXRasterUnter(17.5), 18);
  EXPECT_EQ(KennlYAufRaster(-1), 0);
  EXPECT_EQ(KennlYAufRaster(2000.5), 2001);
}

TEST_F(KennlModellTest, XGridOfOneHundredRawSteps) {
  RohEinheiten();
  gKennl.Felder.XRaster = 100.0;
  EXPECT_EQ(KennlXAufRaster(149), 100);
  EXPECT_EQ(KennlXRasterUeber(100), 200);
  EXPECT_EQ(KennlXRasterUnter(200), 100);
  EXPECT_EQ(KennlXRasterUeber(4050), 4095);
}

TEST_F(KennlModellTest, YGridInTheFirstOutputsUnit) {
  // Standard scaling: 1 V of 10 V is 409.5 raw.
  gKennl.Felder.YRaster = 1.0;
  EXPECT_EQ(KennlYAufRaster(1000), 819);
  EXPECT_EQ(KennlYAufRaster(4095), 4095);
}

TEST_F(KennlModellTest, NearestPointTiesGoToTheLowerIndex) {
  Setze({{0, 100}, {0, 100}, {4095, 1}});
  gKennl.XStart = 0;
  gKennl.XEnde = 399;
  EXPECT_EQ(KennlNaechsterPunkt(50, 0, 400, 400), 0);
  EXPECT_EQ(KennlNaechsterPunkt(51, 0, 400, 400), 1);
  EXPECT_EQ(KennlNaechsterPunkt(190, 4000, 400, 400), 2);
}

// ---- Undo ----

class KennlUndoTest : public testsupport::KennlFixture {
 protected:
  static void Bearbeite(int y) {
    RueckgaengigSichern();
    gKennl.Kennl.Punkte[0].Y = y;
  }
  static int Y() { return gKennl.Kennl.Punkte[0].Y; }
};

TEST_F(KennlUndoTest, ElevenEditsUndoOnlyTen) {
  for (int i = 1; i <= 11; ++i) Bearbeite(i);
  for (int i = 0; i < 11; ++i) Rueckgaengig();
  EXPECT_EQ(Y(), 1);
  EXPECT_FALSE(KennlUndoBefehle().Rueckgaengig);
  EXPECT_EQ(gKennl.Historien.AnzahlWiederherstellen, 10);
  for (int i = 0; i < 11; ++i) Wiederherstellen();
  EXPECT_EQ(Y(), 11);
}

TEST_F(KennlUndoTest, NewEditAfterUndoDropsRedo) {
  Bearbeite(1);
  Bearbeite(2);
  Rueckgaengig();
  EXPECT_TRUE(KennlUndoBefehle().Wiederherstellen);
  Bearbeite(3);
  EXPECT_FALSE(KennlUndoBefehle().Wiederherstellen);
  Wiederherstellen();
  EXPECT_EQ(Y(), 3);
}

TEST_F(KennlUndoTest, UndoSwapsWholePointArraysAndKeepsFlagAndComment) {
  RueckgaengigSichern();
  Setze({{1, 5}, {2, 1}});
  gKennl.KennlinieGeaendert = false;
  gKennl.Kennl.Kommentar = "bleibt";
  Rueckgaengig();
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
  Wiederherstellen();
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{1, 5}, {2, 1}}));
  EXPECT_FALSE(gKennl.KennlinieGeaendert);
  EXPECT_EQ(gKennl.Kennl.Kommentar, "bleibt");
}

TEST_F(KennlUndoTest, SnapshotAllocationFailureShowsMessageAndLeavesRing) {
  KennlAllokationsHaken().Ausloesen(1);
  Setze({{1, 5}, {2, 1}, {3, 1}});
  RueckgaengigSichern();
  EXPECT_EQ(op.lastMessageText(), "Memory allocation failed");
  EXPECT_EQ(op.lastMessageTitle(), "Error");
  EXPECT_EQ(gKennl.Historien.AnzahlRueckgaengig, 0);
  EXPECT_TRUE(gKennl.KennlinieGeaendert);
}

}  // namespace
