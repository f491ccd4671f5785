// miv3x stats: what the device would put out from one curve of a curve file, over the
// whole curve or a time range of it.
#pragma once

#include "Aufruf.h"

namespace cli {

int StatistikAusgeben(const Aufruf& aufruf);

}  // namespace cli
