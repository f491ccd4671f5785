#include "config/Konfigfelder.h"

#include <utility>

namespace config {
namespace {

Konfigfelder sgFenster;

// The record as the fields show it now.
Konfiguration Felder() {
  Konfiguration k = gKonfig;
  sgFenster.felderLesen(k);
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

void KonfigfelderBinden(Konfigfelder fenster) {
  if (!fenster.felderZeigen || !fenster.felderLesen) fenster = {};
  sgFenster = std::move(fenster);
}

void KonfigfelderLoesen() {
  sgFenster = {};
}

bool KonfigfelderGebunden() {
  return static_cast<bool>(sgFenster.felderZeigen);
}

void KonfigfelderAusStrukturLaden() {
  if (KonfigfelderGebunden()) sgFenster.felderZeigen(gKonfig);
}

void KonfigfelderInStrukturSpeichern() {
  if (KonfigfelderGebunden()) gKonfig = Felder();
}

void AusgangSkalaMaxUebernehmen(int ausgang, double wert) {
  if (ausgang < 0 || ausgang >= 4) return;
  if (!KonfigfelderGebunden()) {
    gKonfig.outskalamax[ausgang] = wert;
    return;
  }
  if (sgFenster.skalaOutMaxSetzen) {
    sgFenster.skalaOutMaxSetzen(ausgang, wert);
  } else {
    Konfiguration k = Felder();
    k.outskalamax[ausgang] = wert;
    sgFenster.felderZeigen(k);
  }
  KonfigfelderInStrukturSpeichern();
}

int InitialisiereKonfigPanel() {
  if (!KonfigfelderGebunden()) {
    StartwerteEintragen(gKonfig);
    return 0;
  }
  Konfiguration k = Felder();
  StartwerteEintragen(k);
  sgFenster.felderZeigen(k);
  return 0;
}

}  // namespace config
