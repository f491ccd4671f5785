// What the direct input/output window shows of a channel: its physical range (the values
// at raw 0 and raw 4095, lo and hi), the decimal places that make one raw step visible,
// and the conversions between the stored percentages and physical values.
#pragma once

#include <string>

namespace config {
struct Konfiguration;
}

namespace direct {

// Decimal places of a range lo..hi divided into `spanne` steps: so many that one step
// shows (a span of 10 gives 3, 100 gives 2, 4095 or more gives 0, 1 gives 4). An inverted
// range counts by its width; a range of no width (or not finite) gets the standard 3, and
// tiny ranges stop at 15, the digits a double holds.
int Nachkommastellen(double lo, double hi, double spanne);

inline constexpr int kStandardNachkommastellen = 3;
inline constexpr int kHoechsteNachkommastellen = 15;

struct Kanalbereich {
  double lo = 0.0;  // physical value at raw 0
  double hi = 0.0;  // physical value at raw 4095
  int nachkommastellen = kStandardNachkommastellen;
  std::string einheit;
};

// Input or output 0..3 as the record scales it.
Kanalbereich Eingangsbereich(const config::Konfiguration& k, int eingang);
Kanalbereich Ausgangsbereich(const config::Konfiguration& k, int ausgang);

// 100 * volts / full scale; 0 when the full scale is zero or not finite, so a degenerate
// record gives no infinite percentage.
double Prozent(double volt, double vmax);

// The physical value of a stored percentage (raw = 4095 * percentage / 100).
double EingangProzentInEinheit(const config::Konfiguration& k, int eingang, double prozent);
double AusgangProzentInEinheit(const config::Konfiguration& k, int ausgang, double prozent);

}  // namespace direct
