// What a window is handed when it is built: the person at the screen and the connection
// to the module. Windows use these instead of reaching for the program's globals, so a
// test can build a window over a scripted operator and its own connection state.
#pragma once

#include "common/OperatorInterface.h"
#include "device/Verbindung.h"

namespace widgets {

// Either may stay empty: the program's own operator and connection are used then.
struct Fensterumgebung {
  common::OperatorInterface* Bediener = nullptr;
  device::ComPortZustand* Verbindung = nullptr;

  common::OperatorInterface& BedienerOderStandard() const {
    return Bediener ? *Bediener : common::operatorInterface();
  }
  device::ComPortZustand& VerbindungOderStandard() const {
    return Verbindung ? *Verbindung : device::sgComPort;
  }
};

}  // namespace widgets
