#include "common/Allokationshaken.h"

namespace common {

bool Allokationshaken::Zulassen() noexcept {
  if (fehlschlaege_ <= 0) return true;
  if (ueberspringen_ > 0) {
    --ueberspringen_;
    return true;
  }
  --fehlschlaege_;
  return false;
}

void Allokationshaken::Ausloesen(int anzahl, int ueberspringen) noexcept {
  fehlschlaege_ = anzahl > 0 ? anzahl : 0;
  ueberspringen_ = ueberspringen > 0 ? ueberspringen : 0;
}

bool TextReservieren(std::string& s, std::size_t n, Allokationshaken& haken) noexcept {
  if (!haken.Zulassen()) return false;
  try {
    s.reserve(n);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace common
