#include "config/Konfigfelder.h"

namespace config {
namespace {

// The record as the fields show it now.
Konfiguration Felder(Konfigsitzung& s) {
  Konfiguration k = s.gKonfig;
  s.Felderabfrage.Melden(k);
  EinheitenAbschliessen(k);
  return k;
}

void StartwerteEintragen(Konfiguration& k) {
  k.voutmax = 4.095;
  k.outmin[0] = 0.0;
  k.outmax[0] = 4.095;
  k.outskalamin[0] = 0.0;
  k.outskalamax[0] = 4.095;
  EinheitSetzen(k.outeinheit[0], "A");
}

}  // namespace

bool KonfigfelderGebunden(const Konfigsitzung& s) {
  return s.Felderanzeige.Anzahl() > 0 && s.Felderabfrage.Anzahl() > 0;
}

void KonfigfelderAusStrukturLaden(Konfigsitzung& s) {
  if (KonfigfelderGebunden(s)) s.Felderanzeige.Melden(s.gKonfig);
}

void KonfigfelderInStrukturSpeichern(Konfigsitzung& s) {
  if (KonfigfelderGebunden(s)) s.gKonfig = Felder(s);
}

void AusgangSkalaMaxUebernehmen(Konfigsitzung& s, int ausgang, double wert) {
  if (ausgang < 0 || ausgang >= 4) return;
  if (!KonfigfelderGebunden(s)) {
    s.gKonfig.outskalamax[ausgang] = wert;
    return;
  }
  if (s.SkalaOutMaxAnzeige.Anzahl() > 0) {
    s.SkalaOutMaxAnzeige.Melden(ausgang, wert);
  } else {
    Konfiguration k = Felder(s);
    k.outskalamax[ausgang] = wert;
    s.Felderanzeige.Melden(k);
  }
  KonfigfelderInStrukturSpeichern(s);
}

int InitialisiereKonfigPanel(Konfigsitzung& s) {
  if (!KonfigfelderGebunden(s)) {
    StartwerteEintragen(s.gKonfig);
    return 0;
  }
  Konfiguration k = Felder(s);
  StartwerteEintragen(k);
  s.Felderanzeige.Melden(k);
  return 0;
}

}  // namespace config
