// The device memory image of the curves: a 32-byte header at address 4096 and one
// big-endian 16-bit sample per time-base unit of curve 1 from address 4128 (time-base
// nibble in bits 15..12, value in bits 11..0). Computed here without any device.
#pragma once

#include <cstdint>
#include <vector>

namespace curves {

inline constexpr int kBildGroesse = 65536;  // one byte per device address
inline constexpr int kBildAnfang = 4096;    // first address sent
inline constexpr int kBildKopfBytes = 32;
inline constexpr int kAbtastAnfang = kBildAnfang + kBildKopfBytes;          // 4128
inline constexpr int kMaxAbtastwerte = (kBildGroesse - kAbtastAnfang) / 2;  // 30704

// Header addresses.
inline constexpr int kBildPruefsumme = 4096;
inline constexpr int kBildEndadressen = 4098;  // + 2c
inline constexpr int kBildZyklen = 4106;       // + 2c
inline constexpr int kBildRuhezustand = 4114;  // + 2c
inline constexpr int kBildKurvenzahl = 4122;

// Curve 1 needs more samples than the device memory holds.
inline constexpr int kFehlerSpeicherVoll = -1023465;
// A point outside the model's limits (time base code, length) cannot be encoded.
inline constexpr int kFehlerPunktNichtKodierbar = -1022466;
// Decoding.
inline constexpr int kFehlerBildAnfang = -1019408;  // first address before 4128, or last < first
inline constexpr int kFehlerBildEnde = -1019409;    // last address beyond the memory
inline constexpr int kFehlerAbtastUngerade = -1019417;
inline constexpr int kFehlerAbtastZeitbasis = -1019418;
inline constexpr int kFehlerAbtastSpeicher = -600416;        // the decoded points
inline constexpr int kFehlerAbtastUndoSpeicher = -600419;    // the undo slot of the read
inline constexpr int kFehlerAbtastKurvenSpeicher = -600420;  // the curve's own array

// The sample nibble of a time base code 1..9, or -1.
int ZeitbasisNibble(int code);
// The time base code of a sample nibble, or 0 for the nibbles 9..15.
int ZeitbasisAusNibble(int nibble);

// Fills bild (resized to kBildGroesse, cleared) with curve 1's samples and the header of
// the four curves' cycles and idle states. ende is one past the last used address, so
// bytes kBildAnfang..ende-1 are what the device gets. 0, kFehlerSpeicherVoll or
// kFehlerPunktNichtKodierbar.
int KurvenbildErzeugen(std::vector<std::uint8_t>& bild, int& ende);

// The 16-bit byte sum over puffer[von..bis] (inclusive) plus 1, modulo 65536.
int Kurvenpruefsumme(const std::uint8_t* puffer, int von, int bis);

// Replaces curve c's points by one point per sample of puffer[erste..letzte] (addresses
// as indices), each one unit long. On an error the curve stays as it was; an allocation
// failure is also shown in the error popup.
int AbtastwerteInPunkte(int c, const std::uint8_t* puffer, int erste, int letzte);

}  // namespace curves
