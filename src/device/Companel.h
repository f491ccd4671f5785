// The COM settings window's logic, apart from its widgets: the port list, opening and
// closing the port, the connection symbols, reading the ID, the scan of addresses 1 to 8,
// start/stop, the role of input 4, the device's error bits and the "com" settings section.
// The window shows this state and calls these functions from its callbacks; the
// command-line tool calls them directly.
#pragma once

#include <string>

#include "device/Verbindung.h"

namespace ini {
struct IniStore;
}

namespace device {

// The state these functions change lives in the connection (Verbindung::Companel); its
// listeners are told after every change.

// Fills the port list from the port source, sorted by number, "n.a." when there is none,
// and selects the connection's ComPortEinstellmerker (else the first entry).
void ComControlAusfuellen(Verbindung& v);
// Selects the entry with this value; false (selection unchanged) when there is none.
bool PortlisteAuswaehlen(Verbindung& v, int wert);

// Opens the port the list selects (closing the open one first); 0 or the driver's code.
int ComPortOeffnen(Verbindung& v);
void ComPortSchliessen(Verbindung& v);
// Sets every window's connection symbol from the open port.
void VerbindungssymboleSetzen(Verbindung& v);

// The port list's callbacks: a left click remembers the value and refills the list; a
// commit opens the chosen port and reports the result in the error fields.
void PortSelectKlick(Verbindung& v);
void PortSelectCommit(Verbindung& v);
// A left click on a connection symbol: reopens lport when closed, closes when open.
void ComPictureKlick(Verbindung& v);

// Reads the ID of the device at the chosen address into the ID field.
int IDLesen(Verbindung& v);
const std::string& IdFeld(const Verbindung& v);
// Read ID with its progress texts, result in the error fields.
void IDLesenMitAnzeige(Verbindung& v);

// Searches the addresses '1' to '8'; the address ends on the last WUN-2 found.
int GeraeteSuchen(Verbindung& v);

int StartSenden(Verbindung& v);
int StoppSenden(Verbindung& v);
// ein: input 4 is the start/stop signal (mode bit 0 set); otherwise an analog input.
int StartStoppEingangSetzen(Verbindung& v, bool ein);
// Reads status register 2 into the error-bit lamps (the Fehlerabfrage_Callback logic).
void Fehlerabfrage(Verbindung& v);
void FehlerbitsAnzeigen(Verbindung& v, int wert);
void FehlerbitsDimmen(Verbindung& v, bool dimmen);
// The text of the "Error bits" box: one line per lit lamp.
std::string FehlerbitsText(const Verbindung& v);
void FehlerbitsErklaeren(Verbindung& v);

// The "com" settings section.
int ReadIniCompanel(Verbindung& v, ini::IniStore* ini);
int WriteIniCompanel(Verbindung& v, ini::IniStore* ini);

// Start-up (progress line emptied) and end (the port closed).
int CompanelInit(Verbindung& v);
void CompanelClear(Verbindung& v);

}  // namespace device
