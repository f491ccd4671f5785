// The device image of one characteristic slot: 8224 bytes, big-endian, with a 32-byte head
// (check sum, output-2 value, rise-time code, image kind) and one 16-bit sample for each
// input value 0..4095. Also the rise-time code the device keeps.
#pragma once

#include <cstdint>
#include <vector>

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

inline constexpr int kPlaetze = 7;
inline constexpr long kPlatzBytes = 8224;
inline constexpr int kSpeicherKennlinien = 4;  // device memory area of the slots
inline constexpr int kBildAbtastwerte = 32;    // offset of the first sample
inline constexpr int kBildAusgang2 = 4;
inline constexpr int kBildAnstiegszeit = 6;
inline constexpr int kBildArt = 9;
inline constexpr int kEinsBildBytes = 34;  // the one-sample image
inline constexpr int kFehlerBildZuLang = -1023505;

// The device's start address of slot n (1..7).
inline constexpr long PlatzAdresse(int n) {
  return (n - 1) * kPlatzBytes;
}

// Rise time t (ms, 0 to 100 per cent) as the device's 24-bit code: below 409.5 ms a step
// factor times 256, above it a divider. A time of 0 or less (or not a number) is the
// shortest rise time, code 4095 * 256.
std::int32_t AnstiegszeitInCode(double t);
// The rise time a code stands for.
double CodeInAnstiegszeit(std::int32_t code);

// (Sum of the bytes 2..ende) + 1, modulo 65536.
int KennlPruefsumme(const std::uint8_t* bild, int ende);

// The image of the characteristic with the output-2 and rise-time fields: 8224 bytes, or
// kFehlerBildZuLang (nothing built) when the lines take more than 4096 samples.
int KennlBildErzeugen(Kennliniensitzung& sitzung, std::vector<std::uint8_t>& bild);

// The image that marks a slot as holding one sample (205, i.e. about 0.5 V).
std::vector<std::uint8_t> KennlEinsBild();

}  // namespace characteristic
