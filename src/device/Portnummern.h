// Serial ports by number, as the COM settings window lists and opens them.
//
// Windows: the ports the registry lists under HARDWARE\DEVICEMAP\SERIALCOMM ("COM3" -> 3).
// Linux: a fixed mapping from device names, so a device keeps its number from run to run:
//   /dev/ttyS<n>   -> n + 1    (n 0..31, only where a UART is present)
//   /dev/ttyUSB<n> -> n + 33   (n 0..63)
//   /dev/ttyACM<n> -> n + 97   (n 0..63)
//   /dev/ttyAMA<n> -> n + 161  (n 0..15)
// plus a per-user folder of symbolic links "COM<n>" -> any device path (n 1..256), which
// take the number n and override the mapping for it. Dangling links are not listed.
//
// The part that asks the operating system lives in one file per platform
// (Portnummern_linux.cpp, Portnummern_windows.cpp); the build compiles the one it needs.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace device {

struct PortEintrag {
  int nummer = 0;
  std::string pfad;  // the device path to open
};

// Where the lists come from; tests point these at a temporary folder.
struct PortQuellen {
  std::filesystem::path dev = "/dev";
  std::filesystem::path sysTty = "/sys/class/tty";
  std::filesystem::path linkOrdner;  // empty: PortLinkOrdner()
};

// $MIV3X_PORT_DIR if set, else $XDG_CONFIG_HOME/miv3x/ports, else ~/.config/miv3x/ports.
std::filesystem::path PortLinkOrdner();

// The ports present, sorted by number, each number once.
std::vector<PortEintrag> Portliste(const PortQuellen& quellen = {});

// The device path of port n, empty if there is none.
std::string PortPfad(int n, const PortQuellen& quellen = {});

// The number a device name gets from the built-in mapping ("ttyUSB2" -> 35), 0 if none.
int PortnummerVonName(const std::string& name);

// For the platform files:
// The ports the operating system offers, number -> device path (without the link folder).
std::map<int, std::string> Systemports(const PortQuellen& quellen);
// A decimal number of at most four digits that makes up the whole text; -1 otherwise.
int GanzePortzahl(const std::string& text);
// Steps through a folder without exceptions: a folder that cannot be read, or that fails
// half-way, just ends its part of the list.
void OrdnerDurchgehen(const std::filesystem::path& ordner,
                      const std::function<void(const std::filesystem::path&)>& aktion);

}  // namespace device
