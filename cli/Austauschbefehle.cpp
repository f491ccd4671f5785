#include "Austauschbefehle.h"

#include <cstdio>
#include <string>

#include "Dateibefehle.h"
#include "Fehlerausgabe.h"
#include "config/Konfiguration.h"
#include "curves/files/Csvimport.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Pwl.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace cli {
namespace {

void BerichtAusgeben(const config::Konfiguration& k, const curves::Csvbericht& b) {
  const curves::Csvdialekt& d = b.Reihe.Dialekt;
  const curves::Naeherungsbericht& n = b.Naeherung;
  std::printf("dialect: separator %s, decimal %s, %d header row%s\n",
              curves::Trennername(d.Trennzeichen), d.Dezimalzeichen == ',' ? "comma" : "point",
              d.Kopfzeilen, d.Kopfzeilen == 1 ? "" : "s");
  const auto name = [&d](int spalte) {
    const auto i = static_cast<std::size_t>(spalte - 1);
    return i < d.Spaltennamen.size() && !d.Spaltennamen[i].empty() ? " (" + d.Spaltennamen[i] + ")"
                                                                   : std::string();
  };
  std::printf("columns: time %d%s, value %d%s\n", b.Reihe.Zeitspalte,
              name(b.Reihe.Zeitspalte).c_str(), b.Reihe.Wertspalte,
              name(b.Reihe.Wertspalte).c_str());
  std::printf("units: time %s, value %s\n",
              b.Reihe.Zeiteinheit == "given" ? "as given" : b.Reihe.Zeiteinheit.c_str(),
              b.Volt ? (b.Reihe.Werteinheit + " at the output").c_str()
              : b.Reihe.Werteinheit.empty()
                  ? ("none given, taken as " + curves::Ausgangseinheitname(k, 0)).c_str()
                  : b.Reihe.Werteinheit.c_str());
  std::printf("samples: %d", b.Abtastwerte);
  if (b.Abgeschnitten > 0) std::printf(", %d clipped to the output range", b.Abgeschnitten);
  std::printf("\ntime base%s:", n.Zeitbasen.size() == 1 ? "" : "s");
  for (std::size_t i = 0; i < n.Zeitbasen.size(); ++i)
    std::printf("%s %s", i == 0 ? "" : ",", curves::ZeitbasisName(n.Zeitbasen[i]));
  std::printf(" (%d units)\n", n.Einheiten);
  if (n.ToleranzAusRauschen)
    std::printf("tolerance: %.2f codes, chosen from the noise (%.2f codes rms)\n", n.Toleranz,
                n.Rauschen);
  else
    std::printf("tolerance: %.2f codes\n", n.Toleranz);
  std::printf("points: %d\n", n.Punkte);
  std::printf("largest deviation: %.2f codes\n", n.GroessterFehler);
  std::printf("memory: %lld bytes (%.1f %% of the device memory)\n",
              static_cast<long long>(n.Speicherbytes),
              100.0 * static_cast<double>(n.Speicherbytes) / curves::kGeraetespeicherBytes);
}

// Curve 1 of a new curve file: these points, curves 2 to 4 the default curve.
int Speichern(curves::Kurvensitzung& sitzung, const std::string& ziel,
              std::vector<curves::Kurvenpunkt>& punkte) {
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return fehler;
  sitzung.gKurven.Kurven[0].Punkte.swap(punkte);
  return curves::KurvendateiSpeichern(sitzung, ziel);
}

}  // namespace

int CsvImportieren(const Aufruf& aufruf) {
  const std::string& quelle = aufruf.dateien[0];
  const std::string& ziel = aufruf.dateien[1];
  if (DieselbeDatei(quelle, ziel)) return GleicheDateiMelden(aufruf);
  curves::Kurvensitzung sitzung;  // the new file's curves and configuration
  if (const int fehler = KonfigurationWaehlen(sitzung.Konfig, aufruf.konfig))
    return FehlerMelden(fehler);
  curves::Csvoptionen optionen;
  optionen.Zeitspalte = aufruf.zeitspalte;
  optionen.Wertspalte = aufruf.wertspalte;
  optionen.Zeitfaktor = aufruf.zeitfaktor;
  optionen.Skala = aufruf.skala;
  optionen.Versatz = aufruf.versatz;
  std::vector<curves::Kurvenpunkt> punkte;
  curves::Csvbericht bericht;
  if (const int fehler = curves::CsvImportieren(sitzung.Konfig.gKonfig, quelle, optionen,
                                                aufruf.toleranz, punkte, bericht))
    return FehlerMelden(fehler);
  if (const int fehler = Speichern(sitzung, ziel, punkte)) return FehlerMelden(fehler);
  BerichtAusgeben(sitzung.Konfig.gKonfig, bericht);
  return kStatusErfolg;
}

int PwlImportieren(const Aufruf& aufruf) {
  const std::string& quelle = aufruf.dateien[0];
  const std::string& ziel = aufruf.dateien[1];
  if (DieselbeDatei(quelle, ziel)) return GleicheDateiMelden(aufruf);
  curves::Kurvensitzung sitzung;  // the new file's curves and configuration
  if (const int fehler = KonfigurationWaehlen(sitzung.Konfig, aufruf.konfig))
    return FehlerMelden(fehler);
  std::vector<curves::Kurvenpunkt> punkte;
  curves::Pwlbericht bericht;
  if (const int fehler = curves::PwlLesen(quelle, sitzung.Konfig.gKonfig.voutmax, aufruf.zeitbasis,
                                          punkte, &bericht))
    return FehlerMelden(fehler);
  const int anzahl = static_cast<int>(punkte.size());
  if (const int fehler = Speichern(sitzung, ziel, punkte)) return FehlerMelden(fehler);
  const auto mehrzahl = [](int n) { return n == 1 ? "" : "s"; };
  std::printf("%s: %d pair%s, %d step%s, %d point%s\n", bericht.Quelle ? "PWL source" : "PWL list",
              bericht.Paare, mehrzahl(bericht.Paare), bericht.Stufen, mehrzahl(bericht.Stufen),
              anzahl, mehrzahl(anzahl));
  return kStatusErfolg;
}

}  // namespace cli
