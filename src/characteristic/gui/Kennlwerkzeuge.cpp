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

Kennlwerkzeuge::Kennlwerkzeuge(Kennlinienpanel& panel, Kennliniensitzung& sitzung)
    : p_(panel), sitzung_(sitzung) {}

void Kennlwerkzeuge::ZugBeginnen(double breitePx, double hoehePx) {
  KennlZeichenflaecheSetzen(sitzung_, breitePx, hoehePx);
  markeVorDemZug_ = sitzung_.gKennl.Mark;
}

void Kennlwerkzeuge::MausSetzen(QPoint maus) {
  p_.Dialoge().MausSetzen(maus);
}

bool Kennlwerkzeuge::ZugAbbrechbar() const {
  const KennlWerkzeug w = p_.AktivesWerkzeug();
  return w == KennlWerkzeug::Zeichnen || w == KennlWerkzeug::Verschieben ||
         w == KennlWerkzeug::Markieren;
}

void Kennlwerkzeuge::Abbrechen() {
  widgets::Kurvengrafik& grafik = p_.Grafik();
  grafik.ZeichenVorschau(false);
  grafik.VerschiebeVorschau(false);
  frischerZug_ = true;
  if (!neueMarkierung_) {
    neueMarkierung_ = true;
    KennlMarkierungZuruecknehmen(sitzung_, markeVorDemZug_);
    MarkierungZeichnen(sitzung_, grafik);
    grafik.Neuzeichnen();
  }
}

void Kennlwerkzeuge::Rad(double x, double schritte, bool zoom) {
  if (zoom)
    KennlZoomUmX(sitzung_, x, schritte > 0);
  else
    KennlSichtVerschieben(sitzung_, schritte);
  p_.ZeichnenMitScrollbar();
}

void Kennlwerkzeuge::Vorschau(double x, double y, bool) {
  widgets::Kurvengrafik& grafik = p_.Grafik();
  switch (p_.AktivesWerkzeug()) {
    case KennlWerkzeug::Markieren:
      if (neueMarkierung_) {
        KennlMarkierungBeginnen(sitzung_, x);
        neueMarkierung_ = false;
      } else {
        KennlMarkierungZiehen(sitzung_, x);
      }
      MarkierungZeichnen(sitzung_, grafik);
      grafik.Graph()->replot(QCustomPlot::rpQueuedReplot);
      grafik.Klein()->replot(QCustomPlot::rpQueuedReplot);
      break;
    case KennlWerkzeug::Zeichnen: {
      const KennlAnhaengeposition v = KennlAnhaengenBei(sitzung_, x, y);
      if (!v.Gueltig) {
        grafik.ZeichenVorschau(false);
        break;
      }
      p_.KoordinatenAnzeigen(v.X, v.Y);
      grafik.ZeichenVorschau(true, v.X0, v.Y0, v.X, v.Y);
      break;
    }
    case KennlWerkzeug::Verschieben: {
      if (frischerZug_) {
        gewaehlterPunkt_ = KennlNaechsterPunkt(sitzung_, x, y);
        frischerZug_ = false;
      }
      const KennlVerschiebevorschau v = KennlVerschiebenBei(sitzung_, gewaehlterPunkt_, x, y);
      p_.KoordinatenAnzeigen(v.X, v.Y);
      widgets::VerschiebevorschauZeigen(grafik, v);
      break;
    }
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
      KennlMarkierungAbschliessen(sitzung_, x);
      neueMarkierung_ = true;
      MarkierungZeichnen(sitzung_, p_.Grafik());
      p_.Grafik().Neuzeichnen();
      break;
    case KennlWerkzeug::Zeichnen:
      p_.Grafik().ZeichenVorschau(false);
      KennlPunktAnhaengen(sitzung_, x, y);
      p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::Verschieben:
      p_.Grafik().VerschiebeVorschau(false);
      if (!frischerZug_) KennlPunktVerschieben(sitzung_, gewaehlterPunkt_, x, y);
      frischerZug_ = true;
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
