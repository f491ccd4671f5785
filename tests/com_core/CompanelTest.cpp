// The COM settings logic without a window: the port list, opening and closing, the
// connection symbol, ID and scan, the commands without a port, and the "com" section.
// The devices are the simulator's engine wired into the in-memory serial service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Engine.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/MemorySerialService.h"
#include "device/SerialService.h"
#include "device/Verbindung.h"
#include "ini/IniStore.h"
#include "support/ScriptedOperator.h"

namespace {

using device::MemorySerialService;

TEST(CompanelErsterStart, SymbolClickBeforeTheListWasFilledOpensTheListsChoice) {
  // A fresh run without settings: the list has never been filled.
  device::VerbindungZuruecksetzen();
  device::CompanelZuruecksetzen();
  ASSERT_TRUE(device::Companel().portliste.empty());
  MemorySerialService service;
  service.connect(1);
  device::setSerialService(&service);
  device::PortquelleSetzen([] { return std::vector<int>{1}; });
  device::ComPictureKlick();
  EXPECT_EQ(device::OffenerComPort(), 1);
  EXPECT_EQ(device::Companel().verbindungssymbol, 1);
  device::CompanelClear();
  device::setSerialService(nullptr);
  device::CompanelZuruecksetzen();
  device::VerbindungZuruecksetzen();
}

class CompanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device::VerbindungZuruecksetzen();
    device::CompanelZuruecksetzen();
    device::FehlerZuruecksetzen();
    device::ZOR_Fehlersprache(2);
    device::FehlerbitsDimmen(false);
    engine.setId('5', "ACME-PSU 7.2");
    for (int p : {1, 3, 12})
      service.connect(
          p, [this](std::string_view b) { return stumm ? std::string() : engine.feed(b); });
    device::setSerialService(&service);
    device::PortquelleSetzen([this] { return ports; });
    device::CompanelAnzeigeBinden([this] {
      const auto& f = device::Companel().fortschritt;
      if (fortschritte.empty() || fortschritte.back() != f) fortschritte.push_back(f);
    });
    device::ComControlAusfuellen();
    fortschritte.clear();
  }
  void TearDown() override {
    device::CompanelClear();
    device::setSerialService(nullptr);
    device::CompanelZuruecksetzen();
    device::FehlerZuruecksetzen();
  }

  int oeffnen(int port) {
    device::PortlisteAuswaehlen(port);
    return device::ComPortOeffnen();
  }

  testsupport::ScriptedOperator op;
  sim::Engine engine{"135"};
  MemorySerialService service;
  bool stumm = false;                   // the line is silent
  std::vector<int> ports{12, 3, 1, 7};  // 7 is listed but has nothing behind it
  std::vector<std::string> fortschritte;
};

TEST_F(CompanelTest, PortListIsSortedKeepsTheRememberedPortAndSaysNaWhenEmpty) {
  ports = {300, 12, -1, 0, 256, 3};
  device::gComPortEinstellmerker = 12;
  device::ComControlAusfuellen();
  std::vector<std::string> namen;
  for (const auto& e : device::Companel().portliste) namen.push_back(e.label);
  EXPECT_EQ(namen, (std::vector<std::string>{"COM 0", "COM 3", "COM 12", "COM 256"}));
  EXPECT_EQ(device::Companel().portlistenwert, 12);

  device::gComPortEinstellmerker = 99;  // gone: the first entry
  device::ComControlAusfuellen();
  EXPECT_EQ(device::Companel().portlistenwert, 0);

  ports.clear();
  device::ComControlAusfuellen();
  ASSERT_EQ(device::Companel().portliste.size(), 1u);
  EXPECT_EQ(device::Companel().portliste[0].label, "n.a.");
  EXPECT_EQ(device::Companel().portliste[0].wert, 0);
  // "n.a." cannot be opened.
  EXPECT_EQ(device::ComPortOeffnen(), -100003);
  EXPECT_EQ(device::OffenerComPort(), -1);
  // A selection the list does not have leaves it as it is.
  EXPECT_FALSE(device::PortlisteAuswaehlen(3));
  EXPECT_EQ(device::Companel().portlistenwert, 0);

  // Ports reported, but none with a usable number: still "n.a.", never an empty list.
  ports = {300, -2, 1000};
  device::ComControlAusfuellen();
  ASSERT_EQ(device::Companel().portliste.size(), 1u);
  EXPECT_EQ(device::Companel().portliste[0].label, "n.a.");
  EXPECT_EQ(device::Companel().portlistenwert, 0);
  EXPECT_EQ(device::ComPortOeffnen(), -100003);
  EXPECT_EQ(device::OffenerComPort(), -1);
}

