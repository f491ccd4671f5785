// The characteristic graph answers the wheel and Escape as the curve graph does: the
// wheel scrolls the input axis, Ctrl with the wheel zooms around the mouse, and Escape
// during a drag takes the tool's preview and the mark back.
#include "Kennlfensterhilfen.h"
#include "characteristic/edit/KennlAnsicht.h"
#include "widgets/Kurvengrafik.h"

namespace kennlfenster {
namespace {

class KennlBedienungTest : public KennlFensterTest {
 protected:
  void SetUp() override {
    KennlFensterTest::SetUp();
    Setze({{0, 2000}, {4095, 1}});
    panel->KennlinienpanelZeichnen();
  }
  void Rad(QPoint p, int schritte, Qt::KeyboardModifiers tasten = {}) {
    testsupport::MausRad(graph(), p, schritte, tasten);
  }
  void Escape() { testsupport::Tasten(panel.get(), QKeySequence(Qt::Key_Escape)); }
};

TEST_F(KennlBedienungTest, CtrlWheelZoomsAroundTheMouseAndTheWheelScrollsWithinTheInputRange) {
  const QPoint p = Pixel(1000, 2000);
  const double vorher = graph()->xAxis->pixelToCoord(p.x());
  Rad(p, 1, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(2730, characteristic::KennlSichtbreite(sitzung));
  EXPECT_NEAR(vorher, graph()->xAxis->pixelToCoord(p.x()), 3.0);  // still under the mouse
  const double start = sitzung.gKennl.XStart;
  Rad(p, -2);  // down: to the right
  EXPECT_GT(sitzung.gKennl.XStart, start);
  for (int i = 0; i < 50; ++i) Rad(p, -1);
  EXPECT_DOUBLE_EQ(4094, sitzung.gKennl.XEnde);  // not past the input range
  EXPECT_EQ(100, u().SCROLLBAR->value() * 100 / std::max(1, u().SCROLLBAR->maximum()));
  // In help mode the wheel does nothing.
  widgets::DirekthilfeSchalten(true);
  Rad(p, 3);
  EXPECT_DOUBLE_EQ(4094, sitzung.gKennl.XEnde);
}

TEST_F(KennlBedienungTest, EscapeTakesBackADrawPreviewAndAMarkDrag) {
  Werkzeug(KennlWerkzeug::Zeichnen);
  QTest::mousePress(graph(), Qt::LeftButton, {}, Pixel(2500, 1000));
  Bewegen(Pixel(3000, 1500));
  EXPECT_FALSE(panel->Grafik().VorschauPunkt()->data()->isEmpty());
  Escape();
  EXPECT_TRUE(panel->Grafik().VorschauPunkt()->data()->isEmpty());
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, Pixel(3000, 1500));
  EXPECT_EQ(Punkte().size(), 2u);
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);

  Werkzeug(KennlWerkzeug::Markieren);
  Ziehen(Pixel(500, 1000), Pixel(1500, 1000));
  const characteristic::Markierung vorher = sitzung.gKennl.Mark;
  ASSERT_TRUE(vorher.Aktiv);
  QTest::mousePress(graph(), Qt::LeftButton, {}, Pixel(2500, 1000));
  Bewegen(Pixel(3500, 1000));
  EXPECT_NEAR(3500, sitzung.gKennl.Mark.Ende, 20);
  Escape();
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, Pixel(3500, 1000));
  EXPECT_DOUBLE_EQ(vorher.Start, sitzung.gKennl.Mark.Start);
  EXPECT_DOUBLE_EQ(vorher.Ende, sitzung.gKennl.Mark.Ende);
  // The next drag starts a new mark again.
  Ziehen(Pixel(2000, 1000), Pixel(2600, 1000));
  EXPECT_NEAR(2000, sitzung.gKennl.Mark.Start, 20);
}

}  // namespace
}  // namespace kennlfenster
