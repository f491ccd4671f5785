// Curve 1 from tab-separated text (the export format, or another tool's): lines of time
// in seconds, value in per cent, time base name and curve number; the export's end-time
// comment gives the last line its length. The whole file is checked before any curve
// changes.
#pragma once

#include <string>

namespace curves {

inline constexpr int kFehlerImportOeffnen = -308445;
inline constexpr int kFehlerImportLesen = -304446;
inline constexpr int kFehlerImportWerte = -312447;
inline constexpr int kFehlerImportKurvennummer = -312448;
inline constexpr int kFehlerImportZeitbasis = -312451;
inline constexpr int kFehlerImportYWert = -312452;
inline constexpr int kFehlerImportStart = -312453;
inline constexpr int kFehlerImportZeitfolge = -312454;
inline constexpr int kFehlerImportZuLang = -312455;
inline constexpr int kFehlerImportRaster = -312456;
inline constexpr int kFehlerImportNullAbstand = -312457;
inline constexpr int kFehlerImportKeineDaten = -312458;
inline constexpr int kFehlerImportSpeicher = -600450;
inline constexpr int kFehlerImportErsetzen = -600459;

// Characters of a line that are read; the rest of a longer line is dropped.
inline constexpr int kImportZeilenlaenge = 95;

// Reads the file; a refused line is shown (title "Error while importing") with its
// number, and nothing changes. On success every imported curve gets an undo snapshot
// first and then the new points; the edited curve stays the same.
int KurvendateiImportieren(const std::string& pfad);

}  // namespace curves
