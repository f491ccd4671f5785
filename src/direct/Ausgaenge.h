// Setting the four outputs from their knobs, capped by the limit fields, and setting them
// to their physical zero.
#pragma once

namespace device {
class Verbindung;
}

namespace direct {

struct Direktsitzung;

inline constexpr int kFehlerAusgangKeinPort = -122303;

// Sends AUSGANGn (n = 0..3): a value above BEGRENZUNGn is set back to the limit, the knob
// holds it within its range; the percentage is stored and the volts are sent. No port:
// -122303; failures go to the error fields as well.
int AusgangSetzen(Direktsitzung& s, device::Verbindung& v, int ausgang);
// Sends the physical value 0, or the end of the output's range nearest to it; the limit
// does not apply.
int AusgangAufNull(Direktsitzung& s, device::Verbindung& v, int ausgang);

// AUSGANGn changed (also while the knob turns): error fields cleared, the value sent.
int Ausgang_Callback(Direktsitzung& s, device::Verbindung& v, int ausgang, double wert);
// All four outputs to zero, each whatever became of the others.
int AusgaengeAufNull_Callback(Direktsitzung& s, device::Verbindung& v);

}  // namespace direct
