// The "direkt" section of the settings file: the four trace switches and the four limits.
#pragma once

namespace ini {
struct IniStore;
}

namespace direct {

struct Direktsitzung;

inline constexpr const char* kDirektSektion = "direkt";

// Puts "kurve1".."kurve4" (0/1 from PLOT1..4) and "grenze1".."grenze4" (BEGRENZUNG1..4).
// Returns 0.
int WriteIniDirektpanel(const Direktsitzung& s, ini::IniStore* store);

// "kurve"n that is found sets PLOTn (any non-zero value as 1); a 0 also hides trace n, a 1
// leaves its visibility alone; a missing key leaves the box as it is. "grenze"n is taken
// only when found and finite. Returns 0.
int ReadIniDirektpanel(Direktsitzung& s, ini::IniStore* store);

}  // namespace direct
