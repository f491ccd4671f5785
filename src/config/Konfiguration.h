// The scaling record: for each of the four outputs and inputs how its voltage converts
// into a physical unit, and the full-scale voltage of the output and input hardware.
// Its bytes are a file format (configuration, curve and characteristic files):
// little-endian, 352 bytes.
#pragma once

#include <bit>
#include <cstddef>

namespace config {

struct Konfigsitzung;

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

// Bytes of a unit text, terminator included.
inline constexpr std::size_t kEinheitGroesse = sizeof(Konfiguration::outeinheit[0]);

// A record with the standard values: every channel 0.0 to 10.0 V into 0.0 to 10.0 "V",
// both full-scale voltages 10.0 V; padding zero.
Konfiguration KonfigurationStandard();

// Sets the session's gKonfig to the standard values (its padding stays as it is).
void KonfigurationStandardwerte(Konfigsitzung& s);

// 1 when the two records are equal, else 0: per channel outmin, outmax, outskalamin,
// outskalamax, outeinheit, inmin, inmax, inskalamin, inskalamax, ineinheit, then voutmax
// and vinmax. Doubles compare exactly, units as texts; padding is not compared.
int KonfigurationenVergleichen(Konfiguration a, Konfiguration b);

// Copies the record into the session's gKonfig and shows it in the configuration window.
// The other windows are not rescaled; the caller does that if it needs to.
void KonfigurationSetzen(Konfigsitzung& s, Konfiguration k);

// Terminates every unit text that fills its field without a terminator (the last byte
// becomes zero, so 8 characters remain). Records read from files go through here, so no
// reader can run past a unit. Returns true when something had to be mended.
bool EinheitenAbschliessen(Konfiguration& k);

// Copies a text into a unit field: at most 8 characters, the rest of the field zero.
void EinheitSetzen(char (&einheit)[9], const char* text);

}  // namespace config
