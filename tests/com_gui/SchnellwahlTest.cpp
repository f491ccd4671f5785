// The COM settings window's transfer choices and the notices of a connection in the
// windows' status lines.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QStatusBar>
#include <QtTest/QTest>

#include "device/Verbindung.h"
#include "device/gui/CompanelFenster.h"
#include "support/ScriptedOperator.h"
#include "ui_COMPNL.h"

namespace {

class Schnellwahl : public ::testing::Test {
 protected:
  testsupport::ScriptedOperator op;
  device::Verbindung verbindung;  // no port: the choices need none
  device::gui::CompanelFenster fenster{nullptr, widgets::Fensterumgebung{verbindung}};
};

TEST_F(Schnellwahl, CheckBoxesSetTheConnectionsChoices) {
  fenster.Init();
  fenster.show();
  auto& u = fenster.ui();
  EXPECT_EQ(u.SCHNELL->text(), "Fast transfers (38400 baud)");
  EXPECT_FALSE(u.SCHNELL->isChecked());
  EXPECT_FALSE(u.NURGEAENDERT->isChecked());
  QTest::mouseClick(u.SCHNELL, Qt::LeftButton);
  EXPECT_TRUE(verbindung.Uebertragung().schnell);
  EXPECT_TRUE(verbindung.Uebertragung().ratenSuchen);
  EXPECT_FALSE(verbindung.Uebertragung().nurGeaendert);
  QTest::mouseClick(u.NURGEAENDERT, Qt::LeftButton);
  EXPECT_TRUE(verbindung.Uebertragung().nurGeaendert);
  QTest::mouseClick(u.SCHNELL, Qt::LeftButton);
  EXPECT_FALSE(verbindung.Uebertragung().schnell);
  EXPECT_FALSE(verbindung.Uebertragung().ratenSuchen);

  // Choices read from the settings file show at the next repaint.
  verbindung.Uebertragung() = {true, false, true};
  verbindung.CompanelMelden();
  EXPECT_TRUE(u.SCHNELL->isChecked());
  EXPECT_FALSE(u.NURGEAENDERT->isChecked());
}

TEST_F(Schnellwahl, NoticesShowInTheStatusLine) {
  verbindung.HinweisMelden("Fast transfer: the device refused 38400 baud.");
  EXPECT_EQ(fenster.statusBar()->currentMessage(), "Fast transfer: the device refused 38400 baud.");
}

}  // namespace
