// The COM settings window against a simulated WUN-2 on a real pseudo-terminal: port list,
// opening and closing, the connection symbols, scan and ID, the hidden controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

#include "widgets/Direkthilfe.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "device/gui/CompanelFenster.h"
#include "support/ScriptedOperator.h"
#include "support_sim/SimPort.h"
#include "ui_COMPNL.h"
#include "widgets/Navigation.h"
#include "widgets/Verbindungssymbol.h"

namespace {

using device::gui::CompanelFenster;
using widgets::Verbindungssymbol;

constexpr int kSimPort = 4;
constexpr int kFehlenderPort = 3;  // listed by the system, but no device behind it

void globalesZuruecksetzen() {
  widgets::DirekthilfeSchalten(false);
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  device::ZOR_Fehlersprache(2);
}

testsupport::SimPortOptions simOptionen() {
  testsupport::SimPortOptions o;
  o.addresses = "35";
  o.ids = {{'3', "ZOR-MIV3AX WUN-2 V1.30"}, {'5', "ACME-PSU 7.2"}};
  o.port = kSimPort;
  return o;
}

class ComFensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    globalesZuruecksetzen();
    sim = std::make_unique<testsupport::SimPort>(simOptionen());
    // The window opens the port itself, on the connection it is handed.
    device::ZORFYD1_Close(sim->verbindung(), kSimPort);
    verbindung.DienstSetzen(&sim->service());
    verbindung.PortquelleSetzen([this] { return ports; });
    fenster = std::make_unique<CompanelFenster>(
        nullptr, widgets::Fensterumgebung{verbindung, nullptr, &navigation});
    fenster->resize(900, 600);
    fenster->Init();
    fenster->show();
    wahl = navigation.Fensterwahl.Abonnieren([this](widgets::Fenster f) { gezeigt.push_back(f); });
    ende = navigation.Endeanfragen.Abonnieren([this](int& antwort) {
      ++endeAnfragen;
      antwort = 0;
    });
  }
  void TearDown() override {
    fenster->Clear();
    fenster.reset();
    sim.reset();
    globalesZuruecksetzen();
  }

  Ui::COMPNL& u() { return fenster->ui(); }

  // Opens the list (refilling it) and commits the entry with this port number.
  void portWaehlen(int port) {
    QTest::mousePress(u().PORT, Qt::LeftButton);
    u().PORT->hidePopup();
    int index = u().PORT->findData(port);
    ASSERT_GE(index, 0) << "port " << port << " not listed";
    u().PORT->setCurrentIndex(index);
    emit u().PORT->activated(index);
  }

  std::vector<bool> lampenAn() {
    std::vector<bool> an;
    for (QLabel* l :
         {u().LED1, u().LED2, u().LED3, u().LED4, u().LED5, u().LED6, u().LED7, u().LED8})
      an.push_back(l->property("an").toBool());
    return an;
  }

  testsupport::ScriptedOperator op;
  std::unique_ptr<testsupport::SimPort> sim;
  device::Verbindung verbindung;
  widgets::Fensternavigation navigation;
  common::Meldeliste<widgets::Fenster>::Abo wahl;
  common::Meldeliste<int&>::Abo ende;
  std::unique_ptr<CompanelFenster> fenster;
  std::vector<int> ports{kFehlenderPort, kSimPort};
  std::vector<widgets::Fenster> gezeigt;
  int endeAnfragen = 0;
};

TEST_F(ComFensterTest, FirstClickOnTheNeverFilledListSelectsCom1) {
  // A first run without settings: the list has never been filled (a connection of its own, never
  // filled).
  ASSERT_EQ(u().PORT->count(), 0);
  ASSERT_TRUE(verbindung.Companel().portliste.empty());
  ports = {kSimPort, 1, 0};
  QTest::mousePress(u().PORT, Qt::LeftButton);
  u().PORT->hidePopup();
  ASSERT_EQ(u().PORT->count(), 3);
  EXPECT_EQ(u().PORT->currentText(), "COM 1");
  EXPECT_EQ(verbindung.ComPortEinstellmerker(), 1);
  // From now on the click remembers what the list shows.
  u().PORT->setCurrentIndex(u().PORT->findData(kSimPort));
  device::PortlisteAuswaehlen(verbindung, kSimPort);
  QTest::mousePress(u().PORT, Qt::LeftButton);
  u().PORT->hidePopup();
  EXPECT_EQ(u().PORT->currentText(), "COM 4");
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
}