TEST_F(CompanelTest, OpeningTheOpenPortAgainChangesNothing) {
  ASSERT_EQ(oeffnen(3), 0);
  EXPECT_EQ(service.state(3).baudRate, 9600);
  EXPECT_EQ(service.state(3).timeout, 0.5);
  EXPECT_EQ(service.state(3).dataBits, 7);
  const int geoeffnet = service.calls(MemorySerialService::Op::Open);
  EXPECT_EQ(oeffnen(3), 0);
  EXPECT_EQ(service.calls(MemorySerialService::Op::Open), geoeffnet);
  EXPECT_EQ(service.calls(MemorySerialService::Op::Close), 0);
}

TEST_F(CompanelTest, AnotherPortClosesTheFirstAndAFailureLeavesNoneOpen) {
  ASSERT_EQ(oeffnen(3), 0);
  ASSERT_EQ(oeffnen(12), 0);
  EXPECT_FALSE(service.state(3).open);
  EXPECT_TRUE(service.state(12).open);
  EXPECT_EQ(device::sgComPort.lport, 12);
  device::VerbindungssymboleSetzen();
  EXPECT_EQ(device::Companel().verbindungssymbol, 0);  // above 8

  EXPECT_EQ(oeffnen(7), -100003);
  EXPECT_FALSE(service.state(12).open);
  EXPECT_EQ(device::OffenerComPort(), -1);
  EXPECT_EQ(device::sgComPort.lport, 12);
  device::VerbindungssymboleSetzen();
  EXPECT_EQ(device::Companel().verbindungssymbol, -1);

  // A refused open by the service itself (a port that exists).
  service.failNext(MemorySerialService::Op::Open);
  EXPECT_EQ(oeffnen(1), -100003);
  EXPECT_EQ(device::OffenerComPort(), -1);
  EXPECT_EQ(device::sgComPort.lport, 12);
}

TEST_F(CompanelTest, SymbolClickReconnectsToTheLastPortAndClosesAgain) {
  ASSERT_EQ(oeffnen(3), 0);
  device::ComPictureKlick();
  EXPECT_EQ(device::OffenerComPort(), -1);
  EXPECT_EQ(device::Companel().verbindungssymbol, -1);
  EXPECT_TRUE(device::Companel().fehlerbitsGedimmt);
  device::PortlisteAuswaehlen(12);
  device::ComFehlerSetzen(-404015);
  device::ComPictureKlick();
  EXPECT_EQ(device::OffenerComPort(), 3);
  EXPECT_EQ(device::Companel().portlistenwert, 3);
  EXPECT_EQ(device::Companel().verbindungssymbol, 3);
  EXPECT_EQ(device::AktuelleFehlerfelder().nummer, 0);
  EXPECT_FALSE(device::Companel().fehlerbitsGedimmt);

  // No port ever opened: lport -1 is not in the list, the list's own choice is opened.
  device::CompanelClear();
  device::sgComPort.lport = -1;
  device::PortlisteAuswaehlen(7);
  device::ComPictureKlick();
  EXPECT_EQ(device::AktuelleFehlerfelder().nummer, 100003);
  EXPECT_EQ(device::OffenerComPort(), -1);
}

