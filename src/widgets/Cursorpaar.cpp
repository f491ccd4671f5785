#include "widgets/Cursorpaar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

#include "widgets/Direkthilfe.h"
#include "widgets/Kurvengrafik.h"

namespace widgets {

namespace {

const QColor kCursorfarbe{0x80, 0x00, 0xA0};
const QColor kAnzeigegrund{0xFF, 0xFF, 0xFF, 0xE0};
const QColor kAnzeigerand{0x60, 0x60, 0x60};

bool Pfeil(const QKeyEvent* e) {
  return e->key() == Qt::Key_Left || e->key() == Qt::Key_Right;
}

}  // namespace

std::optional<double> NaechsteStelle(const std::vector<double>& sortiert, double x, int richtung) {
  if (sortiert.empty() || !std::isfinite(x)) return std::nullopt;
  if (richtung > 0) {
    auto it = std::upper_bound(sortiert.begin(), sortiert.end(), x);
    if (it == sortiert.end()) return std::nullopt;
    return *it;
  }
  auto it = std::lower_bound(sortiert.begin(), sortiert.end(), x);
  if (richtung < 0) {
    if (it == sortiert.begin()) return std::nullopt;
    return *std::prev(it);
  }
  if (it == sortiert.end()) return sortiert.back();
  if (it == sortiert.begin()) return *it;
  const double vorher = *std::prev(it);
  return x - vorher <= *it - x ? vorher : *it;
}

Cursorpaar::Cursorpaar(QCustomPlot* graph, int anzahl)
    : QObject(graph),
      graph_(graph),
      ebene_(graph->layer("overlay")),
      anzahl_(std::clamp(anzahl, 1, 2)),
      fokusVorher_(graph->focusPolicy()) {
  QPen stift(kCursorfarbe);
  stift.setStyle(Qt::DashLine);
  for (int i = 0; i < anzahl_; ++i) {
    auto* linie = new QCPItemStraightLine(graph_);
    linie->setLayer(ebene_);
    linie->setPen(stift);
    linie->setSelectable(false);
    linie->setVisible(false);
    linien_[i] = linie;
    auto* nummer = new QCPItemText(graph_);
    nummer->setLayer(ebene_);
    nummer->position->setTypeX(QCPItemPosition::ptPlotCoords);
    nummer->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    nummer->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    nummer->setPadding(QMargins(3, 1, 3, 1));
    nummer->setColor(kCursorfarbe);
    nummer->setText(QString::number(i + 1));
    nummer->setSelectable(false);
    nummer->setVisible(false);
    nummern_[i] = nummer;
  }
  anzeige_ = new QCPItemText(graph_);
  anzeige_->setLayer(ebene_);
  anzeige_->position->setType(QCPItemPosition::ptAxisRectRatio);
  anzeige_->position->setCoords(1.0, 0.0);
  anzeige_->setPositionAlignment(Qt::AlignRight | Qt::AlignTop);
  anzeige_->setTextAlignment(Qt::AlignLeft);
  anzeige_->setPadding(QMargins(6, 4, 6, 4));
  anzeige_->setBrush(QBrush(kAnzeigegrund));
  anzeige_->setPen(QPen(kAnzeigerand));
  anzeige_->setColor(Qt::black);
  // Its frame lies on the plot area's edge, where the clip would cut it.
  anzeige_->setClipToAxisRect(false);
  anzeige_->setSelectable(false);
  anzeige_->setVisible(false);
  graph_->installEventFilter(this);
  // A full redraw may come with new data beneath the cursors: the readout follows it.
  connect(graph_, &QCustomPlot::beforeReplot, this, [this] {
    if (an_) Zeigen();
  });
}

Cursorpaar::~Cursorpaar() = default;

void Cursorpaar::WerkzeugSetzen(bool an) {
  if (an == an_) return;
  an_ = an;
  ziehen_ = false;
  if (an) {
    fokusVorher_ = graph_->focusPolicy();
    graph_->setFocusPolicy(Qt::ClickFocus);
    graph_->setCursor(Qt::CrossCursor);
    // A buffer of its own: from now on a move repaints the overlay alone.
    ebene_->setMode(QCPLayer::lmBuffered);
  } else {
    graph_->setFocusPolicy(fokusVorher_);
    graph_->unsetCursor();
    ebene_->setMode(QCPLayer::lmLogical);
  }
  Zeigen();
  // The buffers are laid out anew, which takes one full redraw.
  graph_->replot();
}

void Cursorpaar::CursorSetzen(int i, double x) {
  if (i < 0 || i >= anzahl_ || !std::isfinite(x)) return;
  // A second cursor before the first: the first takes its place.
  if (i >= stellung_.Gesetzt) i = stellung_.Gesetzt;
  Stellen(i, x);
  Zeigen();
  if (an_) ebene_->replot();
  emit Bewegt();
}

void Cursorpaar::Entfernen() {
  stellung_ = {};
  gewaehlt_ = -1;
  ziehen_ = false;
  Zeigen();
  if (an_) ebene_->replot();
}

void Cursorpaar::Aktualisieren() {
  Zeigen();
  if (an_) ebene_->replot();
}

QString Cursorpaar::Text() const {
  return anzeige_->visible() ? anzeige_->text() : QString();
}

void Cursorpaar::Stellen(int i, double x) {
  (i == 0 ? stellung_.X1 : stellung_.X2) = x;
  stellung_.Gesetzt = std::max(stellung_.Gesetzt, i + 1);
  gewaehlt_ = i;
}

void Cursorpaar::Zeigen() {
  for (int i = 0; i < anzahl_; ++i) {
    const bool da = an_ && i < stellung_.Gesetzt;
    const double x = i == 0 ? stellung_.X1 : stellung_.X2;
    linien_[i]->point1->setCoords(x, 0.0);
    linien_[i]->point2->setCoords(x, 1.0);
    QPen stift = linien_[i]->pen();
    // The cursor the keys move is drawn solid.
    stift.setStyle(i == gewaehlt_ ? Qt::SolidLine : Qt::DashLine);
    linien_[i]->setPen(stift);
    linien_[i]->setVisible(da);
    nummern_[i]->position->setCoords(x, 0.0);
    nummern_[i]->setVisible(da && anzahl_ > 1);
  }
  const QString text = an_ && stellung_.Gesetzt > 0 && ablesung_ ? ablesung_(stellung_) : QString();
  anzeige_->setText(text);
  anzeige_->setVisible(!text.isEmpty());
}

double Cursorpaar::MausX(QPointF pixel, bool einrasten) const {
  const double x = KoordinatenImSichtbereich(graph_, pixel).x();
  if ((einrasten || immerEinrasten_) && einrasten_) {
    if (auto punkt = einrasten_(x, 0)) return *punkt;
  }
  return x;
}

int Cursorpaar::CursorBei(double pixelX) const {
  int beste = -1;
  double abstand = kGreifweite;
  for (int i = 0; i < stellung_.Gesetzt; ++i) {
    const double x = i == 0 ? stellung_.X1 : stellung_.X2;
    const double d = std::abs(graph_->xAxis->coordToPixel(x) - pixelX);
    if (d <= abstand) {
      abstand = d;
      beste = i;
    }
  }
  return beste;
}

void Cursorpaar::Tasten(int richtung, bool einrasten) {
  if (gewaehlt_ < 0) return;
  const double x = gewaehlt_ == 0 ? stellung_.X1 : stellung_.X2;
  double neu = x;
  if ((einrasten || immerEinrasten_) && einrasten_) {
    if (auto punkt = einrasten_(x, richtung)) neu = *punkt;
  } else {
    // One pixel of the view.
    const double px = graph_->xAxis->coordToPixel(x);
    neu = graph_->xAxis->pixelToCoord(px + richtung);
  }
  CursorSetzen(gewaehlt_, neu);
}

bool Cursorpaar::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != graph_ || !an_ || widgets::HilfeAktiv())
    return QObject::eventFilter(objekt, ereignis);
  switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* e = static_cast<QMouseEvent*>(ereignis);
      if (e->button() == Qt::RightButton) Entfernen();
      if (e->button() != Qt::LeftButton) return true;
      graph_->setFocus(Qt::MouseFocusReason);
      int i = CursorBei(e->position().x());
      if (i < 0 && stellung_.Gesetzt < anzahl_) i = stellung_.Gesetzt;
      if (i < 0) {
        // Both placed and none under the mouse: the nearer one comes.
        const double px = e->position().x();
        const double d1 = std::abs(graph_->xAxis->coordToPixel(stellung_.X1) - px);
        const double d2 = std::abs(graph_->xAxis->coordToPixel(stellung_.X2) - px);
        i = d1 <= d2 ? 0 : 1;
      }
      ziehen_ = true;
      CursorSetzen(i, MausX(e->position(), e->modifiers() & Qt::ShiftModifier));
      return true;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(ereignis);
      if (ziehen_ && (e->buttons() & Qt::LeftButton)) {
        CursorSetzen(gewaehlt_, MausX(e->position(), e->modifiers() & Qt::ShiftModifier));
      } else {
        graph_->setCursor(CursorBei(e->position().x()) >= 0 ? Qt::SplitHCursor : Qt::CrossCursor);
      }
      return true;
    }
    case QEvent::MouseButtonRelease:
      ziehen_ = false;
      return true;
    case QEvent::ShortcutOverride: {
      auto* e = static_cast<QKeyEvent*>(ereignis);
      if (!Pfeil(e) || gewaehlt_ < 0) break;
      e->accept();
      return true;
    }
    case QEvent::KeyPress: {
      auto* e = static_cast<QKeyEvent*>(ereignis);
      if (!Pfeil(e) || gewaehlt_ < 0) break;
      Tasten(e->key() == Qt::Key_Left ? -1 : 1, e->modifiers() & Qt::ShiftModifier);
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(objekt, ereignis);
}

}  // namespace widgets
