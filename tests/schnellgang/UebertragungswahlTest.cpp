// The transfer choices in the "com" settings section: files from before them read as off,
// only 1 switches one on, and they are written back beside the old keys.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "device/Companel.h"
#include "device/Verbindung.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"

namespace {

struct Fall {
  const char* text;
  bool schnell;
  bool nurGeaendert;
  bool nachpruefen = false;
};

class Uebertragungswahl : public ::testing::TestWithParam<Fall> {
 protected:
  testsupport::TempDir ordner;
};

TEST_P(Uebertragungswahl, ReadsAndWritesBack) {
  const std::string pfad = ordner.file("miv3XKurvengenerator.ini");
  std::ofstream(pfad) << GetParam().text;
  ini::IniStore* s = ini::Ini_New(1);
  ASSERT_GE(ini::Ini_ReadFromFile(s, pfad.c_str()), 0);
  device::Verbindung v;
  // The opposite of what the file says first: reading must set both ways.
  v.Uebertragung() = {!GetParam().schnell, !GetParam().nurGeaendert, !GetParam().schnell,
                      !GetParam().nachpruefen};
  ASSERT_EQ(0, device::ReadIniCompanel(v, s));
  ini::Ini_Dispose(s);
  EXPECT_EQ(GetParam().schnell, v.Uebertragung().schnell);
  EXPECT_EQ(GetParam().schnell, v.Uebertragung().ratenSuchen);
  EXPECT_EQ(GetParam().nurGeaendert, v.Uebertragung().nurGeaendert);
  EXPECT_EQ(GetParam().nachpruefen, v.Uebertragung().nachpruefen);

  ini::IniStore* w = ini::Ini_New(1);
  ASSERT_EQ(0, device::WriteIniCompanel(v, w));
  std::int32_t wert = -1;
  ASSERT_EQ(1, ini::Ini_GetInt(w, "com", "schnell", &wert));
  EXPECT_EQ(GetParam().schnell ? 1 : 0, wert);
  ASSERT_EQ(1, ini::Ini_GetInt(w, "com", "nurgeaendert", &wert));
  EXPECT_EQ(GetParam().nurGeaendert ? 1 : 0, wert);
  ASSERT_EQ(1, ini::Ini_GetInt(w, "com", "nachpruefen", &wert));
  EXPECT_EQ(GetParam().nachpruefen ? 1 : 0, wert);
  ASSERT_EQ(1, ini::Ini_GetInt(w, "com", "adresse", &wert));
  EXPECT_EQ('3', wert);
  ini::Ini_Dispose(w);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Uebertragungswahl,
    ::testing::Values(Fall{"[com]\nadresse = 51\nport = -1\nlport = -1\n", false, false},
                      Fall{"[com]\nadresse = 51\nschnell = 1\n", true, false},
                      Fall{"[com]\nadresse = 51\nschnell = 1\nnurgeaendert = 1\n", true, true},
                      Fall{"[com]\nadresse = 51\nschnell = 2\nnurgeaendert = 0\n", false, false},
                      Fall{"[com]\nadresse = 51\nschnell = ja\nnurgeaendert = 1\n", false, true},
                      Fall{"[com]\nadresse = 51\nnachpruefen = 1\n", false, false, true},
                      Fall{"[com]\nadresse = 51\nschnell = 1\nnachpruefen = 0\n", true, false}));

}  // namespace
