// Configuration files "*.wuo": 392 bytes, the identification text (32 bytes, zero-padded),
// the format version 1 (32-bit little-endian), 4 zero bytes, then the 352-byte record.
#pragma once

#include <cstddef>
#include <string>

namespace config {

struct Konfigsitzung;

inline constexpr std::size_t kKonfigdateiGroesse = 392;
inline constexpr const char* kKonfigdateiKennung = "miv3xKurven Konfigdatei";
inline constexpr int kKonfigdateiVersion = 1;

// Error codes of the file operations.
inline constexpr int kKonfigdateiNichtAnlegbar = -308261;
inline constexpr int kKonfigdateiKurzGeschrieben = -301262;
inline constexpr int kKonfigdateiNichtOeffenbar = -308263;
inline constexpr int kKonfigdateiZuKurz = -304264;
inline constexpr int kKonfigdateiFremd = -1021265;
inline constexpr int kKonfigdateiFalscheVersion = -303266;

// Writes gKonfig (the caller takes the window's fields first); padding is written as
// zeros and every unit terminated. The bytes go to a
// temporary file beside the target, which replaces the target only when all 392 bytes were
// written, so a failed save leaves an earlier file whole. Only where the folder takes no new
// file is an existing, writable file rewritten in place. -308261 when the file cannot be
// made (also for a write-protected target or a folder in its place), -301262 when not all
// bytes reached the file. 0 on success.
int KonfigdateiSpeichernNach(const Konfigsitzung& s, const std::string& pfad);

// Reads a file into gKonfig and shows it in the window. On every error gKonfig and the
// window stay as they were: -308263 cannot open (also a folder), -304264 shorter than 392 bytes
// (bytes after the 392nd are ignored), -1021265 wrong identification text, -303266 other version
// than 1. A unit that fills its field without a terminator is cut to 8 characters.
int KonfigdateiLadenVon(Konfigsitzung& s, const std::string& pfad);

// The file menu: ask for a file ("Save configuration" / "Load configuration", "*.wuo"),
// then save (after taking the window's fields) or load. A cancelled dialog returns 0 and
// changes nothing.
int KonfigdateiSpeichern(Konfigsitzung& s);
int KonfigdateiLaden(Konfigsitzung& s);

}  // namespace config
