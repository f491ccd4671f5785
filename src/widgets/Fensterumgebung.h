// What a window is handed when it is built: the person at the screen and the connection
// to the module. Windows use these instead of reaching for the program's globals, so a
// test can build a window over a scripted operator and its own connection state.
#pragma once

#include "common/OperatorInterface.h"
#include "device/Verbindung.h"

namespace widgets {

struct Fensterumgebung {
  common::OperatorInterface* Bediener = nullptr;
  device::ComPortZustand* Verbindung = nullptr;

  common::OperatorInterface& bediener() const {
    return Bediener ? *Bediener : common::operatorInterface();
  }
  device::ComPortZustand& verbindung() const {
    return Verbindung ? *Verbindung : device::sgComPort;
  }
};

}  // namespace widgets
