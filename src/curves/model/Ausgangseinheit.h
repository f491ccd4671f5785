// The output scaling as the curve generator uses it: curve n drives output n, so a curve
// index is also the output index of the scaling record.
#pragma once

#include <string>

namespace curves {

// Raw code -> physical unit of curve c's output, and back; no rounding, no limits.
double RohInEinheit(int c, double roh);
double EinheitInRoh(int c, double wert);
// The unit text of curve c's output ("V").
std::string Einheitname(int c);

}  // namespace curves
