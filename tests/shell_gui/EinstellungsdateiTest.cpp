// The settings file around a run: first run, sections and keys written, fallbacks when
// reading, and the popups for a file that is missing, unreadable or unwritable.
#include <sys/stat.h>

#include <QComboBox>
#include <QLineEdit>
#include <cstring>

#include "ShellFixture.h"
#include "config/gui/KonfigpanelFenster.h"
#include "device/gui/CompanelFenster.h"
#include "ini/IniStore.h"
#include "ui_COMPNL.h"
#include "ui_KONFIGPNL.h"

namespace shelltest {
namespace {

using shell::Fenster;

// A value read back through the store itself.
int iniInt(const std::string& pfad, const char* sektion, const char* key, int fallback = -999) {
  ini::IniStore* s = ini::Ini_New(1);
  std::int32_t wert = fallback;
  if (ini::Ini_ReadFromFile(s, pfad.c_str()) >= 0) ini::Ini_GetInt(s, sektion, key, &wert);
  ini::Ini_Dispose(s);
  return wert;
}

std::string iniText(const std::string& pfad, const char* sektion, const char* key) {
  ini::IniStore* s = ini::Ini_New(1);
  char puffer[64] = {};
  if (ini::Ini_ReadFromFile(s, pfad.c_str()) >= 0)
    ini::Ini_GetRawStringIntoBuffer(s, sektion, key, puffer, sizeof puffer);
  ini::Ini_Dispose(s);
  return puffer;
}

bool hatKey(const std::string& pfad, const char* sektion, const char* key) {
  ini::IniStore* s = ini::Ini_New(1);
  std::int32_t wert = 0;
  int r = -1;
  if (ini::Ini_ReadFromFile(s, pfad.c_str()) >= 0) r = ini::Ini_GetInt(s, sektion, key, &wert);
  ini::Ini_Dispose(s);
  return r != 0;
}

TEST_F(ShellTest, FirstRunWithoutAFileGivesOnePopupAndWritesTheSectionsAtTheEnd) {
  int portabfragen = 0;
  verbindung.PortquelleSetzen([&] {
    ++portabfragen;
    return std::vector<int>{1};
  });
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Error #802201");
  EXPECT_EQ(op.messages[0].text, "INI-File not found");
  // No section read: no port list filled, no port opened.
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_EQ(portabfragen, 0);
  EXPECT_FALSE(std::filesystem::exists(ini));

  programm->Beenden();
  EXPECT_EQ(op.messages.size(), 1u);
  ASSERT_TRUE(std::filesystem::exists(ini));
  // Every window puts its section.
  EXPECT_EQ(sektionen(ini),
            (std::vector<std::string>{"com", "direkt", "kennlinie", "konfig", "kurven"}));
  EXPECT_EQ(iniInt(ini, "kennlinie", "darstellung"), 3);
  EXPECT_EQ(iniInt(ini, "direkt", "kurve1"), 1);
  EXPECT_EQ(iniText(ini, "direkt", "grenze1"), "10");
  EXPECT_EQ(iniInt(ini, "kurven", "darstellung"), 3);
  EXPECT_EQ(iniInt(ini, "com", "adresse"), 49);
  EXPECT_EQ(iniInt(ini, "com", "port"), -1);
  EXPECT_EQ(iniInt(ini, "com", "lport"), -1);
  // The configuration window's start-up values reach the file.
  EXPECT_EQ(iniText(ini, "konfig", "outeinheit0"), "A");
  EXPECT_EQ(iniText(ini, "konfig", "voutmax"), "4.095");
  EXPECT_EQ(iniText(ini, "konfig", "outmax0"), "4.095");
  EXPECT_EQ(iniText(ini, "konfig", "ineinheit3"), "V");
}

TEST_F(ShellTest, HandAddedSectionsAndKeysAreGoneAfterTheNextEnd) {
  dateiSchreiben(ini,
                 "[hand]\nnotiz = 1\n"
                 "[com]\nadresse = 51\nextra = 7\n"
                 "[konfig]\nvinmax = 5\nmeins = 2\n"
                 "[kurven]\nhintergrund1 = 1\n");
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_TRUE(op.messages.empty());
  EXPECT_EQ(verbindung.Geraeteadresse(), '3');
  programm->Beenden();
  EXPECT_EQ(sektionen(ini),
            (std::vector<std::string>{"com", "direkt", "kennlinie", "konfig", "kurven"}));
  EXPECT_FALSE(hatKey(ini, "com", "extra"));
  EXPECT_FALSE(hatKey(ini, "konfig", "meins"));
  EXPECT_FALSE(hatKey(ini, "hand", "notiz"));
  EXPECT_FALSE(hatKey(ini, "kurven", "hintergrund1"));
  EXPECT_EQ(iniInt(ini, "com", "adresse"), 51);
  EXPECT_EQ(iniText(ini, "konfig", "vinmax"), "5");
}

TEST_F(ShellTest, TheDirectSectionSetsTracesAndLimitsAndKeepsThemToTheEnd) {
  dateiSchreiben(ini, "[direkt]\nkurve2 = 0\nkurve3 = 4\ngrenze1 = 3.5\n");
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_EQ(direct::Direktpanel(Direkt()).plot, (std::array<int, 4>{1, 0, 1, 1}));
  EXPECT_EQ(direct::Direktpanel(Direkt()).spurSichtbar,
            (std::array<bool, 4>{true, false, true, true}));
  EXPECT_EQ(direct::Direktpanel(Direkt()).begrenzung[0], 3.5);
  programm->Beenden();
  EXPECT_EQ(iniInt(ini, "direkt", "kurve2"), 0);
  EXPECT_EQ(iniInt(ini, "direkt", "kurve3"), 1);
  EXPECT_EQ(iniText(ini, "direkt", "grenze1"), "3.5");
}

// At start-up the direct window has never been shown; its points per width still come from
// the plot area it has inside the main window.
TEST_F(ShellTest, DirectPointsPerWidthComeFromThePlotInTheMainWindow) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_GE(direct::Direktpanel(Direkt()).punkteProBreite, 200);
  EXPECT_LE(direct::Direktpanel(Direkt()).punkteProBreite, 450);
  programm->Beenden();
}

TEST_F(ShellTest, CurveDisplayTypeOutOfRangeStartsAsLinesAndSteps) {
  dateiSchreiben(ini, "[kurven]\ndarstellung = 7\n");
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  programm->Beenden();
  EXPECT_EQ(iniInt(ini, "kurven", "darstellung"), 3);

  dateiSchreiben(ini, "[kurven]\ndarstellung = 2\n");
  programm.reset();
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  programm->Beenden();
  EXPECT_EQ(iniInt(ini, "kurven", "darstellung"), 2);
}

TEST_F(ShellTest, BadAddressAndPortValuesFallBack) {
  dateiSchreiben(ini, "[com]\nadresse = 65\nport = 300\nlport = 300\n");
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_EQ(verbindung.Geraeteadresse(), '1');
  auto* com = static_cast<device::gui::CompanelFenster*>(programm->Panel(Fenster::Com));
  EXPECT_EQ(com->ui().ADRESSE->currentText(), "1");
  EXPECT_EQ(verbindung.Port().lport, -1);
  // The list was filled (no port in the system: "n.a."), and that cannot be opened.
  EXPECT_EQ(com->ui().PORT->count(), 1);
  EXPECT_EQ(com->ui().PORT->currentText(), "n.a.");
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_EQ(com->ui().FEHLERNR->text(), "100003");
  programm->Beenden();
  EXPECT_EQ(iniInt(ini, "com", "adresse"), 49);
  EXPECT_EQ(iniInt(ini, "com", "port"), -1);
  EXPECT_EQ(iniInt(ini, "com", "lport"), -1);
}

TEST_F(ShellTest, BroadcastAddressFromTheFileIsKept) {
  dateiSchreiben(ini, "[com]\nadresse = 38\n");
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_EQ(verbindung.Geraeteadresse(), '&');
  auto* com = static_cast<device::gui::CompanelFenster*>(programm->Panel(Fenster::Com));
  EXPECT_EQ(com->ui().ADRESSE->currentText(), "&");
  programm->Beenden();
  EXPECT_EQ(iniInt(ini, "com", "adresse"), 38);
}

TEST_F(ShellTest, LongUnitsAreCutToSevenAndMissingUnitsAreEmpty) {
  dateiSchreiben(ini, "[konfig]\nouteinheit1 = Kilowatt\nineinheit2 = Millibar99\ninmax2 = 6\n");
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_STREQ(Kurven().Konfig.gKonfig.outeinheit[1], "Kilowat");
  EXPECT_STREQ(Kurven().Konfig.gKonfig.ineinheit[2], "Milliba");
  EXPECT_STREQ(Kurven().Konfig.gKonfig.ineinheit[0], "");
  EXPECT_EQ(Kurven().Konfig.gKonfig.inmax[2], 6.0);
  auto* konfig = static_cast<config::gui::KonfigpanelFenster*>(programm->Panel(Fenster::Konfig));
  EXPECT_EQ(konfig->ui().EINHEITOUT2->text(), "Kilowat");
  EXPECT_EQ(konfig->ui().EINHEITIN3->text(), "Milliba");
  EXPECT_EQ(konfig->ui().EINHEITIN1->text(), "");
}

TEST_F(ShellTest, AnUnreadableFileIsReportedAndTheProgramStartsWithDefaults) {
  std::filesystem::create_directory(ini);  // a folder where the file should be
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Error #801202");
  EXPECT_EQ(op.messages[0].text, "Error reading from INI-File");
  EXPECT_EQ(verbindung.OffenerComPort(), -1);

  // Writing fails too: one more popup, and the end is still normal.
  programm->Beenden();
  ASSERT_EQ(op.messages.size(), 2u);
  EXPECT_EQ(op.messages[1].title, "Error #800203");
  EXPECT_EQ(op.messages[1].text, "Error writing to INI-File");
  EXPECT_TRUE(std::filesystem::is_directory(ini));
}

// A FIFO in the file's place would hang the start: it counts as no file.
TEST_F(ShellTest, AFifoInPlaceOfTheFileStartsWithDefaults) {
  ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Error #802201");
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
}

}  // namespace
}  // namespace shelltest
