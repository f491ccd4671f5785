// The measuring cursors of the characteristic window: on over the chosen tool, reading
// the output level at each cursor in the window's units.
#include "Kennlfensterhilfen.h"
#include "widgets/Cursorpaar.h"

namespace kennlfenster {
namespace {

TEST_F(KennlFensterTest, CursorsReadTheCharacteristicAndKeepTheToolFromActing) {
  // Points at X 0, 1000 and 2000 with Y 0, 2000 and 4000; all scaled 0..4095 -> 0..10 V.
  Setze({{0, 1000}, {2000, 1000}, {4000, 1}});
  panel->KennlinienpanelZeichnen();
  Werkzeug(KennlWerkzeug::Zeichnen);
  panel->Aktionen().Cursor->trigger();
  for (double x : {1010.0, 1980.0})
    QTest::mouseClick(graph(), Qt::LeftButton, Qt::ShiftModifier, Pixel(x, 2000));
  widgets::Cursorpaar& c = panel->Cursor();
  EXPECT_DOUBLE_EQ(1000.0, c.Stellung().X1);
  EXPECT_DOUBLE_EQ(2000.0, c.Stellung().X2);
  for (const char* teil : {"x1 = 2.4420 V", "y1 = 4.8840 V", "x2 = 4.8840 V", "y2 = 9.7680 V",
                           "Δx = 2.4420 V", "Δy = 4.8840 V", "Δy/Δx = 2"})
    EXPECT_TRUE(c.Text().contains(QString::fromUtf8(teil))) << teil << "\n"
                                                            << c.Text().toStdString();
  EXPECT_EQ(3, sitzung.gKennl.Kennl.Punktanzahl());  // the draw tool did not act

  panel->Aktionen().Cursor->trigger();
  EXPECT_FALSE(c.Linie(0)->visible());
  Klicken(Pixel(3000, 1000));
  EXPECT_EQ(4, sitzung.gKennl.Kennl.Punktanzahl());  // and does again with the cursors off
}

}  // namespace
}  // namespace kennlfenster
