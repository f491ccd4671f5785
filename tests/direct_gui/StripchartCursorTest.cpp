// The strip chart's cursor: a click puts it on the nearest sample, the arrow keys step it
// sample by sample, and the readout gives the four inputs there and the sample's age.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QTest>
#include <memory>

#include "widgets/Direkthilfe.h"
#include "config/Konfiguration.h"
#include "device/Verbindung.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/gui/DirektpanelFenster.h"
#include "support/ScriptedOperator.h"
#include "support_gui/Grafikmaus.h"
#include "widgets/Cursorpaar.h"

namespace directguitest {
namespace {

class StripchartCursor : public testing::Test {
 protected:
  void SetUp() override {
    config::KonfigurationStandardwerte(sitzung.Konfig);
    widgets::DirekthilfeSchalten(false);
    fenster = std::make_unique<direct::gui::DirektpanelFenster>(
        sitzung, nullptr, widgets::Fensterumgebung{verbindung});
    fenster->resize(900, 700);
    ASSERT_EQ(0, fenster->Init());
    fenster->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
  }
  void TearDown() override { fenster.reset(); }
  QCustomPlot* chart() { return fenster->Stripchart(); }

  testsupport::ScriptedOperator bedienung;
  device::Verbindung verbindung;
  direct::Direktsitzung sitzung;  // declared before the window, so it outlives it
  std::unique_ptr<direct::gui::DirektpanelFenster> fenster;
};

TEST_F(StripchartCursor, StandsOnASampleAndReadsTheFourInputs) {
  // Samples 0..4; input 1 rises by 10 %, input 4 by 1 % per sample.
  for (int i = 0; i < 5; ++i) direct::StripchartPunkte(sitzung, {10.0 * i, 20.0, 30.0, 40.0 + i});
  chart()->replot();
  QTest::mouseClick(chart(), Qt::LeftButton, {}, testsupport::GraphPixel(chart(), 2.3, 50));
  widgets::Cursorpaar& c = fenster->StripchartCursor();
  EXPECT_DOUBLE_EQ(2.0, c.Stellung().X1);
  EXPECT_EQ(QString::fromUtf8("Abtastung 2, t = -2.00 s\nEingang 1 = 20.00 %\nEingang 2 = "
                              "20.00 %\nEingang 3 = 30.00 %\nEingang 4 = 42.00 %"),
            c.Text());
  QTest::keyClick(chart(), Qt::Key_Right);
  EXPECT_DOUBLE_EQ(3.0, c.Stellung().X1);
  EXPECT_TRUE(c.Text().startsWith("Abtastung 3, t = -1.00 s\nEingang 1 = 30.00 %"));
  // A new sample ages the one under the cursor.
  direct::StripchartPunkte(sitzung, {0.0, 0.0, 0.0, 0.0});
  chart()->replot();
  EXPECT_TRUE(c.Text().startsWith("Abtastung 3, t = -2.00 s")) << c.Text().toStdString();
}

TEST_F(StripchartCursor, ASampleNoLongerHeldReadsAsNone) {
  direct::StripchartPunkte(sitzung, {1.0, 2.0, 3.0, 4.0});
  chart()->replot();
  fenster->StripchartCursor().CursorSetzen(0, -1.0);
  EXPECT_TRUE(fenster->StripchartCursor().Text().contains(QString::fromUtf8("Eingang 1 = –")));
}

}  // namespace
}  // namespace directguitest
