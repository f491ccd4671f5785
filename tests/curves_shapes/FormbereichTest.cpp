// The shape's range from the curve window's mark, and the insert into the session as one
// step of its undo commands.
#include <gtest/gtest.h>

#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/shapes/Formbereich.h"
#include "support/ScriptedOperator.h"

namespace {

using curves::Kurvenpunkt;

// 0..100 ms on 10 ms units, 100..103 ms on 1 ms units, then a 1 ms closing line.
curves::Kurve Kurve() {
  curves::Kurve k;
  k.Punkte = {{100, 10, 4, {}}, {200, 3, 1, {}}, {300, 1, 1, {}}};
  return k;
}

struct Rasterfall {
  double t, erwartet;
};

class Geradenraster : public ::testing::TestWithParam<Rasterfall> {};

TEST_P(Geradenraster, EndsMoveToTheNearestUnitOfTheirLine) {
  EXPECT_DOUBLE_EQ(curves::AufGeradenraster(Kurve(), GetParam().t), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(Zeiten, Geradenraster,
                         ::testing::Values(Rasterfall{-5, 0}, Rasterfall{4999, 0},
                                           Rasterfall{5000, 10000}, Rasterfall{34567, 30000},
                                           Rasterfall{99999, 100000}, Rasterfall{101400, 101000},
                                           Rasterfall{102600, 103000}, Rasterfall{500000, 104000}));

TEST(Formbereich, WithoutAMarkTheShapeGoesInBeforeTheClosingLine) {
  const curves::Formbereich b = curves::FormbereichAusMarkierung(Kurve(), {0, -1, false});
  EXPECT_EQ(b.VonMikro, 103000);
  EXPECT_EQ(b.BisMikro, 103000);
}

TEST(Formbereich, AMarkDrawnLeftwardsIsTurnedRoundAndSnapped) {
  const curves::Formbereich b = curves::FormbereichAusMarkierung(Kurve(), {101700, 12001, true});
  EXPECT_EQ(b.VonMikro, 10000);
  EXPECT_EQ(b.BisMikro, 102000);
}

class FormInSitzung : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(curves::KurvenModellInitialisieren(sitzung), 0);
    sitzung.gKurven.Kurven[0] = Kurve();
    abo = sitzung.Undomeldungen.Abonnieren(
        [this](const curves::Befehlszustand& z) { undoFrei = z.RueckgaengigMenue; });
  }
  curves::Form Form() {
    curves::Form f;
    f.Punkte = {{4000, 2, 4, {}}};
    f.Endwert = 4000;
    f.DauerMikro = 20000;
    return f;
  }

  curves::Kurvensitzung sitzung;
  testsupport::ScriptedOperator op;
  common::Meldeliste<const curves::Befehlszustand&>::Abo abo;
  bool undoFrei = false;
};

TEST_F(FormInSitzung, IsOneUndoStepThatTheWindowHearsOf) {
  const auto vorher = sitzung.gKurven.Kurven[0].Punkte;
  curves::Einfuegebericht b;
  std::string meldung;
  ASSERT_EQ(curves::FormInSitzungEinfuegen(sitzung, {20000, 50000}, Form(), b, meldung), 0)
      << meldung;
  EXPECT_TRUE(undoFrei);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ(b.ErsterPunkt, 1);
  EXPECT_DOUBLE_EQ(curves::PunktStartzeit(sitzung.gKurven.Kurven[0], b.ErsterPunkt), 20000);
  EXPECT_EQ(sitzung.gKurven.Kurven[0].Punkte[1].Y, 4000);
  curves::Rueckgaengig(sitzung);
  const auto& nachher = sitzung.gKurven.Kurven[0].Punkte;
  ASSERT_EQ(nachher.size(), vorher.size());
  for (std::size_t i = 0; i < vorher.size(); ++i) EXPECT_EQ(nachher[i].Laenge, vorher[i].Laenge);
}

TEST_F(FormInSitzung, ARefusalChangesNothing) {
  const auto vorher = sitzung.gKurven.Kurven[0].Punkte;
  curves::Einfuegebericht b;
  std::string meldung;
  // 100.5 ms is off the 1 ms grid of the second line.
  EXPECT_NE(curves::FormInSitzungEinfuegen(sitzung, {100500, 102000}, Form(), b, meldung), 0);
  EXPECT_NE(meldung.find("grid"), std::string::npos) << meldung;
  EXPECT_FALSE(undoFrei);
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ(sitzung.gKurven.Historien[0].AnzahlRueckgaengig, 0);
  ASSERT_EQ(sitzung.gKurven.Kurven[0].Punkte.size(), vorher.size());
}

}  // namespace
