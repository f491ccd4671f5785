// Writing the curve image into the device's memory in blocks and reading it back, with
// the progress box and the error fields the windows share.
#pragma once

#include <cstdint>

#include "curves/model/Kurvensitzung.h"

namespace device {
class Verbindung;
}

namespace curves {

inline constexpr int kSpeicherKurven = 4;  // memory type of the curves
inline constexpr int kSpeicherDither = 5;  // memory type of the dither amplitude curve

inline constexpr int kFehlerSchreibenKeinPort = -122430;
inline constexpr int kFehlerLesenKeinPort = -122431;
inline constexpr int kFehlerLesenSpeicherKopf = -600404;
inline constexpr int kFehlerLesenSpeicherBild = -600406;
inline constexpr int kFehlerLesenPruefsumme = -897407;
inline constexpr int kFehlerLesenLeer = -1019472;

// Before a write: if the curves (with more than one point) differ in length, asks
// whether to send anyway. 0 = go on, 1 = the operator went back.
int KurvenlaengenPruefen(Kurvensitzung& sitzung);

// Encodes curve 1 and writes it into memory type typ. 0 or the code: a too long curve is
// refused with a message and nothing is sent; device errors go to the error fields too.
// With verification chosen on the connection the written blocks are read back; blocks the
// device holds differently give device::kFehlerNachpruefung and their time ranges in the
// session's Abweichungen.
int KurvenSenden(Kurvensitzung& sitzung, device::Verbindung& v, int typ);

// Writes bild[start .. start+laenge-1] in blocks of at most 64 bytes to the device at
// those addresses, under the progress box "Send data". 0 or the first error.
int SpeicherBlockweiseSchreiben(device::Verbindung& v, const std::uint8_t* bild, long start,
                                long laenge, int typ);
// Reads laenge bytes from address start into puffer[0 ..], with the progress box
// "Read data" when fortschritt is set. 0 or the first error.
int SpeicherBlockweiseLesen(device::Verbindung& v, long start, long laenge, std::uint8_t* puffer,
                            bool fortschritt, int typ);

// Reads the image from memory type typ into curve 1 with its cycles and idle state.
// Returns 0 or the code; device, checksum and content errors are shown in the error
// fields, the others are left to the caller. A failed read leaves the curves unchanged. Neither
// stores an undo step nor marks the curves as changed. A successful read tells the session's
// Lesemeldungen.
int KurvenLesen(Kurvensitzung& sitzung, device::Verbindung& v, int typ);

}  // namespace curves
