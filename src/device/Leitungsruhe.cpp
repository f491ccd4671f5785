#include "device/Leitungsruhe.h"

#include <chrono>
#include <set>

#include "device/SerialService.h"

namespace device {

namespace {

// A device that babbles on is no reason to hang: after this long (or this many bytes) the
// command goes ahead and meets whatever the line holds.
constexpr auto kHoechstens = std::chrono::seconds(5);
constexpr int kHoechstensBytes = 8192;

std::set<int> sgUnsicher;

}  // namespace

void LeitungMisstrauen(int port) {
  sgUnsicher.insert(port);
}

void LeitungVertrauen(int port) {
  sgUnsicher.erase(port);
}

bool LeitungUnsicher(int port) {
  return sgUnsicher.count(port) != 0;
}

void LeitungBeruhigen(int port) {
  SerialService& s = serialService();
  const auto anfang = std::chrono::steady_clock::now();
  for (int n = 0; n < kHoechstensBytes; ++n) {
    // A read that times out is one read time-out of silence.
    if (s.ComRdByte(port) < 0) {
      LeitungVertrauen(port);
      return;
    }
    if (std::chrono::steady_clock::now() - anfang >= kHoechstens) return;
  }
}

}  // namespace device
