// The "konfig" section of the settings file.
#pragma once

namespace ini {
struct IniStore;
}

namespace config {

struct Konfigsitzung;

inline constexpr const char* kKonfigSektion = "konfig";

// Takes the window's fields into gKonfig, then puts "voutmax", "vinmax" and per channel
// 0..3 "outmin"n, "outmax"n, "outskalamin"n, "outskalamax"n, "outeinheit"n, "inmin"n,
// "inmax"n, "inskalamin"n, "inskalamax"n, "ineinheit"n into the store. A unit goes with
// at most 8 characters, control characters turned into spaces. Returns 0.
int WriteIniKonfigpanel(Konfigsitzung& s, ini::IniStore* store);

// Sets the standard values, then reads the same keys: a number that is missing, damaged or
// not finite keeps its standard value; a unit comes back with at most 7 characters, and a
// missing unit key gives the empty unit. Shows the result in the window. Returns 0.
int ReadIniKonfigpanel(Konfigsitzung& s, ini::IniStore* store);

}  // namespace config
