#include "device/Portnummern.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <system_error>

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

std::map<int, std::string> AllePorts(const PortQuellen& q) {
  std::map<int, std::string> ports = Systemports(q);
  const fs::path ordner = q.linkOrdner.empty() ? PortLinkOrdner() : q.linkOrdner;
  OrdnerDurchgehen(ordner, [&](const fs::path& pfad) {
    const std::string name = pfad.filename().string();
    if (name.rfind("COM", 0) != 0) return;
    // "COM09" beside "COM9" would make the folder's order decide which one is port 9.
    if (name.size() > 4 && name[3] == '0') return;
    const int n = GanzePortzahl(name.substr(3));
    if (n < 1 || n > 256) return;
    std::error_code ec;
    const fs::path ziel = fs::canonical(pfad, ec);
    if (ec) return;  // dangling
    ports[n] = ziel.string();
  });
  return ports;
}

}  // namespace

int GanzePortzahl(const std::string& s) {
  if (s.empty() || s.size() > 4) return -1;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

void OrdnerDurchgehen(const fs::path& ordner, const std::function<void(const fs::path&)>& aktion) {
  std::error_code ec;
  fs::directory_iterator it(ordner, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) aktion(it->path());
}

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
    const int n = GanzePortzahl(rest);
    if (n >= 0 && n < f.anzahl) return f.erste + n;
    return 0;
  }
  return 0;
}

std::vector<PortEintrag> Portliste(const PortQuellen& quellen) {
  std::vector<PortEintrag> liste;
  for (auto& [n, pfad] : AllePorts(quellen)) liste.push_back({n, pfad});
  return liste;
}

std::string PortPfad(int n, const PortQuellen& quellen) {
  const auto ports = AllePorts(quellen);
  const auto it = ports.find(n);
  return it == ports.end() ? std::string() : it->second;
}

}  // namespace device
