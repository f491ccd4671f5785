#include "curves/gui/Kurvenmaus.h"

#include <QAction>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <vector>

#include "common/Direkthilfe.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/BearbeitenGeraden.h"
#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/BearbeitenPunkte.h"
#include "curves/edit/Markierung.h"
#include "curves/edit/Radzoom.h"
#include "curves/gui/Kurvendialoge.h"
#include "curves/gui/Kurvenhilfetexte.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "curves/model/Kurvenmodell.h"
#include "ui_KURVENPNL.h"
#include "widgets/Kurvengrafik.h"

namespace curves::gui {

using common::gHilfeAktiv;
using common::Hilfetext;
namespace h = hilfe;

Kurvenmaus::Kurvenmaus(Kurvenpanel& panel, Kurvensitzung& sitzung)
    : QObject(&panel),
      p_(panel),
      sitzung_(sitzung),
      graph_(panel.Ui().GRAPH),
      abbruch_(new QAction(&panel)) {
  graph_->installEventFilter(this);
  abbruch_->setShortcut(Qt::Key_Escape);
  abbruch_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  abbruch_->setEnabled(false);
  connect(abbruch_, &QAction::triggered, this, &Kurvenmaus::ZugAbbrechen);
  panel.addAction(abbruch_);
}

bool Kurvenmaus::eventFilter(QObject* objekt, QEvent* ereignis) {
  // Compared with the graph kept at the start: while the window is being destroyed, the
  // graph may still see events, and the window must not be asked then.
  if (objekt == graph_) {
    switch (ereignis->type()) {
      // The second press of a quick double click arrives as a double click only; it is a
      // press all the same, or every second of two quick clicks would be lost.
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
      case QEvent::Wheel:
        Rad(static_cast<QWheelEvent*>(ereignis));
        return true;
      default:
        break;
    }
  }
  // The graph goes on with the event as before.
  return QObject::eventFilter(objekt, ereignis);
}

QPointF Kurvenmaus::Cursor(const QMouseEvent* e) const {
  return widgets::KoordinatenImSichtbereich(p_.Ui().GRAPH, e->position());
}

void Kurvenmaus::Gedrueckt(const QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (gHilfeAktiv) {
    Hilfetext(h::kGraph);
    return;
  }
  const QRect flaeche = p_.Ui().GRAPH->axisRect()->rect();
  ZeichenflaecheSetzen(sitzung_, flaeche.width(), flaeche.height());
  p_.Dialoge().MausSetzen(e->position().toPoint());
  gedrueckt_ = true;
  markeVorDemZug_ = sitzung_.gMarkierung;
  const Werkzeug w = p_.AktivesWerkzeug();
  abbruch_->setEnabled(w == Werkzeug::Zeichnen || w == Werkzeug::Verschieben ||
                       w == Werkzeug::Markieren);
  const QPointF p = Cursor(e);
  Vorschau(p.x(), p.y(), true);
}

void Kurvenmaus::ZugAbbrechen() {
  abbruch_->setEnabled(false);
  if (!gedrueckt_) return;
  gedrueckt_ = false;
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

void Kurvenmaus::Rad(const QWheelEvent* e) {
  if (gHilfeAktiv || gedrueckt_) return;
  const double schritte = e->angleDelta().y() / 120.0;
  if (schritte == 0.0) return;
  if (e->modifiers() & Qt::ControlModifier)
    ZoomUmZeit(sitzung_, p_.Ui().GRAPH->xAxis->pixelToCoord(e->position().x()), schritte > 0);
  else
    SichtVerschieben(sitzung_, -schritte);
  p_.ZeichnenMitScrollbar();
}

void Kurvenmaus::Gezogen(const QMouseEvent* e) {
  if (!gedrueckt_ || !(e->buttons() & Qt::LeftButton)) return;
  p_.Dialoge().MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  Vorschau(p.x(), p.y(), false);
}

void Kurvenmaus::Losgelassen(const QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !gedrueckt_) return;
  gedrueckt_ = false;
  abbruch_->setEnabled(false);
  p_.Dialoge().MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  Uebernehmen(p.x(), p.y());
}

void Kurvenmaus::Vorschau(double x, double y, bool erste) {
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
      std::vector<QPointF> linie;
      if (v.MitLinks) linie.emplace_back(v.LinksX, v.LinksY);
      linie.emplace_back(v.X, v.Y);
      if (v.MitRechts) linie.emplace_back(v.RechtsX, v.RechtsY);
      p_.Grafik().VerschiebeVorschau(true, linie, QPointF(v.X, v.Y));
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

void Kurvenmaus::Uebernehmen(double x, double y) {
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
