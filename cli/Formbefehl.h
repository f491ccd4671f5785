// The shape command: a standard shape as a new curve file, or put into a time range of an
// existing one.
#pragma once

#include "Aufruf.h"

namespace cli {

int FormAusgeben(const Aufruf& aufruf);

}  // namespace cli
