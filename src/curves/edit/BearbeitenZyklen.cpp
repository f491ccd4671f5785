#include "curves/edit/BearbeitenZyklen.h"

#include <algorithm>
#include <cmath>

#include "curves/edit/BearbeitenHilfen.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {

ZyklenFelder ZyklenUndRuhezustand(Kurvensitzung& sitzung, int zyklenFeld, double ruheFeld) {
  const int c = sitzung.gKurven.AktuelleKurve;
  sitzung.gKurven.KurvenGeaendert = true;
  sitzung.gKurven.Zyklen[c] = std::clamp(zyklenFeld, 0, kZyklenMax);
  const double roh = Abschneiden(EinheitInRoh(sitzung, c, ruheFeld));
  sitzung.gKurven.Ruhezustand[c] =
      std::isnan(roh) ? 0 : static_cast<std::int32_t>(std::clamp(roh, 0.0, double{kRohMax}));
  return {sitzung.gKurven.Zyklen[c], RohInEinheit(sitzung, c, sitzung.gKurven.Ruhezustand[c])};
}

}  // namespace curves
