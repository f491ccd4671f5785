#include "curves/edit/Radzoom.h"

#include <algorithm>
#include <cmath>

#include "curves/edit/Ansicht.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

void ZoomUmZeit(double x, bool hinein) {
  const double w = Sichtbreite();
  const double anteil = std::clamp((x - gSicht.XStart) / w, 0.0, 1.0);
  if (hinein)
    ZoomPlus();
  else
    ZoomMinus();
  const double neu = Sichtbreite();
  const double s = std::max(std::floor(x - anteil * neu + 0.5), 0.0);
  gSicht.XStart = s;
  gSicht.XEnde = s + neu - 1.0;
}

void SichtVerschieben(double schritte) {
  const double w = Sichtbreite();
  const double rest = std::max(Kurvenlaenge(gKurven.AktuelleKurve) - w, 0.0);
  const double s = std::clamp(std::floor(gSicht.XStart + schritte * w / 10.0 + 0.5), 0.0, rest);
  gSicht.XStart = s;
  gSicht.XEnde = s + w - 1.0;
}

}  // namespace curves
