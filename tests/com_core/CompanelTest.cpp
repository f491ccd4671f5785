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
  MemorySerialService service;
  service.connect(1);
  device::Verbindung v(&service);
  ASSERT_TRUE(v.Companel().portliste.empty());
  v.PortquelleSetzen([] { return std::vector<int>{1}; });
  device::ComPictureKlick(v);
  EXPECT_EQ(v.OffenerComPort(), 1);
  EXPECT_EQ(v.Companel().verbindungssymbol, 1);
  device::CompanelClear(v);
}

class CompanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device::ZOR_Fehlersprache(2);
    device::FehlerbitsDimmen(v, false);
    engine.setId('5', "ACME-PSU 7.2");
    for (int p : {1, 3, 12})
      service.connect(
          p, [this](std::string_view b) { return stumm ? std::string() : engine.feed(b); });
    v.DienstSetzen(&service);
    v.PortquelleSetzen([this] { return ports; });
    anzeige = v.CompanelAbonnieren([this] {
      const auto& f = v.Companel().fortschritt;
      if (fortschritte.empty() || fortschritte.back() != f) fortschritte.push_back(f);
    });
    device::ComControlAusfuellen(v);
    fortschritte.clear();
  }
  void TearDown() override { device::CompanelClear(v); }

  int oeffnen(int port) {
    device::PortlisteAuswaehlen(v, port);
    return device::ComPortOeffnen(v);
  }

  testsupport::ScriptedOperator op;
  sim::Engine engine{"135"};
  MemorySerialService service;
  device::Verbindung v;
  device::Verbindung::AnzeigeAbo anzeige;
  bool stumm = false;                   // the line is silent
  std::vector<int> ports{12, 3, 1, 7};  // 7 is listed but has nothing behind it
  std::vector<std::string> fortschritte;
};

TEST_F(CompanelTest, PortListIsSortedKeepsTheRememberedPortAndSaysNaWhenEmpty) {
  ports = {300, 12, -1, 0, 256, 3};
  v.ComPortEinstellmerkerSetzen(12);
  device::ComControlAusfuellen(v);
  std::vector<std::string> namen;
  for (const auto& e : v.Companel().portliste) namen.push_back(e.label);
  EXPECT_EQ(namen, (std::vector<std::string>{"COM 0", "COM 3", "COM 12", "COM 256"}));
  EXPECT_EQ(v.Companel().portlistenwert, 12);

  v.ComPortEinstellmerkerSetzen(99);  // gone: the first entry
  device::ComControlAusfuellen(v);
  EXPECT_EQ(v.Companel().portlistenwert, 0);

  ports.clear();
  device::ComControlAusfuellen(v);
  ASSERT_EQ(v.Companel().portliste.size(), 1u);
  EXPECT_EQ(v.Companel().portliste[0].label, "n.a.");
  EXPECT_EQ(v.Companel().portliste[0].wert, 0);
  // "n.a." cannot be opened.
  EXPECT_EQ(device::ComPortOeffnen(v), -100003);
  EXPECT_EQ(v.OffenerComPort(), -1);
  // A selection the list does not have leaves it as it is.
  EXPECT_FALSE(device::PortlisteAuswaehlen(v, 3));
  EXPECT_EQ(v.Companel().portlistenwert, 0);

  // Ports reported, but none with a usable number: still "n.a.", never an empty list.
  ports = {300, -2, 1000};
  device::ComControlAusfuellen(v);
  ASSERT_EQ(v.Companel().portliste.size(), 1u);
  EXPECT_EQ(v.Companel().portliste[0].label, "n.a.");
  EXPECT_EQ(v.Companel().portlistenwert, 0);
  EXPECT_EQ(device::ComPortOeffnen(v), -100003);
  EXPECT_EQ(v.OffenerComPort(), -1);
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
  EXPECT_EQ(v.Port().lport, 12);
  device::VerbindungssymboleSetzen(v);
  EXPECT_EQ(v.Companel().verbindungssymbol, 0);  // above 8

  EXPECT_EQ(oeffnen(7), -100003);
  EXPECT_FALSE(service.state(12).open);
  EXPECT_EQ(v.OffenerComPort(), -1);
  EXPECT_EQ(v.Port().lport, 12);
  device::VerbindungssymboleSetzen(v);
  EXPECT_EQ(v.Companel().verbindungssymbol, -1);

  // A refused open by the service itself (a port that exists).
  service.failNext(MemorySerialService::Op::Open);
  EXPECT_EQ(oeffnen(1), -100003);
  EXPECT_EQ(v.OffenerComPort(), -1);
  EXPECT_EQ(v.Port().lport, 12);
}

