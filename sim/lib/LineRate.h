// The line rate a terminal is set to, read in a file of its own: the kernel's termios2
// (which also carries rates set as a number rather than a B constant) and <termios.h>
// cannot share one translation unit.
#pragma once

namespace sim {

// The output rate in baud of the terminal behind `fd` (for a pseudo-terminal's master:
// what its slave end is set to); 0 when it cannot be read.
long lineRateOf(int fd);

}  // namespace sim