TEST_F(ComFensterTest, StartStateHidesWhatThisBuildDoesNotOffer) {
  EXPECT_EQ(fenster->windowTitle(), "COM settings");
  for (QWidget* w : std::initializer_list<QWidget*>{
           u().DIREKTHILFE, u().STARTSTOPPEINGANGAUS, u().STARTSTOPPEINGANGEIN, u().START,
           u().STOPP, u().FEHLERABFRAGE, u().LED_FEHLER0, u().LED_FEHLER4, u().FEHLERHILFE})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  QStringList eintraege;
  for (QAction* a : u().menuWindows->actions()) eintraege << a->text();
  EXPECT_EQ(eintraege, (QStringList{"Main window", "COM settings", "Curve generator", "Line log"}));
  EXPECT_EQ(u().menuFile->actions().size(), 1);
  EXPECT_EQ(u().menuFile->actions()[0]->text(), "Exit");
  EXPECT_EQ(u().SCANN->text(), "Scan");
  EXPECT_EQ(u().IDLESEN->text(), "Read ID");
  EXPECT_EQ(u().ZURUECK->text(), "Back to main window");
  EXPECT_EQ(u().ADRESSE->count(), 8);
  EXPECT_EQ(u().ADRESSE->itemText(0), "1");
  EXPECT_EQ(u().ADRESSE->itemText(7), "8");
  EXPECT_TRUE(u().TEXT->text().isEmpty());
}

TEST_F(ComFensterTest, PortListIsRefilledOnAClickAndSaysNaWithoutPorts) {
  ports = {9, 2, 300, kSimPort};
  QTest::mousePress(u().PORT, Qt::LeftButton);
  u().PORT->hidePopup();
  ASSERT_EQ(u().PORT->count(), 3);
  EXPECT_EQ(u().PORT->itemText(0), "COM 2");
  EXPECT_EQ(u().PORT->itemText(1), "COM 4");
  EXPECT_EQ(u().PORT->itemText(2), "COM 9");
  // Nothing was opened by looking at the list.
  EXPECT_EQ(verbindung.OffenerComPort(), -1);

  ports.clear();
  QTest::mousePress(u().PORT, Qt::LeftButton);
  u().PORT->hidePopup();
  ASSERT_EQ(u().PORT->count(), 1);
  EXPECT_EQ(u().PORT->itemText(0), "n.a.");
  emit u().PORT->activated(0);
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_EQ(u().FEHLERNR->text(), "100003");
  EXPECT_EQ(u().FEHLERSTRING->text(), "Error opening com-port");
}

TEST_F(ComFensterTest, OpeningClosingAndTheConnectionSymbols) {
  // A symbol on another window (the curve window carries one too).
  Verbindungssymbol anderes;
  anderes.VerbindungSetzen(&verbindung);
  anderes.resize(72, 56);
  anderes.show();

  portWaehlen(kSimPort);
  EXPECT_EQ(verbindung.OffenerComPort(), kSimPort);
  EXPECT_EQ(verbindung.Port().lport, kSimPort);
  EXPECT_EQ(u().PICTURERING->Wert(), kSimPort);
  EXPECT_EQ(anderes.Wert(), kSimPort);
  EXPECT_EQ(u().FEHLERNR->text(), "0");

  // The open port again: nothing changes, the error fields are cleared.
  verbindung.ComFehlerSetzen(-404015);
  portWaehlen(kSimPort);
  EXPECT_EQ(verbindung.OffenerComPort(), kSimPort);
  EXPECT_EQ(u().FEHLERNR->text(), "0");
  EXPECT_FALSE(u().FEHLERLED->property("an").toBool());

  // Another window's symbol closes the port ...
  QTest::mouseClick(&anderes, Qt::LeftButton);
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_EQ(u().PICTURERING->Wert(), -1);
  EXPECT_EQ(anderes.Wert(), -1);
  // ... and opens the last one again, even with another entry shown in the list.
  u().PORT->setCurrentIndex(u().PORT->findData(kFehlenderPort));
  device::PortlisteAuswaehlen(verbindung, kFehlenderPort);
  QTest::mouseClick(&anderes, Qt::LeftButton);
  EXPECT_EQ(verbindung.OffenerComPort(), kSimPort);
  EXPECT_EQ(u().PORT->currentData().toInt(), kSimPort);
  EXPECT_EQ(anderes.Wert(), kSimPort);
  char id[32] = {};
  EXPECT_EQ(device::ZORFYD1_IDLesen(verbindung, kSimPort, '3', id), 0);

  // The COM window's own symbol closes it.
  QTest::mouseClick(u().PICTURERING, Qt::LeftButton);
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_EQ(anderes.Wert(), -1);
}

