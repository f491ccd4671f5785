#include "direct/gui/Zeigerinstrument.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace direct::gui {
namespace {

// The scale runs over 240 degrees, from lower left to lower right.
constexpr double kAnfangGrad = 210.0;
constexpr double kSpanneGrad = 240.0;
constexpr int kTeilstriche = 10;

}  // namespace

Zeigerinstrument::Zeigerinstrument(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Zeigerinstrument::BereichSetzen(double min, double max, int nachkommastellen) {
  min_ = min;
  max_ = max;
  stellen_ = nachkommastellen;
  update();
}

void Zeigerinstrument::WertSetzen(double wert) {
  wert_ = wert;
  update();
}

void Zeigerinstrument::EinheitSetzen(const QString& einheit) {
  einheit_ = einheit;
  update();
}

QString Zeigerinstrument::WertText() const {
  return QString::number(wert_, 'f', stellen_);
}

void Zeigerinstrument::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(event);
}

void Zeigerinstrument::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  const QColor vorne = isEnabled() ? pal.color(QPalette::WindowText)
                                   : pal.color(QPalette::Disabled, QPalette::WindowText);
  const int textHoehe = fontMetrics().height();
  // The dial above, the digital value in the lowest line.
  const double r =
      std::max(10.0, std::min(width() / 2.0 - 6.0, (height() - 2.0 * textHoehe - 6.0) * 0.62));
  const QPointF mitte(width() / 2.0, 4.0 + r);

  p.setPen(QPen(vorne, 2));
  const QRectF bogen(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r);
  p.drawArc(bogen, static_cast<int>((kAnfangGrad - kSpanneGrad) * 16),
            static_cast<int>(kSpanneGrad * 16));
  const auto punkt = [&](double anteil, double radius) {
    const double w = qDegreesToRadians(kAnfangGrad - anteil * kSpanneGrad);
    return QPointF(mitte.x() + radius * std::cos(w), mitte.y() - radius * std::sin(w));
  };
  p.setPen(QPen(vorne, 1));
  for (int i = 0; i <= kTeilstriche; ++i) {
    const double a = static_cast<double>(i) / kTeilstriche;
    p.drawLine(punkt(a, r), punkt(a, i % 5 == 0 ? r * 0.8 : r * 0.9));
  }
  QFont klein = font();
  klein.setPointSizeF(std::max(6.0, klein.pointSizeF() * 0.8));
  p.setFont(klein);
  const QFontMetrics km(klein);
  const auto beschriften = [&](double anteil, double zahl) {
    const QString t = QString::number(zahl, 'g', 4);
    const QPointF q = punkt(anteil, r * 0.62);
    p.drawText(QRectF(q.x() - km.horizontalAdvance(t) / 2.0 - 2, q.y() - km.height() / 2.0,
                      km.horizontalAdvance(t) + 4, km.height()),
               Qt::AlignCenter, t);
  };
  beschriften(0.0, min_);
  beschriften(1.0, max_);

  // The pointer stops at the ends of the scale; a value without a range stays at its start.
  double anteil = max_ != min_ ? (wert_ - min_) / (max_ - min_) : 0.0;
  if (!std::isfinite(anteil)) anteil = 0.0;
  anteil = std::clamp(anteil, 0.0, 1.0);
  p.setPen(QPen(isEnabled() ? QColor(200, 0, 0) : vorne, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(mitte, punkt(anteil, r * 0.9));
  p.setBrush(vorne);
  p.drawEllipse(mitte, 3.5, 3.5);

  p.setFont(font());
  p.setPen(vorne);
  const QString text = WertText() + (einheit_.isEmpty() ? QString() : " " + einheit_);
  p.drawText(QRectF(0, height() - textHoehe - 2, width(), textHoehe), Qt::AlignCenter, text);
}

}  // namespace direct::gui
