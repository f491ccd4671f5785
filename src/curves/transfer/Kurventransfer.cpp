#include "curves/transfer/Kurventransfer.h"

#include <cstdio>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "common/KlassischeZahlen.h"
#include "common/OperatorInterface.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/transfer/Kurvenbild.h"
#include "curves/transfer/Nachpruefbereiche.h"
#include "device/Fehler.h"
#include "device/Nachpruefung.h"
#include "device/Protokoll.h"
#include "device/Schnellgang.h"
#include "device/Speichertransfer.h"
#include "device/Verbindung.h"

namespace curves {
namespace {

int Wort(const std::vector<std::uint8_t>& puffer, int adresse) {
  return puffer[adresse] * 256 + puffer[adresse + 1];
}

// Grows the buffer without throwing.
bool Vergroessern(std::vector<std::uint8_t>& puffer, std::size_t groesse) {
  if (!AllokationZulassen()) return false;
  try {
    puffer.resize(groesse, 0);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace

int KurvenlaengenPruefen(Kurvensitzung& sitzung) {
  const common::KlassischeZahlen zahlen;
  std::string text = "Curves do not have the same length. They will not be syncron.\n\n";
  bool ungleich = false;
  bool referenzGesetzt = false;
  long long referenz = 0;
  for (int c = 0; c < sitzung.gKurven.Kurvenzahl && c < kKurven; ++c) {
    if (sitzung.gKurven.Kurven[c].Punktanzahl() <= 1) continue;
    const double laenge = Kurvenlaenge(sitzung, c);
    const auto ganz = static_cast<long long>(laenge);
    if (!referenzGesetzt) {
      referenz = ganz;
      referenzGesetzt = true;
    } else if (ganz != referenz) {
      ungleich = true;
    }
    char zeile[64];
    std::snprintf(zeile, sizeof(zeile), "Curve %d: %.5f sec\n", c + 1, laenge / 1000000.0);
    text += zeile;
  }
  if (!ungleich) return 0;
  common::MessageRequest frage;
  frage.title = "Warning";
  frage.text = text;
  frage.buttons = {"Send curves", "go back"};
  frage.activeButton = 1;
  frage.escapeButton = 2;
  return common::operatorInterface().message(frage) == 1 ? 0 : 1;
}

int KurvenSenden(Kurvensitzung& sitzung, device::Verbindung& v, int typ) {
  std::vector<std::uint8_t> bild;
  int ende = 0;
  const int fehler = KurvenbildErzeugen(sitzung, bild, ende);
  if (fehler == kFehlerSpeicherVoll) {
    common::showMessage("Error",
                        "Memory needed for the curves ist bigger then\n"
                        "the available memory in the MIV-3X.");
    return fehler;
  }
  if (fehler) {
    device::ZOR_Fehlerpopup(fehler);
    return fehler;
  }
  v.ComFehlerSetzen(0);
  sitzung.Abweichungen.clear();
  const long laenge = ende - kBildAnfang;
  const std::uint8_t* daten = bild.data() + kBildAnfang;
  std::vector<device::Speicherblock> abweichend;
  // The read-back runs inside the same transfer, at its rate.
  const int code = device::SchnellUebertragen(v, device::Vorgang::Schreiben, [&] {
    const int port = v.OffenerComPort();
    std::vector<device::Speicherblock> pruefen;
    int fehler = 0;
    if (!v.Uebertragung().nurGeaendert || port == -1) {
      fehler = SpeicherBlockweiseSchreiben(v, bild.data(), kBildAnfang, laenge, typ);
      pruefen = device::Blockliste(kBildAnfang, laenge, device::Blockteilung::AbAnfang);
    } else {
      fehler = device::SpeicherGeaendertSenden(v, port, v.Geraeteadresse(), typ, kBildAnfang,
                                               laenge, daten, device::Blockteilung::AbAnfang,
                                               "Send data", &pruefen);
    }
    if (fehler || !v.Uebertragung().nachpruefen) return fehler;
    return device::SpeicherNachpruefen(v, port, v.Geraeteadresse(), typ, kBildAnfang, daten,
                                       pruefen, abweichend, "Verify data");
  });
  if (code == device::kFehlerNachpruefung)
    sitzung.Abweichungen = BloeckeInZeiten(bild, ende, abweichend);
  if (code) v.ComFehlerSetzen(code);
  return code;
}

int SpeicherBlockweiseSchreiben(device::Verbindung& v, const std::uint8_t* bild, long start,
                                long laenge, int typ) {
  const int port = v.OffenerComPort();
  if (port == -1) return kFehlerSchreibenKeinPort;
  return device::SpeicherBlockweiseSenden(v, port, v.Geraeteadresse(), typ, start, laenge,
                                          bild + start, device::Blockteilung::AbAnfang,
                                          "Send data");
}

int SpeicherBlockweiseLesen(device::Verbindung& v, long start, long laenge, std::uint8_t* puffer,
                            bool fortschritt, int typ) {
  const int port = v.OffenerComPort();
  if (port == -1) return kFehlerLesenKeinPort;
  return device::SpeicherBlockweiseHolen(v, port, v.Geraeteadresse(), typ, start, laenge, puffer,
                                         fortschritt ? "Read data" : nullptr);
}

int KurvenLesen(Kurvensitzung& sitzung, device::Verbindung& v, int typ) {
  v.ComFehlerSetzen(0);
  std::vector<std::uint8_t> puffer;
  if (!Vergroessern(puffer, kAbtastAnfang)) return kFehlerLesenSpeicherKopf;
  int pruefsumme = 0;
  int letzte[kKurven], zyklen[kKurven], ruhe[kKurven];
  // The device exchanges alone, so that a fast read is back at 9600 before anything is
  // shown; the header's fields are taken as its first read gave them.
  const int gelesen = device::SchnellUebertragen(v, device::Vorgang::Lesen, [&] {
    if (const int fehler = SpeicherBlockweiseLesen(v, kBildAnfang, kBildKopfBytes,
                                                   puffer.data() + kBildAnfang, false, typ))
      return fehler;
    pruefsumme = Wort(puffer, kBildPruefsumme);
    for (int c = 0; c < kKurven; ++c) {
      letzte[c] = Wort(puffer, kBildEndadressen + 2 * c);
      zyklen[c] = Wort(puffer, kBildZyklen + 2 * c);
      ruhe[c] = Wort(puffer, kBildRuhezustand + 2 * c);
    }
    if (letzte[0] < kAbtastAnfang) return kFehlerLesenLeer;
    if (!Vergroessern(puffer, static_cast<std::size_t>(letzte[0]) + 1))
      return kFehlerLesenSpeicherBild;
    return SpeicherBlockweiseLesen(v, kBildAnfang, letzte[0] - (kBildAnfang - 1),
                                   puffer.data() + kBildAnfang, true, typ);
  });
  // An empty device and a buffer that cannot grow are left to the caller.
  if (gelesen == kFehlerLesenLeer || gelesen == kFehlerLesenSpeicherBild) return gelesen;
  if (gelesen) {
    v.ComFehlerSetzen(gelesen);
    return gelesen;
  }
  sitzung.Abweichungen.clear();
  // The device holds one curve, whatever the count byte says.
  const int kurvenzahl = 1;

  if (Kurvenpruefsumme(puffer.data(), kBildEndadressen, letzte[0]) != pruefsumme) {
    v.ComFehlerSetzen(kFehlerLesenPruefsumme);
    return kFehlerLesenPruefsumme;
  }

  int erste[kKurven];
  for (int c = 0; c < kurvenzahl; ++c) {
    erste[c] = c == 0 ? kAbtastAnfang : letzte[c - 1] + 1;
    if (erste[c] < kAbtastAnfang || letzte[c] < erste[c]) {
      v.ComFehlerSetzen(kFehlerBildAnfang);
      return kFehlerBildAnfang;
    }
    if (letzte[c] + 1 > kBildGroesse) {
      v.ComFehlerSetzen(kFehlerBildEnde);
      return kFehlerBildEnde;
    }
  }
  for (int c = 0; c < kurvenzahl; ++c) {
    if (const int fehler = AbtastwerteInPunkte(sitzung, c, puffer.data(), erste[c], letzte[c])) {
      v.ComFehlerSetzen(fehler);
      return fehler;
    }
    sitzung.gKurven.Zyklen[c] = zyklen[c];
    sitzung.gKurven.Ruhezustand[c] = ruhe[c];
  }
  sitzung.Lesemeldungen.Melden();
  return 0;
}

}  // namespace curves
