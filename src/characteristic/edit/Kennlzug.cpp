// The characteristic session's answers to the shared mouse tools, with its core functions.
#include "characteristic/edit/KennlAnsicht.h"
#include "characteristic/edit/KennlFelder.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

void Kennliniensitzung::ZugBeginnen(double breitePx, double hoehePx) {
  KennlZeichenflaecheSetzen(*this, breitePx, hoehePx);
  markeVorDemZug_ = gKennl.Mark;
}

void Kennliniensitzung::MarkeZuruecknehmen() {
  KennlMarkierungZuruecknehmen(*this, markeVorDemZug_);
}

void Kennliniensitzung::RadZoom(double x, bool hinein) {
  KennlZoomUmX(*this, x, hinein);
}

void Kennliniensitzung::RadVerschieben(double schritte) {
  KennlSichtVerschieben(*this, schritte);
}

}  // namespace characteristic
