// The fixed head of a characteristic file ("*.wue"): 1424 bytes, little-endian, followed by
// the point records. Written and read byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "characteristic/model/Kennlinienmodell.h"
#include "config/Konfiguration.h"

namespace characteristic {

inline constexpr char kKennliniendateiKennung[] = "wun2 Kennlinien Datei";
inline constexpr std::int32_t kKennliniendateiVersion = 2;

struct Kennliniendateikopf {
  char Kennung[32];  // zero-terminated; bytes after the zero are not used
  std::int32_t Version;
  char Kommentar[kKommentarGroesse];  // zero-terminated
  std::int32_t frei1;
  config::Konfiguration Konfig;
  std::int32_t Punktanzahl;
  std::int32_t frei2;
  double Ausgang2;      // raw, through the second input's conversion, not rounded
  double Anstiegszeit;  // ms, as the field holds it
  std::int32_t null;    // written as zero
  std::int32_t frei3;
};

inline constexpr std::size_t kKennliniendateikopfGroesse = 1424;

static_assert(sizeof(Kennliniendateikopf) == kKennliniendateikopfGroesse);
static_assert(offsetof(Kennliniendateikopf, Kennung) == 0);
static_assert(offsetof(Kennliniendateikopf, Version) == 32);
static_assert(offsetof(Kennliniendateikopf, Kommentar) == 36);
static_assert(offsetof(Kennliniendateikopf, Konfig) == 1040);
static_assert(offsetof(Kennliniendateikopf, Punktanzahl) == 1392);
static_assert(offsetof(Kennliniendateikopf, Ausgang2) == 1400);
static_assert(offsetof(Kennliniendateikopf, Anstiegszeit) == 1408);
static_assert(offsetof(Kennliniendateikopf, null) == 1416);

}  // namespace characteristic
