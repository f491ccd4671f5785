// The scaling record: for each of the four outputs and inputs how its voltage converts
// into a physical unit, and the full-scale voltage of the output and input hardware.
// Its bytes are a file format (configuration, curve and characteristic files):
// little-endian, 352 bytes.
#pragma once

#include <bit>
#include <cstddef>

namespace config {

struct Konfiguration {
  double voutmax;
  double outmin[4];
  double outmax[4];
  double outskalamin[4];
  double outskalamax[4];
  char outeinheit[4][9];
  char padding1[4];
  double vinmax;
  double inmin[4];
  double inmax[4];
  double inskalamin[4];
  double inskalamax[4];
  char ineinheit[4][9];
  char padding2[4];
};

static_assert(std::endian::native == std::endian::little, "records are stored as in memory");
static_assert(sizeof(Konfiguration) == 352);
static_assert(offsetof(Konfiguration, voutmax) == 0);
static_assert(offsetof(Konfiguration, outmin) == 8);
static_assert(offsetof(Konfiguration, outmax) == 40);
static_assert(offsetof(Konfiguration, outskalamin) == 72);
static_assert(offsetof(Konfiguration, outskalamax) == 104);
static_assert(offsetof(Konfiguration, outeinheit) == 136);
static_assert(offsetof(Konfiguration, vinmax) == 176);
static_assert(offsetof(Konfiguration, inmin) == 184);
static_assert(offsetof(Konfiguration, inmax) == 216);
static_assert(offsetof(Konfiguration, inskalamin) == 248);
static_assert(offsetof(Konfiguration, inskalamax) == 280);
static_assert(offsetof(Konfiguration, ineinheit) == 312);

// The one record every window reads.
extern Konfiguration gKonfig;

}  // namespace config
