#include "device/Fehler.h"

#include <cstdlib>
#include <cstring>

#include "common/OperatorInterface.h"

namespace device {

namespace {

int sgSprache = 1;
// ZOR_Fehlermeldung's text lives here until its next call.
char sgMeldung[kFehlermeldungPuffer];

constexpr int kKategorieOhneText = 6;
constexpr std::size_t kTitelMax = 99;

bool Englisch() {
  return sgSprache == 2;
}

// Cuts a UTF-8 text to at most n bytes without splitting a character.
std::string Kuerzen(std::string text, std::size_t n) {
  if (text.size() <= n) return text;
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  text.resize(n);
  return text;
}

void Zeigen(const std::string& titel, int code) {
  std::string text = ZOR_Fehlermeldung(code);
  common::showMessage(titel, text);
}

}  // namespace

// The quotient never overflows, so even INT_MIN has a category.
int Fehlerkategorie(int code) {
  return -(code / 1000);
}

std::string FehlernummerText(int code) {
  return std::to_string(std::llabs(static_cast<long long>(code)));
}

const char* ZOR_Fehlermeldung(int code) {
  const Stellentext* stelle = StellentextSuchen(code);
  const Fehlertext* eintrag = FehlertextSuchen(Fehlerkategorie(code));
  const char* text = stelle    ? (Englisch() ? stelle->englisch : stelle->deutsch)
                     : eintrag ? (Englisch() ? eintrag->englisch : eintrag->deutsch)
                               : (Englisch() ? kUnbekanntEnglisch : kUnbekanntDeutsch);
  std::strncpy(sgMeldung, text, sizeof sgMeldung - 1);
  sgMeldung[sizeof sgMeldung - 1] = '\0';
  return sgMeldung;
}

void ZOR_Fehlersprache(int language) {
  sgSprache = language;
}

int Fehlersprache() {
  return sgSprache;
}

void ZOR_Fehlerpopup(int code) {
  if (Fehlerkategorie(code) == kKategorieOhneText) return;
  Zeigen((Englisch() ? "Error #" : "Fehler #") + FehlernummerText(code), code);
}

void ZOR_Fehlerpopup2(int code, const char* text) {
  if (Fehlerkategorie(code) == kKategorieOhneText) return;
  // The text gives way so that the number, which names the failed check, stays whole.
  std::string nummer = " #" + FehlernummerText(code);
  Zeigen(Kuerzen(text ? text : "", kTitelMax - nummer.size()) + nummer, code);
}

}  // namespace device
