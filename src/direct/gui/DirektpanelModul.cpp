#include "direct/gui/DirektpanelModul.h"

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
  if (!e.neuskalierung.Aktiv())
    e.neuskalierung = e.sitzung.Konfig.Neuskalierungen.Abonnieren(
        [&s = e.sitzung] { direct::Direktpanel_SkaliereElemente(s); });
  return e.fenster ? e.fenster->Init() : DirektpanelInit(e.sitzung);
}

void DirektpanelFensterClear(Direktpaneleintrag& e) {
  AbfrageBeenden(e.sitzung);
  e.neuskalierung.Beenden();
  DirektpanelClear(e.sitzung);
}

}  // namespace direct::gui
