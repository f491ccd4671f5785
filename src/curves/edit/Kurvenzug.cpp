// The curve session's answers to the shared mouse tools, with the curve core's functions.
#include "curves/edit/Ansicht.h"
#include "curves/edit/Markierung.h"
#include "curves/edit/Radzoom.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {

void Kurvensitzung::ZugBeginnen(double breitePx, double hoehePx) {
  ZeichenflaecheSetzen(*this, breitePx, hoehePx);
  markeVorDemZug_ = gMarkierung;
}

void Kurvensitzung::MarkeZuruecknehmen() {
  MarkierungZuruecknehmen(*this, markeVorDemZug_);
}

void Kurvensitzung::RadZoom(double x, bool hinein) {
  ZoomUmZeit(*this, x, hinein);
}

void Kurvensitzung::RadVerschieben(double schritte) {
  SichtVerschieben(*this, schritte);
}

}  // namespace curves
