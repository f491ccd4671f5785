#include "curves/model/Allokation.h"

#include "common/Allokationshaken.h"

namespace curves {
namespace {

common::Allokationshaken sgHaken;

}  // namespace

common::Allokationshaken& AllokationsHaken() noexcept {
  return sgHaken;
}

bool PunktfeldAnpassen(std::vector<Kurvenpunkt>& v, std::size_t n) noexcept {
  return common::FeldAnpassen(v, n, sgHaken);
}

bool TextReservieren(std::string& s, std::size_t n) noexcept {
  return common::TextReservieren(s, n, sgHaken);
}

bool AllokationZulassen() noexcept {
  return sgHaken.Zulassen();
}

void AllokationsfehlerAusloesen(int anzahl, int ueberspringen) {
  sgHaken.Ausloesen(anzahl, ueberspringen);
}

int AusstehendeAllokationsfehler() {
  return sgHaken.Ausstehend();
}

}  // namespace curves
