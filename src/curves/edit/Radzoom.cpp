#include "curves/edit/Radzoom.h"

#include <algorithm>
#include <cmath>

#include "curves/edit/Ansicht.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {

void ZoomUmZeit(Kurvensitzung& sitzung, double x, bool hinein) {
  const double w = Sichtbreite(sitzung);
  const double anteil = std::clamp((x - sitzung.gSicht.XStart) / w, 0.0, 1.0);
  if (hinein)
    ZoomPlus(sitzung);
  else
    ZoomMinus(sitzung);
  const double neu = Sichtbreite(sitzung);
  const double s = std::max(std::floor(x - anteil * neu + 0.5), 0.0);
  sitzung.gSicht.XStart = s;
  sitzung.gSicht.XEnde = s + neu - 1.0;
}

void SichtVerschieben(Kurvensitzung& sitzung, double schritte) {
  const double w = Sichtbreite(sitzung);
  const double rest = std::max(Kurvenlaenge(sitzung, sitzung.gKurven.AktuelleKurve) - w, 0.0);
  const double s =
      std::clamp(std::floor(sitzung.gSicht.XStart + schritte * w / 10.0 + 0.5), 0.0, rest);
  sitzung.gSicht.XStart = s;
  sitzung.gSicht.XEnde = s + w - 1.0;
}

}  // namespace curves
