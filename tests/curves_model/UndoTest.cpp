#include <gtest/gtest.h>

#include <vector>

#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"
#include "support/ScriptedOperator.h"

namespace {

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(curves::KurvenModellInitialisieren(sitzung), 0);
    abo = sitzung.Undomeldungen.Abonnieren(
        [this](const curves::Befehlszustand& b) { gemeldet.push_back(b); });
    gemeldet.clear();
  }
  void TearDown() override { curves::AllokationsfehlerAusloesen(0); }

  // One editing step: snapshot, then the first point's Y becomes y.
  void Bearbeite(int y) {
    curves::RueckgaengigSichern(sitzung);
    curves::AktuelleKurveDaten(sitzung).Punkte[0].Y = y;
  }
  int Y() { return curves::AktuelleKurveDaten(sitzung).Punkte[0].Y; }
  const curves::Historie& H() { return sitzung.gKurven.Historien[sitzung.gKurven.AktuelleKurve]; }

  curves::Kurvensitzung sitzung;
  testsupport::ScriptedOperator bediener;
  std::vector<curves::Befehlszustand> gemeldet;
  common::Meldeliste<const curves::Befehlszustand&>::Abo abo;
};

TEST_F(UndoTest, SnapshotSetsChangedFlagAndCommands) {
  EXPECT_FALSE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  Bearbeite(1);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ(H().AnzahlRueckgaengig, 1);
  EXPECT_EQ(H().HistorienIndex, 1);
  const auto& b = curves::UndoBefehle(sitzung);
  EXPECT_TRUE(b.RueckgaengigMenue && b.RueckgaengigKnopf);
  EXPECT_FALSE(b.WiederherstellenMenue || b.WiederherstellenKnopf);
  ASSERT_FALSE(gemeldet.empty());
  EXPECT_TRUE(gemeldet.back().RueckgaengigKnopf);
}

TEST_F(UndoTest, UndoAndRedoSwapWholeCurves) {
  curves::RueckgaengigSichern(sitzung);
  curves::AktuelleKurveDaten(sitzung).Punkte = {{5, 3, 1, {}}, {6, 2, 2, {}}};
  curves::Rueckgaengig(sitzung);
  ASSERT_EQ(curves::AktuelleKurveDaten(sitzung).Punktanzahl(), 1);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 10000.0);
  EXPECT_TRUE(curves::UndoBefehle(sitzung).WiederherstellenKnopf);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);
  curves::Wiederherstellen(sitzung);
  ASSERT_EQ(curves::AktuelleKurveDaten(sitzung).Punktanzahl(), 2);
  EXPECT_EQ(curves::AktuelleKurveDaten(sitzung).Punkte[1].Y, 6);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 7000.0);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).WiederherstellenKnopf);
  EXPECT_TRUE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);
}

TEST_F(UndoTest, ElevenEditsGiveOnlyTenUndos) {
  for (int y = 1; y <= 11; ++y) Bearbeite(y);
  EXPECT_EQ(H().AnzahlRueckgaengig, 10);
  for (int n = 1; n <= 10; ++n) {
    curves::Rueckgaengig(sitzung);
    EXPECT_EQ(Y(), 11 - n);
  }
  EXPECT_EQ(Y(), 1);  // the state before edit 1 was overwritten
  EXPECT_FALSE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).RueckgaengigMenue);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Y(), 1);
  EXPECT_EQ(H().AnzahlWiederherstellen, 10);
  for (int n = 1; n <= 10; ++n) curves::Wiederherstellen(sitzung);
  EXPECT_EQ(Y(), 11);
  curves::Wiederherstellen(sitzung);
  EXPECT_EQ(Y(), 11);
  EXPECT_EQ(H().AnzahlRueckgaengig, 10);
}

TEST_F(UndoTest, NewEditDiscardsRedo) {
  Bearbeite(1);
  Bearbeite(2);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Y(), 1);
  Bearbeite(3);
  EXPECT_EQ(H().AnzahlWiederherstellen, 0);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).WiederherstellenKnopf);
  curves::Wiederherstellen(sitzung);
  EXPECT_EQ(Y(), 3);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Y(), 1);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Y(), 0);
}

TEST_F(UndoTest, RingIndexWrapsInBothDirections) {
  for (int y = 1; y <= 10; ++y) Bearbeite(y);
  EXPECT_EQ(H().HistorienIndex, 0);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(H().HistorienIndex, 9);
  curves::Wiederherstellen(sitzung);
  EXPECT_EQ(H().HistorienIndex, 0);
  EXPECT_EQ(Y(), 10);
}

TEST_F(UndoTest, EachCurveHasItsOwnRing) {
  Bearbeite(1);
  sitzung.gKurven.AktuelleKurve = 2;
  curves::UndoKnoepfeFuerKurve(sitzung, 2);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);
  EXPECT_TRUE(curves::UndoBefehle(sitzung).RueckgaengigMenue);  // menu items stay enabled
  curves::Rueckgaengig(sitzung);                                // nothing to undo on curve 3
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[0].Y, 1);
  sitzung.gKurven.AktuelleKurve = 0;
  curves::UndoKnoepfeFuerKurve(sitzung, 0);
  EXPECT_TRUE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[0].Y, 0);
}

TEST_F(UndoTest, SelectingACurveSetsButtonsFromItsCountersAndKeepsMenuItems) {
  Bearbeite(1);
  Bearbeite(2);
  curves::Rueckgaengig(sitzung);  // curve 1: one undo and one redo step left
  sitzung.gKurven.AktuelleKurve = 1;
  curves::UndoKnoepfeFuerKurve(sitzung, 1);
  auto b = curves::UndoBefehle(sitzung);
  EXPECT_FALSE(b.RueckgaengigKnopf);
  EXPECT_FALSE(b.WiederherstellenKnopf);
  EXPECT_TRUE(b.RueckgaengigMenue);
  EXPECT_TRUE(b.WiederherstellenMenue);
  ASSERT_FALSE(gemeldet.empty());
  EXPECT_FALSE(gemeldet.back().WiederherstellenKnopf);
  EXPECT_TRUE(gemeldet.back().WiederherstellenMenue);

  sitzung.gKurven.AktuelleKurve = 0;
  curves::UndoKnoepfeFuerKurve(sitzung, 0);
  b = curves::UndoBefehle(sitzung);
  EXPECT_TRUE(b.RueckgaengigKnopf);
  EXPECT_TRUE(b.WiederherstellenKnopf);
  EXPECT_TRUE(gemeldet.back().WiederherstellenKnopf);
  curves::Wiederherstellen(sitzung);
  EXPECT_EQ(Y(), 2);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).WiederherstellenKnopf);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).WiederherstellenMenue);
}

TEST_F(UndoTest, FailedSnapshotWarnsAndKeepsRing) {
  Bearbeite(1);
  curves::AktuelleKurveDaten(sitzung).Punkte.resize(5, curves::kStandardpunkt);  // slot must grow
  curves::AllokationsfehlerAusloesen(1);
  curves::RueckgaengigSichern(sitzung);
  ASSERT_EQ(bediener.messages.size(), 1u);
  EXPECT_EQ(bediener.lastMessageTitle(), "Error");
  EXPECT_EQ(bediener.lastMessageText(), "Memory allocation failed");
  EXPECT_EQ(H().AnzahlRueckgaengig, 1);
  EXPECT_EQ(H().HistorienIndex, 1);
  // The ring still works: the earlier snapshot comes back.
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(curves::AktuelleKurveDaten(sitzung).Punktanzahl(), 1);
  EXPECT_EQ(Y(), 0);
}

}  // namespace
