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

Verbindung::FehlerAbo Verbindung::FehlerfelderAbonnieren(
    std::function<void(const Fehlerfelder&)> anzeige) {
  if (anzeige) anzeige(felder_);
  return fehlermeldungen_.Abonnieren(std::move(anzeige));
}

}  // namespace device
