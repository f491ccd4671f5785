#include "curves/gui/Kurvenwerkzeuge.h"

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
#include "widgets/Kurvengrafik.h"
#include "widgets/Werkzeugvorschau.h"

namespace curves::gui {

Kurvenwerkzeuge::Kurvenwerkzeuge(Kurvenpanel& panel, Kurvensitzung& sitzung)
    : p_(panel), sitzung_(sitzung) {}

void Kurvenwerkzeuge::ZugBeginnen(double breitePx, double hoehePx) {
  ZeichenflaecheSetzen(sitzung_, breitePx, hoehePx);
  markeVorDemZug_ = sitzung_.gMarkierung;
}

void Kurvenwerkzeuge::MausSetzen(QPoint maus) {
  p_.Dialoge().MausSetzen(maus);
}

bool Kurvenwerkzeuge::ZugAbbrechbar() const {
  const Werkzeug w = p_.AktivesWerkzeug();
  return w == Werkzeug::Zeichnen || w == Werkzeug::Verschieben || w == Werkzeug::Markieren;
}

void Kurvenwerkzeuge::Abbrechen() {
  p_.Grafik().ZeichenVorschau(false);
  p_.Grafik().VerschiebeVorschau(false);
  frischerZug_ = true;
  if (!erstesDruecken_) {
    erstesDruecken_ = true;
    MarkierungZuruecknehmen(sitzung_, markeVorDemZug_);
    MarkierungZeichnen(p_.Grafik(), sitzung_);
    p_.Grafik().Neuzeichnen();
  }
  p_.MarkierungsstatusLoeschen();
}

void Kurvenwerkzeuge::Rad(double x, double schritte, bool zoom) {
  if (zoom)
    ZoomUmZeit(sitzung_, x, schritte > 0);
  else
    SichtVerschieben(sitzung_, schritte);
  p_.ZeichnenMitScrollbar();
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
      p_.Grafik().ZeichenVorschau(true, v.X0, v.Y0, v.X, v.Y);
      break;
    }
    case Werkzeug::Markieren:
      if (erstesDruecken_) {
        MarkierungBeginnen(sitzung_, x);
        erstesDruecken_ = false;
      } else {
        MarkierungZiehen(sitzung_, x);
      }
      MarkierungZeichnen(p_.Grafik(), sitzung_);
      p_.Ui().GRAPH->replot(QCustomPlot::rpQueuedReplot);
      p_.Ui().GRAPHKLEIN->replot(QCustomPlot::rpQueuedReplot);
      p_.MarkierungsstatusAnzeigen();
      break;
    case Werkzeug::Verschieben: {
      if (frischerZug_) {
        gewaehlterPunkt_ = NaechsterPunkt(sitzung_, x, y);
        frischerZug_ = false;
      }
      const Verschiebevorschau v = VerschiebeVorschau(sitzung_, gewaehlterPunkt_, x, y);
      p_.KoordinatenAnzeigen(v.X, v.Y);
      widgets::VerschiebevorschauZeigen(p_.Grafik(), v);
      break;
    }
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
      p_.Grafik().ZeichenVorschau(false);
      PunktAnhaengen(sitzung_, x, y, p_.ListenZeitbasis());
      p_.KurvenpanelZeichnen();
      break;
    case Werkzeug::Markieren:
      MarkierungAbschliessen(sitzung_, x);
      erstesDruecken_ = true;
      MarkierungZeichnen(p_.Grafik(), sitzung_);
      p_.Ui().GRAPH->replot();
      p_.Ui().GRAPHKLEIN->replot();
      break;
    case Werkzeug::Verschieben:
      p_.Grafik().VerschiebeVorschau(false);
      if (!frischerZug_) PunktVerschieben(sitzung_, gewaehlterPunkt_, x, y);
      frischerZug_ = true;
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

}  // namespace curves::gui
