#include <gtest/gtest.h>

#include <vector>

#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Rueckgaengig.h"
#include "support/ScriptedOperator.h"

namespace {

using curves::gKurven;

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(curves::KurvenModellInitialisieren(), 0);
    curves::UndoBefehleBinden([this](const curves::Befehlszustand& b) { gemeldet.push_back(b); });
    gemeldet.clear();
  }
  void TearDown() override {
    curves::UndoBefehleBinden({});
    curves::AllokationsfehlerAusloesen(0);
    gKurven.AktuelleKurve = 0;
  }

  // One editing step: snapshot, then the first point's Y becomes y.
  static void Bearbeite(int y) {
    curves::RueckgaengigSichern();
    curves::AktuelleKurveDaten().Punkte[0].Y = y;
  }
  static int Y() { return curves::AktuelleKurveDaten().Punkte[0].Y; }
  static const curves::Historie& H() { return gKurven.Historien[gKurven.AktuelleKurve]; }

  testsupport::ScriptedOperator bediener;
  std::vector<curves::Befehlszustand> gemeldet;
};

TEST_F(UndoTest, SnapshotSetsChangedFlagAndCommands) {
  EXPECT_FALSE(curves::UndoBefehle().RueckgaengigKnopf);
  EXPECT_FALSE(gKurven.KurvenGeaendert);
  Bearbeite(1);
  EXPECT_TRUE(gKurven.KurvenGeaendert);
  EXPECT_EQ(H().AnzahlRueckgaengig, 1);
  EXPECT_EQ(H().HistorienIndex, 1);
  const auto& b = curves::UndoBefehle();
  EXPECT_TRUE(b.RueckgaengigMenue && b.RueckgaengigKnopf);
  EXPECT_FALSE(b.WiederherstellenMenue || b.WiederherstellenKnopf);
  ASSERT_FALSE(gemeldet.empty());
  EXPECT_TRUE(gemeldet.back().RueckgaengigKnopf);
}

TEST_F(UndoTest, UndoAndRedoSwapWholeCurves) {
  curves::RueckgaengigSichern();
  curves::AktuelleKurveDaten().Punkte = {{5, 3, 1, {}}, {6, 2, 2, {}}};
  curves::Rueckgaengig();
  ASSERT_EQ(curves::AktuelleKurveDaten().Punktanzahl(), 1);
  EXPECT_EQ(curves::Kurvenlaenge(0), 10000.0);
  EXPECT_TRUE(curves::UndoBefehle().WiederherstellenKnopf);
  EXPECT_FALSE(curves::UndoBefehle().RueckgaengigKnopf);
  curves::Wiederherstellen();
  ASSERT_EQ(curves::AktuelleKurveDaten().Punktanzahl(), 2);
  EXPECT_EQ(curves::AktuelleKurveDaten().Punkte[1].Y, 6);
  EXPECT_EQ(curves::Kurvenlaenge(0), 7000.0);
  EXPECT_FALSE(curves::UndoBefehle().WiederherstellenKnopf);
  EXPECT_TRUE(curves::UndoBefehle().RueckgaengigKnopf);
}

TEST_F(UndoTest, ElevenEditsGiveOnlyTenUndos) {
  for (int y = 1; y <= 11; ++y) Bearbeite(y);
  EXPECT_EQ(H().AnzahlRueckgaengig, 10);
  for (int n = 1; n <= 10; ++n) {
    curves::Rueckgaengig();
    EXPECT_EQ(Y(), 11 - n);
  }
  EXPECT_EQ(Y(), 1);  // the state before edit 1 was overwritten
  EXPECT_FALSE(curves::UndoBefehle().RueckgaengigKnopf);
  EXPECT_FALSE(curves::UndoBefehle().RueckgaengigMenue);
  curves::Rueckgaengig();
  EXPECT_EQ(Y(), 1);
  EXPECT_EQ(H().AnzahlWiederherstellen, 10);
  for (int n = 1; n <= 10; ++n) curves::Wiederherstellen();
  EXPECT_EQ(Y(), 11);
  curves::Wiederherstellen();
  EXPECT_EQ(Y(), 11);
  EXPECT_EQ(H().AnzahlRueckgaengig, 10);
}

