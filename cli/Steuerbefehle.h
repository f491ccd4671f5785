// The device's own controls from the command line: start and stop of the curve output,
// its registers and parameters, its mode bits. The same driver functions the COM settings
// window's hidden controls call.
#pragma once

#include "Aufruf.h"

namespace cli {

int Starten(const Aufruf& aufruf);
int Stoppen(const Aufruf& aufruf);
int StatusAusgeben(const Aufruf& aufruf);
int ModusAendern(const Aufruf& aufruf);

}  // namespace cli
