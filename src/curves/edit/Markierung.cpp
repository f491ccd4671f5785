#include "curves/edit/Markierung.h"

#include <cmath>

#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {

namespace {

double GanzeMikrosekunden(double x) {
  return std::floor(x + 0.5);
}

}  // namespace

MarkierteSpanne MarkierteBereich(Kurvensitzung& sitzung) {
  MarkierteSpanne s;
  if (!sitzung.gMarkierung.Aktiv) return s;
  const Kurve& k = AktuelleKurveDaten(sitzung);
  s.a = GeradenIndexBeiZeit(k, sitzung.gMarkierung.Start);
  if (PunktStartzeit(k, s.a) != sitzung.gMarkierung.Start) ++s.a;
  s.z = GeradenIndexBeiZeit(k, sitzung.gMarkierung.Ende) - 1;
  return s;
}

void AllesMarkieren(Kurvensitzung& sitzung) {
  sitzung.gMarkierung.Start = 0.0;
  sitzung.gMarkierung.Ende = Kurvenlaenge(sitzung, sitzung.gKurven.AktuelleKurve);
  sitzung.gMarkierung.Aktiv = true;
}

void MarkierungBeginnen(Kurvensitzung& sitzung, double x) {
  sitzung.gMarkierung.Start = sitzung.gMarkierung.Ende = GanzeMikrosekunden(x);
  sitzung.gMarkierung.Aktiv = true;
}

void MarkierungZiehen(Kurvensitzung& sitzung, double x) {
  sitzung.gMarkierung.Ende = GanzeMikrosekunden(x);
}

void MarkierungAbschliessen(Kurvensitzung& sitzung, double x) {
  // Compared before rounding, as the tool has always done.
  if (sitzung.gMarkierung.Start > x) {
    sitzung.gMarkierung.Ende = sitzung.gMarkierung.Start;
    sitzung.gMarkierung.Start = GanzeMikrosekunden(x);
  } else {
    sitzung.gMarkierung.Ende = GanzeMikrosekunden(x);
  }
}

void MarkierungAufheben(Kurvensitzung& sitzung) {
  sitzung.gMarkierung.Aktiv = false;
}

void MarkierungZuruecknehmen(Kurvensitzung& sitzung, const Markierung& vorher) {
  sitzung.gMarkierung = vorher;
}

void MarkierungZuruecksetzen(Kurvensitzung& sitzung) {
  sitzung.gMarkierung = Markierung{};
}

}  // namespace curves
