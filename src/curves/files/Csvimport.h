// Sampled data from CSV files as oscilloscopes, data loggers and spreadsheets write them:
// the dialect (separator, decimal sign, header rows, units) is found from the file itself,
// the time and value columns are taken by number or by header name, and the samples
// become lines on the device's time grid through Abtastnaeherung. The whole file is
// checked before anything is handed on; a refused file is shown with its line number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/Konfiguration.h"
#include "curves/files/Abtastnaeherung.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

inline constexpr int kFehlerCsvOeffnen = -308570;
inline constexpr int kFehlerCsvLesen = -304571;
inline constexpr int kFehlerCsvKeineDaten = -321572;  // no row with two numbers
inline constexpr int kFehlerCsvZeile = -312573;       // a data row without its numbers
inline constexpr int kFehlerCsvZeitfolge = -312574;   // time not rising
inline constexpr int kFehlerCsvSpalte = -312575;      // a column asked for is not there

// Far above a million rows as instruments write them, far below what exhausts memory.
inline constexpr std::int64_t kCsvHoechstgroesse = 512LL * 1024 * 1024;

// What the file was found to be.
struct Csvdialekt {
  char Trennzeichen = ',';  // ',', ';', '\t' or ' ' (any run of blanks)
  char Dezimalzeichen = '.';
  int Kopfzeilen = 0;  // rows before the first data row, comments and empty rows not counted
  std::vector<std::string> Spaltennamen;  // of the header row, units taken off; may be empty
  std::vector<std::string> Einheiten;     // per column, "" where none was given
};

// The separator as a report names it: "tab", "';'", "','" or "blanks".
const char* Trennername(char trennzeichen);

struct Csvoptionen {
  // A column as a number from 1 or a header name (case-insensitive, without its unit).
  // Empty: the first two columns that hold numbers.
  std::string Zeitspalte;
  std::string Wertspalte;
  // Seconds per time unit of the file; 0: the unit of the header, or seconds.
  double Zeitfaktor = 0.0;
  // Probe factor and offset: value = read value * Skala + Versatz.
  double Skala = 1.0;
  double Versatz = 0.0;
};

// The samples as read: times from the first sample (0) in seconds, values in the file's
// value unit after Skala and Versatz, and the file line of each sample.
struct Csvreihe {
  Csvdialekt Dialekt;
  int Zeitspalte = 0;  // 1-based
  int Wertspalte = 0;
  std::string Zeiteinheit;  // the time unit taken ("s" when none was given)
  std::string Werteinheit;  // as the header gives it, "" when not
  std::vector<double> Zeit;
  std::vector<double> Wert;
  std::vector<int> Zeile;
};

// A time unit text ("s", "ms", "us", "µs", "ns", "min", "h") as seconds; 0 when unknown.
double ZeiteinheitInSekunden(const std::string& einheit);

// Reads the file into reihe. 0 or a code; every refusal but a failed open names the line in
// a message (title "Error while importing").
int CsvLesen(const std::string& pfad, const Csvoptionen& optionen, Csvreihe& reihe);

// The samples' values in raw codes of output 1 by the current configuration: in volts when
// the header names volts ("V", "mV") and output 1 has another unit, else in output 1's
// unit. Codes outside 0..4095 are clipped and counted. Returns whether volts were taken.
bool CsvWerteInCodes(const config::Konfiguration& k, const Csvreihe& reihe,
                     std::vector<double>& codes, int& abgeschnitten);

// Everything the import found and did, for the operator.
struct Csvbericht {
  Csvreihe Reihe;       // the samples' times and values are released once converted
  int Abtastwerte = 0;  // samples read
  bool Volt = false;
  int Abgeschnitten = 0;  // samples clipped into the output range
  Naeherungsbericht Naeherung;
};

// Reads, converts and simplifies: curve points for the whole file, or a code with nothing
// changed. toleranz <= 0 takes the tolerance from the noise (see AbtastwerteNaehern).
int CsvImportieren(const config::Konfiguration& k, const std::string& pfad,
                   const Csvoptionen& optionen, double toleranz, std::vector<Kurvenpunkt>& punkte,
                   Csvbericht& bericht);

}  // namespace curves