TEST_F(UndoTest, NewEditDiscardsRedo) {
  Bearbeite(1);
  Bearbeite(2);
  curves::Rueckgaengig();
  EXPECT_EQ(Y(), 1);
  Bearbeite(3);
  EXPECT_EQ(H().AnzahlWiederherstellen, 0);
  EXPECT_FALSE(curves::UndoBefehle().WiederherstellenKnopf);
  curves::Wiederherstellen();
  EXPECT_EQ(Y(), 3);
  curves::Rueckgaengig();
  EXPECT_EQ(Y(), 1);
  curves::Rueckgaengig();
  EXPECT_EQ(Y(), 0);
}

TEST_F(UndoTest, RingIndexWrapsInBothDirections) {
  for (int y = 1; y <= 10; ++y) Bearbeite(y);
  EXPECT_EQ(H().HistorienIndex, 0);
  curves::Rueckgaengig();
  EXPECT_EQ(H().HistorienIndex, 9);
  curves::Wiederherstellen();
  EXPECT_EQ(H().HistorienIndex, 0);
  EXPECT_EQ(Y(), 10);
}

TEST_F(UndoTest, EachCurveHasItsOwnRing) {
  Bearbeite(1);
  gKurven.AktuelleKurve = 2;
  curves::UndoKnoepfeFuerKurve(2);
  EXPECT_FALSE(curves::UndoBefehle().RueckgaengigKnopf);
  EXPECT_TRUE(curves::UndoBefehle().RueckgaengigMenue);  // menu items stay enabled
  curves::Rueckgaengig();                                // nothing to undo on curve 3
  EXPECT_EQ(gKurven.Kurven[0].Punkte[0].Y, 1);
  gKurven.AktuelleKurve = 0;
  curves::UndoKnoepfeFuerKurve(0);
  EXPECT_TRUE(curves::UndoBefehle().RueckgaengigKnopf);
  curves::Rueckgaengig();
  EXPECT_EQ(gKurven.Kurven[0].Punkte[0].Y, 0);
}

TEST_F(UndoTest, SelectingACurveSetsButtonsFromItsCountersAndKeepsMenuItems) {
  Bearbeite(1);
  Bearbeite(2);
  curves::Rueckgaengig();  // curve 1: one undo and one redo step left
  gKurven.AktuelleKurve = 1;
  curves::UndoKnoepfeFuerKurve(1);
  auto b = curves::UndoBefehle();
  EXPECT_FALSE(b.RueckgaengigKnopf);
  EXPECT_FALSE(b.WiederherstellenKnopf);
  EXPECT_TRUE(b.RueckgaengigMenue);
  EXPECT_TRUE(b.WiederherstellenMenue);
  ASSERT_FALSE(gemeldet.empty());
  EXPECT_FALSE(gemeldet.back().WiederherstellenKnopf);
  EXPECT_TRUE(gemeldet.back().WiederherstellenMenue);

  gKurven.AktuelleKurve = 0;
  curves::UndoKnoepfeFuerKurve(0);
  b = curves::UndoBefehle();
  EXPECT_TRUE(b.RueckgaengigKnopf);
  EXPECT_TRUE(b.WiederherstellenKnopf);
  EXPECT_TRUE(gemeldet.back().WiederherstellenKnopf);
  curves::Wiederherstellen();
  EXPECT_EQ(Y(), 2);
  EXPECT_FALSE(curves::UndoBefehle().WiederherstellenKnopf);
  EXPECT_FALSE(curves::UndoBefehle().WiederherstellenMenue);
}

TEST_F(UndoTest, FailedSnapshotWarnsAndKeepsRing) {
  Bearbeite(1);
  curves::AktuelleKurveDaten().Punkte.resize(5, curves::kStandardpunkt);  // slot must grow
  curves::AllokationsfehlerAusloesen(1);
  curves::RueckgaengigSichern();
  ASSERT_EQ(bediener.messages.size(), 1u);
  EXPECT_EQ(bediener.lastMessageTitle(), "Error");
  EXPECT_EQ(bediener.lastMessageText(), "Memory allocation failed");
  EXPECT_EQ(H().AnzahlRueckgaengig, 1);
  EXPECT_EQ(H().HistorienIndex, 1);
  // The ring still works: the earlier snapshot comes back.
  curves::Rueckgaengig();
  EXPECT_EQ(curves::AktuelleKurveDaten().Punktanzahl(), 1);
  EXPECT_EQ(Y(), 0);
}

}  // namespace
