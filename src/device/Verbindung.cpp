#include "device/Verbindung.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace device {

Verbindung::Verbindung(SerialService* dienst) : dienst_(dienst ? dienst : &KeinDienst()) {}

SerialService& Verbindung::Dienst() const {
  return *dienst_;
}

void Verbindung::DienstSetzen(SerialService* dienst) {
  dienst_ = dienst ? dienst : &KeinDienst();
}

void Verbindung::ComFehlerSetzen(int code) {
  letzterFehler_ = code;
  if (code == 0) {
    felder_ = Fehlerfelder{};
  } else {
    felder_.led = true;
    felder_.text = ZOR_Fehlermeldung(code);
    long long nummer = std::llabs(static_cast<long long>(code));
    felder_.nummer = nummer > INT_MAX ? INT_MAX : static_cast<int>(nummer);
  }
  fehlermeldungen_.Melden(felder_);
}

void Verbindung::LeitungSetzen(Leitungszustand zustand, int port) {
  if (zustand == leitung_) return;
  leitung_ = zustand;
  wegPort_ = zustand == Leitungszustand::Weg ? port : -1;
  leitungsmeldungen_.Melden(zustand);
}

Verbindung::FehlerAbo Verbindung::FehlerfelderAbonnieren(
    std::function<void(const Fehlerfelder&)> anzeige) {
  if (anzeige) anzeige(felder_);
  return fehlermeldungen_.Abonnieren(std::move(anzeige));
}

}  // namespace device
