#include "device/Nachpruefung.h"

#include <algorithm>

#include "common/OperatorInterface.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"

namespace device {

int SpeicherNachpruefen(Verbindung& v, int port, char adresse, int typ, long start,
                        const std::uint8_t* daten, const std::vector<Speicherblock>& bloecke,
                        std::vector<Speicherblock>& abweichend, const char* titel) {
  abweichend.clear();
  long gesamt = 0;
  for (const Speicherblock& b : bloecke) gesamt += b.laenge;
  if (gesamt == 0) return 0;
  common::OperatorInterface& bediener = common::operatorInterface();
  if (titel) bediener.progressOpen(titel, titel);
  std::vector<std::uint8_t> zurueck(static_cast<std::size_t>(kSpeicherblock));
  long erledigt = 0;
  int fehler = 0;
  for (const Speicherblock& b : bloecke) {
    if (titel && bediener.progressCancelled()) {
      fehler = kFehlerAbgebrochen;
      break;
    }
    fehler = ZORFYD1_SpeicherLesen(v, port, adresse, typ, b.adresse, b.laenge, zurueck.data());
    if (fehler) break;
    v.Gedaechtnis().Merken({port, adresse, typ}, b.adresse, b.laenge, zurueck.data());
    const std::uint8_t* gesendet = daten + (b.adresse - start);
    if (!std::equal(gesendet, gesendet + b.laenge, zurueck.begin())) abweichend.push_back(b);
    erledigt += b.laenge;
    if (titel) bediener.progressSet(static_cast<int>(erledigt * 100 / gesamt));
  }
  if (titel) bediener.progressClose();
  if (fehler) return fehler;
  return abweichend.empty() ? 0 : kFehlerNachpruefung;
}

}  // namespace device
