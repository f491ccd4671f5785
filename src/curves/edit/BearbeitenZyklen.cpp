#include "curves/edit/BearbeitenZyklen.h"

#include <algorithm>
#include <cmath>

#include "curves/edit/BearbeitenHilfen.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

ZyklenFelder ZyklenUndRuhezustand(int zyklenFeld, double ruheFeld) {
  const int c = gKurven.AktuelleKurve;
  gKurven.KurvenGeaendert = true;
  gKurven.Zyklen[c] = std::clamp(zyklenFeld, 0, kZyklenMax);
  const double roh = Abschneiden(EinheitInRoh(c, ruheFeld));
  gKurven.Ruhezustand[c] =
      std::isnan(roh) ? 0 : static_cast<std::int32_t>(std::clamp(roh, 0.0, double{kRohMax}));
  return {gKurven.Zyklen[c], RohInEinheit(c, gKurven.Ruhezustand[c])};
}

}  // namespace curves
