#include "direct/Direktpanel.h"

#include <algorithm>

#include "common/OperatorInterface.h"
#include "direct/Direktsitzung.h"
#include "direct/Protokolldatei.h"
#include "direct/Uhr.h"

namespace direct {

const char* const kPinbelegungText =
    "Connector pins in direct input/output mode\n\nPin 1:    UB +15V DC\nPin 2:    UB "
    "GND\nPin 3:    Output 1\nPin 4:    GND\nPin 5:    Output 2\nPin 6:    GND\nPin 7:    Output "
    "3\nPin 8:    GND\nPin 9:    Output 4\nPin 10:  Input 1\nPin 11:  GND\nPin 12:  Input "
    "2\nPin 13:  GND\nPin 14:  Input 3\nPin 15:  GND\nPin 16:  Input 4";

namespace {

constexpr int kZoomXStandard = 10;
constexpr int kZoomYKleinster = 10;
constexpr int kZoomYGroesster = 100;

void EingangsanzeigeSkalieren(Direktsitzung& s, int eingang, Zahlfeld& feld, bool mitEinheit) {
  const Kanalbereich b = Eingangsbereich(s.Konfig.gKonfig, eingang);
  feld.min = b.lo;
  feld.max = b.hi;
  feld.wert =
      EingangProzentInEinheit(s.Konfig.gKonfig, eingang, s.Messwerte.eingangProzent[eingang]);
  feld.nachkommastellen = b.nachkommastellen;
  if (mitEinheit) s.Zustand.eingangEinheit[eingang] = b.einheit;
}

void AusgangsanzeigeSkalieren(Direktsitzung& s, int ausgang) {
  Direktpanelzustand& zustand = s.Zustand;
  const Kanalbereich b = Ausgangsbereich(s.Konfig.gKonfig, ausgang);
  Zahlfeld& feld = zustand.ausgang[ausgang];
  // A control's range runs from its smaller to its larger end, whichever way the
  // scaling runs.
  feld.min = std::min(b.lo, b.hi);
  feld.max = std::max(b.lo, b.hi);
  feld.wert =
      AusgangProzentInEinheit(s.Konfig.gKonfig, ausgang, s.Messwerte.ausgangProzent[ausgang]);
  feld.nachkommastellen = b.nachkommastellen;
  zustand.ausgangEinheit[ausgang] = b.einheit;
  zustand.begrenzungNachkommastellen[ausgang] = b.nachkommastellen;
}

}  // namespace

const Direktpanelzustand& Direktpanel(const Direktsitzung& s) {
  return s.Zustand;
}

const Direktmesswerte& Messwerte(const Direktsitzung& s) {
  return s.Messwerte;
}

Direktpanelzustand& DirektpanelBearbeiten(Direktsitzung& s) {
  return s.Zustand;
}

Direktmesswerte& MesswerteBearbeiten(Direktsitzung& s) {
  return s.Messwerte;
}

void DirektpanelNeu(Direktsitzung& s) {
  ProtokolldateiSchliessen(s);
  s.Zustand = Direktpanelzustand{};
  s.Messwerte = Direktmesswerte{};
  s.BegrenzungGelesen = {};
  DirektUhr(s).TimerSchalten(false);
  DirektpanelAnzeigen(s);
}

void DirektpanelAnzeigen(Direktsitzung& s) {
  s.Anzeigemeldungen.Melden();
}

void StripchartPunkte(Direktsitzung& s, const std::array<double, 4>& prozent) {
  s.Stripchartmeldungen.Melden(prozent);
}

int DirektpanelInit(Direktsitzung& s, int plotbreite) {
  Direktpanelzustand& zustand = s.Zustand;
  s.Messwerte.eingangProzent = {};
  s.Messwerte.ausgangProzent = {};
  zustand.punkteProBreite = std::max(1, plotbreite / 2);
  zustand.zoomX = zustand.punkteProBreite;
  for (int n = 0; n < 4; ++n) {
    if (s.BegrenzungGelesen[n]) continue;
    const Kanalbereich b = Ausgangsbereich(s.Konfig.gKonfig, n);
    zustand.begrenzung[n] = std::max(b.lo, b.hi);
  }
  Abtastzeit_Callback(s, zustand.abtastzeit);
  DirektElementeSkalieren(s);
  return 0;
}

int DirektpanelClear(Direktsitzung&) {
  return 0;
}

int AbbruchWeilDirektpanelNichtGespeichert() {
  return 0;
}

void DirektElementeSkalieren(Direktsitzung& s) {
  Direktpanelzustand& zustand = s.Zustand;
  for (int n = 0; n < 4; ++n) {
    EingangsanzeigeSkalieren(s, n, zustand.eingang[n], true);
    EingangsanzeigeSkalieren(s, n, zustand.minimum[n], false);
    EingangsanzeigeSkalieren(s, n, zustand.maximum[n], false);
  }
  for (int n = 0; n < 4; ++n) AusgangsanzeigeSkalieren(s, n);
  DirektpanelAnzeigen(s);
}

void Direktpanel_SkaliereElemente(Direktsitzung& s) {
  DirektElementeSkalieren(s);
}

void Abtastzeit_Callback(Direktsitzung& s, double sekunden) {
  Direktpanelzustand& zustand = s.Zustand;
  zustand.abtastzeit = sekunden;
  // Also a typed NaN gives the shortest time rather than a timer that never fires.
  const double intervall = sekunden >= kKuerzesteAbtastzeit ? sekunden : kKuerzesteAbtastzeit;
  zustand.timerIntervall = intervall;
  DirektUhr(s).TimerIntervallSetzen(intervall);
  DirektpanelAnzeigen(s);
}

void DirektZoom_Callback(Direktsitzung& s, int zoomX, int zoomY) {
  Direktpanelzustand& zustand = s.Zustand;
  zustand.zoomX = zoomX;
  zustand.zoomY = zoomY;
  zustand.punkteProBreite = zoomX <= 0 ? kZoomXStandard : zoomX;
  zustand.yAchseMax = std::clamp(zoomY, kZoomYKleinster, kZoomYGroesster);
  DirektpanelAnzeigen(s);
}

void Traceauswahl_Callback(Direktsitzung& s, int spur, int an) {
  if (spur < 0 || spur > 3) return;
  Direktpanelzustand& zustand = s.Zustand;
  zustand.plot[spur] = an != 0;
  zustand.spurSichtbar[spur] = an != 0;
  DirektpanelAnzeigen(s);
}

void MinMaxReset_Callback(Direktsitzung& s) {
  s.Messwerte.minMaxReset = true;
}

void BegrenzungSetzen(Direktsitzung& s, int ausgang, double wert) {
  if (ausgang < 0 || ausgang > 3) return;
  s.Zustand.begrenzung[ausgang] = wert;
  s.BegrenzungGelesen[ausgang] = true;
  DirektpanelAnzeigen(s);
}

void DateispeichernSetzen(Direktsitzung& s, bool an) {
  s.Zustand.dateispeichern = an;
  DirektpanelAnzeigen(s);
}

void Menu_Direkt_Hilfe_Pins() {
  common::showMessage(kPinbelegungTitel, kPinbelegungText);
}

}  // namespace direct
