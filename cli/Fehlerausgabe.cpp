#include "Fehlerausgabe.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "Aufruf.h"
#include "Hilfe.h"
#include "device/Fehler.h"

namespace cli {

std::string Fehlerzeile(int code) {
  std::string text = device::ZOR_Fehlermeldung(code);
  std::replace(text.begin(), text.end(), '\n', ' ');
  return "Error #" + device::FehlernummerText(code) + ": " + text;
}

namespace {
bool jsonFehler = false;
}  // namespace

void JsonFehlerSetzen(bool an) {
  jsonFehler = an;
}

int FehlerMelden(int code) {
  if (jsonFehler) {
    std::string text = device::ZOR_Fehlermeldung(code);
    std::replace(text.begin(), text.end(), '\n', ' ');
    const nlohmann::json j = {{"error", code}, {"message", text}};
    std::fprintf(stderr, "%s\n", j.dump().c_str());
    return kStatusFehler;
  }
  std::fprintf(stderr, "%s\n", Fehlerzeile(code).c_str());
  return kStatusFehler;
}

int AufrufFehlerMelden(const std::string& befehl, const std::string& grund) {
  std::fprintf(stderr, "miv3x: %s\n%s", grund.c_str(), Aufrufhinweis(befehl).c_str());
  return kStatusAufruf;
}

}  // namespace cli
