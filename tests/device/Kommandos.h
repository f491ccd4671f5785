// Every device command of the driver with the codes of its exchange steps, so failure
// paths can be tested for all of them alike.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "device/Verbindung.h"

namespace devicetest {

struct Kommando {
  std::string name;
  // Calls the command on `port` with address `adresse` (a valid one for numeric commands).
  std::function<int(device::Verbindung& v, int port, char adresse)> aufruf;
  std::string frame;  // the frame sent through address '1'
  bool lesend = false;
  int adressCode = 0;
  int flush = 0;  // 0: FlushInOut's own code unchanged
  int schreibFehler = 0;
  int schreibKurz = 0;
  int nak = 0;
  int can = 0;
  int stille = 0;
  int anderesByte = 0;
  int lesefehler = 0;    // reading commands: a failed read in the reply
  bool rundruf = false;  // '&' (or 9) allowed
  std::string antwort;   // a good data reply through address '1'
};

const std::vector<Kommando>& alleKommandos();

// Test names and messages show the command's name, not its bytes.
inline void PrintTo(const Kommando& k, std::ostream* os) {
  *os << k.name;
}

}  // namespace devicetest
