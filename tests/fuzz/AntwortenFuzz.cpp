// Device replies through the in-memory serial service: whatever the device sends, a command
// ends with 0 or its code, and a reply taken as good is one the device could have sent.
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

#include "Fuzzdatei.h"
#include "device/MemorySerialService.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"

using namespace fuzz;

namespace {

constexpr int kPort = 9;

std::string Hex(unsigned v, int stellen) {
  static const char kZiffern[] = "0123456789ABCDEF";
  std::string s;
  for (int i = stellen - 1; i >= 0; --i) s += kZiffern[(v >> (4 * i)) & 0xF];
  return s;
}

bool GleichOhneGross(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

// The first byte picks the command (and the block size of a memory read); the rest is what
// the device answers, all of it arriving at once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  if (n < 1) return 0;
  const int wahl = daten[0];
  const std::string antwort(reinterpret_cast<const char*>(daten + 1), n - 1);
  static device::MemorySerialService dienst;
  bool beantwortet = false;
  dienst.connect(kPort, [&](std::string_view) {
    if (beantwortet) return std::string();
    beantwortet = true;
    return antwort;
  });
  static device::Verbindung verbindung(&dienst);
  if (device::ZORFYD1_Open(verbindung, kPort, 9600) != 0) Verletzt("the memory port did not open");

  // The text after the acknowledgement, cut at the first CR, as the driver reads it.
  const std::string text = antwort.size() > 1 ? antwort.substr(1) : std::string();
  switch (wahl % 6) {
    case 0: {
      char id[32];
      std::memset(id, 'Q', sizeof id);
      if (device::ZORFYD1_IDLesen(verbindung, kPort, '1', id) == 0) {
        const std::size_t laenge = strnlen(id, sizeof id);
        if (laenge == 0 || laenge > 26) Verletzt("an ID of impossible length");
        if (std::strchr(id, ' ')) Verletzt("an ID with a space");
      }
      break;
    }
    case 1: {
      const long anzahl = 1 + (wahl / 6) % 64;
      std::uint8_t puffer[64];
      if (device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 0x1000, anzahl, puffer) == 0) {
        std::string erwartet = "#1BDR4" + Hex(0x1000, 4) + Hex(static_cast<unsigned>(anzahl), 4);
        unsigned summe = 1;
        for (long i = 0; i < anzahl; ++i) {
          erwartet += Hex(puffer[i], 2);
          summe += puffer[i];
        }
        erwartet += Hex(summe & 0xFFFF, 4) + "\r";
        if (!GleichOhneGross(text.substr(0, erwartet.size()), erwartet))
          Verletzt("a memory block taken from a reply that does not hold it");
      }
      break;
    }
    case 2: {
      double v = 0;
      if (device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e2", &v) == 0 && !std::isfinite(v))
        Verletzt("an input value that is no number");
      break;
    }
    case 3: {
      int s = -1;
      if (device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 1 + (wahl / 6) % 2, &s) == 0 &&
          (s < 0 || s > 255))
        Verletzt("a status outside one byte");
      break;
    }
    case 4: {
      int m = -1;
      if (device::ZORFYD1_ModusLesen(verbindung, kPort, '1', &m) == 0 && (m < 0 || m > 255))
        Verletzt("a mode outside one byte");
      break;
    }
    default: {
      double v = 0;
      if (device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "max_current", &v) == 0 &&
          !std::isfinite(v))
        Verletzt("a parameter that is no number");
      break;
    }
  }
  device::ZORFYD1_Close(verbindung, kPort);
  return 0;
}
