// Moving a stretch of the device memory in blocks of at most 64 bytes, as the protocol's
// memory commands take them, with the progress box while it runs. The curve and the
// characteristic transfers are built on these.
#pragma once

#include <cstdint>

namespace device {

class Verbindung;

inline constexpr long kSpeicherblock = 64;

// How a stretch is cut: into 64-byte blocks counted from its start, or into blocks that
// never cross a 64-byte boundary of the memory (the first and last may be shorter).
enum class Blockteilung { AbAnfang, AnGrenzen };

// Writes laenge bytes of daten to memory type typ from address start. A progress box with
// the given title shows the share done (none when titel is nullptr). 0 or the first
// failure's code; the blocks before it stay written.
int SpeicherBlockweiseSenden(Verbindung& v, int port, char adresse, int typ, long start,
                             long laenge, const std::uint8_t* daten, Blockteilung teilung,
                             const char* titel);
// Reads laenge bytes from memory type typ at address start into ziel, in blocks counted
// from start.
int SpeicherBlockweiseHolen(Verbindung& v, int port, char adresse, int typ, long start, long laenge,
                            std::uint8_t* ziel, const char* titel);

}  // namespace device