TEST_F(CompanelTest, ScanLightsTheLampsAndEndsOnTheLastWun2) {
  ASSERT_EQ(oeffnen(3), 0);
  fortschritte.clear();
  EXPECT_EQ(device::GeraeteSuchen(), 0);
  const auto& l = device::Companel().scanLampen;
  EXPECT_TRUE(l[0].an);
  EXPECT_EQ(l[0].farbe, device::kLampeGruen);
  EXPECT_TRUE(l[2].an);
  EXPECT_EQ(l[2].farbe, device::kLampeGruen);
  EXPECT_TRUE(l[4].an);
  EXPECT_EQ(l[4].farbe, device::kLampeRot);
  for (int i : {1, 3, 5, 6, 7}) EXPECT_FALSE(l[i].an) << i;
  EXPECT_EQ(device::Geraeteadresse(), '3');
  EXPECT_EQ(device::IdFeld(), "ZOR-MIV3AXWUN-2V1.30");
  std::vector<std::string> erwartet;
  for (char a = '1'; a <= '8'; ++a) erwartet.push_back(std::string("searching for device ") + a);
  erwartet.push_back("");
  EXPECT_EQ(fortschritte, erwartet);

  // Nobody answers any more: all lamps off, the ID field empty.
  stumm = true;
  EXPECT_EQ(device::GeraeteSuchen(), 0);
  for (const auto& lampe : device::Companel().scanLampen) EXPECT_FALSE(lampe.an);
  EXPECT_EQ(device::IdFeld(), "");
}

TEST_F(CompanelTest, ReadIdShowsProgressAndReportsFailures) {
  ASSERT_EQ(oeffnen(1), 0);
  device::GeraeteadresseSetzen('5');
  fortschritte.clear();
  device::IDLesenMitAnzeige();
  EXPECT_EQ(device::IdFeld(), "ACME-PSU7.2");
  // The German text comes first and is replaced at once.
  EXPECT_EQ(fortschritte, (std::vector<std::string>{"lese ID...", "reading ID...", ""}));
  device::GeraeteadresseSetzen('2');
  device::IDLesenMitAnzeige();
  EXPECT_EQ(device::IdFeld(), "");
  EXPECT_EQ(device::AktuelleFehlerfelder().nummer / 1000, 403);
  EXPECT_TRUE(device::AktuelleFehlerfelder().led);
}

TEST_F(CompanelTest, EveryCommandWithoutAPortHasItsOwnCode) {
  EXPECT_EQ(device::IDLesen(), -122232);
  EXPECT_EQ(device::GeraeteSuchen(), -122233);
  EXPECT_EQ(device::StartSenden(), -122234);
  EXPECT_EQ(device::StoppSenden(), -122235);
  EXPECT_EQ(device::StartStoppEingangSetzen(true), -122236);
  EXPECT_EQ(device::StartStoppEingangSetzen(false), -122236);
  device::Fehlerabfrage();
  EXPECT_EQ(device::AktuelleFehlerfelder().nummer, 122237);
  EXPECT_EQ(device::AktuelleFehlerfelder().text, "COM-port not open");
  EXPECT_EQ(service.calls(MemorySerialService::Op::Write), 0);
}

TEST_F(CompanelTest, ErrorBitsAndTheirExplanation) {
  ASSERT_EQ(oeffnen(1), 0);
  engine.withDevice('1', [](sim::Device& d) { d.status2 = 0x14; });
  device::Fehlerabfrage();
  EXPECT_EQ(device::AktuelleFehlerfelder().nummer, 0);
  EXPECT_EQ(device::FehlerbitsText(), "Eeprom not ready\nCurve selection error");
  device::FehlerbitsErklaeren();
  EXPECT_EQ(op.lastMessageTitle(), "Error bits");
  EXPECT_EQ(op.lastMessageText(), "Eeprom not ready\nCurve selection error");
  device::FehlerbitsAnzeigen(0);
  EXPECT_EQ(device::FehlerbitsText(), "");
}

ini::IniStore* store(const std::string& text) {
  ini::IniStore* s = ini::Ini_New(1);
  // The store reads files only; one line per key is enough here.
  std::string sektion;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t ende = text.find('\n', pos);
    std::string zeile = text.substr(pos, ende - pos);
    pos = ende == std::string::npos ? text.size() : ende + 1;
    if (zeile.empty()) continue;
    if (zeile[0] == '[') {
      sektion = zeile.substr(1, zeile.size() - 2);
      continue;
    }
    size_t gleich = zeile.find('=');
    ini::Ini_PutInt(s, sektion.c_str(), zeile.substr(0, gleich).c_str(),
                    std::stoi(zeile.substr(gleich + 1)));
  }
  return s;
}

