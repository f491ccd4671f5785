#include "characteristic/gui/Kennlwerkzeuge.h"

#include "characteristic/edit/KennlAnsicht.h"
#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/edit/KennlFelder.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/edit/KennlRaster.h"
#include "characteristic/gui/Kennldialoge.h"
#include "characteristic/gui/Kennlinienpanel.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Werkzeugvorschau.h"

namespace characteristic::gui {

static_assert(static_cast<int>(KennlWerkzeug::Markieren) == 0 &&
              static_cast<int>(KennlWerkzeug::Zeichnen) == 1 &&
              static_cast<int>(KennlWerkzeug::Verschieben) == 2);

void Kennlwerkzeuge::ZugBeginnen(double breitePx, double hoehePx) {
  KennlZeichenflaecheSetzen(sitzung_, breitePx, hoehePx);
  markeVorDemZug_ = sitzung_.gKennl.Mark;
}

void Kennlwerkzeuge::MarkeZuruecknehmen() {
  KennlMarkierungZuruecknehmen(sitzung_, markeVorDemZug_);
  MarkierungZeichnen(sitzung_, grafik_);
}

void Kennlwerkzeuge::SichtBewegen(double x, double schritte, bool zoom) {
  if (zoom)
    KennlZoomUmX(sitzung_, x, schritte > 0);
  else
    KennlSichtVerschieben(sitzung_, schritte);
}

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

}  // namespace characteristic::gui
