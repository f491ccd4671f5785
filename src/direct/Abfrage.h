// Input polling: starting and stopping it, and the cycle the timer runs.
#pragma once

namespace device {
class Verbindung;
}

namespace direct {

struct Direktsitzung;

// Opens the log if asked (a failure is shown in a message box and polling starts without
// one), reads the device mode for the role of input 4 (a failure goes to the error fields
// and polling does not start; a log just opened stays open), then clears the error
// fields, switches the timer on, ABFRAGEN on and dims DATEISPEICHERN. 0 or the code.
int AbfrageStarten(Direktsitzung& s, device::Verbindung& v);
// Closes the log, switches the timer and ABFRAGEN off, undims DATEISPEICHERN.
void AbfrageBeenden(Direktsitzung& s);

// One polling cycle: inputs 1 to 4, then one log record. The first failed reading ends
// polling with the failure's text in the log; a failed record ends polling and is shown
// in a message box. 0 or the code.
int DirektTimer_Callback(Direktsitzung& s, device::Verbindung& v);

// ABFRAGEN switched: outputs 1 to 4 are sent from their knobs (the first failure stops
// polling); then polling starts, or the log gets "Data logging finished" and polling
// stops. 0 or the code.
int Abfragen_Callback(Direktsitzung& s, device::Verbindung& v, bool an);

}  // namespace direct
