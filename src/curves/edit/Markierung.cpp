#include "curves/edit/Markierung.h"

#include <cmath>

#include "curves/model/Kurvenmodell.h"

namespace curves {

Markierung gMarkierung;

namespace {

double GanzeMikrosekunden(double x) {
  return std::floor(x + 0.5);
}

}  // namespace

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

void MarkierungBeginnen(double x) {
  gMarkierung.Start = gMarkierung.Ende = GanzeMikrosekunden(x);
  gMarkierung.Aktiv = true;
}

void MarkierungZiehen(double x) {
  gMarkierung.Ende = GanzeMikrosekunden(x);
}

void MarkierungAbschliessen(double x) {
  // Compared before rounding, as the tool has always done.
  if (gMarkierung.Start > x) {
    gMarkierung.Ende = gMarkierung.Start;
    gMarkierung.Start = GanzeMikrosekunden(x);
  } else {
    gMarkierung.Ende = GanzeMikrosekunden(x);
  }
}

void MarkierungAufheben() {
  gMarkierung.Aktiv = false;
}

void MarkierungZuruecksetzen() {
  gMarkierung = Markierung{};
}

}  // namespace curves
