#include "curves/transfer/Anpassen.h"

#include "config/Konfigfelder.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"

namespace curves {
void AusgangEinsAnpassen(Kurvensitzung& sitzung) {
  device::ComFehlerSetzen(device::IDLesen());
  if (device::IdFeld() == "MIV3AX2") return;

  double wert = 0.0;
  double skala = 0.0;  // the new upper unit value of output 1, 0 when it stays
  device::ComFehlerSetzen(device::ZORWUN2_ParameterLesen(
      device::OffenerComPort(), device::Geraeteadresse(), "compartibility_mode", &wert));
  if (wert != 1.0) {
    const int fehler = device::ZORWUN2_ParameterLesen(
        device::OffenerComPort(), device::Geraeteadresse(), "max_current", &wert);
    device::ComFehlerSetzen(fehler);
    if (fehler) return;
    if (wert == 6.0) skala = 6.1425;
    if (wert == 8.0) skala = 8.19;
  }
  if (wert == 1.0) skala = 4.095;
  // The window's fields go into the record in either case.
  if (skala != 0.0)
    config::AusgangSkalaMaxUebernehmen(0, skala);
  else
    config::KonfigfelderInStrukturSpeichern();
  sitzung.Skalierungsmeldungen.Melden();
}

}  // namespace curves
