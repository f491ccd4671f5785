// The commands of the direct input/output window: reading the inputs once or polling them
// into a log, setting one output, setting all outputs to zero. They call the functions the
// window's controls call, so the values and the log are those of the window.
#pragma once

#include "Aufruf.h"

namespace cli {

int EingaengeLesen(const Aufruf& aufruf);
int AusgangSetzen(const Aufruf& aufruf);
int AusgaengeAufNull(const Aufruf& aufruf);

}  // namespace cli
