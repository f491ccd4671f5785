#include "widgets/Verbindungssymbol.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "widgets/Direkthilfe.h"
#include "device/Companel.h"
#include "widgets/Hilfefilter.h"

namespace widgets {

namespace {
const QColor kGetrennt(150, 150, 150);
const QColor kVerbunden(0, 160, 0);
}  // namespace

Verbindungssymbol::Verbindungssymbol(QWidget* parent) : QLabel(parent) {
  setMinimumSize(56, 44);
  setCursor(Qt::PointingHandCursor);
  TooltipSetzen();
}

void Verbindungssymbol::VerbindungSetzen(device::Verbindung* verbindung) {
  verbindung_ = verbindung;
  abo_ = verbindung ? verbindung->CompanelAbonnieren([this] {
    TooltipSetzen();
    update();
  })
                    : device::Verbindung::AnzeigeAbo{};
  TooltipSetzen();
  update();
}

int Verbindungssymbol::Wert() const {
  return verbindung_ ? verbindung_->Companel().verbindungssymbol : -1;
}

void Verbindungssymbol::TooltipSetzen() {
  int w = Wert();
  if (w < 0)
    setToolTip(tr("Not connected - click to connect"));
  else if (w == 0)
    setToolTip(tr("Connected to a port above COM8 - click to disconnect"));
  else
    setToolTip(tr("Connected to COM%1 - click to disconnect").arg(w));
}

void Verbindungssymbol::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int w = Wert();
  const bool verbunden = w >= 0;
  const QColor farbe = verbunden ? kVerbunden : kGetrennt;
  const qreal breite = width();
  const qreal hoehe = height();
  const qreal mitte = hoehe * 0.38;
  const qreal stecker = hoehe * 0.32;

  p.setPen(QPen(farbe.darker(130), 1.5));
  p.setBrush(farbe);
  // Cable on the left, socket body on the right; the plug meets it when connected.
  qreal luecke = verbunden ? 0.0 : breite * 0.12;
  qreal steckerRechts = breite * 0.5 - luecke / 2;
  p.drawLine(QPointF(2, mitte), QPointF(steckerRechts - breite * 0.18, mitte));
  QRectF steckerKoerper(steckerRechts - breite * 0.18, mitte - stecker / 2, breite * 0.14, stecker);
  p.drawRoundedRect(steckerKoerper, 2, 2);
  p.drawLine(QPointF(steckerKoerper.right(), mitte - stecker * 0.25),
             QPointF(steckerRechts, mitte - stecker * 0.25));
  p.drawLine(QPointF(steckerKoerper.right(), mitte + stecker * 0.25),
             QPointF(steckerRechts, mitte + stecker * 0.25));
  qreal buchseLinks = breite * 0.5 + luecke / 2;
  QRectF buchse(buchseLinks, mitte - stecker * 0.6, breite * 0.16, stecker * 1.2);
  p.drawRoundedRect(buchse, 2, 2);
  p.drawLine(QPointF(buchse.right(), mitte), QPointF(breite - 2, mitte));

  QString text = w < 0 ? QStringLiteral("offline")
                       : (w == 0 ? QStringLiteral("COM>8") : QStringLiteral("COM%1").arg(w));
  QFont f = font();
  f.setPixelSize(std::max(9, static_cast<int>(hoehe * 0.26)));
  f.setBold(verbunden);
  p.setFont(f);
  p.setPen(verbunden ? kVerbunden.darker(120) : kGetrennt.darker(140));
  p.drawText(QRectF(0, hoehe * 0.62, breite, hoehe * 0.38), Qt::AlignCenter, text);
}

void Verbindungssymbol::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (widgets::HilfeAktiv()) {
    widgets::Hilfetext(kHilfeVerbindungssymbol);
    return;
  }
  if (verbindung_) device::ComPictureKlick(*verbindung_);
}

}  // namespace widgets
