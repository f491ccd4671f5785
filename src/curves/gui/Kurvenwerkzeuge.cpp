// The curve window's mouse tools on its graph: what each tool previews while the button
// is down and does at the release, with the session's core functions. The graph-editor
// mouse filter of the shared kit calls them (Escape and the wheel are the shared tools',
// over the session); the window keeps the tool choice.
#include <memory>
#include <vector>

#include "curves/edit/Ansicht.h"
#include "curves/edit/BearbeitenGeraden.h"
#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/BearbeitenPunkte.h"
#include "curves/edit/Markierung.h"
#include "curves/edit/Radzoom.h"
#include "curves/gui/Kurvendialoge.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "curves/model/Kurvenmodell.h"
#include "ui_KURVENPNL.h"
#include "widgets/Editorwerkzeuge.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Werkzeugvorschau.h"

namespace curves::gui {

namespace {

class Kurvenwerkzeuge : public widgets::Sitzungswerkzeuge<Kurvenpanel, Kurvensitzung> {
 public:
  using Sitzungswerkzeuge::Sitzungswerkzeuge;

  void Vorschau(double x, double y, bool erste) override;
  void Uebernehmen(double x, double y) override;

 private:
  void Abgebrochen() override;
};

void Kurvenwerkzeuge::Abgebrochen() {
  p_.MarkierungsstatusLoeschen();
}

void Kurvenwerkzeuge::Vorschau(double x, double y, bool erste) {
  switch (p_.AktivesWerkzeug()) {
    case Werkzeug::Koordinaten: {
      const int i = GeradenIndexBeiZeit(sitzung_, x);
      const int code = AktuelleKurveDaten(sitzung_).Punkte[i].Zeitbasis;
      p_.Ui().ZEITBASISINDICATOR->setCurrentIndex(p_.Ui().ZEITBASISINDICATOR->findData(code));
      p_.KoordinatenAnzeigen(x, y);
      break;
    }
    case Werkzeug::Zeichnen: {
      const Zeichenvorschau v = ZeichenVorschau(sitzung_, x, y, p_.ListenZeitbasis());
      p_.KoordinatenAnzeigen(v.X, v.Y);
      grafik_.ZeichenVorschau(true, v.X0, v.Y0, v.X, v.Y);
      break;
    }
    case Werkzeug::Markieren:
      MarkeVorschauen(sitzung_, x, &MarkierungBeginnen, &MarkierungZiehen);
      MarkierungZeichnen(grafik_, sitzung_);
      p_.Ui().GRAPH->replot(QCustomPlot::rpQueuedReplot);
      p_.Ui().GRAPHKLEIN->replot(QCustomPlot::rpQueuedReplot);
      p_.MarkierungsstatusAnzeigen();
      break;
    case Werkzeug::Verschieben:
      VerschiebenVorschauen(sitzung_, x, y, &NaechsterPunkt, &VerschiebeVorschau);
      break;
    case Werkzeug::Zeitbasis:
      if (erste && ZeitbasisAendernMitMenue(sitzung_, x)) {
        p_.ZeichnenMitScrollbar();
      }
      break;
    default:
      break;
  }
}

void Kurvenwerkzeuge::Uebernehmen(double x, double y) {
  const Werkzeug werkzeug = p_.AktivesWerkzeug();
  switch (werkzeug) {
    case Werkzeug::Laenge:
      GeradenlaengeAendern(sitzung_, x);
      p_.KurvenpanelZeichnen();
      break;
    case Werkzeug::Teilen:
      GeradeTeilen(sitzung_, x);
      p_.KurvenpanelZeichnen();
      break;
    case Werkzeug::PunktLoeschen:
      PunktLoeschen(sitzung_, x, y);
      p_.KurvenpanelZeichnen();
      break;
    case Werkzeug::Zeichnen:
      grafik_.ZeichenVorschau(false);
      PunktAnhaengen(sitzung_, x, y, p_.ListenZeitbasis());
      p_.KurvenpanelZeichnen();
      break;
    case Werkzeug::Markieren:
      MarkeAbschliessen(sitzung_, x, &MarkierungAbschliessen);
      MarkierungZeichnen(grafik_, sitzung_);
      p_.Ui().GRAPH->replot();
      p_.Ui().GRAPHKLEIN->replot();
      break;
    case Werkzeug::Verschieben:
      VerschiebenAbschliessen(sitzung_, x, y, &PunktVerschieben);
      p_.KurvenpanelZeichnen();
      break;
    case Werkzeug::Punktdialog:
      if (PunktKoordinatenAendern(sitzung_, x, y) == 1) p_.KurvenpanelZeichnen();
      break;
    default:
      break;
  }
  // An edit may change the curve's length, and with it the scroll bar's thumb.
  if (werkzeug != Werkzeug::Markieren) p_.ScrollbalkenZeigen();
}

}  // namespace

std::unique_ptr<widgets::Grapheditor> KurvenwerkzeugeAnlegen(Kurvenpanel& fenster,
                                                             Kurvensitzung& sitzung) {
  return std::make_unique<Kurvenwerkzeuge>(fenster, sitzung);
}

}  // namespace curves::gui
