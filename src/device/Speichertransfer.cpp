#include "device/Speichertransfer.h"

#include <algorithm>

#include "common/OperatorInterface.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"

namespace device {
namespace {

// The progress box stays open exactly as long as the transfer runs.
class Fortschritt {
 public:
  explicit Fortschritt(const char* titel) : offen_(titel != nullptr) {
    if (offen_) common::operatorInterface().progressOpen(titel, titel);
  }
  ~Fortschritt() {
    if (offen_) common::operatorInterface().progressClose();
  }
  Fortschritt(const Fortschritt&) = delete;
  Fortschritt& operator=(const Fortschritt&) = delete;
  void Setzen(long erledigt, long gesamt) {
    if (offen_) common::operatorInterface().progressSet(static_cast<int>(erledigt * 100 / gesamt));
  }

 private:
  bool offen_;
};

}  // namespace

int SpeicherBlockweiseSenden(Verbindung& v, int port, char adresse, int typ, long start,
                             long laenge, const std::uint8_t* daten, Blockteilung teilung,
                             const char* titel) {
  Fortschritt box(titel);
  for (long erledigt = 0; erledigt < laenge;) {
    const long adr = start + erledigt;
    const long bisGrenze =
        teilung == Blockteilung::AnGrenzen ? kSpeicherblock - adr % kSpeicherblock : kSpeicherblock;
    const long block = std::min({kSpeicherblock, bisGrenze, laenge - erledigt});
    if (const int fehler =
            ZORFYD1_SpeicherSchreiben(v, port, adresse, typ, adr, block, daten + erledigt))
      return fehler;
    erledigt += block;
    box.Setzen(erledigt, laenge);
  }
  return 0;
}

int SpeicherBlockweiseHolen(Verbindung& v, int port, char adresse, int typ, long start, long laenge,
                            std::uint8_t* ziel, const char* titel) {
  Fortschritt box(titel);
  for (long erledigt = 0; erledigt < laenge;) {
    const long block = std::min(kSpeicherblock, laenge - erledigt);
    if (const int fehler =
            ZORFYD1_SpeicherLesen(v, port, adresse, typ, start + erledigt, block, ziel + erledigt))
      return fehler;
    erledigt += block;
    box.Setzen(erledigt, laenge);
  }
  return 0;
}

}  // namespace device
