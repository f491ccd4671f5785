#include "characteristic/files/Kennliniendatei.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "characteristic/files/Kennliniendateikopf.h"
#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/KennlTitel.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "common/Lesedatei.h"
#include "common/OperatorInterface.h"
#include "common/Speicherdatei.h"
#include "config/Konfiguration.h"
#include "config/Umrechnung.h"

namespace characteristic {
namespace {

constexpr std::int64_t kPunktBytes = sizeof(Kennlinienpunkt);

// Every Y a raw code, no negative length, and every point within the input range.
bool PunkteGueltig(const std::vector<Kennlinienpunkt>& punkte) {
  std::int64_t x = 0;
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const auto& p = punkte[i];
    if (p.Y < 0 || p.Y > kRohMax || p.Laenge < 0) return false;
    if (x > kRohMax) return false;
    x += p.Laenge;
  }
  return true;
}

}  // namespace

int KennlDateiSpeichern(Kennliniensitzung& sitzung, const std::string& pfad) {
  auto kopf = std::make_unique<Kennliniendateikopf>();
  std::memset(kopf.get(), 0, sizeof(Kennliniendateikopf));
  std::memcpy(kopf->Kennung, kKennliniendateiKennung, sizeof(kKennliniendateiKennung));
  kopf->Version = kKennliniendateiVersion;
  const Kennlinie& k = sitzung.gKennl.Kennl;
  std::memcpy(kopf->Kommentar, k.Kommentar.data(),
              std::min<std::size_t>(k.Kommentar.size(), kKommentarGroesse - 1));
  std::memcpy(&kopf->Konfig, &sitzung.Konfig.gKonfig, sizeof(config::Konfiguration));
  kopf->Punktanzahl = k.Punktanzahl();
  kopf->Ausgang2 =
      config::EingangEinheitInRoh(sitzung.Konfig.gKonfig, 1, sitzung.gKennl.Felder.Ausgang2);
  kopf->Anstiegszeit = sitzung.gKennl.Felder.Anstiegszeit;

  // The old file is replaced only once the new one is complete.
  common::Speicherdatei datei(pfad);
  if (datei.Oeffnen() != common::Speicherdatei::Ergebnis::Ok) return kFehlerSpeichernOeffnen;
  if (!datei.Schreiben(kopf.get(), sizeof(Kennliniendateikopf)) || !datei.Leeren())
    return kFehlerSpeichernKopf;
  if (!datei.Schreiben(k.Punkte.data(), k.Punkte.size() * kPunktBytes))
    return kFehlerSpeichernPunkte;
  if (const int fehler = datei.AbschliessenMitCode(kFehlerSpeichernOeffnen, kFehlerSpeichernPunkte))
    return fehler;
  KennlFenstertitel(sitzung, pfad);
  sitzung.gKennl.KennlinieGeaendert = false;
  return 0;
}

int KennlDateiLaden(Kennliniensitzung& sitzung, const std::string& pfad, Konfigwahl wahl,
                    KennlLadebericht* bericht) {
  KennlLadebericht eigener;
  KennlLadebericht& b = bericht ? *bericht : eigener;
  b = KennlLadebericht{};
  KennlFenstertitel(sitzung, "");

  // Only a regular file: a FIFO or a device would hang the program.
  common::Lesedatei datei(pfad);
  if (!datei) return kFehlerLadenOeffnen;
  const std::int64_t groesse = datei.Groesse();
  auto kopf = std::make_unique<Kennliniendateikopf>();
  if (std::fread(kopf.get(), 1, sizeof(Kennliniendateikopf), datei.Datei()) !=
      sizeof(Kennliniendateikopf))
    return kFehlerLadenKopfKurz;
  if (strnlen(kopf->Kennung, sizeof(kopf->Kennung)) == sizeof(kopf->Kennung) ||
      std::strcmp(kopf->Kennung, kKennliniendateiKennung) != 0)
    return kFehlerLadenKennung;
  if (kopf->Version != kKennliniendateiVersion) return kFehlerLadenVersion;
  const std::int64_t n = kopf->Punktanzahl;
  if (n < 1) return kFehlerLadenPunktanzahl;

  // A count the file cannot hold means damaged point data: nothing is allocated for it.
  std::vector<Kennlinienpunkt> punkte;
  const std::int64_t punktbytes = groesse - std::int64_t{sizeof(Kennliniendateikopf)};
  b.beschaedigt = groesse < 0 || n * kPunktBytes > punktbytes;
  if (!b.beschaedigt) {
    if (!PunktfeldAnpassen(punkte, static_cast<std::size_t>(n))) return kFehlerLadenSpeicher;
    b.beschaedigt =
        std::fread(punkte.data(), kPunktBytes, punkte.size(), datei.Datei()) != punkte.size();
  }
  if (b.beschaedigt) {
    punkte.clear();
    if (!PunktfeldAnpassen(punkte, 1)) return kFehlerLadenStandardpunkt;
    punkte[0] = kStandardpunkt;
  } else if (!PunkteGueltig(punkte)) {
    return kFehlerLadenPunktwerte;
  }
  std::string kommentar;
  if (!common::TextReservieren(kommentar, kKommentarGroesse - 1, KennlAllokationsHaken()))
    return kFehlerLadenSpeicher;
  kommentar.assign(kopf->Kommentar, strnlen(kopf->Kommentar, kKommentarGroesse - 1));

  sitzung.gKennl.Kennl.Punkte.swap(punkte);
  sitzung.Abweichungen.clear();
  sitzung.gKennl.Kennl.Kommentar.swap(kommentar);
  sitzung.gKennl.Felder.Ausgang2 =
      config::EingangRohInEinheit(sitzung.Konfig.gKonfig, 1, kopf->Ausgang2);
  sitzung.gKennl.Felder.Anstiegszeit = kopf->Anstiegszeit;
  if (b.beschaedigt)
    common::showMessage("Warning",
                        "The file is damaged: its point data are incomplete.\n"
                        "The characteristic curve was replaced by the default point.");
  const auto abgleich = config::GespeicherteKonfigurationUebernehmen(sitzung.Konfig, kopf->Konfig,
                                                                     wahl, "characteristic curve");
  b.konfigurationVerschieden = abgleich.verschieden;
  b.konfigurationGeladen = abgleich.geladen;
  KennlFenstertitel(sitzung, pfad);
  sitzung.gKennl.KennlinieGeaendert = false;
  return 0;
}

}  // namespace characteristic
