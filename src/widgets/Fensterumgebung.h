// What a window is handed when it is built: the connection to the module, the person at
// the screen and the shell's navigation. Windows use these instead of reaching for the program's
// globals, so a test builds a window over its own connection and a scripted operator.
#pragma once

#include "common/OperatorInterface.h"
#include "device/Verbindung.h"
#include "widgets/Navigation.h"

namespace widgets {

struct Fensterumgebung {
  device::Verbindung& Verbindung;
  // May stay empty: the program's own operator is used then.
  common::OperatorInterface* Bediener = nullptr;
  // The shell's navigation; none: switching windows and quitting do nothing.
  Fensternavigation* Navigation = nullptr;

  common::OperatorInterface& BedienerOderStandard() const {
    return Bediener ? *Bediener : common::operatorInterface();
  }
};

}  // namespace widgets
