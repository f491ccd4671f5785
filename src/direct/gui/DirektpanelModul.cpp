#include "direct/gui/DirektpanelModul.h"

#include <QPointer>

#include "config/gui/Neuskalierung.h"
#include "direct/Abfrage.h"
#include "direct/Direktpanel.h"
#include "direct/gui/DirektpanelFenster.h"

namespace direct::gui {
namespace {

QPointer<DirektpanelFenster> fenster;
int neuskalierung = -1;

}  // namespace

QWidget* DirektpanelLaden(QWidget* hauptfenster, const widgets::Fensterumgebung& umgebung) {
  fenster = new DirektpanelFenster(hauptfenster, umgebung);
  return fenster;
}

int DirektpanelFensterInit() {
  if (neuskalierung < 0)
    neuskalierung =
        config::gui::NeuskalierungAnmelden([] { direct::Direktpanel_SkaliereElemente(); });
  return fenster ? fenster->Init() : DirektpanelInit();
}

void DirektpanelFensterClear() {
  AbfrageBeenden();
  if (neuskalierung >= 0) config::gui::NeuskalierungAbmelden(neuskalierung);
  neuskalierung = -1;
  DirektpanelClear();
}

DirektpanelFenster* Direktfenster() {
  return fenster;
}

}  // namespace direct::gui
