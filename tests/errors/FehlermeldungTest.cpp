// Categories, the message table in both languages and the popups.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "device/Fehler.h"
#include "support/ScriptedOperator.h"

namespace {

using namespace device;

class Fehlermeldung : public ::testing::Test {
 protected:
  void SetUp() override { gemerkt_ = Fehlersprache(); }
  void TearDown() override { ZOR_Fehlersprache(gemerkt_); }
  int gemerkt_ = 0;
};

// A valid UTF-8 text has no cut-off character at its end.
bool GueltigesUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

TEST_F(Fehlermeldung, LanguageStartsGerman) {
  // The fixture restores the language after every test, so the start value is still here.
  EXPECT_EQ(Fehlersprache(), 1);
  EXPECT_STREQ(ZOR_Fehlermeldung(-404015), "Fehlerhafte Antwort vom Gerät");
}

TEST_F(Fehlermeldung, CategoryBoundaries) {
  EXPECT_EQ(Fehlerkategorie(0), 0);
  EXPECT_EQ(Fehlerkategorie(-1), 0);
  EXPECT_EQ(Fehlerkategorie(-999), 0);
  EXPECT_EQ(Fehlerkategorie(999), 0);
  EXPECT_EQ(Fehlerkategorie(-1000), 1);
  EXPECT_EQ(Fehlerkategorie(-1500), 1);
  EXPECT_EQ(Fehlerkategorie(-1999), 1);
  EXPECT_EQ(Fehlerkategorie(-2000), 2);
  EXPECT_EQ(Fehlerkategorie(-6123), 6);
  EXPECT_EQ(Fehlerkategorie(-404015), 404);
  EXPECT_EQ(Fehlerkategorie(-999000), 999);
  EXPECT_EQ(Fehlerkategorie(-1021265), 1021);
  EXPECT_EQ(Fehlerkategorie(INT_MIN), 2147483);
  // Positive codes are no failures and find no entry.
  EXPECT_LT(Fehlerkategorie(1000), 0);
  EXPECT_LT(Fehlerkategorie(404015), 0);
  EXPECT_LT(Fehlerkategorie(INT_MAX), 0);
}

TEST_F(Fehlermeldung, TextsOfTheBoundaryCodes) {
  ZOR_Fehlersprache(2);
  EXPECT_STREQ(ZOR_Fehlermeldung(-404015), "Wrong answer from device");
  EXPECT_STREQ(ZOR_Fehlermeldung(-6123), "");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1), "No error");
  EXPECT_STREQ(ZOR_Fehlermeldung(-999), "No error");
  EXPECT_STREQ(ZOR_Fehlermeldung(0), "No error");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1000), "A unknown error occured");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1500), "A unknown error occured");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1999), "A unknown error occured");
  EXPECT_STREQ(ZOR_Fehlermeldung(-999000), "A unknown error occured");
  EXPECT_STREQ(ZOR_Fehlermeldung(INT_MIN), "A unknown error occured");
  EXPECT_STREQ(ZOR_Fehlermeldung(404015), "A unknown error occured");
  EXPECT_STREQ(ZOR_Fehlermeldung(INT_MAX), "A unknown error occured");
  EXPECT_STREQ(ZOR_Fehlermeldung(-122231), "COM-port not open");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1021265), "File is not a WUN-2 Configurationfile.");
  EXPECT_STREQ(ZOR_Fehlermeldung(-350001), "Timeout:\nPressure could not be produced.");

  ZOR_Fehlersprache(1);
  EXPECT_STREQ(ZOR_Fehlermeldung(-404015), "Fehlerhafte Antwort vom Gerät");
  EXPECT_STREQ(ZOR_Fehlermeldung(-6123), "");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1), "Es ist kein Fehler aufgetreten");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1500), "Ein unbekannter Fehler ist aufgetreten");
  EXPECT_STREQ(ZOR_Fehlermeldung(-999000), "Ein unbekannter Fehler ist aufgetreten");
  EXPECT_STREQ(ZOR_Fehlermeldung(INT_MIN), "Ein unbekannter Fehler ist aufgetreten");
  EXPECT_STREQ(ZOR_Fehlermeldung(-122231), "Serielle Schnittstelle ist nicht geöffnet");
  EXPECT_STREQ(ZOR_Fehlermeldung(-1026530), "Im WUN-2 sind keine Kennlinien gespeichert.");
}

TEST_F(Fehlermeldung, OnlyLanguageTwoIsEnglish) {
  for (int sprache : {0, 1, 3, -2, 22}) {
    ZOR_Fehlersprache(sprache);
    EXPECT_EQ(Fehlersprache(), sprache);
    EXPECT_STREQ(ZOR_Fehlermeldung(-403001), "Keine Antwort vom Gerät") << sprache;
  }
  ZOR_Fehlersprache(2);
  EXPECT_STREQ(ZOR_Fehlermeldung(-403001), "No answer from device");
}

