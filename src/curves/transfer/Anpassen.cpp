#include "curves/transfer/Anpassen.h"

#include "config/Konfigfelder.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"

namespace curves {
int AusgangEinsAnpassen(Kurvensitzung& sitzung, device::Verbindung& v) {
  v.ComFehlerSetzen(device::IDLesen(v));
  if (device::IdFeld(v) == "MIV3AX2") return v.LetzterFehler();

  double wert = 0.0;
  double skala = 0.0;  // the new upper unit value of output 1, 0 when it stays
  v.ComFehlerSetzen(device::ZORWUN2_ParameterLesen(v, v.OffenerComPort(), v.Geraeteadresse(),
                                                   "compartibility_mode", &wert));
  if (wert != 1.0) {
    const int fehler = device::ZORWUN2_ParameterLesen(v, v.OffenerComPort(), v.Geraeteadresse(),
                                                      "max_current", &wert);
    v.ComFehlerSetzen(fehler);
    if (fehler) return fehler;
    if (wert == 6.0) skala = 6.1425;
    if (wert == 8.0) skala = 8.19;
  }
  if (wert == 1.0) skala = 4.095;
  // The window's fields go into the record in either case.
  if (skala != 0.0)
    config::AusgangSkalaMaxUebernehmen(sitzung.Konfig, 0, skala);
  else
    config::KonfigfelderInStrukturSpeichern(sitzung.Konfig);
  sitzung.Skalierungsmeldungen.Melden();
  return v.LetzterFehler();
}

}  // namespace curves
