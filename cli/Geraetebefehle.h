// The commands that talk to a device or list the ports: each opens the port as the COM
// settings window does and calls the same functions its buttons and the curve window's
// transfer buttons call.
#pragma once

#include "Aufruf.h"

namespace cli {

int PortsAuflisten();
int IdLesen(const Aufruf& aufruf);
int Suchen(const Aufruf& aufruf);
int Senden(const Aufruf& aufruf);
int Lesen(const Aufruf& aufruf);

}  // namespace cli
