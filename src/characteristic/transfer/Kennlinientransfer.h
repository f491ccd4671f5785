// Writing the characteristic into a device slot, reading a slot back and selecting a slot
// through output 4, with the progress box and the error fields the windows share. The slot
// is the "Kurve Nr." field (Felder.KurveNr of the session).
#pragma once

#include <cstdint>
#include <vector>

#include "characteristic/model/Kennliniensitzung.h"
#include "device/Speichertransfer.h"

namespace device {
class Verbindung;
}

namespace characteristic {

inline constexpr int kFehlerSchreibenPlatz = -1024506;
inline constexpr int kFehlerInitKeinPort = -122507;
inline constexpr int kFehlerModusKeinPort = -122509;
inline constexpr int kFehlerBlockSchreibenKeinPort = -122510;
inline constexpr int kFehlerLesenPlatz = -1024511;
inline constexpr int kFehlerLesenUngueltig = -1026512;
inline constexpr int kFehlerLesenPruefsumme = -897513;
inline constexpr int kFehlerLesenAusgang2 = -1019514;
inline constexpr int kFehlerBlockLesenKeinPort = -122524;
inline constexpr int kFehlerBlockLesenUngueltig = -1026525;
inline constexpr int kFehlerLesenSpeicherBild = -600527;
inline constexpr int kFehlerLesenSpeicherPunkte = -600528;
inline constexpr int kFehlerAnwaehlenKeinPort = -122544;

// Builds the image and writes it to the slot, first initialising the slots when the device
// marks them invalid. Returns 0 or the code; device errors are shown in the error fields
// too, the others (image too long, bad slot) are left to the caller. With verification
// chosen on the connection the slot's written blocks are read back; blocks the device
// holds differently give device::kFehlerNachpruefung and their input values in the
// session's Abweichungen.
int KennlinieSchreiben(Kennliniensitzung& sitzung, device::Verbindung& v);
// Reads the slot into the points (one undo step brings back what the operator had; the
// changed flag stays untouched), the output-2
// and the rise-time field. Returns 0 or the code; device, validity, checksum and output-2
// errors are shown in the error fields too, the others (bad slot, the mode check's error,
// memory) are left to the caller. An output-2 value out of range still reads the points.
int KennlinieLesen(Kennliniensitzung& sitzung, device::Verbindung& v);
// Sets output 4 to the slot number in volts. 0 or the code, which is also shown in the
// error fields.
int KennlinieAnwaehlen(Kennliniensitzung& sitzung, device::Verbindung& v);

// Writes the one-sample image to the start of slots 1 to 7; the first error is returned.
int KennlinienplaetzeInitialisieren(device::Verbindung& v);
// Writes laenge bytes of bild to device addresses start.. in blocks that never cross a
// multiple of 64, then marks the slots valid. With fortschritt the box "sending data".
int KennlSpeicherSchreiben(device::Verbindung& v, const std::uint8_t* bild, long start, long laenge,
                           bool fortschritt);
// As KennlSpeicherSchreiben with the box, but sends only the blocks that changed since
// this connection last wrote or read them (device/Speichertransfer.h); ungeprueft as there.
int KennlGeaendertSchreiben(device::Verbindung& v, const std::uint8_t* bild, long start,
                            long laenge, std::vector<device::Speicherblock>* ungeprueft = nullptr);
// Reads laenge bytes from device address start into ziel, after checking that the slots
// are valid. With fortschritt the box "reading data".
int KennlSpeicherLesen(device::Verbindung& v, long start, long laenge, std::uint8_t* ziel,
                       bool fortschritt);
// Reads the mode bits: valid when bit value 2 is set and bit value 4 clear.
int KennlModusPruefen(device::Verbindung& v, bool& gueltig);

}  // namespace characteristic
