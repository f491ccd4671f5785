#include "device/Portverlust.h"

#include <string>

#include "device/Companel.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"

namespace device {

namespace {

std::string Portname(int port) {
  return "COM " + std::to_string(port);
}

}  // namespace

int PortVerschwunden(Verbindung& v, int port) {
  if (v.VerlorenePorts().count(port) != 0) return kFehlerPortWeg;
  // The handle of a vanished device is of no use any more; the port opens afresh.
  ZORFYD1_Close(v, port);
  v.VerlorenePorts().insert(port);
  if (v.Port().offen == port) {
    FehlerbitsDimmen(v, true);
    v.Port().offen = -1;
    v.Port().lport = port;
  }
  VerbindungssymboleSetzen(v);
  v.ComFehlerSetzen(kFehlerPortWeg);
  v.HinweisMelden(Portname(port) + " is gone; it is opened again when it returns.");
  v.LeitungSetzen(Leitungszustand::Weg, port);
  return kFehlerPortWeg;
}

int PortWiederOeffnen(Verbindung& v) {
  const int port = v.VerschwundenerPort();
  if (port < 0) return 0;
  const Leitungseinstellung e = v.Einstellung();
  if (const int fehler = ZORFYD1_Open(v, port, e.rate)) return fehler;
  if (const int fehler = ZORFYD1_Timeout(v, port, e.zeitgrenze)) {
    ZORFYD1_Close(v, port);
    return fehler;
  }
  v.Port().offen = port;
  v.Port().lport = port;
  FehlerbitsDimmen(v, false);
  VerbindungssymboleSetzen(v);
  v.ComFehlerSetzen(0);
  PortGeoeffnetMelden(v, port);
  return 0;
}

void PortGeoeffnetMelden(Verbindung& v, int port) {
  if (v.Leitung() != Leitungszustand::Weg) return;
  if (port == v.VerschwundenerPort())
    v.HinweisMelden(Portname(port) + " is back: reopened at " +
                    std::to_string(v.Einstellung().rate) + " baud, device address " +
                    v.Geraeteadresse() + ".");
  v.LeitungSetzen(Leitungszustand::Da, port);
}

int PortPruefen(Verbindung& v) {
  const int port = v.OffenerComPort();
  if (port < 0 || v.VerlorenePorts().count(port) != 0) return 0;
  if (v.Dienst().GetOutQLen(port) == kGeraetWeg) return PortVerschwunden(v, port);
  return 0;
}

bool Wiederverbindung::Takt(Zeitpunkt jetzt) {
  if (!naechster_) naechster_ = jetzt + abstand_;
  if (jetzt < *naechster_) return false;
  naechster_ = jetzt + abstand_;
  if (v_.Leitung() != Leitungszustand::Weg) {
    PortPruefen(v_);
    return false;
  }
  return PortWiederOeffnen(v_) == 0;
}

}  // namespace device
