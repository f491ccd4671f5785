#include "device/Speichertransfer.h"

#include <algorithm>
#include <vector>

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
  bool Abgebrochen() const { return offen_ && common::operatorInterface().progressCancelled(); }

 private:
  bool offen_;
};

using Block = Speicherblock;

// One block write, noted in the connection's memory of the device: what was acknowledged
// is there; after a failure the block's content is not known.
int BlockSchreiben(Verbindung& v, int port, char adresse, int typ, const Block& b,
                   const std::uint8_t* daten) {
  const Speichergedaechtnis::Schluessel s{port, adresse, typ};
  const int fehler = ZORFYD1_SpeicherSchreiben(v, port, adresse, typ, b.adresse, b.laenge, daten);
  if (fehler)
    v.Gedaechtnis().Vergessen(s, b.adresse, b.laenge);
  else
    v.Gedaechtnis().Merken(s, b.adresse, b.laenge, daten);
  return fehler;
}

int BlockLesen(Verbindung& v, int port, char adresse, int typ, long start, long laenge,
               std::uint8_t* ziel) {
  const int fehler = ZORFYD1_SpeicherLesen(v, port, adresse, typ, start, laenge, ziel);
  if (!fehler) v.Gedaechtnis().Merken({port, adresse, typ}, start, laenge, ziel);
  return fehler;
}

}  // namespace

std::vector<Speicherblock> Blockliste(long start, long laenge, Blockteilung teilung) {
  std::vector<Speicherblock> bloecke;
  for (long erledigt = 0; erledigt < laenge;) {
    const long adr = start + erledigt;
    const long bisGrenze =
        teilung == Blockteilung::AnGrenzen ? kSpeicherblock - adr % kSpeicherblock : kSpeicherblock;
    const long block = std::min({kSpeicherblock, bisGrenze, laenge - erledigt});
    bloecke.push_back({adr, block});
    erledigt += block;
  }
  return bloecke;
}

int SpeicherBlockweiseSenden(Verbindung& v, int port, char adresse, int typ, long start,
                             long laenge, const std::uint8_t* daten, Blockteilung teilung,
                             const char* titel) {
  Fortschritt box(titel);
  for (const Block& b : Blockliste(start, laenge, teilung)) {
    if (box.Abgebrochen()) return kFehlerAbgebrochen;
    if (const int fehler = BlockSchreiben(v, port, adresse, typ, b, daten + (b.adresse - start)))
      return fehler;
    box.Setzen(b.adresse + b.laenge - start, laenge);
  }
  return 0;
}

int SpeicherGeaendertSenden(Verbindung& v, int port, char adresse, int typ, long start, long laenge,
                            const std::uint8_t* daten, Blockteilung teilung, const char* titel,
                            std::vector<Speicherblock>* ungeprueft) {
  // Until the changed blocks have come back as sent, everything counts as written blind.
  if (ungeprueft) *ungeprueft = Blockliste(start, laenge, teilung);
  const Speichergedaechtnis::Schluessel s{port, adresse, typ};
  const long kopf = std::min(kBildkopf, laenge);
  if (!v.Gedaechtnis().Kennt(s, start, kopf))
    return SpeicherBlockweiseSenden(v, port, adresse, typ, start, laenge, daten, teilung, titel);
  // Another host, a power cut or another device at this address: the header tells.
  std::vector<std::uint8_t> geraetekopf(static_cast<std::size_t>(kopf));
  const Speichergedaechtnis& vorher = v.Gedaechtnis();  // as it stands until a block goes out
  if (const int fehler =
          ZORFYD1_SpeicherLesen(v, port, adresse, typ, start, kopf, geraetekopf.data()))
    return fehler;
  if (!vorher.Gleich(s, start, kopf, geraetekopf.data())) {
    v.Gedaechtnis().Merken(s, start, kopf, geraetekopf.data());
    v.HinweisMelden("The device memory is not what was last written; writing all blocks.");
    return SpeicherBlockweiseSenden(v, port, adresse, typ, start, laenge, daten, teilung, titel);
  }

  // The changed blocks first, the header's blocks last: until the header is written the
  // device still describes the old image.
  std::vector<Block> senden, kopfbloecke;
  for (const Block& b : Blockliste(start, laenge, teilung)) {
    if (b.adresse < start + kopf)
      kopfbloecke.push_back(b);
    else if (!vorher.Gleich(s, b.adresse, b.laenge, daten + (b.adresse - start)))
      senden.push_back(b);
  }
  senden.insert(senden.end(), kopfbloecke.begin(), kopfbloecke.end());
  long gesamt = 0;
  for (const Block& b : senden) gesamt += b.laenge;

  {
    Fortschritt box(titel);
    long erledigt = 0;
    for (const Block& b : senden) {
      if (box.Abgebrochen()) return kFehlerAbgebrochen;
      if (const int fehler = BlockSchreiben(v, port, adresse, typ, b, daten + (b.adresse - start)))
        return fehler;
      erledigt += b.laenge;
      box.Setzen(erledigt, gesamt);
    }
  }
  // Read back what was sent: a block the device did not take as sent means its memory
  // is not what this connection believes, so everything goes again.
  std::vector<std::uint8_t> zurueck(static_cast<std::size_t>(kSpeicherblock));
  for (const Block& b : senden) {
    if (const int fehler = BlockLesen(v, port, adresse, typ, b.adresse, b.laenge, zurueck.data()))
      return fehler;
    if (!std::equal(zurueck.begin(), zurueck.begin() + b.laenge, daten + (b.adresse - start))) {
      v.HinweisMelden("A changed block read back differently; writing all blocks.");
      return SpeicherBlockweiseSenden(v, port, adresse, typ, start, laenge, daten, teilung, titel);
    }
  }
  if (ungeprueft) ungeprueft->clear();
  return 0;
}

int SpeicherBlockweiseHolen(Verbindung& v, int port, char adresse, int typ, long start, long laenge,
                            std::uint8_t* ziel, const char* titel) {
  Fortschritt box(titel);
  for (long erledigt = 0; erledigt < laenge;) {
    if (box.Abgebrochen()) return kFehlerAbgebrochen;
    const long block = std::min(kSpeicherblock, laenge - erledigt);
    if (const int fehler =
            BlockLesen(v, port, adresse, typ, start + erledigt, block, ziel + erledigt))
      return fehler;
    erledigt += block;
    box.Setzen(erledigt, laenge);
  }
  return 0;
}

}  // namespace device
