#include "Geraetebefehle.h"

#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "Dateibefehle.h"
#include "Fehlerausgabe.h"
#include "Geraeteverbindung.h"
#include "curves/files/Kurvendatei.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/transfer/Kurvenbild.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Companel.h"
#include "device/Portnummern.h"
#include "device/Verbindung.h"

namespace cli {
namespace {

int Speichertyp(const Aufruf& aufruf) {
  return aufruf.dither ? curves::kSpeicherDither : curves::kSpeicherKurven;
}

}  // namespace

int PortsAuflisten() {
  const auto ports = device::Portliste();
  if (ports.empty()) std::fprintf(stderr, "No serial port found.\n");
  for (const auto& port : ports) std::printf("COM %d\t%s\n", port.nummer, port.pfad.c_str());
  return kStatusErfolg;
}

int IdLesen(const Aufruf& aufruf) {
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  // A device a cut fast transfer left at another rate is found there and switched back.
  v.Uebertragung().ratenSuchen = true;
  if (const int fehler = device::IDLesen(v)) return FehlerMelden(fehler);
  if (aufruf.json)
    std::printf("%s\n", nlohmann::json{{"id", device::IdFeld(v)}}.dump().c_str());
  else
    std::printf("%s\n", device::IdFeld(v).c_str());
  return kStatusErfolg;
}

int Suchen(const Aufruf& aufruf) {
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  v.Uebertragung().ratenSuchen = true;
  if (const int fehler = device::GeraeteSuchen(v)) return FehlerMelden(fehler);
  const auto& zustand = v.Companel();
  if (aufruf.json) {
    // Every address that answered, WUN-2 or not, with its ID.
    nlohmann::json gefunden = nlohmann::json::array(), ids = nlohmann::json::object();
    for (int i = 0; i < 8; ++i) {
      if (!zustand.scanLampen[static_cast<std::size_t>(i)].an) continue;
      const std::string adresse(1, static_cast<char>('1' + i));
      gefunden.push_back(adresse);
      ids[adresse] = zustand.scanIds[static_cast<std::size_t>(i)];
    }
    std::printf("%s\n", nlohmann::json{{"found", gefunden}, {"ids", ids}}.dump().c_str());
    return kStatusErfolg;
  }
  for (int i = 0; i < 8; ++i) {
    const auto& lampe = zustand.scanLampen[static_cast<std::size_t>(i)];
    const auto& id = zustand.scanIds[static_cast<std::size_t>(i)];
    if (!lampe.an)
      std::printf("%d: no device found\n", i + 1);
    else if (lampe.farbe == device::kLampeGruen)
      std::printf("%d: WUN-2 found, ID %s\n", i + 1, id.c_str());
    else
      std::printf("%d: device answer, but device is no WUN-2, ID %s\n", i + 1, id.c_str());
  }
  return kStatusErfolg;
}

int Senden(const Aufruf& aufruf) {
  curves::Kurvensitzung sitzung;  // this command's curves
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  if (const int fehler = KurvendateiUebernehmen(sitzung, aufruf.dateien[0]))
    return FehlerMelden(fehler);
  // A curve the device memory cannot hold is refused before the port is touched; the
  // transfer itself would only show a message and report nothing.
  std::vector<std::uint8_t> bild;
  int ende = 0;
  if (const int fehler = curves::KurvenbildErzeugen(sitzung, bild, ende))
    return FehlerMelden(fehler);
  // The equal-length warning goes to standard error; its answer is "Send curves".
  if (curves::KurvenlaengenPruefen(sitzung) != 0) return kStatusFehler;

  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  geraet.SpeichertransferVorbereiten(aufruf.schnell, aufruf.geaendert);
  device::Verbindung& v = geraet.Verbindung();
  v.Uebertragung().nachpruefen = aufruf.pruefen;
  if (const int fehler = curves::KurvenSenden(sitzung, v, Speichertyp(aufruf))) {
    for (const curves::Zeitbereich& z : sitzung.Abweichungen)
      std::printf("mismatch: %.6f s to %.6f s\n", z.Start / 1e6, z.Ende / 1e6);
    return FehlerMelden(fehler);
  }
  return kStatusErfolg;
}

int Lesen(const Aufruf& aufruf) {
  curves::Kurvensitzung sitzung;  // this command's curves
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& ziel = aufruf.dateien[0];
  if (!aufruf.konfig.empty() && DieselbeDatei(aufruf.konfig, ziel))
    return AufrufFehlerMelden(aufruf.befehl, "'" + ziel +
                                                 "' is the configuration file; writing it "
                                                 "would destroy it");
  if (const int fehler = KonfigurationWaehlen(sitzung.Konfig, aufruf.konfig))
    return FehlerMelden(fehler);

  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  geraet.SpeichertransferVorbereiten(aufruf.schnell, false);
  device::Verbindung& v = geraet.Verbindung();
  if (const int fehler = curves::KurvenLesen(sitzung, v, Speichertyp(aufruf)))
    return FehlerMelden(fehler);
  if (const int fehler = curves::KurvendateiSpeichern(sitzung, ziel)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

}  // namespace cli
