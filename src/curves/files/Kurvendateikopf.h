// The fixed head of a curve file ("*.wur"): 4472 bytes, little-endian, followed by the
// point records of curves 1 to 4. Written and read byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "config/Konfiguration.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

inline constexpr char kKurvendateiKennung[] = "miv3xKurven Kurvendatei";
inline constexpr std::int32_t kKurvendateiVersion = 1;

struct KurvendateiKurveneintrag {
  std::int32_t Punktanzahl;
  std::int32_t frei;  // not used
  std::int32_t null;  // written as zero
};

struct Kurvendateikopf {
  char Kennung[32];  // zero-terminated; bytes after the zero are not used
  std::int32_t Version;
  std::int32_t Kurvenzahl;
  char Kommentar[kKurven][kKommentarGroesse];  // each zero-terminated
  std::int32_t Zyklen[kKurven];
  std::int32_t Ruhezustand[kKurven];
  config::Konfiguration Konfig;
  KurvendateiKurveneintrag Kurven[kKurven];
};

inline constexpr std::size_t kKurvendateikopfGroesse = 4472;

static_assert(sizeof(Kurvendateikopf) == kKurvendateikopfGroesse);
static_assert(offsetof(Kurvendateikopf, Kennung) == 0);
static_assert(offsetof(Kurvendateikopf, Version) == 32);
static_assert(offsetof(Kurvendateikopf, Kurvenzahl) == 36);
static_assert(offsetof(Kurvendateikopf, Kommentar) == 40);
static_assert(offsetof(Kurvendateikopf, Zyklen) == 4040);
static_assert(offsetof(Kurvendateikopf, Ruhezustand) == 4056);
static_assert(offsetof(Kurvendateikopf, Konfig) == 4072);
static_assert(offsetof(Kurvendateikopf, Kurven) == 4424);
static_assert(sizeof(KurvendateiKurveneintrag) == 12);

}  // namespace curves
