// The commands that work on files alone: export, import and the device image, and what
// the transfer commands share with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Aufruf.h"

namespace config {
struct Konfigsitzung;
}
namespace curves {
struct Kurvensitzung;
}

namespace cli {

// The image file named with --out cannot be made, or not all bytes reached it.
inline constexpr int kFehlerBilddateiOeffnen = -308481;
inline constexpr int kFehlerBilddateiSchreiben = -301482;

// Takes a curve file into the curve model for sending, exporting or the image. A file
// whose point data are incomplete is refused rather than sent or converted with a
// default curve in its place. 0 or the file's code.
int KurvendateiUebernehmen(curves::Kurvensitzung& sitzung, const std::string& pfad);

// Sets the configuration that a new curve file carries: the standard values, or those of
// the configuration file when one is named. 0 or the configuration file's code.
int KonfigurationWaehlen(config::Konfigsitzung& konfig, const std::string& konfigdatei);

// True when both names reach one existing file, so writing the one would destroy the
// other.
bool DieselbeDatei(const std::string& a, const std::string& b);
// Refuses a command whose output (its second file) is its input file; the exit status.
int GleicheDateiMelden(const Aufruf& aufruf);

// Writes an image file through a temporary file: an earlier file survives any failure.
int BilddateiSchreiben(const std::string& pfad, const std::uint8_t* daten, std::size_t anzahl);
// Prints bild[anfang .. ende - 1] as hex lines of 16 bytes, each led by its address.
void HexAusgeben(const std::vector<std::uint8_t>& bild, int anfang, int ende);

int Exportieren(const Aufruf& aufruf);
int Importieren(const Aufruf& aufruf);
int BildAusgeben(const Aufruf& aufruf);

}  // namespace cli
