#include "curves/files/Kurvendatei.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "common/Lesedatei.h"
#include "common/OperatorInterface.h"
#include "common/Speicherdatei.h"
#include "config/Konfiguration.h"
#include "curves/model/Allokation.h"
#include "curves/model/Titel.h"

namespace curves {
namespace {

constexpr std::int64_t kPunktBytes = sizeof(Kurvenpunkt);

bool PunktGueltig(const Kurvenpunkt& p) {
  return p.Y >= 0 && p.Y <= kRohMax && p.Laenge >= 1 && p.Laenge <= 65535 && p.Zeitbasis >= 1 &&
         p.Zeitbasis <= 9;
}

// Takes the comment up to its zero, at most 999 characters, into room already reserved.
void KommentarAusKopf(const Kurvendateikopf& kopf, int c, std::string& kommentar) {
  const char* feld = kopf.Kommentar[c];
  kommentar.assign(feld, strnlen(feld, kKommentarGroesse - 1));
}

void BeschaedigteKurvenMelden(const std::vector<int>& kurven) {
  std::string liste;
  for (std::size_t i = 0; i < kurven.size(); ++i) {
    if (i > 0) liste += i + 1 == kurven.size() ? " and " : ", ";
    liste += std::to_string(kurven[i]);
  }
  const bool eine = kurven.size() == 1;
  common::showMessage("Warning", std::string("The file is damaged: the point data of ") +
                                     (eine ? "curve " : "curves ") + liste +
                                     (eine ? " is" : " are") + " incomplete.\n" +
                                     (eine ? "It was" : "They were") +
                                     " replaced by the default curve.");
}

// What loading and appending share after the points have been taken.
void Abschliessen(Kurvensitzung& sitzung, const std::string& pfad, const Kurvendateiinhalt& inhalt,
                  Konfigwahl wahl, Ladebericht& bericht) {
  const auto abgleich = config::GespeicherteKonfigurationUebernehmen(
      sitzung.Konfig, inhalt.kopf.Konfig, wahl, "curves");
  bericht.konfigurationVerschieden = abgleich.verschieden;
  bericht.konfigurationGeladen = abgleich.geladen;
  Fenstertitel(sitzung, pfad);
  sitzung.gKurven.Kurvenzahl = kKurven;
  sitzung.gKurven.KurvenGeaendert = false;
}

// Opening and appending start alike: a fresh report, the title cleared (the chosen file's
// name replaces it only when reading succeeds), the whole file read and checked.
int LesenBeginnen(Kurvensitzung& sitzung, const std::string& pfad, bool vollstaendig,
                  Ladebericht& b, Kurvendateiinhalt& inhalt) {
  b = Ladebericht{};
  Fenstertitel(sitzung, "");
  return KurvendateiEinlesen(pfad, vollstaendig, inhalt);
}

}  // namespace

int KurvendateiEinlesen(const std::string& pfad, bool vollstaendig, Kurvendateiinhalt& inhalt) {
  // Only a regular file: a FIFO or a device would hang the program.
  common::Lesedatei datei(pfad);
  if (!datei) return kFehlerLadenOeffnen;
  const std::int64_t groesse = datei.Groesse();
  if (std::fread(&inhalt.kopf, 1, sizeof(Kurvendateikopf), datei.Datei()) !=
      sizeof(Kurvendateikopf))
    return kFehlerLadenKopfKurz;
  const Kurvendateikopf& kopf = inhalt.kopf;
  if (strnlen(kopf.Kennung, sizeof(kopf.Kennung)) == sizeof(kopf.Kennung) ||
      std::strcmp(kopf.Kennung, kKurvendateiKennung) != 0)
    return kFehlerLadenKennung;
  if (kopf.Version != kKurvendateiVersion) return kFehlerLadenVersion;
  for (int c = 0; c < kKurven; ++c) {
    if (kopf.Zyklen[c] < 0 || kopf.Zyklen[c] > kZyklenMax) return kFehlerKopfwerte;
    if (kopf.Ruhezustand[c] < 0 || kopf.Ruhezustand[c] > kRohMax) return kFehlerKopfwerte;
  }

  // No count may ask for more points than the whole file could hold: a damaged count must
  // not allocate without bound.
  const std::int64_t punktbytes = groesse - std::int64_t{sizeof(kopf)};
  for (int c = 0; c < kKurven; ++c) {
    const std::int64_t n = kopf.Kurven[c].Punktanzahl;
    if (n < 1 || n * kPunktBytes > punktbytes) return kFehlerPunktanzahl;
  }
  for (int c = 0; c < kKurven; ++c) {
    auto& punkte = inhalt.punkte[c];
    const auto n = static_cast<std::size_t>(kopf.Kurven[c].Punktanzahl);
    if (!PunktfeldAnpassen(punkte, n)) return kFehlerLadenSpeicher;
    if (std::fread(punkte.data(), kPunktBytes, n, datei.Datei()) != n) {
      if (vollstaendig) return kFehlerAnhaengenPunkteKurz;
      inhalt.kurz[c] = true;
      punkte.clear();
      continue;
    }
    for (const auto& p : punkte)
      if (!PunktGueltig(p)) return kFehlerPunktwerte;
  }
  return 0;
}

int KurvendateiSpeichern(Kurvensitzung& sitzung, const std::string& pfad) {
  auto kopf = std::make_unique<Kurvendateikopf>();
  std::memset(kopf.get(), 0, sizeof(Kurvendateikopf));
  std::memcpy(kopf->Kennung, kKurvendateiKennung, sizeof(kKurvendateiKennung));
  kopf->Version = kKurvendateiVersion;
  kopf->Kurvenzahl = sitzung.gKurven.Kurvenzahl;
  for (int c = 0; c < kKurven; ++c) {
    const Kurve& k = sitzung.gKurven.Kurven[c];
    const std::size_t laenge = std::min<std::size_t>(k.Kommentar.size(), kKommentarGroesse - 1);
    std::memcpy(kopf->Kommentar[c], k.Kommentar.data(), laenge);
    kopf->Zyklen[c] = sitzung.gKurven.Zyklen[c];
    kopf->Ruhezustand[c] = sitzung.gKurven.Ruhezustand[c];
    kopf->Kurven[c].Punktanzahl = k.Punktanzahl();
  }
  std::memcpy(&kopf->Konfig, &sitzung.Konfig.gKonfig, sizeof(config::Konfiguration));

  // The old file is replaced only once the new one is complete.
  common::Speicherdatei datei(pfad);
  if (datei.Oeffnen() != common::Speicherdatei::Ergebnis::Ok) return kFehlerSpeichernOeffnen;
  if (!datei.Schreiben(kopf.get(), sizeof(Kurvendateikopf)) || !datei.Leeren())
    return kFehlerSpeichernKopf;
  for (const Kurve& k : sitzung.gKurven.Kurven)
    if (!datei.Schreiben(k.Punkte.data(), k.Punkte.size() * kPunktBytes))
      return kFehlerSpeichernPunkte;
  if (const int fehler = datei.AbschliessenMitCode(kFehlerSpeichernOeffnen, kFehlerSpeichernPunkte))
    return fehler;
  Fenstertitel(sitzung, pfad);
  sitzung.gKurven.KurvenGeaendert = false;
  return 0;
}

int KurvendateiLaden(Kurvensitzung& sitzung, const std::string& pfad, Konfigwahl wahl,
                     Ladebericht* bericht) {
  Ladebericht eigener;
  Ladebericht& b = bericht ? *bericht : eigener;
  auto inhalt = std::make_unique<Kurvendateiinhalt>();
  if (const int fehler = LesenBeginnen(sitzung, pfad, false, b, *inhalt)) return fehler;

  // Damaged curves become the default curve; all allocation happens before the model
  // changes, so a failure here still leaves every curve as it was.
  for (int c = 0; c < kKurven; ++c) {
    if (!inhalt->kurz[c]) continue;
    if (!PunktfeldAnpassen(inhalt->punkte[c], 1)) return kFehlerLadenStandardkurve;
    inhalt->punkte[c][0] = kStandardpunkt;
    b.beschaedigteKurven.push_back(c + 1);
  }
  std::array<std::string, kKurven> kommentare;
  for (int c = 0; c < kKurven; ++c) {
    if (inhalt->kurz[c]) continue;
    if (!TextReservieren(kommentare[c], kKommentarGroesse)) return kFehlerLadenSpeicher;
    KommentarAusKopf(inhalt->kopf, c, kommentare[c]);
  }
  for (int c = 0; c < kKurven; ++c) {
    sitzung.gKurven.Kurven[c].Punkte.swap(inhalt->punkte[c]);
    // Reading goes on with the next curve at once after a damaged one: its comment,
    // cycles and idle state stay as they were.
    if (inhalt->kurz[c]) continue;
    sitzung.gKurven.Kurven[c].Kommentar.swap(kommentare[c]);
    sitzung.gKurven.Zyklen[c] = inhalt->kopf.Zyklen[c];
    sitzung.gKurven.Ruhezustand[c] = inhalt->kopf.Ruhezustand[c];
  }
  sitzung.Abweichungen.clear();
  if (!b.beschaedigteKurven.empty()) BeschaedigteKurvenMelden(b.beschaedigteKurven);
  Abschliessen(sitzung, pfad, *inhalt, wahl, b);
  return 0;
}

int KurvendateiAnhaengen(Kurvensitzung& sitzung, const std::string& pfad, Konfigwahl wahl,
                         Ladebericht* bericht) {
  Ladebericht eigener;
  Ladebericht& b = bericht ? *bericht : eigener;
  auto inhalt = std::make_unique<Kurvendateiinhalt>();
  if (const int fehler = LesenBeginnen(sitzung, pfad, true, b, *inhalt)) return fehler;

  // Build every joined curve first; swap them in only when all four exist.
  std::array<std::vector<Kurvenpunkt>, kKurven> neu;
  for (int c = 0; c < kKurven; ++c) {
    const auto& alt = sitzung.gKurven.Kurven[c].Punkte;
    const auto& dazu = inhalt->punkte[c];
    if (!PunktfeldAnpassen(neu[c], alt.size() + dazu.size())) return kFehlerLadenSpeicher;
    std::copy(alt.begin(), alt.end(), neu[c].begin());
    std::copy(dazu.begin(), dazu.end(), neu[c].begin() + static_cast<std::ptrdiff_t>(alt.size()));
  }
  for (int c = 0; c < kKurven; ++c) sitzung.gKurven.Kurven[c].Punkte.swap(neu[c]);
  Abschliessen(sitzung, pfad, *inhalt, wahl, b);
  // The joined curves are in no file yet: New and Open must still ask before they go.
  sitzung.gKurven.KurvenGeaendert = true;
  return 0;
}

}  // namespace curves
