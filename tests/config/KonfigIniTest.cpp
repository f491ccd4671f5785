// The "konfig" section through a real settings file.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "KonfigTestbasis.h"
#include "config/KonfigIni.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"

namespace {

using namespace config;
using konfigtest::Beispiel;
using konfigtest::Fensterattrappe;
using konfigtest::KonfigTest;

struct Store {
  Store() : p(ini::Ini_New(0)) {}
  ~Store() { ini::Ini_Dispose(p); }
  ini::IniStore* p;
};

class KonfigIni : public KonfigTest {
 protected:
  // Writes gKonfig into a settings file and returns its text.
  std::string Speichern() {
    Store s;
    EXPECT_EQ(WriteIniKonfigpanel(konfig, s.p), 0);
    EXPECT_EQ(ini::Ini_WriteToFile(s.p, pfad().c_str()), 0);
    std::ifstream in(pfad(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int Laden() {
    Store s;
    EXPECT_GE(ini::Ini_ReadFromFile(s.p, pfad().c_str()), 0);
    return ReadIniKonfigpanel(konfig, s.p);
  }
  void DateiSchreiben(const std::string& text) {
    std::ofstream out(pfad(), std::ios::binary);
    out << text;
  }
  std::string pfad() const { return dir.file("miv3XKurvengenerator.ini"); }
  testsupport::TempDir dir;
};

TEST_F(KonfigIni, KeysInOrder) {
  gKonfig = Beispiel();
  std::string text = Speichern();
  std::vector<std::string> schluessel;
  std::istringstream zeilen(text);
  for (std::string z; std::getline(zeilen, z);) {
    auto gleich = z.find('=');
    if (gleich == std::string::npos) continue;
    std::string tag = z.substr(0, gleich);
    while (!tag.empty() && tag.back() == ' ') tag.pop_back();
    schluessel.push_back(tag);
  }
  std::vector<std::string> erwartet{"voutmax", "vinmax"};
  for (int i = 0; i < 4; ++i)
    for (const char* stamm : {"outmin", "outmax", "outskalamin", "outskalamax", "outeinheit",
                              "inmin", "inmax", "inskalamin", "inskalamax", "ineinheit"})
      erwartet.push_back(stamm + std::to_string(i));
  EXPECT_EQ(schluessel, erwartet);
  EXPECT_NE(text.find("[konfig]"), std::string::npos);
  EXPECT_NE(text.find("\"mbar\""), std::string::npos);
  EXPECT_NE(text.find("4.095"), std::string::npos);
}

TEST_F(KonfigIni, RoundTripCutsUnitsToSevenCharacters) {
  Fensterattrappe fenster;
  gKonfig = Beispiel();
  Speichern();
  gKonfig = KonfigurationStandard();
  fenster.binden(konfig);
  EXPECT_EQ(Laden(), 0);
  EXPECT_EQ(fenster.gezeigt, 1);  // shown in the window at the end

  Konfiguration erwartet = Beispiel();
  EinheitSetzen(erwartet.outeinheit[2], "1234567");
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, erwartet), 1);
  EXPECT_STREQ(gKonfig.outeinheit[2], "1234567");
  EXPECT_STREQ(gKonfig.outeinheit[3], "");
  EXPECT_STREQ(gKonfig.ineinheit[0], "°C");
  EXPECT_EQ(KonfigurationenVergleichen(fenster.felder, erwartet), 1);
}

TEST_F(KonfigIni, WritingTakesTheWindowFieldsFirst) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  fenster.felder = Beispiel();
  std::string text = Speichern();
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
  EXPECT_NE(text.find("\"l/min\""), std::string::npos);
}

TEST_F(KonfigIni, MissingKeysFallBack) {
  gKonfig = Beispiel();
  DateiSchreiben(
      "[konfig]\r\nvoutmax = 5\r\noutmax2 = 7.5\r\noutskalamax2 = 75\r\n"
      "outeinheit2 = \"bar\"\r\nineinheit1 = \"\"\r\n");
  EXPECT_EQ(Laden(), 0);
  EXPECT_EQ(gKonfig.voutmax, 5.0);
  EXPECT_EQ(gKonfig.vinmax, 10.0);
  EXPECT_EQ(gKonfig.outmax[2], 7.5);
  EXPECT_EQ(gKonfig.outskalamax[2], 75.0);
  EXPECT_EQ(gKonfig.outmin[0], 0.0);
  EXPECT_EQ(gKonfig.inskalamax[3], 10.0);
  EXPECT_STREQ(gKonfig.outeinheit[2], "bar");
  // A missing unit is empty, not "V".
  EXPECT_STREQ(gKonfig.outeinheit[0], "");
  EXPECT_STREQ(gKonfig.ineinheit[1], "");
  EXPECT_STREQ(gKonfig.ineinheit[3], "");
}

TEST_F(KonfigIni, EmptyOrAbsentFileGivesStandardValuesWithEmptyUnits) {
  gKonfig = Beispiel();
  DateiSchreiben("");
  EXPECT_EQ(Laden(), 0);
  Konfiguration erwartet = KonfigurationStandard();
  for (int i = 0; i < 4; ++i) {
    EinheitSetzen(erwartet.outeinheit[i], "");
    EinheitSetzen(erwartet.ineinheit[i], "");
  }
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, erwartet), 1);
}

