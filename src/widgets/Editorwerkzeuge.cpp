#include "widgets/Editorwerkzeuge.h"

#include "widgets/Editorfenster.h"
#include "widgets/Kurvengrafik.h"

namespace widgets {

Editorwerkzeuge::Editorwerkzeuge(Editorfenster& fenster)
    : fenster_(fenster), grafik_(fenster.Grafik()) {}

bool Editorwerkzeuge::ZugAbbrechbar() const {
  const int w = fenster_.Werkzeugnummer();
  return w == kZeichnen || w == kVerschieben || w == kMarkieren;
}

void Editorwerkzeuge::Abbrechen() {
  grafik_.ZeichenVorschau(false);
  grafik_.VerschiebeVorschau(false);
  frischerZug_ = true;
  if (!neueMarkierung_) {
    neueMarkierung_ = true;
    MarkeZuruecknehmen();
    grafik_.Neuzeichnen();
  }
  Abgebrochen();
}

void Editorwerkzeuge::Rad(double x, double schritte, bool zoom) {
  SichtBewegen(x, schritte, zoom);
  fenster_.ZeichnenMitScrollbar();
}

}  // namespace widgets
