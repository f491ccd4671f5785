#include "Geraeteverbindung.h"

#include <map>
#include <string>
#include <vector>

#include "device/Companel.h"

namespace cli {
namespace {

// The number a device path is known by inside this process.
constexpr int kPfadport = 1;

}  // namespace

Geraeteverbindung::Geraeteverbindung(const Portangabe& port, char adresse)
    : nummer_(port.pfad.empty() ? port.nummer : kPfadport) {
  if (!port.pfad.empty()) service_.setPortPfade({{kPfadport, port.pfad}});
  // The list holds just the named port, so opening never falls back to another one.
  const int nummer = nummer_;
  verbindung_.PortquelleSetzen([nummer] { return std::vector<int>{nummer}; });
  device::ComControlAusfuellen(verbindung_);
  device::PortlisteAuswaehlen(verbindung_, nummer_);
  verbindung_.GeraeteadresseSetzen(adresse);
}

Geraeteverbindung::~Geraeteverbindung() {
  device::ComPortSchliessen(verbindung_);
}

int Geraeteverbindung::Oeffnen() {
  return device::ComPortOeffnen(verbindung_);
}

}  // namespace cli