TEST_F(ComFensterTest, APortThatCannotBeOpenedLeavesNothingConnected) {
  portWaehlen(kSimPort);
  ASSERT_EQ(verbindung.OffenerComPort(), kSimPort);
  portWaehlen(kFehlenderPort);
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_EQ(verbindung.Port().lport, kSimPort);
  EXPECT_EQ(u().FEHLERNR->text(), "100003");
  EXPECT_EQ(u().FEHLERSTRING->text(), "Error opening com-port");
  EXPECT_TRUE(u().FEHLERLED->property("an").toBool());
  EXPECT_EQ(u().PICTURERING->Wert(), -1);
  // Nothing in a popup.
  EXPECT_TRUE(op.messages.empty());
  // The symbol reconnects to the port that worked last.
  QTest::mouseClick(u().PICTURERING, Qt::LeftButton);
  EXPECT_EQ(verbindung.OffenerComPort(), kSimPort);
  EXPECT_EQ(u().FEHLERNR->text(), "0");
}

TEST_F(ComFensterTest, ScanFindsTheWun2AndTheOtherDevice) {
  portWaehlen(kSimPort);
  verbindung.ComFehlerSetzen(-404015);
  QTest::mouseClick(u().SCANN, Qt::LeftButton);
  EXPECT_EQ(lampenAn(), (std::vector<bool>{false, false, true, false, true, false, false, false}));
  EXPECT_EQ(u().LED3->property("farbe").toUInt(), 0x00CC00u);
  EXPECT_EQ(u().LED5->property("farbe").toUInt(), 0xFF0000u);
  EXPECT_EQ(u().ADRESSE->currentText(), "3");
  EXPECT_EQ(verbindung.Geraeteadresse(), '3');
  EXPECT_EQ(u().IDSTRING->text(), "ZOR-MIV3AXWUN-2V1.30");
  EXPECT_TRUE(u().TEXT->text().isEmpty());
  EXPECT_EQ(u().FEHLERNR->text(), "0");
  // Every address was asked, in order.
  std::vector<std::string> fragen;
  for (const auto& f : sim->engine().frames())
    if (f.find("IDR") != std::string::npos) fragen.push_back(f);
  std::vector<std::string> erwartet;
  for (char a = '1'; a <= '8'; ++a) erwartet.push_back(std::string("#") + a + "IDR\r");
  EXPECT_EQ(fragen, erwartet);
}

TEST_F(ComFensterTest, ReadIdShowsTheIdOrTheError) {
  portWaehlen(kSimPort);
  u().ADRESSE->setCurrentIndex(4);  // '5'
  EXPECT_EQ(verbindung.Geraeteadresse(), '5');
  QTest::mouseClick(u().IDLESEN, Qt::LeftButton);
  EXPECT_EQ(u().IDSTRING->text(), "ACME-PSU7.2");
  EXPECT_EQ(u().FEHLERNR->text(), "0");
  EXPECT_TRUE(u().TEXT->text().isEmpty());

  // Nobody at address 7: the ID field is emptied and the error shown.
  u().ADRESSE->setCurrentIndex(6);
  QTest::mouseClick(u().IDLESEN, Qt::LeftButton);
  EXPECT_TRUE(u().IDSTRING->text().isEmpty());
  EXPECT_EQ(u().FEHLERNR->text().left(3), "403");
  EXPECT_EQ(u().FEHLERSTRING->text(), "No answer from device");
  EXPECT_TRUE(u().FEHLERLED->property("an").toBool());
}

