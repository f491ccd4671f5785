#include "characteristic/gui/Kennlmaus.h"

#include <qcustomplot.h>

#include <QMouseEvent>
#include <algorithm>
#include <vector>

#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/edit/KennlRaster.h"
#include "characteristic/gui/Kennldialoge.h"
#include "characteristic/gui/Kennlhilfetexte.h"
#include "characteristic/gui/Kennlinienpanel.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "common/Direkthilfe.h"
#include "ui_KENNLPNL.h"
#include "widgets/Kurvengrafik.h"

namespace characteristic::gui {

Kennlmaus::Kennlmaus(Kennlinienpanel& panel)
    : QObject(&panel), p_(panel), graph_(panel.Ui().GRAPH) {
  graph_->installEventFilter(this);
}

bool Kennlmaus::eventFilter(QObject* objekt, QEvent* ereignis) {
  // Compared with the graph kept at the start: while the window is being destroyed the
  // graph may still see events, and the window must not be asked then.
  if (objekt == graph_) {
    switch (ereignis->type()) {
      // The second press of a quick double click arrives as a double click only.
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        Gedrueckt(static_cast<QMouseEvent*>(ereignis));
        break;
      case QEvent::MouseMove:
        Gezogen(static_cast<QMouseEvent*>(ereignis));
        break;
      case QEvent::MouseButtonRelease:
        Losgelassen(static_cast<QMouseEvent*>(ereignis));
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(objekt, ereignis);
}

QPointF Kennlmaus::Cursor(const QMouseEvent* e) const {
  return widgets::KoordinatenImSichtbereich(p_.Ui().GRAPH, e->position());
}

void Kennlmaus::Gedrueckt(const QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (common::gHilfeAktiv) {
    common::Hilfetext(hilfe::kGraph);
    return;
  }
  // The nearest point is found in screen distance on the plot area as it is now.
  const QRect flaeche = p_.Ui().GRAPH->axisRect()->rect();
  gKennl.Felder.BreitePx = flaeche.width();
  gKennl.Felder.HoehePx = flaeche.height();
  p_.Dialoge().MausSetzen(e->position().toPoint());
  gedrueckt_ = true;
  const QPointF p = Cursor(e);
  Vorschau(p.x(), p.y());
}

void Kennlmaus::Gezogen(const QMouseEvent* e) {
  if (!gedrueckt_ || !(e->buttons() & Qt::LeftButton)) return;
  p_.Dialoge().MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  Vorschau(p.x(), p.y());
}

void Kennlmaus::Losgelassen(const QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !gedrueckt_) return;
  gedrueckt_ = false;
  p_.Dialoge().MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  Uebernehmen(p.x(), p.y());
}

void Kennlmaus::Vorschau(double x, double y) {
  widgets::Kurvengrafik& grafik = p_.Grafik();
  switch (p_.AktivesWerkzeug()) {
    case KennlWerkzeug::Markieren:
      if (neueMarkierung_) {
        KennlMarkierungBeginnen(x);
        neueMarkierung_ = false;
      } else {
        KennlMarkierungZiehen(x);
      }
      MarkierungZeichnen(grafik);
      grafik.Graph()->replot(QCustomPlot::rpQueuedReplot);
      grafik.Klein()->replot(QCustomPlot::rpQueuedReplot);
      break;
    case KennlWerkzeug::Zeichnen: {
      const KennlAnhaengeposition v = KennlAnhaengenBei(x, y);
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
        gewaehlterPunkt_ = KennlNaechsterPunkt(x, y);
        frischerZug_ = false;
      }
      const KennlVerschiebevorschau v = KennlVerschiebenBei(gewaehlterPunkt_, x, y);
      p_.KoordinatenAnzeigen(v.X, v.Y);
      std::vector<QPointF> linie;
      if (v.MitLinks) linie.emplace_back(v.LinksX, v.LinksY);
      linie.emplace_back(v.X, v.Y);
      if (v.MitRechts) linie.emplace_back(v.RechtsX, v.RechtsY);
      grafik.VerschiebeVorschau(true, linie, QPointF(v.X, v.Y));
      break;
    }
    case KennlWerkzeug::Koordinaten:
      p_.KoordinatenAnzeigen(x, y);
      break;
    default:
      break;
  }
}

void Kennlmaus::Uebernehmen(double x, double y) {
  switch (p_.AktivesWerkzeug()) {
    case KennlWerkzeug::Markieren:
      KennlMarkierungAbschliessen(x);
      neueMarkierung_ = true;
      MarkierungZeichnen(p_.Grafik());
      p_.Grafik().Neuzeichnen();
      break;
    case KennlWerkzeug::Zeichnen:
      p_.Grafik().ZeichenVorschau(false);
      KennlPunktAnhaengen(x, y);
      p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::Verschieben:
      p_.Grafik().VerschiebeVorschau(false);
      if (!frischerZug_) KennlPunktVerschieben(gewaehlterPunkt_, x, y);
      frischerZug_ = true;
      p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::Punktdialog:
      if (KennlPunktKoordinatenAendern(x, y) == 1) p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::PunktLoeschen:
      KennlPunktLoeschen(x, y);
      p_.KennlinienpanelZeichnen();
      break;
    case KennlWerkzeug::Teilen:
      KennlGeradeTeilen(x);
      p_.KennlinienpanelZeichnen();
      break;
    default:
      break;
  }
}

}  // namespace characteristic::gui
