// Moving a stretch of the device memory in blocks of at most 64 bytes, as the protocol's
// memory commands take them, with the progress box while it runs. The curve and the
// characteristic transfers are built on these. Every block that gets through is noted in
// the connection's memory of the device (Speichergedaechtnis), so a later write can send
// only what changed.
#pragma once

#include <cstdint>
#include <vector>

namespace device {

class Verbindung;

inline constexpr long kSpeicherblock = 64;
// The operator pressed Cancel in the progress box ("Aborted by user"); the blocks before
// it stay written.
inline constexpr int kFehlerAbgebrochen = -4601;
// The bytes at the start of a curve image or a slot image that describe it (check sum,
// lengths); a write of the changed blocks compares them first and sends them last.
inline constexpr long kBildkopf = 32;

// How a stretch is cut: into 64-byte blocks counted from its start, or into blocks that
// never cross a 64-byte boundary of the memory (the first and last may be shorter).
enum class Blockteilung { AbAnfang, AnGrenzen };

// One block of a stretch: its first device address and its length.
struct Speicherblock {
  long adresse;
  long laenge;
  bool operator==(const Speicherblock&) const = default;
};
// The blocks of a stretch as the transfers cut it.
std::vector<Speicherblock> Blockliste(long start, long laenge, Blockteilung teilung);

// Writes laenge bytes of daten to memory type typ from address start. A progress box with
// the given title shows the share done (none when titel is nullptr); a cancel there stops
// between two blocks with kFehlerAbgebrochen. 0 or the first failure's code; the blocks
// before it stay written.
int SpeicherBlockweiseSenden(Verbindung& v, int port, char adresse, int typ, long start,
                             long laenge, const std::uint8_t* daten, Blockteilung teilung,
                             const char* titel);
// As SpeicherBlockweiseSenden, but sends only what changed when that is safe: the stretch's
// first kBildkopf bytes are read from the device and must equal what the connection last
// wrote or read there; then only the blocks that differ from it (or are not known) go out,
// the blocks holding those first bytes always and last, and every block sent is read back.
// Anything unknown or different writes everything, with a notice when the device held
// something else. ungeprueft (when given) gets the blocks written but not read back: none
// when the changed blocks came back as sent, every block after writing everything.
int SpeicherGeaendertSenden(Verbindung& v, int port, char adresse, int typ, long start, long laenge,
                            const std::uint8_t* daten, Blockteilung teilung, const char* titel,
                            std::vector<Speicherblock>* ungeprueft = nullptr);
// Reads laenge bytes from memory type typ at address start into ziel, in blocks counted
// from start; cancel as above.
int SpeicherBlockweiseHolen(Verbindung& v, int port, char adresse, int typ, long start, long laenge,
                            std::uint8_t* ziel, const char* titel);

}  // namespace device
