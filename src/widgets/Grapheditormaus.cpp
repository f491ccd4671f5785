#include "widgets/Grapheditormaus.h"

#include <qcustomplot.h>

#include <QAction>
#include <QMouseEvent>
#include <QWheelEvent>

#include "widgets/Direkthilfe.h"
#include "widgets/Grapheditor.h"
#include "widgets/Kurvengrafik.h"

namespace widgets {

Grapheditormaus::Grapheditormaus(QWidget* fenster, QCustomPlot* graph, const char* hilfe,
                                 std::unique_ptr<Grapheditor> editor)
    : QObject(fenster),
      graph_(graph),
      hilfe_(hilfe),
      editorBesitz_(std::move(editor)),
      editor_(*editorBesitz_),
      abbruch_(new QAction(fenster)) {
  graph_->installEventFilter(this);
  abbruch_->setShortcut(Qt::Key_Escape);
  abbruch_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  abbruch_->setEnabled(false);
  connect(abbruch_, &QAction::triggered, this, &Grapheditormaus::ZugAbbrechen);
  fenster->addAction(abbruch_);
}

Grapheditormaus::~Grapheditormaus() = default;

bool Grapheditormaus::eventFilter(QObject* objekt, QEvent* ereignis) {
  // Compared with the graph kept at the start: while the window is being destroyed, the
  // graph may still see events, and the window must not be asked then.
  if (objekt == graph_) {
    switch (ereignis->type()) {
      // The second press of a quick double click arrives as a double click only; it is a
      // press all the same, or every second of two quick clicks would be lost.
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        Druecken(static_cast<QMouseEvent*>(ereignis));
        break;
      case QEvent::MouseMove:
        Ziehen(static_cast<QMouseEvent*>(ereignis));
        break;
      case QEvent::MouseButtonRelease:
        Loslassen(static_cast<QMouseEvent*>(ereignis));
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

QPointF Grapheditormaus::Cursor(const QMouseEvent* e) const {
  return KoordinatenImSichtbereich(graph_, e->position());
}

void Grapheditormaus::Druecken(const QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (widgets::HilfeAktiv()) {
    widgets::Hilfetext(hilfe_);
    return;
  }
  // The nearest point is found in screen distance on the plot area as it is now.
  const QRect flaeche = graph_->axisRect()->rect();
  editor_.ZugBeginnen(flaeche.width(), flaeche.height());
  editor_.MausSetzen(e->position().toPoint());
  gedrueckt_ = true;
  abbruch_->setEnabled(editor_.ZugAbbrechbar());
  const QPointF p = Cursor(e);
  editor_.Vorschau(p.x(), p.y(), true);
}

void Grapheditormaus::Ziehen(const QMouseEvent* e) {
  if (!gedrueckt_ || !(e->buttons() & Qt::LeftButton)) return;
  editor_.MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  editor_.Vorschau(p.x(), p.y(), false);
}

void Grapheditormaus::Loslassen(const QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !gedrueckt_) return;
  gedrueckt_ = false;
  abbruch_->setEnabled(false);
  editor_.MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  editor_.Uebernehmen(p.x(), p.y());
}

void Grapheditormaus::ZugAbbrechen() {
  abbruch_->setEnabled(false);
  if (!gedrueckt_) return;
  gedrueckt_ = false;
  editor_.Abbrechen();
}

void Grapheditormaus::Rad(const QWheelEvent* e) {
  if (widgets::HilfeAktiv() || gedrueckt_) return;
  const double schritte = e->angleDelta().y() / 120.0;
  if (schritte == 0.0) return;
  const bool zoom = e->modifiers() & Qt::ControlModifier;
  editor_.Rad(graph_->xAxis->pixelToCoord(e->position().x()), zoom ? schritte : -schritte, zoom);
}

}  // namespace widgets
