#include "Kennlinienbefehle.h"

#include <cstdint>
#include <vector>

#include "Dateibefehle.h"
#include "Fehlerausgabe.h"
#include "Geraeteverbindung.h"
#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/files/Kennlinientext.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"

namespace cli {
namespace {

namespace kennl = characteristic;

int ZielIstQuelle(const Aufruf& aufruf, const std::string& ziel) {
  return AufrufFehlerMelden(aufruf.befehl,
                            "'" + ziel + "' is the input file; writing it would destroy it");
}

}  // namespace

int KennliniendateiUebernehmen(characteristic::Kennliniensitzung& sitzung,
                               const std::string& pfad) {
  kennl::KennlLadebericht bericht;
  if (const int fehler = kennl::KennlDateiLaden(sitzung, pfad, kennl::Konfigwahl::Laden, &bericht))
    return fehler;
  if (bericht.beschaedigt) return kennl::kFehlerLadenPunkteKurz;
  return 0;
}

int KennlinieSenden(const Aufruf& aufruf) {
  kennl::Kennliniensitzung sitzung;  // this command's characteristic
  if (const int fehler = kennl::KennlModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  if (const int fehler = KennliniendateiUebernehmen(sitzung, aufruf.dateien[0]))
    return FehlerMelden(fehler);
  sitzung.gKennl.Felder.KurveNr = aufruf.platz;
  // An image too long for a slot is refused before the port is touched.
  std::vector<std::uint8_t> bild;
  if (const int fehler = kennl::KennlBildErzeugen(sitzung, bild)) return FehlerMelden(fehler);

  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  geraet.SpeichertransferVorbereiten(aufruf.schnell, aufruf.geaendert);
  device::Verbindung& v = geraet.Verbindung();
  v.Uebertragung().nachpruefen = aufruf.pruefen;
  if (const int fehler = kennl::KennlinieSchreiben(sitzung, v)) {
    for (const kennl::KennlXBereich& x : sitzung.Abweichungen)
      std::printf("mismatch: input values %.0f to %.0f\n", x.Start, x.Ende - 1);
    return FehlerMelden(fehler);
  }
  return kStatusErfolg;
}

int KennlinieLesen(const Aufruf& aufruf) {
  kennl::Kennliniensitzung sitzung;  // this command's characteristic
  if (const int fehler = kennl::KennlModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& ziel = aufruf.dateien[0];
  if (!aufruf.konfig.empty() && DieselbeDatei(aufruf.konfig, ziel))
    return AufrufFehlerMelden(aufruf.befehl, "'" + ziel +
                                                 "' is the configuration file; writing it "
                                                 "would destroy it");
  if (const int fehler = KonfigurationWaehlen(sitzung.Konfig, aufruf.konfig))
    return FehlerMelden(fehler);
  sitzung.gKennl.Felder.KurveNr = aufruf.platz;

  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  geraet.SpeichertransferVorbereiten(aufruf.schnell, false);
  device::Verbindung& v = geraet.Verbindung();
  if (const int fehler = kennl::KennlinieLesen(sitzung, v)) return FehlerMelden(fehler);
  if (const int fehler = kennl::KennlDateiSpeichern(sitzung, ziel)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int KennlinieAnwaehlen(const Aufruf& aufruf) {
  kennl::Kennliniensitzung sitzung;  // this command's characteristic
  if (const int fehler = kennl::KennlModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  sitzung.gKennl.Felder.KurveNr = aufruf.platz;
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  if (const int fehler = kennl::KennlinieAnwaehlen(sitzung, v)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int KennlinieExportieren(const Aufruf& aufruf) {
  kennl::Kennliniensitzung sitzung;  // this command's characteristic
  if (const int fehler = kennl::KennlModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& quelle = aufruf.dateien[0];
  const std::string& ziel = aufruf.dateien[1];
  if (DieselbeDatei(quelle, ziel)) return ZielIstQuelle(aufruf, ziel);
  if (const int fehler = KennliniendateiUebernehmen(sitzung, quelle)) return FehlerMelden(fehler);
  if (const int fehler = kennl::KennlTextExportieren(sitzung, ziel)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int KennlinieImportieren(const Aufruf& aufruf) {
  kennl::Kennliniensitzung sitzung;  // this command's characteristic
  if (const int fehler = kennl::KennlModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& quelle = aufruf.dateien[0];
  const std::string& ziel = aufruf.dateien[1];
  if (DieselbeDatei(quelle, ziel)) return ZielIstQuelle(aufruf, ziel);
  if (const int fehler = KonfigurationWaehlen(sitzung.Konfig, aufruf.konfig))
    return FehlerMelden(fehler);
  if (const int fehler = kennl::KennlTextImportieren(sitzung, quelle)) return FehlerMelden(fehler);
  if (const int fehler = kennl::KennlDateiSpeichern(sitzung, ziel)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int KennlinienbildAusgeben(const Aufruf& aufruf) {
  kennl::Kennliniensitzung sitzung;  // this command's characteristic
  if (const int fehler = kennl::KennlModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& quelle = aufruf.dateien[0];
  if (!aufruf.ausgabe.empty() && DieselbeDatei(quelle, aufruf.ausgabe))
    return ZielIstQuelle(aufruf, aufruf.ausgabe);
  if (const int fehler = KennliniendateiUebernehmen(sitzung, quelle)) return FehlerMelden(fehler);
  std::vector<std::uint8_t> bild;
  if (const int fehler = kennl::KennlBildErzeugen(sitzung, bild)) return FehlerMelden(fehler);
  if (aufruf.ausgabe.empty()) {
    HexAusgeben(bild, 0, static_cast<int>(bild.size()));
    return kStatusErfolg;
  }
  if (const int fehler = BilddateiSchreiben(aufruf.ausgabe, bild.data(), bild.size()))
    return FehlerMelden(fehler);
  return kStatusErfolg;
}

}  // namespace cli
