#include "widgets/Editorwerkzeuge.h"

#include "widgets/Editorfenster.h"
#include "widgets/Kurvengrafik.h"

namespace widgets {

Editorwerkzeuge::Editorwerkzeuge(Editorfenster& fenster, common::Editorsitzung& sitzung)
    : fenster_(fenster), grafik_(fenster.Grafik()), editorsitzung_(sitzung) {}

void Editorwerkzeuge::ZugBeginnen(double breitePx, double hoehePx) {
  editorsitzung_.ZugBeginnen(breitePx, hoehePx);
}

bool Editorwerkzeuge::ZugAbbrechbar() const {
  using W = Editorwerkzeug;
  const auto w = static_cast<W>(fenster_.Werkzeugnummer());
  return w == W::Zeichnen || w == W::Verschieben || w == W::Markieren;
}

void Editorwerkzeuge::Abbrechen() {
  grafik_.ZeichenVorschau(false);
  grafik_.VerschiebeVorschau(false);
  frischerZug_ = true;
  if (!neueMarkierung_) {
    neueMarkierung_ = true;
    editorsitzung_.MarkeZuruecknehmen();
    fenster_.ZeichnenMitScrollbar();
  }
  Abgebrochen();
}

void Editorwerkzeuge::Rad(double x, double schritte, bool zoom) {
  if (zoom)
    editorsitzung_.RadZoom(x, schritte > 0);
  else
    editorsitzung_.RadVerschieben(schritte);
  fenster_.ZeichnenMitScrollbar();
}

}  // namespace widgets
