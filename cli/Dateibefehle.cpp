#include "Dateibefehle.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <system_error>
#include <vector>

#include "Austauschbefehle.h"
#include "Fehlerausgabe.h"
#include "common/Speicherdatei.h"
#include "config/Konfigdatei.h"
#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"
#include "curves/files/Pwl.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/transfer/Kurvenbild.h"

namespace cli {
namespace {

constexpr int kBytesProZeile = 16;

}  // namespace

int BilddateiSchreiben(const std::string& pfad, const std::uint8_t* daten, std::size_t anzahl) {
  common::Speicherdatei datei(pfad);
  if (datei.Oeffnen() != common::Speicherdatei::Ergebnis::Ok) return kFehlerBilddateiOeffnen;
  if (!datei.Schreiben(daten, anzahl)) return kFehlerBilddateiSchreiben;
  switch (datei.Abschliessen()) {
    case common::Speicherdatei::Ergebnis::Ok:
      return 0;
    case common::Speicherdatei::Ergebnis::Ersetzfehler:
      return kFehlerBilddateiOeffnen;
    default:
      return kFehlerBilddateiSchreiben;
  }
}

void HexAusgeben(const std::vector<std::uint8_t>& bild, int anfang, int ende) {
  for (int zeile = anfang; zeile < ende; zeile += kBytesProZeile) {
    std::printf("%04X:", zeile);
    for (int a = zeile; a < ende && a < zeile + kBytesProZeile; ++a)
      std::printf(" %02X", bild[static_cast<std::size_t>(a)]);
    std::printf("\n");
  }
}

int KurvendateiUebernehmen(curves::Kurvensitzung& sitzung, const std::string& pfad) {
  // Checked whole first: a file with incomplete point data is refused, not loaded with
  // default curves in place of the damaged ones.
  auto inhalt = std::make_unique<curves::Kurvendateiinhalt>();
  if (const int fehler = curves::KurvendateiEinlesen(pfad, true, *inhalt)) return fehler;
  curves::Ladebericht bericht;
  if (const int fehler =
          curves::KurvendateiLaden(sitzung, pfad, curves::Konfigwahl::Laden, &bericht))
    return fehler;
  if (!bericht.beschaedigteKurven.empty()) return curves::kFehlerAnhaengenPunkteKurz;
  return 0;
}

int KonfigurationWaehlen(config::Konfigsitzung& konfig, const std::string& konfigdatei) {
  config::KonfigurationStandardwerte(konfig);
  if (konfigdatei.empty()) return 0;
  return config::KonfigdateiLadenVon(konfig, konfigdatei);
}

int GleicheDateiMelden(const Aufruf& aufruf) {
  return AufrufFehlerMelden(aufruf.befehl, "'" + aufruf.dateien[1] +
                                               "' is the input file; writing it would "
                                               "destroy it");
}

bool DieselbeDatei(const std::string& a, const std::string& b) {
  std::error_code fehler;
  return std::filesystem::equivalent(a, b, fehler) && !fehler;
}

int Exportieren(const Aufruf& aufruf) {
  curves::Kurvensitzung sitzung;  // this command's curves
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& quelle = aufruf.dateien[0];
  const std::string& ziel = aufruf.dateien[1];
  if (DieselbeDatei(quelle, ziel)) return GleicheDateiMelden(aufruf);
  if (const int fehler = KurvendateiUebernehmen(sitzung, quelle)) return FehlerMelden(fehler);
  // --pwl: curve 1 as a SPICE piecewise-linear list instead of the tab-separated text.
  const int fehler = aufruf.pwl ? curves::PwlSchreiben(ziel, sitzung.gKurven.Kurven[0].Punkte,
                                                       sitzung.Konfig.gKonfig.voutmax)
                                : curves::KurvendateiExportieren(sitzung, ziel);
  if (fehler) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int Importieren(const Aufruf& aufruf) {
  if (aufruf.pwl) return PwlImportieren(aufruf);
  curves::Kurvensitzung sitzung;  // this command's curves
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& quelle = aufruf.dateien[0];
  const std::string& ziel = aufruf.dateien[1];
  if (DieselbeDatei(quelle, ziel)) return GleicheDateiMelden(aufruf);
  if (const int fehler = KonfigurationWaehlen(sitzung.Konfig, aufruf.konfig))
    return FehlerMelden(fehler);
  if (const int fehler = curves::KurvendateiImportieren(sitzung, quelle))
    return FehlerMelden(fehler);
  if (const int fehler = curves::KurvendateiSpeichern(sitzung, ziel)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int BildAusgeben(const Aufruf& aufruf) {
  curves::Kurvensitzung sitzung;  // this command's curves
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  const std::string& quelle = aufruf.dateien[0];
  if (!aufruf.ausgabe.empty() && DieselbeDatei(quelle, aufruf.ausgabe))
    return AufrufFehlerMelden(aufruf.befehl, "'" + aufruf.ausgabe +
                                                 "' is the input file; writing it would "
                                                 "destroy it");
  if (const int fehler = KurvendateiUebernehmen(sitzung, quelle)) return FehlerMelden(fehler);
  std::vector<std::uint8_t> bild;
  int ende = 0;
  if (const int fehler = curves::KurvenbildErzeugen(sitzung, bild, ende))
    return FehlerMelden(fehler);
  if (aufruf.json) {
    // A summary of what a send would write; the bytes themselves go with --out.
    const int bytes = ende - curves::kBildAnfang;
    const nlohmann::json j = {
        {"start", curves::kBildAnfang},
        {"end", ende - 1},
        {"bytes", bytes},
        {"samples", (ende - curves::kAbtastAnfang) / 2},
        {"checksum", bild[curves::kBildPruefsumme] * 256 + bild[curves::kBildPruefsumme + 1]},
        {"memory_percent", 100.0 * bytes / curves::kGeraetespeicherBytes}};
    std::printf("%s\n", j.dump().c_str());
    if (aufruf.ausgabe.empty()) return kStatusErfolg;
  } else if (aufruf.ausgabe.empty()) {
    HexAusgeben(bild, curves::kBildAnfang, ende);
    return kStatusErfolg;
  }
  if (const int fehler = BilddateiSchreiben(aufruf.ausgabe, bild.data() + curves::kBildAnfang,
                                            static_cast<std::size_t>(ende - curves::kBildAnfang)))
    return FehlerMelden(fehler);
  return kStatusErfolg;
}

}  // namespace cli
