// The direct input/output window's logic, apart from its widgets: what its controls show,
// the module's readings, the entry points the shell calls and the callbacks of the
// controls that only set a value. The state lives in a Direktsitzung; the window shows it
// and calls these functions from its callbacks (not in direct-help mode); the command-line
// tool calls them directly.
#pragma once

#include <array>
#include <string>

#include "direct/Kanalbereich.h"

namespace direct {

struct Direktsitzung;

// A numeric control: its value, its range and its decimal places.
struct Zahlfeld {
  double wert = 0.0;
  double min = 0.0;
  double max = 10.0;
  int nachkommastellen = kStandardNachkommastellen;
};

// Everything the window shows that the logic changes. Index 0..3 is channel 1..4.
struct Direktpanelzustand {
  std::array<Zahlfeld, 4> eingang{};                         // EINGANG1..4
  std::array<Zahlfeld, 4> minimum{};                         // MIN1..4
  std::array<Zahlfeld, 4> maximum{};                         // MAX1..4
  std::array<std::string, 4> eingangEinheit{};               // the unit label of EINGANG1..4
  bool eingang4Gedimmt = false;                              // PLOT4, MIN4, MAX4, EINGANG4
  std::array<int, 4> plot{1, 1, 1, 1};                       // PLOT1..4
  std::array<bool, 4> spurSichtbar{true, true, true, true};  // the traces of STRIPCHART
  std::array<Zahlfeld, 4> ausgang{};            // AUSGANG1..4 (range ordered low..high)
  std::array<std::string, 4> ausgangEinheit{};  // the unit label of AUSGANG1..4
  std::array<double, 4> begrenzung{10.0, 10.0, 10.0, 10.0};  // BEGRENZUNG1..4
  std::array<int, 4> begrenzungNachkommastellen{3, 3, 3, 3};
  bool abfragen = false;               // ABFRAGEN: off "Eingänge abfragen", on "Abfragen beenden"
  bool dateispeichern = false;         // DATEISPEICHERN
  bool dateispeichernGedimmt = false;  // dimmed while polling runs
  bool dateispeichernLed = false;      // DATEISPEICHERNLED: a log file is open
  double abtastzeit = 1.0;             // ABTASTZEIT as typed, seconds
  int zoomX = 100;                     // ZOOMX as typed
  int zoomY = 100;                     // ZOOMY as typed
  int punkteProBreite = 100;           // the chart's points per width
  double yAchseMax = 100.0;            // the chart's left Y axis runs 0 .. this, per cent
  bool timerAn = false;                // TIMER enabled
  double timerIntervall = 1.0;         // seconds
};

// The module's readings (the window's sg variables): percentages of full scale, minima
// and maxima in volts, the pending reset and the role of input 4.
struct Direktmesswerte {
  std::array<double, 4> eingangProzent{};  // sgEingangProzent: 100 * volts / vinmax
  std::array<double, 4> ausgangProzent{};  // sgAusgangProzent: 100 * volts / voutmax
  std::array<double, 4> eingangMin{};      // sgEingangMin, volts
  std::array<double, 4> eingangMax{};      // sgEingangMax, volts
  bool minMaxReset = true;                 // sgMinMaxReset: set at program start
  bool eingang4Analog = false;             // sgEingang4Analog
};

const Direktpanelzustand& Direktpanel(const Direktsitzung& s);
const Direktmesswerte& Messwerte(const Direktsitzung& s);
// For the core's own operations (and tests that set a field as the operator would).
Direktpanelzustand& DirektpanelBearbeiten(Direktsitzung& s);
Direktmesswerte& MesswerteBearbeiten(Direktsitzung& s);

// Back to the state at program start: controls as laid out, readings zero, reset pending,
// no log open, the timer off. The log is closed first.
void DirektpanelNeu(Direktsitzung& s);

// Tells the session's listeners that the state changed.
void DirektpanelAnzeigen(Direktsitzung& s);
// Hands one point per trace to the strip chart's listeners.
void StripchartPunkte(Direktsitzung& s, const std::array<double, 4>& prozent);

// Start-up: both percentage arrays 0; the chart's points per width and ZOOMX half the
// plot area's width in pixels; a limit the settings file did not set becomes the top of
// its output's range (so nothing is capped until the operator sets a limit); the timer
// gets the sampling time; then every element is scaled. Returns 0.
int DirektpanelInit(Direktsitzung& s, int plotbreite = 200);
int DirektpanelClear(Direktsitzung& s);
// Never holds back quitting: 0.
int AbbruchWeilDirektpanelNichtGespeichert();

// Ranges, values, decimals and unit labels of every input and output control from
// gKonfig and the stored percentages. Called again when the configuration changes.
void DirektElementeSkalieren(Direktsitzung& s);
void Direktpanel_SkaliereElemente(Direktsitzung& s);

// Control callbacks that only set a value.
// ABTASTZEIT: the field keeps what was typed; the timer runs at 0.2 s at the least.
void Abtastzeit_Callback(Direktsitzung& s, double sekunden);
inline constexpr double kKuerzesteAbtastzeit = 0.2;
// ZOOMX (0 or less gives 10 points per width) and ZOOMY (the Y axis top, 10 to 100 per
// cent); the fields keep what was typed.
void DirektZoom_Callback(Direktsitzung& s, int zoomX, int zoomY);
// PLOTn: trace n (0..3) visible exactly when the box is on.
void Traceauswahl_Callback(Direktsitzung& s, int spur, int an);
// MINMAXRESET: the reset happens at the next input reading.
void MinMaxReset_Callback(Direktsitzung& s);
// BEGRENZUNGn and DATEISPEICHERN as the operator set them; read when needed.
void BegrenzungSetzen(Direktsitzung& s, int ausgang, double wert);
void DateispeichernSetzen(Direktsitzung& s, bool an);

// The help menu's "WUN-2 Pinbelegung": the pin box.
void Menu_Direkt_Hilfe_Pins();
inline constexpr const char* kPinbelegungTitel = "WUN-2 pin assignment";
extern const char* const kPinbelegungText;

}  // namespace direct
