#include "curves/model/Ausgangseinheit.h"

#include <cstring>

#include "config/Konfiguration.h"
#include "config/Umrechnung.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {

double RohInEinheit(const Kurvensitzung& s, int c, double roh) {
  return config::AusgangRohInEinheit(s.Konfig.gKonfig, c, roh);
}

double EinheitInRoh(const Kurvensitzung& s, int c, double wert) {
  return config::AusgangEinheitInRoh(s.Konfig.gKonfig, c, wert);
}

std::string Einheitname(const Kurvensitzung& s, int c) {
  return Ausgangseinheitname(s.Konfig.gKonfig, c);
}

std::string Ausgangseinheitname(const config::Konfiguration& k, int c) {
  if (c < 0 || c >= kKurven) return {};
  const auto& feld = k.outeinheit[c];
  return std::string(feld, strnlen(feld, sizeof feld));
}

}  // namespace curves
