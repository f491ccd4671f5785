// What the protocol driver returns on failure: -(category * 1000 + site). The category
// keys the message table (Fehler.h); the site number says which check of which command
// failed. Operators quote the whole number, so every site keeps its number.
#pragma once

namespace device {

enum Protokollkategorie : int {
  kKatPortOeffnen = 100,
  kKatSchreiben = 101,
  kKatPortSchliessen = 103,
  kKatZeitgrenze = 111,
  kKatPufferLeeren = 112,
  kKatTeilweiseGeschrieben = 114,
  kKatNichtOffen = 122,
  kKatAusgabepufferLeeren = 123,
  kKatEingabepufferLeeren = 124,
  kKatBaudrate = 125,
  kKatFormatieren = 202,
  kKatAdresse = 400,
  kKatParameter = 401,
  kKatNak = 402,
  kKatKeineAntwort = 403,
  kKatFalscheAntwort = 404,
  kKatCan = 405,
  kKatPruefsumme = 406,
  kKatGrenzwert = 500,
  kKatSpeicher = 600,
  kKatStartadresse = 894,
  kKatSpeichergroesse = 895,
  kKatSpeichertyp = 896,
};

constexpr int Protokollfehler(Protokollkategorie kategorie, int stelle) {
  return -(static_cast<int>(kategorie) * 1000 + stelle);
}

}  // namespace device
