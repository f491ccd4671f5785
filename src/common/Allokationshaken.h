// Growing arrays without throwing: a failed allocation becomes a false result the callers
// turn into their own error code. Each subsystem owns one hook, through which its tests make
// chosen allocations fail so the failure paths can be run on purpose.
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <vector>

namespace common {

class Allokationshaken {
 public:
  // False when the hook wants this allocation to fail (it then counts it as failed).
  bool Zulassen() noexcept;
  // After `ueberspringen` further allocations have succeeded, the next `anzahl` fail.
  // Ausloesen(0) switches the hook off.
  void Ausloesen(int anzahl, int ueberspringen = 0) noexcept;
  // Allocations the hook still has to fail.
  int Ausstehend() const noexcept { return fehlschlaege_; }

 private:
  int fehlschlaege_ = 0;
  int ueberspringen_ = 0;
};

// Resizes v to n elements (new ones value-initialised). Shrinking always succeeds; growing
// may fail, and then v is left exactly as it was.
template <class T>
bool FeldAnpassen(std::vector<T>& v, std::size_t n, Allokationshaken& haken) noexcept {
  if (n <= v.size()) {
    v.resize(n);
    return true;
  }
  if (!haken.Zulassen()) return false;
  try {
    v.resize(n, T{});
  } catch (const std::exception&) {
    // resize gives the strong guarantee: v is unchanged.
    return false;
  }
  return true;
}

// Reserves room for n characters in s; false (s unchanged) on failure.
bool TextReservieren(std::string& s, std::size_t n, Allokationshaken& haken) noexcept;

}  // namespace common