TEST_F(CompanelTest, SymbolClickReconnectsToTheLastPortAndClosesAgain) {
  ASSERT_EQ(oeffnen(3), 0);
  device::ComPictureKlick(v);
  EXPECT_EQ(v.OffenerComPort(), -1);
  EXPECT_EQ(v.Companel().verbindungssymbol, -1);
  EXPECT_TRUE(v.Companel().fehlerbitsGedimmt);
  device::PortlisteAuswaehlen(v, 12);
  v.ComFehlerSetzen(-404015);
  device::ComPictureKlick(v);
  EXPECT_EQ(v.OffenerComPort(), 3);
  EXPECT_EQ(v.Companel().portlistenwert, 3);
  EXPECT_EQ(v.Companel().verbindungssymbol, 3);
  EXPECT_EQ(v.AktuelleFehlerfelder().nummer, 0);
  EXPECT_FALSE(v.Companel().fehlerbitsGedimmt);

  // No port ever opened: lport -1 is not in the list, the list's own choice is opened.
  device::CompanelClear(v);
  v.Port().lport = -1;
  device::PortlisteAuswaehlen(v, 7);
  device::ComPictureKlick(v);
  EXPECT_EQ(v.AktuelleFehlerfelder().nummer, 100003);
  EXPECT_EQ(v.OffenerComPort(), -1);
}

TEST_F(CompanelTest, ScanLightsTheLampsAndEndsOnTheLastWun2) {
  ASSERT_EQ(oeffnen(3), 0);
  fortschritte.clear();
  EXPECT_EQ(device::GeraeteSuchen(v), 0);
  const auto& l = v.Companel().scanLampen;
  EXPECT_TRUE(l[0].an);
  EXPECT_EQ(l[0].farbe, device::kLampeGruen);
  EXPECT_TRUE(l[2].an);
  EXPECT_EQ(l[2].farbe, device::kLampeGruen);
  EXPECT_TRUE(l[4].an);
  EXPECT_EQ(l[4].farbe, device::kLampeRot);
  for (int i : {1, 3, 5, 6, 7}) EXPECT_FALSE(l[i].an) << i;
  EXPECT_EQ(v.Geraeteadresse(), '3');
  EXPECT_EQ(device::IdFeld(v), "ZOR-MIV3AXWUN-2V1.30");
  std::vector<std::string> erwartet;
  for (char a = '1'; a <= '8'; ++a) erwartet.push_back(std::string("searching for device ") + a);
  erwartet.push_back("");
  EXPECT_EQ(fortschritte, erwartet);

  // Nobody answers any more: all lamps off, the ID field empty.
  stumm = true;
  EXPECT_EQ(device::GeraeteSuchen(v), 0);
  for (const auto& lampe : v.Companel().scanLampen) EXPECT_FALSE(lampe.an);
  EXPECT_EQ(device::IdFeld(v), "");
}

TEST_F(CompanelTest, ReadIdShowsProgressAndReportsFailures) {
  ASSERT_EQ(oeffnen(1), 0);
  v.GeraeteadresseSetzen('5');
  fortschritte.clear();
  device::IDLesenMitAnzeige(v);
  EXPECT_EQ(device::IdFeld(v), "ACME-PSU7.2");
  // The German text comes first and is replaced at once.
  EXPECT_EQ(fortschritte, (std::vector<std::string>{"lese ID...", "reading ID...", ""}));
  v.GeraeteadresseSetzen('2');
  device::IDLesenMitAnzeige(v);
  EXPECT_EQ(device::IdFeld(v), "");
  EXPECT_EQ(v.AktuelleFehlerfelder().nummer / 1000, 403);
  EXPECT_TRUE(v.AktuelleFehlerfelder().led);
}

