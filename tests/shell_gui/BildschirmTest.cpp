// The windows as drawn, connected to a simulated WUN-2. With MIV_SCREENSHOT_DIR set the
// pictures are saved there as PNG files (run under a real display to look at them).
#include <QImage>
#include <QPixmap>
#include <QtTest/QTest>

#include "ShellFixture.h"
#include "device/Protokoll.h"
#include "device/gui/CompanelFenster.h"
#include "shell/Hauptfenster.h"
#include "support_sim/SimPort.h"
#include "ui_COMPNL.h"
#include "ui_MAINPANEL.h"
#include "widgets/Verbindungssymbol.h"

namespace shelltest {
namespace {

using shell::Fenster;

void speichern(const QPixmap& bild, const char* name) {
  QByteArray ordner = qgetenv("MIV_SCREENSHOT_DIR");
  if (ordner.isEmpty()) return;
  bild.save(QString::fromLocal8Bit(ordner) + "/" + name, "PNG");
}

TEST_F(ShellTest, WindowsAndConnectionSymbolsAsDrawn) {
  testsupport::SimPortOptions o;
  o.addresses = "13";
  o.port = 4;
  testsupport::SimPort sim(o);
  device::ZORFYD1_Close(sim.verbindung(), 4);
  verbindung.DienstSetzen(&sim.service());
  verbindung.PortquelleSetzen([] { return std::vector<int>{1, 4}; });
  dateiSchreiben(ini, "[com]\nadresse = 49\nport = 4\nlport = 4\n");
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  ASSERT_EQ(verbindung.OffenerComPort(), 4);
  shell::Hauptfenster* h = programm->Haupt();
  h->show();
  QApplication::processEvents();

  QImage verbunden = h->ui().PICTURERING->grab().toImage();
  speichern(h->grab(), "miv3x-main.png");

  programm->ZeigeChildpanel(Fenster::Com);
  auto* com = static_cast<device::gui::CompanelFenster*>(programm->Panel(Fenster::Com));
  QTest::mouseClick(com->ui().SCANN, Qt::LeftButton);
  QTest::mouseClick(com->ui().IDLESEN, Qt::LeftButton);
  EXPECT_EQ(com->ui().IDSTRING->text(), "ZOR-MIV3AXWUN-2V1.30");
  QApplication::processEvents();
  speichern(h->grab(), "miv3x-com.png");

  programm->ZeigeChildpanel(Fenster::Konfig);
  QApplication::processEvents();
  speichern(h->grab(), "miv3x-konfig.png");

  // Closed: every symbol shows "not connected", drawn differently.
  programm->ZeigeChildpanel(Fenster::Haupt);
  QTest::mouseClick(h->ui().PICTURERING, Qt::LeftButton);
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  QImage getrennt = h->ui().PICTURERING->grab().toImage();
  speichern(h->grab(), "miv3x-main-offline.png");
  EXPECT_FALSE(verbunden.isNull());
  EXPECT_NE(verbunden, getrennt);
  EXPECT_EQ(h->ui().PICTURERING->Wert(), -1);
  EXPECT_EQ(com->ui().PICTURERING->Wert(), -1);
}

}  // namespace
}  // namespace shelltest
