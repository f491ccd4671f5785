// Curve 1 as tab-separated text: start time in seconds, value in per cent of full
// scale, time base name and curve number, one line per point, then a comment with the
// end time of the last line.
#pragma once

#include <string>

namespace curves {

inline constexpr int kFehlerExportOeffnen = -308441;
inline constexpr int kFehlerExportKopf = -301442;
inline constexpr int kFehlerExportPunkte = -301443;
inline constexpr int kFehlerExportEnde = -301444;

// The comment line behind the points that gives the end time of the closing line, in
// seconds followed by " s".
inline constexpr const char* kEndeKommentar = "# End of curve at ";

// Writes the text file; a file already at pfad survives any failure.
int KurvendateiExportieren(const std::string& pfad);

}  // namespace curves