TEST_F(KonfigIni, DamagedNumbersKeepTheirStandardValue) {
  DateiSchreiben(
      "[konfig]\r\nvoutmax = abc\r\nvinmax = 5x\r\noutmax0 = nan\r\noutmax1 = inf\r\n"
      "inmin2 = 1e999\r\ninmax3 = 4.5\r\n");
  EXPECT_EQ(Laden(), 0);
  EXPECT_EQ(gKonfig.voutmax, 10.0);
  EXPECT_EQ(gKonfig.vinmax, 10.0);
  EXPECT_EQ(gKonfig.outmax[0], 10.0);
  EXPECT_EQ(gKonfig.outmax[1], 10.0);
  EXPECT_EQ(gKonfig.inmin[2], 0.0);
  EXPECT_EQ(gKonfig.inmax[3], 4.5);
}

TEST_F(KonfigIni, LongUnitInTheFileIsCut) {
  DateiSchreiben("[konfig]\r\nouteinheit1 = \"Kilopascal\"\r\nineinheit0 = \"abcdefgh\"\r\n");
  EXPECT_EQ(Laden(), 0);
  EXPECT_STREQ(gKonfig.outeinheit[1], "Kilopas");
  EXPECT_STREQ(gKonfig.ineinheit[0], "abcdefg");
  for (char c : std::string(gKonfig.outeinheit[1], 9).substr(7)) EXPECT_EQ(c, '\0');
}

TEST_F(KonfigIni, UnterminatedUnitInTheRecordIsWrittenWithEightCharacters) {
  std::memset(gKonfig.ineinheit[2], 'w', 9);
  std::string text = Speichern();
  EXPECT_NE(text.find("\"wwwwwwww\""), std::string::npos);
  EXPECT_EQ(text.find("wwwwwwwww"), std::string::npos);
}

TEST_F(KonfigIni, LineBreaksInAUnitCannotForgeKeys) {
  // Such a unit can only come from a damaged file; it must not split the settings line.
  gKonfig = Beispiel();
  EinheitSetzen(gKonfig.outeinheit[0], "a\r\nvout");
  EinheitSetzen(gKonfig.ineinheit[3], "\nx=1\t");
  std::string text = Speichern();
  EXPECT_NE(text.find("\"a  vout\""), std::string::npos);
  gKonfig = KonfigurationStandard();
  EXPECT_EQ(Laden(), 0);
  EXPECT_STREQ(gKonfig.outeinheit[0], "a  vout");
  EXPECT_STREQ(gKonfig.ineinheit[3], " x=1 ");
  EXPECT_EQ(gKonfig.voutmax, 4.095);
  EXPECT_EQ(gKonfig.outskalamax[3], 240.0);
}

TEST_F(KonfigIni, NoStore) {
  gKonfig = Beispiel();
  EXPECT_EQ(WriteIniKonfigpanel(konfig, nullptr), 0);
  EXPECT_EQ(ReadIniKonfigpanel(konfig, nullptr), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, KonfigurationStandard()), 1);
}

}  // namespace
