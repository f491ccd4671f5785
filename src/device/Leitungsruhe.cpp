#include "device/Leitungsruhe.h"

#include <chrono>

#include "device/Verbindung.h"

namespace device {

namespace {

// A device that babbles on is no reason to hang: after this long (or this many bytes) the
// command goes ahead and meets whatever the line holds.
constexpr auto kHoechstens = std::chrono::seconds(5);
constexpr int kHoechstensBytes = 8192;

}  // namespace

void LeitungMisstrauen(Verbindung& v, int port) {
  v.UnsichereLeitungen().insert(port);
}

void LeitungVertrauen(Verbindung& v, int port) {
  v.UnsichereLeitungen().erase(port);
}

bool LeitungUnsicher(Verbindung& v, int port) {
  return v.UnsichereLeitungen().count(port) != 0;
}

void LeitungBeruhigen(Verbindung& v, int port) {
  SerialService& s = v.Dienst();
  const auto anfang = std::chrono::steady_clock::now();
  for (int n = 0; n < kHoechstensBytes; ++n) {
    // A read that times out is one read time-out of silence.
    if (s.ComRdByte(port) < 0) {
      LeitungVertrauen(v, port);
      return;
    }
    if (std::chrono::steady_clock::now() - anfang >= kHoechstens) return;
  }
}

}  // namespace device