TEST_F(ComFensterTest, EveryCommandWithoutAnOpenPortSaysSo) {
  struct Fall {
    QPushButton* knopf;
    const char* nummer;
  };
  for (Fall f : {Fall{u().IDLESEN, "122232"}, Fall{u().SCANN, "122233"}, Fall{u().START, "122234"},
                 Fall{u().STOPP, "122235"}, Fall{u().STARTSTOPPEINGANGEIN, "122236"},
                 Fall{u().STARTSTOPPEINGANGAUS, "122236"}, Fall{u().FEHLERABFRAGE, "122237"}}) {
    verbindung.ComFehlerSetzen(0);
    f.knopf->click();  // hidden controls still work when called
    EXPECT_EQ(u().FEHLERNR->text(), f.nummer) << f.knopf->objectName().toStdString();
    EXPECT_EQ(u().FEHLERSTRING->text(), "COM-port not open");
  }
  EXPECT_TRUE(sim->engine().frames().empty());
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(ComFensterTest, HiddenControlsTalkToTheDevice) {
  portWaehlen(kSimPort);
  u().ADRESSE->setCurrentIndex(2);  // '3'
  u().START->click();
  EXPECT_TRUE(sim->engine().device('3').running);
  u().STOPP->click();
  EXPECT_FALSE(sim->engine().device('3').running);
  u().STARTSTOPPEINGANGEIN->click();
  EXPECT_EQ(sim->engine().device('3').mode & 1, 1);
  u().STARTSTOPPEINGANGAUS->click();
  EXPECT_EQ(sim->engine().device('3').mode & 1, 0);

  sim->engine().withDevice('3', [](sim::Device& d) { d.status2 = 0x0B; });
  u().FEHLERABFRAGE->click();
  EXPECT_EQ(u().FEHLERNR->text(), "0");
  EXPECT_TRUE(u().LED_FEHLER0->property("an").toBool());
  EXPECT_TRUE(u().LED_FEHLER1->property("an").toBool());
  EXPECT_FALSE(u().LED_FEHLER2->property("an").toBool());
  EXPECT_TRUE(u().LED_FEHLER3->property("an").toBool());
  u().FEHLERHILFE->click();
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.lastMessageTitle(), "Error bits");
  EXPECT_EQ(op.lastMessageText(), "Memory error\nChecksumm error\nData not valid");

  // Closing the port dims the error-bit controls.
  QTest::mouseClick(u().PICTURERING, Qt::LeftButton);
  EXPECT_FALSE(u().FEHLERABFRAGE->isEnabled());
  EXPECT_FALSE(u().START->isEnabled());
  EXPECT_FALSE(u().LED_FEHLER0->isEnabled());
}

TEST_F(ComFensterTest, DirectHelpShowsTextsAndNeitherOpensNorScans) {
  const int eintraege = u().PORT->count();
  ports = {1, 2, 6, 7, 8};
  u().DIREKTHILFE->setChecked(true);
  ASSERT_EQ(widgets::HilfeAktiv(), 1);
  op.helpTexts.clear();
  QTest::mouseClick(u().PORT, Qt::LeftButton);
  QTest::mouseClick(u().SCANN, Qt::LeftButton);
  QTest::mouseClick(u().LED4, Qt::LeftButton);
  QTest::mouseClick(u().FEHLERSTRING, Qt::LeftButton);
  QTest::mouseClick(u().PICTURERING, Qt::LeftButton);
  QTest::mouseClick(u().ZURUECK, Qt::LeftButton);
  ASSERT_EQ(op.helpTexts.size(), 5u);
  EXPECT_EQ(op.helpTexts[0], "The serial interface to which the WUN-2\nis connected.");
  EXPECT_EQ(op.helpTexts[1],
            "Searches the open serial interface for\nWUN-2 devices. The result is displayed "
            "via LEDs.");
  EXPECT_EQ(op.helpTexts[2],
            "The result of the last 'Scan' command for\ndevice address 1 to 8:\ngray: no "
            "device found.\ngreen: WUN-2 found.\nred: device answer, but device is no WUN-2.");
  EXPECT_EQ(op.helpTexts[3],
            "Indicates errors that occurred during data transfer\nto the WUN-2. The error "
            "display consists of\nerror LED, error text and error number.");
  EXPECT_EQ(op.helpTexts[4],
            "Opens or disconnects the serial connection to the WUN-2.\nCOM-Port number and "
            "device address must be preset\nin the 'COM Setup' window.");
  // No list refilled, no port opened, no window switched, no frame sent.
  EXPECT_EQ(u().PORT->count(), eintraege);
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_TRUE(gezeigt.empty());
  u().actionExit->trigger();
  u().actionMainWindow->trigger();
  EXPECT_EQ(endeAnfragen, 0);
  EXPECT_TRUE(gezeigt.empty());
  EXPECT_TRUE(sim->engine().frames().empty());

  u().DIREKTHILFE->setChecked(false);
  QTest::mouseClick(u().ZURUECK, Qt::LeftButton);
  u().actionExit->trigger();
  EXPECT_EQ(gezeigt, (std::vector<widgets::Fenster>{widgets::Fenster::Haupt}));
  EXPECT_EQ(endeAnfragen, 1);
}

}  // namespace
