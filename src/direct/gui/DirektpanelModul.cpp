#include "direct/gui/DirektpanelModul.h"

#include "config/gui/Neuskalierung.h"
#include "direct/Abfrage.h"
#include "direct/Direktpanel.h"
#include "direct/gui/DirektpanelFenster.h"

namespace direct::gui {

QWidget* DirektpanelLaden(Direktpaneleintrag& e, QWidget* hauptfenster,
                          const widgets::Fensterumgebung& umgebung) {
  e.fenster = new DirektpanelFenster(e.sitzung, hauptfenster, umgebung);
  return e.fenster;
}

int DirektpanelFensterInit(Direktpaneleintrag& e) {
  if (e.neuskalierung < 0)
    e.neuskalierung = config::gui::NeuskalierungAnmelden(
        [&s = e.sitzung] { direct::Direktpanel_SkaliereElemente(s); });
  return e.fenster ? e.fenster->Init() : DirektpanelInit(e.sitzung);
}

void DirektpanelFensterClear(Direktpaneleintrag& e) {
  AbfrageBeenden(e.sitzung);
  if (e.neuskalierung >= 0) config::gui::NeuskalierungAbmelden(e.neuskalierung);
  e.neuskalierung = -1;
  DirektpanelClear(e.sitzung);
}

}  // namespace direct::gui
