#include "device/Portnummern.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace device {

namespace fs = std::filesystem;

namespace {

struct Familie {
  const char* praefix;
  int erste;
  int anzahl;
};

constexpr Familie kFamilien[] = {
    {"ttyS", 1, 32}, {"ttyUSB", 33, 64}, {"ttyACM", 97, 64}, {"ttyAMA", 161, 16}};

// Reads a decimal number that makes up the whole text; -1 otherwise.
int ganzeZahl(const std::string& s) {
  if (s.empty() || s.size() > 4) return -1;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

// The 8250 driver creates ttyS0..ttyS31 whether or not a UART sits behind them; type 0
// means none.
bool uartVorhanden(const PortQuellen& q, const std::string& name) {
  std::ifstream f(q.sysTty / name / "type");
  if (!f) return true;  // no such attribute: a driver that only creates real ports
  int typ = 0;
  if (!(f >> typ)) return false;
  return typ != 0;
}

#ifdef _WIN32
void registerPorts(std::map<int, std::string>& ports) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameLen = sizeof name;
    BYTE data[256];
    DWORD dataLen = sizeof data - 1;
    DWORD type = 0;
    if (RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data, &dataLen) != ERROR_SUCCESS)
      break;
    if (type != REG_SZ) continue;
    data[dataLen] = 0;
    const std::string text(reinterpret_cast<char*>(data));
    if (text.rfind("COM", 0) != 0) continue;
    const int n = ganzeZahl(text.substr(3));
    if (n >= 0 && n <= 256) ports[n] = "\\\\.\\" + text;
  }
  RegCloseKey(key);
}
#endif

// Steps through a folder without exceptions: a folder that cannot be read, or that fails
// half-way, just ends its part of the list.
template <typename Aktion>
void ordnerDurchgehen(const fs::path& ordner, Aktion aktion) {
  std::error_code ec;
  fs::directory_iterator it(ordner, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) aktion(it->path());
}

std::map<int, std::string> allePorts(const PortQuellen& q) {
  std::map<int, std::string> ports;
#ifdef _WIN32
  registerPorts(ports);
#else
  ordnerDurchgehen(q.dev, [&](const fs::path& pfad) {
    const std::string name = pfad.filename().string();
    const int n = PortnummerVonName(name);
    if (n == 0) return;
    if (name.rfind("ttyS", 0) == 0 && !uartVorhanden(q, name)) return;
    ports[n] = pfad.string();
  });
#endif
  const fs::path ordner = q.linkOrdner.empty() ? PortLinkOrdner() : q.linkOrdner;
  ordnerDurchgehen(ordner, [&](const fs::path& pfad) {
    const std::string name = pfad.filename().string();
    if (name.rfind("COM", 0) != 0) return;
    // "COM09" beside "COM9" would make the folder's order decide which one is port 9.
    if (name.size() > 4 && name[3] == '0') return;
    const int n = ganzeZahl(name.substr(3));
    if (n < 1 || n > 256) return;
    std::error_code ec;
    const fs::path ziel = fs::canonical(pfad, ec);
    if (ec) return;  // dangling
    ports[n] = ziel.string();
  });
  return ports;
}

}  // namespace

fs::path PortLinkOrdner() {
  if (const char* d = std::getenv("MIV3X_PORT_DIR"); d && *d) return d;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
    return fs::path(x) / "miv3x" / "ports";
  if (const char* h = std::getenv("HOME"); h && *h)
    return fs::path(h) / ".config" / "miv3x" / "ports";
  return fs::path(".config") / "miv3x" / "ports";
}

int PortnummerVonName(const std::string& name) {
  for (const Familie& f : kFamilien) {
    const std::string p = f.praefix;
    if (name.rfind(p, 0) != 0) continue;
    const std::string rest = name.substr(p.size());
    if (rest.size() > 1 && rest[0] == '0') return 0;
    const int n = ganzeZahl(rest);
    if (n >= 0 && n < f.anzahl) return f.erste + n;
    return 0;
  }
  return 0;
}

std::vector<PortEintrag> Portliste(const PortQuellen& quellen) {
  std::vector<PortEintrag> liste;
  for (auto& [n, pfad] : allePorts(quellen)) liste.push_back({n, pfad});
  return liste;
}

std::string PortPfad(int n, const PortQuellen& quellen) {
  const auto ports = allePorts(quellen);
  const auto it = ports.find(n);
  return it == ports.end() ? std::string() : it->second;
}

}  // namespace device
