// What the devices on a connection are known to hold: per port, address and memory type,
// each byte last written to or read from the device, or unknown. The block transfers keep
// it; a write of only the changed blocks compares against it.
#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <vector>

namespace device {

class Speichergedaechtnis {
 public:
  struct Schluessel {
    int port = -1;
    char adresse = '1';
    int typ = 4;
    auto operator<=>(const Schluessel&) const = default;
  };
  // A run of known bytes, as the command-line tool keeps them between runs.
  struct Strecke {
    Schluessel schluessel;
    long start = 0;
    std::vector<std::uint8_t> bytes;
  };

  static constexpr long kGroesse = 65536;

  // Stretches outside 0..65535 are cut to it.
  void Merken(const Schluessel& s, long start, long laenge, const std::uint8_t* daten);
  void Vergessen(const Schluessel& s, long start, long laenge);
  void AllesVergessen() { abbilder_.clear(); }
  // True when every byte of the stretch is known.
  bool Kennt(const Schluessel& s, long start, long laenge) const;
  // True when every byte is known and equal to daten.
  bool Gleich(const Schluessel& s, long start, long laenge, const std::uint8_t* daten) const;

  std::vector<Strecke> Strecken() const;

 private:
  // -1 marks a byte not known.
  using Abbild = std::vector<std::int16_t>;
  std::map<Schluessel, Abbild> abbilder_;
};

}  // namespace device
