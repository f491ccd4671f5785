// The COM settings window's logic, apart from its widgets: the port list, opening and
// closing the port, the connection symbols, reading the ID, the scan of addresses 1 to 8,
// start/stop, the role of input 4, the device's error bits and the "com" settings section.
// The window shows this state and calls these functions from its callbacks; the
// command-line tool calls them directly.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ini {
struct IniStore;
}

namespace device {

struct PortlistenEintrag {
  std::string label;  // "COM 3", or "n.a."
  int wert = 0;       // the port number, 0 for "n.a."
};

struct Lampe {
  bool an = false;
  std::uint32_t farbe = 0;  // on-colour, RGB
};

inline constexpr std::uint32_t kLampeGruen = 0x00CC00;
inline constexpr std::uint32_t kLampeRot = 0xFF0000;

// Everything the window shows that the logic changes.
struct Companelzustand {
  std::vector<PortlistenEintrag> portliste;
  int portlistenwert = 0;             // value of the selected entry
  std::string idFeld;                 // IDSTRING
  std::string fortschritt;            // TEXT, the progress line
  std::array<Lampe, 8> scanLampen{};  // LED1..LED8
  std::array<bool, 5> fehlerbits{};   // LED_FEHLER0..LED_FEHLER4
  bool fehlerbitsGedimmt = false;     // FEHLERABFRAGE, START, STARTSTOPPEINGANGEIN, lamps
  int verbindungssymbol = -1;         // PICTURERING: -1 not connected, 0 above 8, 1..8
  // The ID each address answered in the last scan, "" where none did.
  std::array<std::string, 8> scanIds{};
};

// The value the port list selects after a refill; starts at 1.
extern int gComPortEinstellmerker;

const Companelzustand& Companel();

// Where the system's serial port numbers come from (the port numbering of the platform).
void PortquelleSetzen(std::function<std::vector<int>()> quelle);
// Called after every change of the state above, so a window can show it at once (the
// scan and ID read run inside one callback and must repaint meanwhile).
void CompanelAnzeigeBinden(std::function<void()> anzeige);

// Fills the port list from the port source, sorted by number, "n.a." when there is none,
// and selects gComPortEinstellmerker (else the first entry).
void ComControlAusfuellen();
// Selects the entry with this value; false (selection unchanged) when there is none.
bool PortlisteAuswaehlen(int wert);

// Opens the port the list selects (closing the open one first); 0 or the driver's code.
int ComPortOeffnen();
void ComPortSchliessen();
// Sets every window's connection symbol from the open port.
void VerbindungssymboleSetzen();

// The port list's callbacks: a left click remembers the value and refills the list; a
// commit opens the chosen port and reports the result in the error fields.
void PortSelectKlick();
void PortSelectCommit();
// A left click on a connection symbol: reopens lport when closed, closes when open.
void ComPictureKlick();

// Reads the ID of the device at the chosen address into the ID field.
int IDLesen();
const std::string& IdFeld();
// Read ID with its progress texts, result in the error fields.
void IDLesenMitAnzeige();

// Searches the addresses '1' to '8'; the address ends on the last WUN-2 found.
int GeraeteSuchen();

int StartSenden();
int StoppSenden();
// ein: input 4 is the start/stop signal (mode bit 0 set); otherwise an analog input.
int StartStoppEingangSetzen(bool ein);
// Reads status register 2 into the error-bit lamps (the Fehlerabfrage_Callback logic).
void Fehlerabfrage();
void FehlerbitsAnzeigen(int wert);
void FehlerbitsDimmen(bool dimmen);
// The text of the "Error bits" box: one line per lit lamp.
std::string FehlerbitsText();
void FehlerbitsErklaeren();

// The "com" settings section.
int ReadIniCompanel(ini::IniStore* ini);
int WriteIniCompanel(ini::IniStore* ini);

// Start-up (progress line emptied) and end (the port closed).
int CompanelInit();
void CompanelClear();

// The COM logic as before its first use: a list never filled, no port source, nothing
// bound to show it, port 1 remembered. The port itself is left alone (CompanelClear).
void CompanelZuruecksetzen();

}  // namespace device
