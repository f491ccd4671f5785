// Curves from and to other tools: sampled data from CSV files simplified to lines, and
// SPICE piecewise-linear lists.
#pragma once

#include "Aufruf.h"

namespace cli {

int CsvImportieren(const Aufruf& aufruf);
int PwlImportieren(const Aufruf& aufruf);

}  // namespace cli
