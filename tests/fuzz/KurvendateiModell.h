// Helpers of the curve targets: a model snapshot and the model's limits.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "Fuzzdatei.h"
#include "config/Konfiguration.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace fuzz {

// The session every input of a fuzz run goes through, one after the other.
inline curves::Kurvensitzung sitzung;

struct Kurvenstand {
  std::array<std::vector<curves::Kurvenpunkt>, curves::kKurven> punkte;
  std::array<std::string, curves::kKurven> kommentare;
  std::array<std::int32_t, curves::kKurven> zyklen{}, ruhe{};
  config::Konfiguration konfig{};

  static Kurvenstand Jetzt() {
    Kurvenstand s;
    for (int c = 0; c < curves::kKurven; ++c) {
      s.punkte[c] = sitzung.gKurven.Kurven[c].Punkte;
      s.kommentare[c] = sitzung.gKurven.Kurven[c].Kommentar;
    }
    s.zyklen = sitzung.gKurven.Zyklen;
    s.ruhe = sitzung.gKurven.Ruhezustand;
    s.konfig = sitzung.Konfig.gKonfig;
    return s;
  }

  bool PunkteGleich(const Kurvenstand& o) const {
    for (int c = 0; c < curves::kKurven; ++c) {
      if (punkte[c].size() != o.punkte[c].size()) return false;
      for (std::size_t i = 0; i < punkte[c].size(); ++i) {
        const auto& a = punkte[c][i];
        const auto& b = o.punkte[c][i];
        if (a.Y != b.Y || a.Laenge != b.Laenge || a.Zeitbasis != b.Zeitbasis) return false;
      }
    }
    return true;
  }

  bool Gleich(const Kurvenstand& o) const {
    return PunkteGleich(o) && kommentare == o.kommentare && zyklen == o.zyklen && ruhe == o.ruhe &&
           std::memcmp(&konfig, &o.konfig, sizeof konfig) == 0;
  }
};

inline bool PunktImRahmen(const curves::Kurvenpunkt& p) {
  return p.Y >= 0 && p.Y <= curves::kRohMax && p.Laenge >= 1 && p.Laenge <= 65535 &&
         p.Zeitbasis >= 1 && p.Zeitbasis <= 9;
}

inline void ModellImRahmen() {
  for (int c = 0; c < curves::kKurven; ++c) {
    const auto& k = sitzung.gKurven.Kurven[c];
    if (k.Punkte.empty()) Verletzt("a curve without points");
    for (const auto& p : k.Punkte)
      if (!PunktImRahmen(p)) Verletzt("a point outside its limits");
    if (k.Kommentar.size() > 999) Verletzt("a comment beyond 999 characters");
    if (sitzung.gKurven.Zyklen[c] < 0 || sitzung.gKurven.Zyklen[c] > 0xFFFF)
      Verletzt("cycles outside 0..65535");
    if (sitzung.gKurven.Ruhezustand[c] < 0 || sitzung.gKurven.Ruhezustand[c] > curves::kRohMax)
      Verletzt("an idle state outside 0..4095");
  }
}

// A fresh model once per process; every input starts from the same default curves.
inline void ModellZuruecksetzen() {
  static const bool einmal = [] { return curves::KurvenModellInitialisieren(sitzung) == 0; }();
  if (!einmal) std::abort();
  curves::KurvenNeu(sitzung);
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
}

}  // namespace fuzz
