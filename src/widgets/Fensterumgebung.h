// What a window is handed when it is built: the connection to the module and the person at
// the screen. Windows use these instead of reaching for the program's globals, so a test
// builds a window over its own connection and a scripted operator.
#pragma once

#include "common/OperatorInterface.h"
#include "device/Verbindung.h"

namespace widgets {

struct Fensterumgebung {
  device::Verbindung& Verbindung;
  // May stay empty: the program's own operator is used then.
  common::OperatorInterface* Bediener = nullptr;

  common::OperatorInterface& BedienerOderStandard() const {
    return Bediener ? *Bediener : common::operatorInterface();
  }
};

}  // namespace widgets
