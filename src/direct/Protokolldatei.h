// The log file of the direct input/output window: a text file that polling appends to,
// one block per run of polling (opening lines, one record per cycle, the closing line).
//
// Every line goes to the file with one write and nothing is held back in a buffer, so a
// reader (or a crash) never sees less than whole lines; a line that fails half way is cut
// off again, so the file ends after the last whole line.
#pragma once

#include <cstddef>
#include <string>

namespace direct {

struct Direktsitzung;

inline constexpr int kFehlerDateiauswahl = -317305;
inline constexpr int kFehlerProtokollOeffnen = -308306;
inline constexpr int kFehlerProtokollKopf = -301307;       // "Started data logging"
inline constexpr int kFehlerProtokollEingaenge = -301308;  // the input range lines
inline constexpr int kFehlerProtokollAusgaenge = -301309;  // the output range lines
inline constexpr int kFehlerProtokollSpalten = -301310;    // the column header
inline constexpr int kFehlerZeileZeit = -301311;           // a record's date and time
inline constexpr int kFehlerZeileEingaenge = -301312;      // a record's inputs
inline constexpr int kFehlerZeileAusgaenge = -301313;      // a record's outputs
inline constexpr int kFehlerProtokollText = -301314;

inline constexpr const char* kProtokollStart = "\n\nStarted data logging\n";
inline constexpr const char* kProtokollEnde = "Data logging finished\n";
inline constexpr const char* kProtokollAbbruch = "Error - quit data transfer\n";

// With DATEISPEICHERN off: closes any open log, 0. Otherwise asks for the file ("File to
// save/extend", "*.txt"; an empty answer counts as a failed dialog, -317305), closes any
// open log, and on cancel returns 0 without a log. The chosen file is opened for
// appending (-308306) and gets the opening lines; a failed line closes it (-301307 to
// -301310). On success the lamp goes on.
int ProtokolldateiOeffnen(Direktsitzung& s);
// The same without the dialog, for a file named beforehand.
int ProtokolldateiOeffnenVon(Direktsitzung& s, const std::string& pfad);
// Closes an open log; the lamp goes off.
void ProtokolldateiSchliessen(Direktsitzung& s);
bool ProtokollOffen(const Direktsitzung& s);

// Appends one record: date and time from the clock, the four inputs and the four outputs
// in their physical units. Nothing without a log; a failed write closes it (-301311 to
// -301313 by the part that did not arrive).
int ProtokollzeileSchreiben(Direktsitzung& s);
// Appends a text; -301314 on failure. Nothing without a log.
int ProtokollText(Direktsitzung& s, const std::string& text);

// The lines as they go into the file.
std::string EingangsbereichZeile(const Direktsitzung& s, int n);  // "input1: 0.000..10.000 V\n"
std::string AusgangsbereichZeile(const Direktsitzung& s, int n);  // "output1: ...", n = 0..3
std::string Spaltenzeile(const Direktsitzung& s);                 // "Date\tTime\tIn1[V]..."
// One record with the clock's date and time, and where its inputs and outputs begin.
struct Protokollzeile {
  std::string text;
  std::size_t eingaengeAb = 0;
  std::size_t ausgaengeAb = 0;
};
Protokollzeile ProtokollzeileBilden(Direktsitzung& s);

}  // namespace direct
