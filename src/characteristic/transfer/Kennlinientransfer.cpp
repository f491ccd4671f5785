#include "characteristic/transfer/Kennlinientransfer.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/transfer/KennlNachpruefbereiche.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "config/Umrechnung.h"
#include "device/Fehler.h"
#include "device/Nachpruefung.h"
#include "device/Protokoll.h"
#include "device/Schnellgang.h"
#include "device/Speichertransfer.h"
#include "device/Verbindung.h"

namespace characteristic {
namespace {

constexpr int kModusGueltig = 2;
constexpr int kModusUngueltig = 4;

// A read replaces the points with what the slot holds: one undo step brings back what the
// operator had. The characteristic does not count as changed by it.
void LesenRueckgaengigSichern(Kennliniensitzung& sitzung) {
  const bool geaendert = sitzung.gKennl.KennlinieGeaendert;
  RueckgaengigSichern(sitzung);
  sitzung.gKennl.KennlinieGeaendert = geaendert;
}

bool PlatzGueltig(int n) {
  return n >= 1 && n <= kPlaetze;
}

int Wort(const std::vector<std::uint8_t>& b, int p) {
  return b[static_cast<std::size_t>(p)] * 256 + b[static_cast<std::size_t>(p) + 1];
}

bool Puffer(std::vector<std::uint8_t>& b, std::size_t n) {
  if (!KennlAllokationsHaken().Zulassen()) return false;
  try {
    b.assign(n, 0);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace

int KennlModusPruefen(device::Verbindung& v, bool& gueltig) {
  gueltig = false;
  const int port = v.OffenerComPort();
  if (port == -1) return kFehlerModusKeinPort;
  int modus = 0;
  if (const int fehler = device::ZORFYD1_ModusLesen(v, port, v.Geraeteadresse(), &modus))
    return fehler;
  gueltig = (modus & kModusGueltig) != 0 && (modus & kModusUngueltig) == 0;
  return 0;
}

int KennlSpeicherSchreiben(device::Verbindung& v, const std::uint8_t* bild, long start, long laenge,
                           bool fortschritt) {
  const int port = v.OffenerComPort();
  if (port == -1) return kFehlerBlockSchreibenKeinPort;
  const char adresse = v.Geraeteadresse();
  if (const int fehler = device::SpeicherBlockweiseSenden(
          v, port, adresse, kSpeicherKennlinien, start, laenge, bild,
          device::Blockteilung::AnGrenzen, fortschritt ? "sending data" : nullptr))
    return fehler;
  if (const int fehler = device::ZORFYD1_ModusSchreiben(v, port, adresse, 0, kModusUngueltig))
    return fehler;
  return device::ZORFYD1_ModusSchreiben(v, port, adresse, 1, kModusGueltig);
}

int KennlGeaendertSchreiben(device::Verbindung& v, const std::uint8_t* bild, long start,
                            long laenge, std::vector<device::Speicherblock>* ungeprueft) {
  const int port = v.OffenerComPort();
  if (port == -1) return kFehlerBlockSchreibenKeinPort;
  const char adresse = v.Geraeteadresse();
  if (const int fehler = device::SpeicherGeaendertSenden(
          v, port, adresse, kSpeicherKennlinien, start, laenge, bild,
          device::Blockteilung::AnGrenzen, "sending data", ungeprueft))
    return fehler;
  if (const int fehler = device::ZORFYD1_ModusSchreiben(v, port, adresse, 0, kModusUngueltig))
    return fehler;
  return device::ZORFYD1_ModusSchreiben(v, port, adresse, 1, kModusGueltig);
}

int KennlSpeicherLesen(device::Verbindung& v, long start, long laenge, std::uint8_t* ziel,
                       bool fortschritt) {
  const int port = v.OffenerComPort();
  if (port == -1) return kFehlerBlockLesenKeinPort;
  bool gueltig = false;
  if (const int fehler = KennlModusPruefen(v, gueltig)) return fehler;
  if (!gueltig) return kFehlerBlockLesenUngueltig;
  return device::SpeicherBlockweiseHolen(v, port, v.Geraeteadresse(), kSpeicherKennlinien, start,
                                         laenge, ziel, fortschritt ? "reading data" : nullptr);
}

int KennlinienplaetzeInitialisieren(device::Verbindung& v) {
  if (v.OffenerComPort() == -1) return kFehlerInitKeinPort;
  const auto bild = KennlEinsBild();
  for (int n = 1; n <= kPlaetze; ++n)
    if (const int fehler = KennlSpeicherSchreiben(v, bild.data(), PlatzAdresse(n),
                                                  static_cast<long>(bild.size()), false))
      return fehler;
  return 0;
}

int KennlinieSchreiben(Kennliniensitzung& sitzung, device::Verbindung& v) {
  std::vector<std::uint8_t> bild;
  if (const int fehler = KennlBildErzeugen(sitzung, bild)) return fehler;
  v.ComFehlerSetzen(0);
  sitzung.Abweichungen.clear();
  const int n = sitzung.gKennl.Felder.KurveNr;
  std::vector<device::Speicherblock> abweichend;
  // Only the device exchanges run inside, so a fast write is back at 9600 before any
  // error is shown; the read-back runs at the transfer's rate.
  bool zeigen = true;
  const int fehler = device::SchnellUebertragen(v, device::Vorgang::Schreiben, [&] {
    bool gueltig = false;
    if (const int f = KennlModusPruefen(v, gueltig)) return f;
    if (!gueltig)
      if (const int f = KennlinienplaetzeInitialisieren(v)) return f;
    if (!PlatzGueltig(n)) {
      zeigen = false;
      return kFehlerSchreibenPlatz;
    }
    std::vector<device::Speicherblock> pruefen;
    int f = 0;
    if (!v.Uebertragung().nurGeaendert || v.OffenerComPort() == -1) {
      f = KennlSpeicherSchreiben(v, bild.data(), PlatzAdresse(n), kPlatzBytes, true);
      pruefen = device::Blockliste(PlatzAdresse(n), kPlatzBytes, device::Blockteilung::AnGrenzen);
    } else {
      f = KennlGeaendertSchreiben(v, bild.data(), PlatzAdresse(n), kPlatzBytes, &pruefen);
    }
    if (f || !v.Uebertragung().nachpruefen) return f;
    return device::SpeicherNachpruefen(v, v.OffenerComPort(), v.Geraeteadresse(),
                                       kSpeicherKennlinien, PlatzAdresse(n), bild.data(), pruefen,
                                       abweichend, "verifying data");
  });
  if (fehler == device::kFehlerNachpruefung)
    sitzung.Abweichungen = BloeckeInXBereiche(PlatzAdresse(n), abweichend);
  if (fehler && zeigen) v.ComFehlerSetzen(fehler);
  return fehler;
}

int KennlinieLesen(Kennliniensitzung& sitzung, device::Verbindung& v) {
  const int n = sitzung.gKennl.Felder.KurveNr;
  if (!PlatzGueltig(n)) return kFehlerLesenPlatz;
  v.ComFehlerSetzen(0);
  std::vector<std::uint8_t> bild;
  // The mode check's own error and a buffer that cannot be had are left to the caller.
  bool zeigen = true;
  const int gelesen = device::SchnellUebertragen(v, device::Vorgang::Lesen, [&] {
    bool gueltig = false;
    if (const int f = KennlModusPruefen(v, gueltig)) {
      zeigen = false;
      return f;
    }
    if (!gueltig) return kFehlerLesenUngueltig;
    if (!Puffer(bild, static_cast<std::size_t>(kPlatzBytes))) {
      zeigen = false;
      return kFehlerLesenSpeicherBild;
    }
    return KennlSpeicherLesen(v, PlatzAdresse(n), kPlatzBytes, bild.data(), true);
  });
  if (gelesen) {
    if (zeigen) v.ComFehlerSetzen(gelesen);
    return gelesen;
  }
  const int pruefsumme = Wort(bild, 0);
  const int ausgang2 = Wort(bild, kBildAusgang2);
  const std::int32_t code = (bild[kBildAnstiegszeit] << 16) | (bild[kBildAnstiegszeit + 1] << 8) |
                            bild[kBildAnstiegszeit + 2];
  const bool eins = bild[kBildArt] != 0;
  const int ende = eins ? kEinsBildBytes - 1 : static_cast<int>(kPlatzBytes) - 1;
  if (KennlPruefsumme(bild.data(), ende) != pruefsumme) {
    v.ComFehlerSetzen(kFehlerLesenPruefsumme);
    return kFehlerLesenPruefsumme;
  }

  std::vector<Kennlinienpunkt> punkte;
  const int anzahl = eins ? 1 : 4096;
  if (!PunktfeldAnpassen(punkte, static_cast<std::size_t>(anzahl))) {
    return kFehlerLesenSpeicherPunkte;
  }
  for (int j = 0; j < anzahl; ++j)
    punkte[static_cast<std::size_t>(j)] = {
        std::min(Wort(bild, kBildAbtastwerte + 2 * j), kRohMax), 1, 0, {0, 0, 0}};
  LesenRueckgaengigSichern(sitzung);
  sitzung.gKennl.Kennl.Punkte.swap(punkte);

  int ergebnis = 0;
  if (ausgang2 > kRohMax) {
    ergebnis = kFehlerLesenAusgang2;
    v.ComFehlerSetzen(ergebnis);
  } else {
    sitzung.gKennl.Felder.Ausgang2 =
        config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 1, ausgang2);
  }
  sitzung.gKennl.Felder.Anstiegszeit = CodeInAnstiegszeit(code);
  return ergebnis;
}

int KennlinieAnwaehlen(Kennliniensitzung& sitzung, device::Verbindung& v) {
  const int port = v.OffenerComPort();
  if (port == -1) {
    v.ComFehlerSetzen(kFehlerAnwaehlenKeinPort);
    return kFehlerAnwaehlenKeinPort;
  }
  const int fehler = device::ZORFYD1_AusgangSchreiben(v, port, v.Geraeteadresse(), "a4",
                                                      sitzung.gKennl.Felder.KurveNr);
  if (fehler) v.ComFehlerSetzen(fehler);
  return fehler;
}

}  // namespace characteristic
