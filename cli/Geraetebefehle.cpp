#include "Geraetebefehle.h"

#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "Dateibefehle.h"
#include "Fehlerausgabe.h"
#include "Geraeteverbindung.h"
#include "curves/files/Kurvendatei.h"
#include "curves/transfer/Kurvenbild.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/Portnummern.h"

namespace cli {
namespace {

int Speichertyp(const Aufruf& aufruf) {
  return aufruf.dither ? curves::kSpeicherDither : curves::kSpeicherKurven;
}

// Transfers report device failures in the error fields the windows share, not in their
// result: the code as it stands after the call, 0 when the fields are clear.
int FehlerfeldCode() {
  const auto& felder = device::AktuelleFehlerfelder();
  return felder.led ? -felder.nummer : 0;
}

}  // namespace

int PortsAuflisten() {
  const auto ports = device::Portliste();
  if (ports.empty()) std::fprintf(stderr, "No serial port found.\n");
  for (const auto& port : ports) std::printf("COM %d\t%s\n", port.nummer, port.pfad.c_str());
  return kStatusErfolg;
}

int IdLesen(const Aufruf& aufruf) {
  Geraeteverbindung verbindung(aufruf.port, aufruf.adresse);
  if (const int fehler = verbindung.oeffnen()) return FehlerMelden(fehler);
  if (const int fehler = device::IDLesen()) return FehlerMelden(fehler);
  if (aufruf.json)
    std::printf("%s\n", nlohmann::json{{"id", device::IdFeld()}}.dump().c_str());
  else
    std::printf("%s\n", device::IdFeld().c_str());
  return kStatusErfolg;
}

int Suchen(const Aufruf& aufruf) {
  Geraeteverbindung verbindung(aufruf.port, aufruf.adresse);
  if (const int fehler = verbindung.oeffnen()) return FehlerMelden(fehler);
  if (const int fehler = device::GeraeteSuchen()) return FehlerMelden(fehler);
  const auto& zustand = device::Companel();
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
  if (const int fehler = KurvendateiUebernehmen(aufruf.dateien[0])) return FehlerMelden(fehler);
  // A curve the device memory cannot hold is refused before the port is touched; the
  // transfer itself would only show a message and report nothing.
  std::vector<std::uint8_t> bild;
  int ende = 0;
  if (const int fehler = curves::KurvenbildErzeugen(bild, ende)) return FehlerMelden(fehler);
  // The equal-length warning goes to standard error; its answer is "Send curves".
  if (curves::KurvenlaengenPruefen() != 0) return kStatusFehler;

  Geraeteverbindung verbindung(aufruf.port, aufruf.adresse);
  if (const int fehler = verbindung.oeffnen()) return FehlerMelden(fehler);
  curves::KurvenSenden(Speichertyp(aufruf));
  if (const int fehler = FehlerfeldCode()) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int Lesen(const Aufruf& aufruf) {
  const std::string& ziel = aufruf.dateien[0];
  if (!aufruf.konfig.empty() && DieselbeDatei(aufruf.konfig, ziel))
    return AufrufFehlerMelden(aufruf.befehl, "'" + ziel +
                                                 "' is the configuration file; writing it "
                                                 "would destroy it");
  if (const int fehler = KonfigurationWaehlen(aufruf.konfig)) return FehlerMelden(fehler);

  Geraeteverbindung verbindung(aufruf.port, aufruf.adresse);
  if (const int fehler = verbindung.oeffnen()) return FehlerMelden(fehler);
  if (const int fehler = curves::KurvenLesen(Speichertyp(aufruf))) return FehlerMelden(fehler);
  if (const int fehler = FehlerfeldCode()) return FehlerMelden(fehler);
  if (const int fehler = curves::KurvendateiSpeichern(ziel)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

}  // namespace cli
