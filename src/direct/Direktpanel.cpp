#include "direct/Direktpanel.h"

#include <algorithm>
#include <utility>

#include "common/OperatorInterface.h"
#include "config/Konfiguration.h"
#include "direct/Protokolldatei.h"
#include "direct/Uhr.h"

namespace direct {

const char* const kPinbelegungText =
    "Connector pins in direct input/output mode\n\nPin 1:    UB +15V DC\nPin 2:    UB "
    "GND\nPin 3:    Output 1\nPin 4:    GND\nPin 5:    Output 2\nPin 6:    GND\nPin 7:    Output "
    "3\nPin 8:    GND\nPin 9:    Output 4\nPin 10:  Input 1\nPin 11:  GND\nPin 12:  Input "
    "2\nPin 13:  GND\nPin 14:  Input 3\nPin 15:  GND\nPin 16:  Input 4";

namespace {

Direktpanelzustand zustand;
Direktmesswerte messwerte;
std::function<void()> anzeigeFunktion;
std::function<void(const std::array<double, 4>&)> stripchartFunktion;

constexpr int kZoomXStandard = 10;
constexpr int kZoomYKleinster = 10;
constexpr int kZoomYGroesster = 100;

// Whether the settings file set a limit; DirektpanelInit fills in the others.
std::array<bool, 4> begrenzungGelesen{};

void EingangsanzeigeSkalieren(int eingang, Zahlfeld& feld, bool mitEinheit) {
  const Kanalbereich b = Eingangsbereich(eingang);
  feld.min = b.lo;
  feld.max = b.hi;
  feld.wert = EingangProzentInEinheit(eingang, messwerte.eingangProzent[eingang]);
  feld.nachkommastellen = b.nachkommastellen;
  if (mitEinheit) zustand.eingangEinheit[eingang] = b.einheit;
}

void AusgangsanzeigeSkalieren(int ausgang) {
  const Kanalbereich b = Ausgangsbereich(ausgang);
  Zahlfeld& feld = zustand.ausgang[ausgang];
  // A control's range runs from its smaller to its larger end, whichever way the
  // scaling runs.
  feld.min = std::min(b.lo, b.hi);
  feld.max = std::max(b.lo, b.hi);
  feld.wert = AusgangProzentInEinheit(ausgang, messwerte.ausgangProzent[ausgang]);
  feld.nachkommastellen = b.nachkommastellen;
  zustand.ausgangEinheit[ausgang] = b.einheit;
  zustand.begrenzungNachkommastellen[ausgang] = b.nachkommastellen;
}

}  // namespace

const Direktpanelzustand& Direktpanel() {
  return zustand;
}

const Direktmesswerte& Messwerte() {
  return messwerte;
}

Direktpanelzustand& DirektpanelBearbeiten() {
  return zustand;
}

Direktmesswerte& MesswerteBearbeiten() {
  return messwerte;
}

void DirektpanelNeu() {
  ProtokolldateiSchliessen();
  zustand = Direktpanelzustand{};
  messwerte = Direktmesswerte{};
  begrenzungGelesen = {};
  DirektUhr().TimerSchalten(false);
  DirektpanelAnzeigen();
}

void DirektpanelAnzeigeBinden(std::function<void()> anzeige) {
  anzeigeFunktion = std::move(anzeige);
}

void DirektpanelAnzeigen() {
  if (anzeigeFunktion) anzeigeFunktion();
}

void StripchartBinden(std::function<void(const std::array<double, 4>&)> punkte) {
  stripchartFunktion = std::move(punkte);
}

void StripchartPunkte(const std::array<double, 4>& prozent) {
  if (stripchartFunktion) stripchartFunktion(prozent);
}

int DirektpanelInit(int plotbreite) {
  messwerte.eingangProzent = {};
  messwerte.ausgangProzent = {};
  zustand.punkteProBreite = std::max(1, plotbreite / 2);
  zustand.zoomX = zustand.punkteProBreite;
  for (int n = 0; n < 4; ++n) {
    if (begrenzungGelesen[n]) continue;
    const Kanalbereich b = Ausgangsbereich(n);
    zustand.begrenzung[n] = std::max(b.lo, b.hi);
  }
  Abtastzeit_Callback(zustand.abtastzeit);
  DirektElementeSkalieren();
  return 0;
}

int DirektpanelClear() {
  return 0;
}

int AbbruchWeilDirektpanelNichtGespeichert() {
  return 0;
}

void DirektElementeSkalieren() {
  for (int n = 0; n < 4; ++n) {
    EingangsanzeigeSkalieren(n, zustand.eingang[n], true);
    EingangsanzeigeSkalieren(n, zustand.minimum[n], false);
    EingangsanzeigeSkalieren(n, zustand.maximum[n], false);
  }
  for (int n = 0; n < 4; ++n) AusgangsanzeigeSkalieren(n);
  DirektpanelAnzeigen();
}

void Direktpanel_SkaliereElemente() {
  DirektElementeSkalieren();
}

void Abtastzeit_Callback(double sekunden) {
  zustand.abtastzeit = sekunden;
  // Also a typed NaN gives the shortest time rather than a timer that never fires.
  const double intervall = sekunden >= kKuerzesteAbtastzeit ? sekunden : kKuerzesteAbtastzeit;
  zustand.timerIntervall = intervall;
  DirektUhr().TimerIntervallSetzen(intervall);
  DirektpanelAnzeigen();
}

void DirektZoom_Callback(int zoomX, int zoomY) {
  zustand.zoomX = zoomX;
  zustand.zoomY = zoomY;
  zustand.punkteProBreite = zoomX <= 0 ? kZoomXStandard : zoomX;
  zustand.yAchseMax = std::clamp(zoomY, kZoomYKleinster, kZoomYGroesster);
  DirektpanelAnzeigen();
}

void Traceauswahl_Callback(int spur, int an) {
  if (spur < 0 || spur > 3) return;
  zustand.plot[spur] = an != 0;
  zustand.spurSichtbar[spur] = an != 0;
  DirektpanelAnzeigen();
}

void MinMaxReset_Callback() {
  messwerte.minMaxReset = true;
}

void BegrenzungSetzen(int ausgang, double wert) {
  if (ausgang < 0 || ausgang > 3) return;
  zustand.begrenzung[ausgang] = wert;
  begrenzungGelesen[ausgang] = true;
  DirektpanelAnzeigen();
}

void DateispeichernSetzen(bool an) {
  zustand.dateispeichern = an;
  DirektpanelAnzeigen();
}

void Menu_Direkt_Hilfe_Pins() {
  common::showMessage(kPinbelegungTitel, kPinbelegungText);
}

}  // namespace direct
