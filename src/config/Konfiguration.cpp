#include "config/Konfiguration.h"

#include <cstring>

#include "config/Konfigfelder.h"
#include "config/Konfigsitzung.h"

namespace config {

Konfiguration KonfigurationStandard() {
  Konfiguration k{};
  k.voutmax = 10.0;
  k.vinmax = 10.0;
  for (int i = 0; i < 4; ++i) {
    k.outmin[i] = 0.0;
    k.outmax[i] = 10.0;
    k.outskalamin[i] = 0.0;
    k.outskalamax[i] = 10.0;
    EinheitSetzen(k.outeinheit[i], "V");
    k.inmin[i] = 0.0;
    k.inmax[i] = 10.0;
    k.inskalamin[i] = 0.0;
    k.inskalamax[i] = 10.0;
    EinheitSetzen(k.ineinheit[i], "V");
  }
  return k;
}

void KonfigurationStandardwerte(Konfigsitzung& s) {
  Konfiguration k = KonfigurationStandard();
  std::memcpy(k.padding1, s.gKonfig.padding1, sizeof k.padding1);
  std::memcpy(k.padding2, s.gKonfig.padding2, sizeof k.padding2);
  s.gKonfig = k;
}

namespace {

bool GleicheEinheit(const char (&a)[9], const char (&b)[9]) {
  return std::strncmp(a, b, sizeof a) == 0;
}

}  // namespace

int KonfigurationenVergleichen(Konfiguration a, Konfiguration b) {
  for (int i = 0; i < 4; ++i) {
    if (a.outmin[i] != b.outmin[i]) return 0;
    if (a.outmax[i] != b.outmax[i]) return 0;
    if (a.outskalamin[i] != b.outskalamin[i]) return 0;
    if (a.outskalamax[i] != b.outskalamax[i]) return 0;
    if (!GleicheEinheit(a.outeinheit[i], b.outeinheit[i])) return 0;
    if (a.inmin[i] != b.inmin[i]) return 0;
    if (a.inmax[i] != b.inmax[i]) return 0;
    if (a.inskalamin[i] != b.inskalamin[i]) return 0;
    if (a.inskalamax[i] != b.inskalamax[i]) return 0;
    if (!GleicheEinheit(a.ineinheit[i], b.ineinheit[i])) return 0;
  }
  if (a.voutmax != b.voutmax) return 0;
  if (a.vinmax != b.vinmax) return 0;
  return 1;
}

void KonfigurationSetzen(Konfigsitzung& s, Konfiguration k) {
  EinheitenAbschliessen(k);
  s.gKonfig = k;
  KonfigfelderAusStrukturLaden(s);
}

bool EinheitenAbschliessen(Konfiguration& k) {
  bool geflickt = false;
  for (int i = 0; i < 4; ++i) {
    for (char* e : {k.outeinheit[i], k.ineinheit[i]}) {
      if (e[kEinheitGroesse - 1] != '\0') {
        e[kEinheitGroesse - 1] = '\0';
        geflickt = true;
      }
    }
  }
  return geflickt;
}

void EinheitSetzen(char (&einheit)[9], const char* text) {
  std::memset(einheit, 0, sizeof einheit);
  if (text) std::strncpy(einheit, text, sizeof einheit - 1);
}

}  // namespace config
