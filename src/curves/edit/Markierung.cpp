#include "curves/edit/Markierung.h"

#include "curves/model/Kurvenmodell.h"

namespace curves {

Markierung gMarkierung;

MarkierteSpanne MarkierteBereich() {
  MarkierteSpanne s;
  if (!gMarkierung.Aktiv) return s;
  const Kurve& k = AktuelleKurveDaten();
  s.a = GeradenIndexBeiZeit(k, gMarkierung.Start);
  if (PunktStartzeit(k, s.a) != gMarkierung.Start) ++s.a;
  s.z = GeradenIndexBeiZeit(k, gMarkierung.Ende) - 1;
  return s;
}

void AllesMarkieren() {
  gMarkierung.Start = 0.0;
  gMarkierung.Ende = Kurvenlaenge(gKurven.AktuelleKurve);
  gMarkierung.Aktiv = true;
}

}  // namespace curves
