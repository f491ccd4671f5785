#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "characteristic/edit/KennlRaster.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "support/KennlFixture.h"

namespace {

using namespace characteristic;

class KennlModellTest : public testsupport::KennlFixture {};

TEST_F(KennlModellTest, StartsWithTheDefaultPointAndTwoPointHistorySlots) {
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
  EXPECT_EQ(KennlPunktX(sitzung, 0), 0.0);
  EXPECT_EQ(KennlGeradeBeiX(sitzung, 2000), 0);
  EXPECT_TRUE(sitzung.gKennl.Kennl.Kommentar.empty());
  EXPECT_GE(sitzung.gKennl.Kennl.Kommentar.capacity(), 999u);
  for (const auto& slot : sitzung.gKennl.Historien.Slots) {
    ASSERT_EQ(slot.Punkte.size(), 2u);
    EXPECT_EQ(slot.Punkte[0].Y, 4095);
    EXPECT_EQ(slot.Punkte[0].Laenge, 4095);
    EXPECT_EQ(slot.Punkte[1].Y, 0);
  }
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 0);
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094.0);
  EXPECT_EQ(sitzung.gKennl.YZoomMax, 4095);
  EXPECT_EQ(sitzung.gKennl.Darstellung, 3);
}

class StartFehlerTest : public testsupport::KennlFixture,
                        public ::testing::WithParamInterface<int> {};

// Any of the comment, the point array and the ten history slots failing refuses the start
// and leaves the running model untouched.
TEST_P(StartFehlerTest, AllocationFailureKeepsTheModel) {
  Setze({{1, 5}, {2, 1}});
  KennlAllokationsHaken().Ausloesen(1, GetParam());
  EXPECT_EQ(KennlModellInitialisieren(sitzung), -600502);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{1, 5}, {2, 1}}));
}
INSTANTIATE_TEST_SUITE_P(JedeAllokation, StartFehlerTest, ::testing::Range(0, 12));

TEST_F(KennlModellTest, LineAtXFollowsTheLineEnds) {
  Setze({{0, 10}, {5, 20}, {9, 1}});
  EXPECT_EQ(KennlPunktX(sitzung, 3), 31.0);
  EXPECT_EQ(KennlGeradeBeiX(sitzung, 0), 0);
  EXPECT_EQ(KennlGeradeBeiX(sitzung, 9.9), 0);
  EXPECT_EQ(KennlGeradeBeiX(sitzung, 10), 1);
  EXPECT_EQ(KennlGeradeBeiX(sitzung, 29), 1);
  EXPECT_EQ(KennlGeradeBeiX(sitzung, 30), 2);
  EXPECT_EQ(KennlGeradeBeiX(sitzung, 5000), 2);
}

TEST_F(KennlModellTest, NewKeepsHistoryAndClearsNameAndFields) {
  Setze({{1, 5}, {2, 1}});
  sitzung.gKennl.Kennl.Kommentar = "alt";
  RueckgaengigSichern(sitzung);
  sitzung.gKennl.Felder.Anstiegszeit = 50.0;
  sitzung.gKennl.Felder.Ausgang2 = 3.0;
  KennlFenstertitel(sitzung, "/tmp/x.wue");
  ASSERT_EQ(KennlinieNeu(sitzung), 0);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
  EXPECT_TRUE(sitzung.gKennl.Kennl.Kommentar.empty());
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 0.1);
  EXPECT_EQ(sitzung.gKennl.Felder.Ausgang2, 0.0);
  EXPECT_EQ(KennlFenstertitelText(sitzung), "Characteristic controller");
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 1);
  EXPECT_TRUE(sitzung.gKennl.KennlinieGeaendert);
}

TEST_F(KennlModellTest, PointAllocationFailureKeepsThePoints) {
  Setze({{1, 5}});
  KennlAllokationsHaken().Ausloesen(1);
  EXPECT_EQ(PunkteAllokieren(sitzung, 3), -600503);
  EXPECT_EQ(PunkteAllokieren(sitzung, 0), -600503);
  EXPECT_EQ(Punkte().size(), 1u);
}

TEST_F(KennlModellTest, TitleShowsTheFileNamePart) {
  KennlFenstertitel(sitzung, "/a/b/kennl.wue");
  EXPECT_EQ(KennlFenstertitelText(sitzung), "Characteristic controller - kennl.wue");
  EXPECT_EQ(KennlDateiname(sitzung), "/a/b/kennl.wue");
}

// ---- Grids ----

TEST_F(KennlModellTest, WithoutGridTheXFunctionsOnlyLimitAndRound) {
  EXPECT_EQ(KennlXAufRaster(sitzung, 4100.4), 4095);
  EXPECT_EQ(KennlXRasterUeber(sitzung, -3), 0);
  EXPECT_EQ(KennlXRasterUnter(sitzung, 17.5), 18);
  EXPECT_EQ(KennlYAufRaster(sitzung, -1), 0);
  EXPECT_EQ(KennlYAufRaster(sitzung, 2000.5), 2001);
}

TEST_F(KennlModellTest, XGridOfOneHundredRawSteps) {
  RohEinheiten();
  sitzung.gKennl.Felder.XRaster = 100.0;
  EXPECT_EQ(KennlXAufRaster(sitzung, 149), 100);
  EXPECT_EQ(KennlXRasterUeber(sitzung, 100), 200);
  EXPECT_EQ(KennlXRasterUnter(sitzung, 200), 100);
  EXPECT_EQ(KennlXRasterUeber(sitzung, 4050), 4095);
}

