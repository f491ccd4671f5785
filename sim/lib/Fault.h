// A fault the simulator plays instead of (or on top of) a device's normal answer.
#pragma once

#include <string>

namespace sim {

enum class FaultKind {
  Nak,            // NAK instead of ACK; the command is not executed
  Can,            // CAN instead of ACK; not executed
  Silence,        // nothing at all; not executed
  WrongByte,      // `byte` instead of ACK; not executed
  Garble,         // data reply with `byte` at `position` (negative: from the end)
  Truncate,       // data reply with `length` bytes dropped before its CR
  WrongEcho,      // data reply whose echo names another register, input, type or address
  WrongChecksum,  // memory read reply with its checksum one higher
  Delay,          // the whole answer `delayMs` late
  Corrupt,        // a memory write acknowledged, but its byte at `position` (negative: from
                  // the end) stored inverted (XOR FFh), so a read-back differs there
};

struct Fault {
  FaultKind kind = FaultKind::Nak;
  // The command letters the fault applies to ("BDW", "IDR", "S1R", "V2R", ...; a prefix of
  // the frame after "#" and the address), empty for every command.
  std::string command;
  char address = 0;  // 0: any address
  // 0: only the next matching frame; N: every Nth matching frame from now on.
  int everyNth = 0;
  unsigned char byte = '?';
  int position = 0;
  int length = 1;
  int delayMs = 0;
};

}  // namespace sim
