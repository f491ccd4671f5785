#include "curves/Allokation.h"

#include <new>

namespace curves {
namespace {

int sgFehlschlaege = 0;
int sgUeberspringen = 0;

// True when the hook wants this allocation to fail.
bool HakenLaesstFehlschlagen() {
  if (sgFehlschlaege <= 0) return false;
  if (sgUeberspringen > 0) {
    --sgUeberspringen;
    return false;
  }
  --sgFehlschlaege;
  return true;
}

}  // namespace

bool PunktfeldAnpassen(std::vector<Kurvenpunkt>& v, std::size_t n) noexcept {
  if (n <= v.size()) {
    v.resize(n);
    return true;
  }
  if (HakenLaesstFehlschlagen()) return false;
  try {
    v.resize(n, Kurvenpunkt{});
  } catch (const std::exception&) {
    // resize gives the strong guarantee: v is unchanged.
    return false;
  }
  return true;
}

bool TextReservieren(std::string& s, std::size_t n) noexcept {
  if (HakenLaesstFehlschlagen()) return false;
  try {
    s.reserve(n);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

bool AllokationZulassen() noexcept {
  return !HakenLaesstFehlschlagen();
}

void AllokationsfehlerAusloesen(int anzahl, int ueberspringen) {
  sgFehlschlaege = anzahl > 0 ? anzahl : 0;
  sgUeberspringen = ueberspringen > 0 ? ueberspringen : 0;
}

int AusstehendeAllokationsfehler() {
  return sgFehlschlaege;
}

}  // namespace curves
