// Curve 1 as tab-separated text: start time in seconds, value in per cent of full
// scale, time base name and curve number, one line per point.
#pragma once

#include <string>

namespace curves {

struct Kurvensitzung;

inline constexpr int kFehlerExportOeffnen = -308441;
inline constexpr int kFehlerExportKopf = -301442;
inline constexpr int kFehlerExportPunkte = -301443;
inline constexpr int kFehlerExportEnde = -301444;

// Writes the text file; a file already at pfad survives any failure.
int KurvendateiExportieren(Kurvensitzung& sitzung, const std::string& pfad);

}  // namespace curves
