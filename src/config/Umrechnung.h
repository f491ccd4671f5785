// Conversions between the device's raw values (0 to 4095 is 0 V to full scale), volts and
// the physical units of the scaling record. Double precision, no rounding, no clamping.
//
// A degenerate scaling never divides by zero, so it gives no inf or NaN: a zero (or
// non-finite) full-scale voltage maps every voltage to raw zero, and a channel whose lower
// and upper voltage or lower and upper physical value are equal maps every value onto its
// lower end (volts to `plo`, physical values to `lo`). The window does not prevent such
// records, and callers turn results into raw integers.
#pragma once

namespace config {

struct Konfiguration;

// The map of the raw range onto 0 V .. full scale: raw zero and raw span.
inline constexpr double kRohNull = 0.0;
inline constexpr double kRohSpanne = 4095.0;

// One channel's scaling: voltages lo..hi are physical values plo..phi.
struct Kanalskalierung {
  double lo;
  double hi;
  double plo;
  double phi;
};

// The scaling of output or input 0..3 as the record holds it. An index outside 0..3 gives
// the identity scaling 0..10 V into 0..10.
Kanalskalierung Ausgangsskalierung(const Konfiguration& k, int ausgang);
Kanalskalierung Eingangsskalierung(const Konfiguration& k, int eingang);

double RohInVolt(double roh, double vmax);
double VoltInRoh(double volt, double vmax);
double VoltInEinheit(const Kanalskalierung& s, double volt);
double EinheitInVolt(const Kanalskalierung& s, double wert);

// Output and input channels 0..3 with the record's full-scale voltages.
double AusgangRohInEinheit(const Konfiguration& k, int ausgang, double roh);
double AusgangEinheitInRoh(const Konfiguration& k, int ausgang, double wert);
double EingangRohInEinheit(const Konfiguration& k, int eingang, double roh);
double EingangEinheitInRoh(const Konfiguration& k, int eingang, double wert);

}  // namespace config
