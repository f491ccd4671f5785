#include "Geraeteverbindung.h"

#include <map>
#include <string>
#include <vector>

#include "device/Companel.h"
#include "device/SerialService.h"
#include "device/Verbindung.h"

namespace cli {
namespace {

// The number a device path is known by inside this process.
constexpr int kPfadport = 1;

}  // namespace

Geraeteverbindung::Geraeteverbindung(const Portangabe& port, char adresse)
    : nummer_(port.pfad.empty() ? port.nummer : kPfadport) {
  if (!port.pfad.empty()) service_.setPortPfade({{kPfadport, port.pfad}});
  device::setSerialService(&zaehler_);
  // The list holds just the named port, so opening never falls back to another one.
  const int nummer = nummer_;
  device::PortquelleSetzen([nummer] { return std::vector<int>{nummer}; });
  device::ComControlAusfuellen();
  device::PortlisteAuswaehlen(nummer_);
  device::GeraeteadresseSetzen(adresse);
}

Geraeteverbindung::~Geraeteverbindung() {
  device::ComPortSchliessen();
  device::PortquelleSetzen({});
  device::setSerialService(nullptr);
}

int Geraeteverbindung::oeffnen() {
  return device::ComPortOeffnen();
}

}  // namespace cli
