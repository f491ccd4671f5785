#include "LineRate.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace sim {

long lineRateOf(int fd) {
  termios2 t{};
  if (::ioctl(fd, TCGETS2, &t) != 0) return 0;
  if ((t.c_cflag & CBAUD) == BOTHER) return static_cast<long>(t.c_ospeed);
  switch (t.c_cflag & CBAUD) {
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    case B115200:
      return 115200;
    default:
      // c_ospeed is filled in for the standard constants too.
      return static_cast<long>(t.c_ospeed);
  }
}

}  // namespace sim
