// "Adapt to MIV-3X": sets the upper unit value of output 1 to the output range the
// connected device reports, so that raw 4095 reads as 4.095, 6.1425 or 8.19 units.
#pragma once

#include "curves/model/Kurvensitzung.h"

namespace device {
class Verbindung;
}

namespace curves {

// Reads the device ID and, unless it is "MIV3AX2", the parameters "compartibility_mode"
// and "max_current"; each result goes to the error fields. 0 or the code they show.
// Tells the session's Skalierungsmeldungen when done.
int AusgangEinsAnpassen(Kurvensitzung& sitzung, device::Verbindung& v);

}  // namespace curves
