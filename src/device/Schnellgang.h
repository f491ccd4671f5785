// Fast memory transfers: the device is switched to 38400 baud for the blocks of one
// transfer and back to 9600 afterwards, whatever happens meanwhile, and a device left at
// another rate (a power cut or a crash in the middle of a fast transfer) is found again.
// The sequence is written down beside its code in Schnellgang.cpp.
#pragma once

#include <functional>
#include <string>

namespace device {

class Verbindung;

inline constexpr long kGrundrate = 9600;
inline constexpr long kSchnellrate = 38400;
// After a transfer the device answered at none of the rates: it is not at 9600 baud.
inline constexpr int kFehlerRateVerloren = -116602;

enum class Vorgang { Schreiben, Lesen };

// Runs the memory exchanges of one transfer. With fast transfers chosen on the connection
// (and an open port and a device address '1'..'8') the device and the port are switched to
// 38400 baud first; where that does not work the transfer runs at 9600 with one notice
// saying why. Afterwards, after a failure or a cancel too, the device and the port are at
// 9600 again before this returns. The transfer's code, or kFehlerRateVerloren when only
// the way back failed. Without the choice it only runs the transfer.
int SchnellUebertragen(Verbindung& v, Vorgang vorgang, const std::function<int()>& uebertragung);

// For a device at the address that did not answer at 9600: asks at 38400, 19200 and 4800
// and switches one found back to 9600, with a notice. The port is open at 9600 again
// afterwards; true when the device answers there.
bool AndereRatenAbsuchen(Verbindung& v, int port, char adresse);

// A scan where no address answered at 9600: asks every address at 38400, then 19200, then
// 4800, and switches the devices of the first rate where any answers back to 9600, each
// with a notice. The port is open at 9600 again afterwards; the addresses that answer there.
std::string AlleAnderenRatenAbsuchen(Verbindung& v, int port);

// Reopens the port at the rate with the COM window's read time-out; false when it cannot.
bool PortMitRateOeffnen(Verbindung& v, int port, long rate);

}  // namespace device