TEST_F(KennlModellTest, YGridInTheFirstOutputsUnit) {
  // Standard scaling: 1 V of 10 V is 409.5 raw.
  sitzung.gKennl.Felder.YRaster = 1.0;
  EXPECT_EQ(KennlYAufRaster(sitzung, 1000), 819);
  EXPECT_EQ(KennlYAufRaster(sitzung, 4095), 4095);
}

TEST_F(KennlModellTest, NearestPointTiesGoToTheLowerIndex) {
  Setze({{0, 100}, {0, 100}, {4095, 1}});
  sitzung.gKennl.XStart = 0;
  sitzung.gKennl.XEnde = 399;
  EXPECT_EQ(KennlNaechsterPunkt(sitzung, 50, 0, 400, 400), 0);
  EXPECT_EQ(KennlNaechsterPunkt(sitzung, 51, 0, 400, 400), 1);
  EXPECT_EQ(KennlNaechsterPunkt(sitzung, 190, 4000, 400, 400), 2);
}

// ---- Undo ----

class KennlUndoTest : public testsupport::KennlFixture {
 protected:
  void Bearbeite(int y) {
    RueckgaengigSichern(sitzung);
    sitzung.gKennl.Kennl.Punkte[0].Y = y;
  }
  int Y() { return sitzung.gKennl.Kennl.Punkte[0].Y; }
};

TEST_F(KennlUndoTest, ElevenEditsUndoOnlyTen) {
  for (int i = 1; i <= 11; ++i) Bearbeite(i);
  for (int i = 0; i < 11; ++i) Rueckgaengig(sitzung);
  EXPECT_EQ(Y(), 1);
  EXPECT_FALSE(KennlUndoBefehle(sitzung).Rueckgaengig);
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlWiederherstellen, 10);
  for (int i = 0; i < 11; ++i) Wiederherstellen(sitzung);
  EXPECT_EQ(Y(), 11);
}

TEST_F(KennlUndoTest, NewEditAfterUndoDropsRedo) {
  Bearbeite(1);
  Bearbeite(2);
  Rueckgaengig(sitzung);
  EXPECT_TRUE(KennlUndoBefehle(sitzung).Wiederherstellen);
  Bearbeite(3);
  EXPECT_FALSE(KennlUndoBefehle(sitzung).Wiederherstellen);
  Wiederherstellen(sitzung);
  EXPECT_EQ(Y(), 3);
}

TEST_F(KennlUndoTest, UndoSwapsWholePointArraysAndKeepsFlagAndComment) {
  RueckgaengigSichern(sitzung);
  Setze({{1, 5}, {2, 1}});
  sitzung.gKennl.KennlinieGeaendert = false;
  sitzung.gKennl.Kennl.Kommentar = "bleibt";
  Rueckgaengig(sitzung);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{4095, 0}}));
  Wiederherstellen(sitzung);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{1, 5}, {2, 1}}));
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, "bleibt");
}

TEST_F(KennlUndoTest, SnapshotAllocationFailureShowsMessageAndLeavesRing) {
  KennlAllokationsHaken().Ausloesen(1);
  Setze({{1, 5}, {2, 1}, {3, 1}});
  RueckgaengigSichern(sitzung);
  EXPECT_EQ(op.lastMessageText(), "Memory allocation failed");
  EXPECT_EQ(op.lastMessageTitle(), "Error");
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 0);
  EXPECT_TRUE(sitzung.gKennl.KennlinieGeaendert);
}

// Two windows on one session both hear the undo state and the title; one that stopped
// listening hears nothing, and two sessions do not hear each other.
TEST_F(KennlUndoTest, EveryListenerOfItsOwnSessionHearsTheUndoStateAndTitle) {
  std::vector<bool> undoA, undoB;
  std::vector<std::string> titel;
  auto a = sitzung.Undomeldungen.Abonnieren(
      [&](const KennlBefehlszustand& z) { undoA.push_back(z.Rueckgaengig); });
  auto b = sitzung.Undomeldungen.Abonnieren(
      [&](const KennlBefehlszustand& z) { undoB.push_back(z.Rueckgaengig); });
  auto t = sitzung.Titelmeldungen.Abonnieren([&](const std::string& s) { titel.push_back(s); });
  Kennliniensitzung andere;
  ASSERT_EQ(KennlModellInitialisieren(andere), 0);
  RueckgaengigSichern(andere);
  KennlFenstertitel(andere, "/x/andere.wue");

  Bearbeite(1);
  b.Beenden();
  Rueckgaengig(sitzung);
  KennlFenstertitel(sitzung, "/tmp/k.wue");
  EXPECT_EQ(undoA, (std::vector<bool>{true, false}));
  EXPECT_EQ(undoB, (std::vector<bool>{true}));
  EXPECT_EQ(titel, (std::vector<std::string>{"Characteristic controller - k.wue"}));
  EXPECT_EQ(KennlDateiname(andere), "/x/andere.wue");
  EXPECT_TRUE(KennlUndoBefehle(andere).Rueckgaengig);
}

}  // namespace