TEST_F(CompanelTest, EveryCommandWithoutAPortHasItsOwnCode) {
  EXPECT_EQ(device::IDLesen(v), -122232);
  EXPECT_EQ(device::GeraeteSuchen(v), -122233);
  EXPECT_EQ(device::StartSenden(v), -122234);
  EXPECT_EQ(device::StoppSenden(v), -122235);
  EXPECT_EQ(device::StartStoppEingangSetzen(v, true), -122236);
  EXPECT_EQ(device::StartStoppEingangSetzen(v, false), -122236);
  device::Fehlerabfrage(v);
  EXPECT_EQ(v.AktuelleFehlerfelder().nummer, 122237);
  EXPECT_EQ(v.AktuelleFehlerfelder().text, "COM-port not open");
  EXPECT_EQ(service.calls(MemorySerialService::Op::Write), 0);
}

TEST_F(CompanelTest, ErrorBitsAndTheirExplanation) {
  ASSERT_EQ(oeffnen(1), 0);
  engine.withDevice('1', [](sim::Device& d) { d.status2 = 0x14; });
  device::Fehlerabfrage(v);
  EXPECT_EQ(v.AktuelleFehlerfelder().nummer, 0);
  EXPECT_EQ(device::FehlerbitsText(v), "Eeprom not ready\nCurve selection error");
  device::FehlerbitsErklaeren(v);
  EXPECT_EQ(op.lastMessageTitle(), "Error bits");
  EXPECT_EQ(op.lastMessageText(), "Eeprom not ready\nCurve selection error");
  device::FehlerbitsAnzeigen(v, 0);
  EXPECT_EQ(device::FehlerbitsText(v), "");
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
    device::CompanelClear(v);
    v.Port() = {};
    ini::IniStore* s = store(f.text);
    EXPECT_EQ(device::ReadIniCompanel(v, s), 0);
    ini::Ini_Dispose(s);
    EXPECT_EQ(v.Geraeteadresse(), f.adresse) << f.text;
    EXPECT_EQ(v.OffenerComPort(), f.offen) << f.text;
    EXPECT_EQ(v.Port().lport, f.lport) << f.text;
  }
  // The last case: 200 is valid but not in the list, so COM 1 was opened and reported clean.
  EXPECT_EQ(v.AktuelleFehlerfelder().nummer, 0);

  ini::IniStore* s = ini::Ini_New(1);
  device::WriteIniCompanel(v, s);
  std::int32_t wert = 0;
  ASSERT_EQ(ini::Ini_GetInt(s, "com", "adresse", &wert), 1);
  EXPECT_EQ(wert, 49);
  ASSERT_EQ(ini::Ini_GetInt(s, "com", "port", &wert), 1);
  EXPECT_EQ(wert, 1);
  ASSERT_EQ(ini::Ini_GetInt(s, "com", "lport", &wert), 1);
  EXPECT_EQ(wert, 1);
  ini::Ini_Dispose(s);
}

// A connection of its own starts as a fresh run: no list, no port, address '1', port 1
// remembered, clear error fields.
TEST(CompanelNeu, ANewConnectionStartsAsAFreshRun) {
  device::Verbindung v;
  EXPECT_TRUE(v.Companel().portliste.empty());
  EXPECT_EQ(v.Companel().verbindungssymbol, -1);
  EXPECT_EQ(v.ComPortEinstellmerker(), 1);
  EXPECT_EQ(v.OffenerComPort(), -1);
  EXPECT_EQ(v.Port().lport, -1);
  EXPECT_EQ(v.Geraeteadresse(), '1');
  EXPECT_FALSE(v.AktuelleFehlerfelder().led);
  // No port source: the list says "n.a.", and opening it fails without a service.
  device::ComControlAusfuellen(v);
  ASSERT_EQ(v.Companel().portliste.size(), 1u);
  EXPECT_EQ(v.Companel().portliste[0].label, "n.a.");
}

}  // namespace
