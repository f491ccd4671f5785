// The characteristic as tab-separated text: X and Y of every point in per cent of full
// scale. Export leaves the characteristic alone; import replaces its points (with an undo
// step) only when the whole file has passed its checks.
#pragma once

#include <cstddef>
#include <string>

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

inline constexpr int kFehlerExportOeffnen = -308529;
inline constexpr int kFehlerExportKopf = -301530;
inline constexpr int kFehlerExportPunkte = -301531;
inline constexpr int kFehlerExportEnde = -301532;
inline constexpr int kFehlerImportOeffnen = -308533;
inline constexpr int kFehlerImportLesen = -304534;
inline constexpr int kFehlerImportWerte = -312535;
inline constexpr int kFehlerImportSpeicher = -600536;
inline constexpr int kFehlerImportYWert = -312537;
inline constexpr int kFehlerImportXWert = -312538;
inline constexpr int kFehlerImportStart = -312539;
inline constexpr int kFehlerImportXFolge = -312540;
inline constexpr int kFehlerImportAbstand = -312541;
inline constexpr int kFehlerImportKeineDaten = -312542;
inline constexpr int kFehlerImportErsetzen = -600543;

// Lines are read up to this many characters; the rest of a longer line is dropped.
inline constexpr std::size_t kImportZeilenlaenge = 95;

// Writes the points to pfad; the previous file there survives any failure.
int KennlTextExportieren(Kennliniensitzung& sitzung, const std::string& pfad);
// Reads the points from pfad. Every refusal is shown titled "Error while importing".
int KennlTextImportieren(Kennliniensitzung& sitzung, const std::string& pfad);

}  // namespace characteristic
