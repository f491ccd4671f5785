#include "direct/Abfragewache.h"

#include "direct/Abfrage.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"

namespace direct {

Abfragewache::Abfragewache(Direktsitzung& s, device::Verbindung& v)
    : s_(s), v_(v), abo_(v.LeitungAbonnieren([this](device::Leitungszustand z) { Gemeldet(z); })) {}

void Abfragewache::Gemeldet(device::Leitungszustand zustand) {
  if (zustand == device::Leitungszustand::Weg) {
    // The reading that found the port gone ends polling itself and logs why.
    fortsetzen_ = fortsetzen_ || Direktpanel(s_).abfragen;
    return;
  }
  if (!fortsetzen_) return;
  fortsetzen_ = false;
  // Started by hand meanwhile: it runs already.
  if (Direktpanel(s_).abfragen) return;
  Abfragen_Callback(s_, v_, true);
}

}  // namespace direct
