// Error codes: 0 is success, a failure is -(category * 1000 + site). The category keys
// the message table (English and German); the site names the check that failed.
#pragma once

#include <cstddef>
#include <string>

namespace device {

// The category of a code: code / 1000 truncated toward zero, sign removed, so -404015 gives
// 404 and -999 to 999 give 0. Only failures are negative: a positive code of 1000 or more
// gives a negative number, which no table entry has.
int Fehlerkategorie(int code);

// The message of the code's category in the current language. The text stays valid
// until the next call.
const char* ZOR_Fehlermeldung(int code);
// Message language: 2 selects English, every other value German; 1 until set. One setting
// for the whole program run: the program and miv3x choose English at start-up, and every
// subsystem's messages (file and editing errors too, not only the device's) follow it.
void ZOR_Fehlersprache(int language);
int Fehlersprache();

// Message box titled "Error #<number>" ("Fehler #..." in German) with the message;
// nothing for category 6.
void ZOR_Fehlerpopup(int code);
// As ZOR_Fehlerpopup, titled "<text> #<number>" (at most 99 characters).
void ZOR_Fehlerpopup2(int code, const char* text);

// The error fields (lamp, text, number) that windows carry; a connection fills them
// (Verbindung::ComFehlerSetzen).
struct Fehlerfelder {
  bool led = false;
  std::string text;
  int nummer = 0;
};

// The message table: one English and one German text per category (UTF-8, "\n" breaks a
// line).
struct Fehlertext {
  int kategorie;
  const char* englisch;
  const char* deutsch;
};

// Bytes of the message buffer, terminator included; every table text fits.
inline constexpr std::size_t kFehlermeldungPuffer = 256;

// The entry of a category, nullptr when the table has none.
const Fehlertext* FehlertextSuchen(int kategorie);
// The entries in ascending order of category.
std::size_t FehlertextAnzahl();
const Fehlertext& FehlertextNr(std::size_t index);

// A code whose meaning is narrower than its category's has a text of its own, shown in
// place of the category's.
struct Stellentext {
  int code;
  const char* englisch;
  const char* deutsch;
};
// The entry of a code, nullptr when it has none.
const Stellentext* StellentextSuchen(int code);

// Texts for a category the table does not hold.
inline constexpr const char* kUnbekanntEnglisch = "A unknown error occured";
inline constexpr const char* kUnbekanntDeutsch = "Ein unbekannter Fehler ist aufgetreten";

// The error number as the operator sees it: the code without its sign ("404015").
std::string FehlernummerText(int code);

}  // namespace device
