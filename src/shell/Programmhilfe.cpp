#include "shell/Programmhilfe.h"

namespace shell {

const char* Programmhilfe() {
  return R"(usage: miv3x-curvegen [--all-windows] [--help] [--version]

The MIV-3X curve generator: draws output curves for the WUN-2 analog I/O module and
writes them into it. Curves are edited on a time grid, kept in curve files (*.wur) and
as tab-separated text, written into the module over an RS-232 line and read back.

Settings: the file miv3XKurvengenerator.ini keeps the serial port, the device address,
the input/output scaling and the display type from one run to the next. It is read at
start and written when the program ends through "Exit" or by closing the main window.
It lives in the folder the program is started in. Where that folder has no settings
file and is the home folder (as when started from the desktop menu), or cannot be
written, the file is $XDG_CONFIG_HOME/miv3x/miv3XKurvengenerator.ini, by default
~/.config/miv3x/miv3XKurvengenerator.ini.

Serial ports are listed by number as "COM <n>": /dev/ttyS0 is 1, /dev/ttyUSB0 33,
/dev/ttyACM0 97, /dev/ttyAMA0 161. A link COM<n> to a device in $MIV3X_PORT_DIR, else
$XDG_CONFIG_HOME/miv3x/ports, else ~/.config/miv3x/ports, makes that device port n.
The line runs at 9600 baud, 7 data bits, odd parity, 1 stop bit; the user needs access
to the device (on Debian the group dialout).

Options of the window system (such as -platform) are passed on to Qt.

  --all-windows  offer every window: the main window's buttons for the configuration,
                 the direct input/output and the characteristic controller windows and
                 its direct-help switch are shown, and every Window menu lists all six
                 windows. Without it these windows are set up and keep their settings,
                 but are not offered.
  --help         this text
  --version      the program's version
)";
}

}  // namespace shell
