// Reading a written stretch back and comparing it byte for byte with what was sent: an
// acknowledged block is not yet a block the device holds (a bad memory cell, a device that
// stores something else).
#pragma once

#include <cstdint>
#include <vector>

#include "device/Speichertransfer.h"

namespace device {

class Verbindung;

// The device holds other bytes than were written and acknowledged.
inline constexpr int kFehlerNachpruefung = -116603;

// Reads the blocks of the stretch from address start (daten holds what was sent there)
// back from memory type typ, under the progress box titel (none for nullptr), and
// compares them. abweichend gets the blocks that differ, in address order. 0,
// kFehlerNachpruefung when any differs, or the first read's error (abweichend then holds
// what differed before it). What is read is noted in the connection's memory of the
// device, so a later write of the changed blocks sends a differing block again.
int SpeicherNachpruefen(Verbindung& v, int port, char adresse, int typ, long start,
                        const std::uint8_t* daten, const std::vector<Speicherblock>& bloecke,
                        std::vector<Speicherblock>& abweichend, const char* titel);

}  // namespace device