TEST_F(CompanelTest, SettingsSectionFallbacksAndTheOpenedPort) {
  struct Fall {
    std::string text;
    char adresse;
    int lport;
    int offen;
  };
  // Port 7 is listed but cannot be opened; port 1 is what the list selects by itself.
  for (const Fall& f :
       {Fall{"[com]\nadresse=51\nport=12\nlport=3\n", '3', 12, 12},
        Fall{"[com]\nadresse=65\nport=300\nlport=300\n", '1', 1, 1},
        Fall{"[com]\nadresse=38\nport=-1\nlport=0\n", '&', 1, 1},
        Fall{"[com]\nport=7\nlport=3\n", '1', 3, -1}, Fall{"[com]\nport=200\n", '1', 1, 1}}) {
    device::CompanelClear();
    device::sgComPort = {};
    ini::IniStore* s = store(f.text);
    EXPECT_EQ(device::ReadIniCompanel(s), 0);
    ini::Ini_Dispose(s);
    EXPECT_EQ(device::Geraeteadresse(), f.adresse) << f.text;
    EXPECT_EQ(device::OffenerComPort(), f.offen) << f.text;
    EXPECT_EQ(device::sgComPort.lport, f.lport) << f.text;
  }
  // The last case: 200 is valid but not in the list, so COM 1 was opened and reported clean.
  EXPECT_EQ(device::AktuelleFehlerfelder().nummer, 0);

  ini::IniStore* s = ini::Ini_New(1);
  device::WriteIniCompanel(s);
  std::int32_t wert = 0;
  ASSERT_EQ(ini::Ini_GetInt(s, "com", "adresse", &wert), 1);
  EXPECT_EQ(wert, 49);
  ASSERT_EQ(ini::Ini_GetInt(s, "com", "port", &wert), 1);
  EXPECT_EQ(wert, 1);
  ASSERT_EQ(ini::Ini_GetInt(s, "com", "lport", &wert), 1);
  EXPECT_EQ(wert, 1);
  ini::Ini_Dispose(s);
}

// The resets give the state of a fresh run, whatever a test left behind; the open port is
// left to CompanelClear.
TEST_F(CompanelTest, ResetsForgetListPortsAddressAndErrors) {
  device::gComPortEinstellmerker = 3;
  device::ComControlAusfuellen();
  ASSERT_EQ(oeffnen(3), 0);
  device::GeraeteadresseSetzen('5');
  device::ComFehlerSetzen(-100003);
  int angezeigt = 0;
  device::FehlerfelderBinden(device::FehlerfeldFenster::Com,
                             [&](const device::Fehlerfelder&) { ++angezeigt; });
  device::CompanelClear();

  device::CompanelZuruecksetzen();
  device::VerbindungZuruecksetzen();
  device::FehlerZuruecksetzen();
  EXPECT_TRUE(device::Companel().portliste.empty());
  EXPECT_EQ(device::Companel().verbindungssymbol, -1);
  EXPECT_EQ(device::gComPortEinstellmerker, 1);
  EXPECT_EQ(device::OffenerComPort(), -1);
  EXPECT_EQ(device::sgComPort.lport, -1);
  EXPECT_EQ(device::Geraeteadresse(), '1');
  EXPECT_FALSE(device::AktuelleFehlerfelder().led);
  EXPECT_EQ(device::AktuelleFehlerfelder().nummer, 0);
  // No port source any more: the list says "n.a."; nothing bound is shown.
  const int vorher = angezeigt;
  device::ComControlAusfuellen();
  ASSERT_EQ(device::Companel().portliste.size(), 1u);
  EXPECT_EQ(device::Companel().portliste[0].label, "n.a.");
  device::ComFehlerSetzen(-100003);
  EXPECT_EQ(angezeigt, vorher);
  EXPECT_EQ(device::sgSprache, 1);  // German, as before the settings are read
}

}  // namespace
