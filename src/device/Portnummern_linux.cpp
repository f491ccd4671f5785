// Linux: the serial devices under /dev that the built-in mapping numbers.
#include <fstream>

#include "device/Portnummern.h"

namespace device {

namespace fs = std::filesystem;

namespace {

// The 8250 driver creates ttyS0..ttyS31 whether or not a UART sits behind them; type 0
// means none.
bool UartVorhanden(const PortQuellen& q, const std::string& name) {
  std::ifstream f(q.sysTty / name / "type");
  if (!f) return true;  // no such attribute: a driver that only creates real ports
  int typ = 0;
  if (!(f >> typ)) return false;
  return typ != 0;
}

}  // namespace

std::map<int, std::string> Systemports(const PortQuellen& q) {
  std::map<int, std::string> ports;
  OrdnerDurchgehen(q.dev, [&](const fs::path& pfad) {
    const std::string name = pfad.filename().string();
    const int n = PortnummerVonName(name);
    if (n == 0) return;
    if (name.rfind("ttyS", 0) == 0 && !UartVorhanden(q, name)) return;
    ports[n] = pfad.string();
  });
  return ports;
}

}  // namespace device
