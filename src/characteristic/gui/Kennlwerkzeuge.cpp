// The characteristic window's mouse tools on its graph: what each tool previews while the
// button is down and does at the release, with the session's core functions. The
// graph-editor mouse filter of the shared kit calls them (Escape and the wheel are the
// shared tools', over the session); the window keeps the tool choice.
#include <memory>

#include "characteristic/edit/KennlAnsicht.h"
#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/edit/KennlFelder.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/edit/KennlRaster.h"
#include "characteristic/gui/Kennldialoge.h"
#include "characteristic/gui/Kennlinienpanel.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "widgets/Editorwerkzeuge.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Werkzeugvorschau.h"

namespace characteristic::gui {

namespace {

class Kennlwerkzeuge : public widgets::Sitzungswerkzeuge<Kennlinienpanel, Kennliniensitzung> {
 public:
  using Sitzungswerkzeuge::Sitzungswerkzeuge;

  void Vorschau(double x, double y, bool erste) override;
  void Uebernehmen(double x, double y) override;
};

void Kennlwerkzeuge::Vorschau(double x, double y, bool) {
  switch (p_.AktivesWerkzeug()) {
    case KennlWerkzeug::Markieren:
      MarkeVorschauen(sitzung_, x, &KennlMarkierungBeginnen, &KennlMarkierungZiehen);
      MarkierungZeichnen(sitzung_, grafik_);
      grafik_.Graph()->replot(QCustomPlot::rpQueuedReplot);
      grafik_.Klein()->replot(QCustomPlot::rpQueuedReplot);
      break;
    case KennlWerkzeug::Zeichnen: {
      const KennlAnhaengeposition v = KennlAnhaengenBei(sitzung_, x, y);
      if (!v.Gueltig) {
        grafik_.ZeichenVorschau(false);
        break;
      }
      p_.KoordinatenAnzeigen(v.X, v.Y);
      grafik_.ZeichenVorschau(true, v.X0, v.Y0, v.X, v.Y);
      break;
    }
    case KennlWerkzeug::Verschieben:
      VerschiebenVorschauen(sitzung_, x, y, &KennlNaechsterPunkt, &KennlVerschiebenBei);
      break;
    case KennlWerkzeug::Koordinaten:
      p_.KoordinatenAnzeigen(x, y);
      break;
    default:
      break;
  }
}

void Kennlwerkzeuge::Uebernehmen(double x, double y) {
  switch (p_.AktivesWerkzeug()) {
    case KennlWerkzeug::Markieren:
      MarkeAbschliessen(sitzung_, x, &KennlMarkierungAbschliessen);
      MarkierungZeichnen(sitzung_, grafik_);
      grafik_.Neuzeichnen();
      break;
    case KennlWerkzeug::Zeichnen:
      grafik_.ZeichenVorschau(false);
      KennlPunktAnhaengen(sitzung_, x, y);
      p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::Verschieben:
      VerschiebenAbschliessen(sitzung_, x, y, &KennlPunktVerschieben);
      p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::Punktdialog:
      if (KennlPunktKoordinatenAendern(sitzung_, x, y) == 1) p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::PunktLoeschen:
      KennlPunktLoeschen(sitzung_, x, y);
      p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::Teilen:
      KennlGeradeTeilen(sitzung_, x);
      p_.KennlinienpanelZeichnen();
      break;
    default:
      break;
  }
}

}  // namespace

std::unique_ptr<widgets::Grapheditor> KennlwerkzeugeAnlegen(Kennlinienpanel& fenster,
                                                            Kennliniensitzung& sitzung) {
  return std::make_unique<Kennlwerkzeuge>(fenster, sitzung);
}

}  // namespace characteristic::gui
