// The point table beside the curve graph: hidden until the view menu shows it, rows that
// follow the curve, the selection shared with the graph, cell edits and Alt+arrow nudges
// through the point dialog's operations.
#include <QDockWidget>
#include <QTableView>

#include "Fensterhilfen.h"
#include "curves/gui/Punkttabelle.h"

namespace kurvenfenster {
namespace {

using curves::Kurvenpunkt;
using curves::Punktspalte;
using curves::gui::Werkzeug;

class PunkttabelleTest : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 4, {}}, {2000, 4, 4, {}}, {1000, 2, 4, {}}};
    curves::ZoomVoll(sitzung);
    panel->ZeichnenMitScrollbar();
    ASSERT_FALSE(Tabelle().isVisible());
    panel->Aktionen().PunkttabelleZeigen->trigger();
    ASSERT_TRUE(Tabelle().isVisible());
  }
  curves::gui::Punkttabelle& Tabelle() { return panel->Punkte(); }
  QTableView* Ansicht() { return Tabelle().Ansicht(); }
  QString Zelle(int zeile, Punktspalte spalte) {
    return Tabelle().Modell().index(zeile, static_cast<int>(spalte)).data().toString();
  }
};

TEST_F(PunkttabelleTest, FollowsTheCurveAndHidesAgain) {
  EXPECT_EQ(Tabelle().Modell().rowCount(), 3);
  EXPECT_EQ(Zelle(1, Punktspalte::Start), "40 ms");
  // A point drawn with the mouse shows up as a row.
  Zeitbasis("10ms");
  Werkzeug(Werkzeug::Zeichnen);
  Klicken(Pixel(90000, 3000));
  EXPECT_EQ(Tabelle().Modell().rowCount(), 4);
  panel->Aktionen().PunkttabelleZeigen->trigger();
  EXPECT_FALSE(Tabelle().isVisible());
  EXPECT_FALSE(panel->Aktionen().PunkttabelleZeigen->isChecked());
}

TEST_F(PunkttabelleTest, SelectionIsSharedWithTheGraph) {
  Tabelle().PunktWaehlen(1);
  const auto* punkt = panel->Grafik().HervorhebungPunkt()->data().data();
  ASSERT_EQ(punkt->size(), 1);
  EXPECT_DOUBLE_EQ(punkt->at(0)->key, 40000.0);
  EXPECT_DOUBLE_EQ(punkt->at(0)->value, 2000.0);
  // A click near the last point selects its row.
  Werkzeug(Werkzeug::Markieren);
  Klicken(Pixel(80000, 1000));
  EXPECT_EQ(Tabelle().GewaehlterPunkt(), 2);
}

TEST_F(PunkttabelleTest, AnEditedCellIsOneUndoStep) {
  Tabelle().PunktWaehlen(1);
  const QModelIndex zelle = Tabelle().Modell().index(1, static_cast<int>(Punktspalte::Codes));
  EXPECT_TRUE(Tabelle().Modell().setData(zelle, "3000"));
  EXPECT_EQ(Kurve1().Punkte[1].Y, 3000);
  EXPECT_EQ(Zelle(1, Punktspalte::Codes), "3000");
  EXPECT_TRUE(panel->Aktionen().Rueckgaengig->isEnabled());
  EXPECT_TRUE(op.messages.empty());
  // The window redraws once the editor would have closed; the selection stays.
  QCoreApplication::processEvents();
  EXPECT_EQ(Tabelle().GewaehlterPunkt(), 1);
  EXPECT_EQ(Zelle(1, Punktspalte::Codes), "3000");
}

TEST_F(PunkttabelleTest, ARefusedCellShowsTheMessageAndKeepsThePoint) {
  auto& m = Tabelle().Modell();
  EXPECT_FALSE(m.setData(m.index(1, static_cast<int>(Punktspalte::Start)), "45ms"));
  EXPECT_NE(op.lastMessageText().find("time grid"), std::string::npos);
  EXPECT_EQ(Kurve1().Punkte[0].Laenge, 4);
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  // The slope is shown, not edited.
  EXPECT_FALSE(m.flags(m.index(1, static_cast<int>(Punktspalte::Steigung))) & Qt::ItemIsEditable);
}

TEST_F(PunkttabelleTest, AltArrowsNudgeTheSelectedPoint) {
  Tabelle().PunktWaehlen(1);
  Ansicht()->setFocus();
  QTest::keyClick(Ansicht(), Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Kurve1().Punkte[1].Y, 2001);
  QTest::keyClick(Ansicht(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(Kurve1().Punkte[0].Laenge, 5);
  EXPECT_EQ(Kurve1().Punkte[1].Laenge, 3);
  EXPECT_EQ(Zelle(1, Punktspalte::Start), "50 ms");
  // The highlight follows the point.
  EXPECT_DOUBLE_EQ(panel->Grafik().HervorhebungPunkt()->data()->at(0)->key, 50000.0);
  EXPECT_EQ(Tabelle().GewaehlterPunkt(), 1);
}

}  // namespace
}  // namespace kurvenfenster
