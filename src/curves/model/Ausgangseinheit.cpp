#include "curves/model/Ausgangseinheit.h"

#include <cstring>

#include "config/Konfiguration.h"
#include "config/Umrechnung.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

double RohInEinheit(int c, double roh) {
  return config::AusgangRohInEinheit(c, roh);
}

double EinheitInRoh(int c, double wert) {
  return config::AusgangEinheitInRoh(c, wert);
}

std::string Einheitname(int c) {
  if (c < 0 || c >= kKurven) return {};
  const auto& feld = config::gKonfig.outeinheit[c];
  return std::string(feld, strnlen(feld, sizeof feld));
}

}  // namespace curves
