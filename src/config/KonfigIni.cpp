#include "config/KonfigIni.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "config/Konfigfelder.h"
#include "config/Konfiguration.h"
#include "ini/IniStore.h"

namespace config {
namespace {

// The settings file keeps units in an 8-byte buffer: 7 characters and the terminator.
constexpr std::size_t kIniEinheitPuffer = 8;

struct Schluessel {
  char text[24];
  explicit Schluessel(const char* stamm, int i) {
    std::snprintf(text, sizeof text, "%s%d", stamm, i);
  }
};

void ZahlSchreiben(ini::IniStore* store, const char* tag, double wert) {
  ini::Ini_PutDouble(store, kKonfigSektion, tag, wert);
}

void ZahlSchreiben(ini::IniStore* store, const char* stamm, int i, double wert) {
  ZahlSchreiben(store, Schluessel(stamm, i).text, wert);
}

void EinheitSchreiben(ini::IniStore* store, const char* stamm, int i, const char (&e)[9]) {
  char text[kEinheitGroesse] = {};
  std::memcpy(text, e, kEinheitGroesse - 1);  // terminated even if the record is not
  // A unit from a damaged file may hold line breaks, which would split the settings line
  // and could forge other keys.
  for (char& c : text)
    if (c != '\0' && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)) c = ' ';
  ini::Ini_PutRawString(store, kKonfigSektion, Schluessel(stamm, i).text, text);
}

// Only a value that was found and converted whole replaces the standard value: a damaged
// entry such as "abc" would otherwise turn into 0.0, a zero full-scale voltage.
void ZahlLesen(ini::IniStore* store, const char* tag, double& ziel) {
  double wert = 0.0;
  if (ini::Ini_GetDouble(store, kKonfigSektion, tag, &wert) == 1 && std::isfinite(wert))
    ziel = wert;
}

void ZahlLesen(ini::IniStore* store, const char* stamm, int i, double& ziel) {
  ZahlLesen(store, Schluessel(stamm, i).text, ziel);
}

void EinheitLesen(ini::IniStore* store, const char* stamm, int i, char (&e)[9]) {
  char puffer[kIniEinheitPuffer] = {};
  if (ini::Ini_GetRawStringIntoBuffer(store, kKonfigSektion, Schluessel(stamm, i).text, puffer,
                                      sizeof puffer) < 0)
    puffer[0] = '\0';
  puffer[sizeof puffer - 1] = '\0';
  EinheitSetzen(e, puffer);
}

}  // namespace

int WriteIniKonfigpanel(Konfigsitzung& s, ini::IniStore* store) {
  KonfigfelderInStrukturSpeichern(s);
  if (!store) return 0;
  const Konfiguration& k = s.gKonfig;
  ZahlSchreiben(store, "voutmax", k.voutmax);
  ZahlSchreiben(store, "vinmax", k.vinmax);
  for (int i = 0; i < 4; ++i) {
    ZahlSchreiben(store, "outmin", i, k.outmin[i]);
    ZahlSchreiben(store, "outmax", i, k.outmax[i]);
    ZahlSchreiben(store, "outskalamin", i, k.outskalamin[i]);
    ZahlSchreiben(store, "outskalamax", i, k.outskalamax[i]);
    EinheitSchreiben(store, "outeinheit", i, k.outeinheit[i]);
    ZahlSchreiben(store, "inmin", i, k.inmin[i]);
    ZahlSchreiben(store, "inmax", i, k.inmax[i]);
    ZahlSchreiben(store, "inskalamin", i, k.inskalamin[i]);
    ZahlSchreiben(store, "inskalamax", i, k.inskalamax[i]);
    EinheitSchreiben(store, "ineinheit", i, k.ineinheit[i]);
  }
  return 0;
}

int ReadIniKonfigpanel(Konfigsitzung& s, ini::IniStore* store) {
  KonfigurationStandardwerte(s);
  if (store) {
    Konfiguration& k = s.gKonfig;
    ZahlLesen(store, "voutmax", k.voutmax);
    ZahlLesen(store, "vinmax", k.vinmax);
    for (int i = 0; i < 4; ++i) {
      ZahlLesen(store, "outmin", i, k.outmin[i]);
      ZahlLesen(store, "outmax", i, k.outmax[i]);
      ZahlLesen(store, "outskalamin", i, k.outskalamin[i]);
      ZahlLesen(store, "outskalamax", i, k.outskalamax[i]);
      EinheitLesen(store, "outeinheit", i, k.outeinheit[i]);
      ZahlLesen(store, "inmin", i, k.inmin[i]);
      ZahlLesen(store, "inmax", i, k.inmax[i]);
      ZahlLesen(store, "inskalamin", i, k.inskalamin[i]);
      ZahlLesen(store, "inskalamax", i, k.inskalamax[i]);
      EinheitLesen(store, "ineinheit", i, k.ineinheit[i]);
    }
  }
  KonfigfelderAusStrukturLaden(s);
  return 0;
}

}  // namespace config
