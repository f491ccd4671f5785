#include "common/KlassischeZahlen.h"

namespace common {

KlassischeZahlen::KlassischeZahlen() {
  static const locale_t klassisch = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  if (klassisch) vorher_ = uselocale(klassisch);
}

KlassischeZahlen::~KlassischeZahlen() {
  if (vorher_) uselocale(vorher_);
}

}  // namespace common
