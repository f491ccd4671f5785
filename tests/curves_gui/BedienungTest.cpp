// What operators of waveform editors expect: the wheel, the zoom and mark keys, Escape
// during a drag and the mark's status.
#include <QStatusBar>

#include "Fensterhilfen.h"

namespace kurvenfenster {
namespace {

using curves::gui::Werkzeug;

class BedienungTest : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    sitzung.gKurven.Kurven[0].Punkte = {{0, 100, 1, {}}, {2000, 1, 1, {}}};  // 101 ms
    panel->KurvenpanelZeichnen();
  }
  void Rad(QPoint p, int schritte, Qt::KeyboardModifiers tasten = {}) {
    testsupport::MausRad(graph(), p, schritte, tasten);
  }
  void Taste(QKeySequence folge) { testsupport::Tasten(panel.get(), folge); }
};

TEST_F(BedienungTest, CtrlWheelZoomsAroundTheMouseAndTheWheelScrolls) {
  const QPoint p = Pixel(2500, 2000);
  const double vorher = graph()->xAxis->pixelToCoord(p.x());
  Rad(p, 1, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(6668, curves::Sichtbreite(sitzung));
  EXPECT_NEAR(vorher, graph()->xAxis->pixelToCoord(p.x()), 5.0);  // still under the mouse
  const double start = sitzung.gSicht.XStart;
  Rad(p, -2);  // down: later
  EXPECT_GT(sitzung.gSicht.XStart, start);
  for (int i = 0; i < 200; ++i) Rad(p, -1);
  EXPECT_DOUBLE_EQ(100999, sitzung.gSicht.XEnde);  // not past the curve's end
  // In help mode the wheel does nothing.
  widgets::DirekthilfeSchalten(true);
  Rad(p, 3);
  EXPECT_DOUBLE_EQ(100999, sitzung.gSicht.XEnde);
}

TEST_F(BedienungTest, EscapeTakesBackADrawPreviewAndAMarkDrag) {
  Werkzeug(Werkzeug::Zeichnen);
  QTest::mousePress(graph(), Qt::LeftButton, {}, Pixel(3000, 1000));
  Bewegen(Pixel(5000, 1500));
  EXPECT_FALSE(panel->Grafik().VorschauPunkt()->data()->isEmpty());
  Taste(QKeySequence(Qt::Key_Escape));
  EXPECT_TRUE(panel->Grafik().VorschauPunkt()->data()->isEmpty());
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, Pixel(5000, 1500));
  EXPECT_EQ(2, Kurve1().Punktanzahl());
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);

  Werkzeug(Werkzeug::Markieren);
  Ziehen(Pixel(1000, 1000), Pixel(3000, 1000));
  const curves::Markierung vorher = sitzung.gMarkierung;
  ASSERT_TRUE(vorher.Aktiv);
  // The status of a mark shows while it is drawn.
  EXPECT_TRUE(panel->statusBar()->currentMessage().startsWith("Mark: "))
      << panel->statusBar()->currentMessage().toStdString();
  QTest::mousePress(graph(), Qt::LeftButton, {}, Pixel(6000, 1000));
  Bewegen(Pixel(8000, 1000));
  EXPECT_NEAR(8000, sitzung.gMarkierung.Ende, 50);
  Taste(QKeySequence(Qt::Key_Escape));
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, Pixel(8000, 1000));
  EXPECT_DOUBLE_EQ(vorher.Start, sitzung.gMarkierung.Start);
  EXPECT_DOUBLE_EQ(vorher.Ende, sitzung.gMarkierung.Ende);
}

TEST_F(BedienungTest, ZoomAndSelectAllKeys) {
  Taste(QKeySequence(Qt::CTRL | Qt::Key_Plus));
  EXPECT_DOUBLE_EQ(6668, curves::Sichtbreite(sitzung));
  Taste(QKeySequence(Qt::CTRL | Qt::Key_0));
  EXPECT_DOUBLE_EQ(101000, curves::Sichtbreite(sitzung));
  Taste(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  EXPECT_GT(curves::Sichtbreite(sitzung), 101000);
  Werkzeug(Werkzeug::Markieren);
  Taste(QKeySequence::SelectAll);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);
  EXPECT_DOUBLE_EQ(0, sitzung.gMarkierung.Start);
}

}  // namespace
}  // namespace kurvenfenster
