#include "device/Speichergedaechtnis.h"

#include <algorithm>

namespace device {
namespace {

// The part of [start, start + laenge) inside the memory, as [von, bis).
bool Schneiden(long start, long laenge, long& von, long& bis) {
  von = std::max(0L, start);
  bis = std::min(Speichergedaechtnis::kGroesse, start + std::max(0L, laenge));
  return von < bis;
}

}  // namespace

void Speichergedaechtnis::Merken(const Schluessel& s, long start, long laenge,
                                 const std::uint8_t* daten) {
  long von = 0, bis = 0;
  if (!Schneiden(start, laenge, von, bis)) return;
  auto& abbild = abbilder_[s];
  if (abbild.empty()) abbild.assign(kGroesse, -1);
  for (long a = von; a < bis; ++a) abbild[static_cast<std::size_t>(a)] = daten[a - start];
}

void Speichergedaechtnis::Vergessen(const Schluessel& s, long start, long laenge) {
  auto it = abbilder_.find(s);
  long von = 0, bis = 0;
  if (it == abbilder_.end() || !Schneiden(start, laenge, von, bis)) return;
  std::fill(it->second.begin() + von, it->second.begin() + bis, std::int16_t{-1});
}

bool Speichergedaechtnis::Kennt(const Schluessel& s, long start, long laenge) const {
  auto it = abbilder_.find(s);
  if (it == abbilder_.end() || start < 0 || start + laenge > kGroesse) return false;
  return std::none_of(it->second.begin() + start, it->second.begin() + start + laenge,
                      [](std::int16_t b) { return b < 0; });
}

bool Speichergedaechtnis::Gleich(const Schluessel& s, long start, long laenge,
                                 const std::uint8_t* daten) const {
  auto it = abbilder_.find(s);
  if (it == abbilder_.end() || start < 0 || start + laenge > kGroesse) return false;
  for (long i = 0; i < laenge; ++i)
    if (it->second[static_cast<std::size_t>(start + i)] != daten[i]) return false;
  return true;
}

std::vector<Speichergedaechtnis::Strecke> Speichergedaechtnis::Strecken() const {
  std::vector<Strecke> strecken;
  for (const auto& [schluessel, abbild] : abbilder_) {
    for (long a = 0; a < kGroesse;) {
      if (abbild[static_cast<std::size_t>(a)] < 0) {
        ++a;
        continue;
      }
      Strecke s{schluessel, a, {}};
      for (; a < kGroesse && abbild[static_cast<std::size_t>(a)] >= 0; ++a)
        s.bytes.push_back(static_cast<std::uint8_t>(abbild[static_cast<std::size_t>(a)]));
      strecken.push_back(std::move(s));
    }
  }
  return strecken;
}

}  // namespace device
