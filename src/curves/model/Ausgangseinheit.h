// The output scaling as the curve generator uses it: curve n drives output n, so a curve
// index is also the output index of the scaling record.
#pragma once

#include <string>

namespace config {
struct Konfiguration;
}

namespace curves {

struct Kurvensitzung;

// Raw code -> physical unit of curve c's output, and back, as the session's configuration
// scales it; no rounding, no limits.
double RohInEinheit(const Kurvensitzung& s, int c, double roh);
double EinheitInRoh(const Kurvensitzung& s, int c, double wert);
// The unit text of curve c's output ("V").
std::string Einheitname(const Kurvensitzung& s, int c);
// The unit text of output c (0..3) in a scaling record; "" for another index.
std::string Ausgangseinheitname(const config::Konfiguration& k, int c);

}  // namespace curves