TEST_F(Fehlermeldung, TableHoldsEveryCategoryInBothLanguages) {
  ASSERT_EQ(FehlertextAnzahl(), 133u);
  std::set<int> kategorien;
  for (std::size_t i = 0; i < FehlertextAnzahl(); ++i) {
    const Fehlertext& e = FehlertextNr(i);
    kategorien.insert(e.kategorie);
    int code = -(e.kategorie * 1000 + 999);
    ZOR_Fehlersprache(2);
    EXPECT_STREQ(ZOR_Fehlermeldung(code), e.englisch);
    ZOR_Fehlersprache(0);
    EXPECT_STREQ(ZOR_Fehlermeldung(code), e.deutsch);
    EXPECT_TRUE(GueltigesUtf8(e.deutsch)) << e.kategorie;
    if (e.kategorie != 6) {
      EXPECT_STRNE(e.englisch, "") << e.kategorie;
      EXPECT_STRNE(e.deutsch, "") << e.kategorie;
      EXPECT_STRNE(e.englisch, e.deutsch) << e.kategorie;
    }
    EXPECT_LT(std::string(e.deutsch).size(), kFehlermeldungPuffer);
  }
  EXPECT_EQ(kategorien.size(), 133u);
  // Gaps in the numbering stay unknown.
  for (int k : {1, 9, 99, 104, 115, 121, 309, 899, 1006, 1009, 1027}) {
    EXPECT_EQ(FehlertextSuchen(k), nullptr) << k;
  }
  ASSERT_NE(FehlertextSuchen(1026), nullptr);
  EXPECT_STREQ(FehlertextSuchen(1026)->englisch, "There are no curves in WUN-2 memory.");
  EXPECT_STREQ(FehlertextSuchen(1018)->deutsch, "In der WUN-2 Box sind keine Kurven gespeichert.");
}

TEST_F(Fehlermeldung, BufferHoldsTheLastTextOnly) {
  ZOR_Fehlersprache(2);
  const char* erst = ZOR_Fehlermeldung(-403001);
  std::string kopie = erst;
  const char* dann = ZOR_Fehlermeldung(-122231);
  EXPECT_EQ(erst, dann);
  EXPECT_EQ(kopie, "No answer from device");
  EXPECT_STREQ(dann, "COM-port not open");
}

TEST_F(Fehlermeldung, PopupTitleAndText) {
  testsupport::ScriptedOperator op;
  ZOR_Fehlersprache(2);
  ZOR_Fehlerpopup(-404015);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Error #404015");
  EXPECT_EQ(op.messages[0].text, "Wrong answer from device");
  EXPECT_EQ(op.messages[0].buttons, std::vector<std::string>{"OK"});

  ZOR_Fehlerpopup(-1);
  EXPECT_EQ(op.lastMessageTitle(), "Error #1");
  EXPECT_EQ(op.lastMessageText(), "No error");

  ZOR_Fehlerpopup(INT_MIN);
  EXPECT_EQ(op.lastMessageTitle(), "Error #2147483648");
  EXPECT_EQ(op.lastMessageText(), "A unknown error occured");

  ZOR_Fehlersprache(3);
  ZOR_Fehlerpopup(-802201);
  EXPECT_EQ(op.lastMessageTitle(), "Fehler #802201");
  EXPECT_EQ(op.lastMessageText(), "INI-Datei nicht gefunden");
  EXPECT_EQ(op.messages.size(), 4u);
}

TEST_F(Fehlermeldung, CategorySixShowsNoPopup) {
  testsupport::ScriptedOperator op;
  ZOR_Fehlersprache(2);
  ZOR_Fehlerpopup(-6123);
  ZOR_Fehlerpopup(-6000);
  ZOR_Fehlerpopup2(-6999, "Title");
  EXPECT_TRUE(op.messages.empty());
  ZOR_Fehlerpopup(-7000);  // the neighbour still shows
  EXPECT_EQ(op.messages.size(), 1u);
}

TEST_F(Fehlermeldung, Popup2TitleIsTextAndNumber) {
  testsupport::ScriptedOperator op;
  ZOR_Fehlersprache(1);
  ZOR_Fehlerpopup2(-404015, "Device");
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Device #404015");
  EXPECT_EQ(op.messages[0].text, "Fehlerhafte Antwort vom Gerät");
  ZOR_Fehlerpopup2(-404015, nullptr);
  EXPECT_EQ(op.lastMessageTitle(), " #404015");
}

TEST_F(Fehlermeldung, Popup2TitleIsCutTo99KeepingTheNumber) {
  testsupport::ScriptedOperator op;
  ZOR_Fehlersprache(2);
  std::string genau(91, 'x');  // 91 + " #404015" = 99
  ZOR_Fehlerpopup2(-404015, genau.c_str());
  EXPECT_EQ(op.lastMessageTitle(), genau + " #404015");

  std::string lang(300, 'y');
  ZOR_Fehlerpopup2(-404015, lang.c_str());
  EXPECT_EQ(op.lastMessageTitle().size(), 99u);
  EXPECT_EQ(op.lastMessageTitle(), std::string(91, 'y') + " #404015");

  // Two-byte characters are never split at the cut.
  std::string umlaute;
  for (int i = 0; i < 60; ++i) umlaute += "ä";
  ZOR_Fehlerpopup2(-404015, umlaute.c_str());
  std::string titel = op.lastMessageTitle();
  EXPECT_LE(titel.size(), 99u);
  EXPECT_TRUE(GueltigesUtf8(titel));
  EXPECT_EQ(titel.substr(titel.size() - 8), " #404015");
  EXPECT_EQ(titel.size(), 90u + 8u);  // 45 whole characters
}

}  // namespace
