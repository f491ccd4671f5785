#include "widgets/Hilfepopup.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace widgets {

namespace {
constexpr int kRand = 5;
}

Hilfepopup::Hilfepopup(const QString& text, QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint), label_(new QLabel(this)) {
  setFrameShape(QFrame::Box);
  label_->setTextFormat(Qt::PlainText);
  label_->setText(text);
  label_->adjustSize();
  label_->move(kRand, kRand);
  setFixedSize(label_->width() + 2 * kRand, label_->height() + 2 * kRand);
}

QPoint Hilfepopup::Position(QPoint maus, QSize bereich, QSize popup) {
  int x = 2 * maus.x() > bereich.width() ? maus.x() - popup.width() : maus.x();
  int y = 2 * maus.y() > bereich.height() ? maus.y() - popup.height() : maus.y();
  return {x, y};
}

void Hilfepopup::Platzieren(QPoint maus, const QRect& bereich) {
  move(bereich.topLeft() + Position(maus - bereich.topLeft(), bereich.size(), size()));
}

void Hilfepopup::Ausfuehren() {
  QEventLoop schleife;
  connect(this, &Hilfepopup::geschlossen, &schleife, &QEventLoop::quit);
  show();
  if (isVisible()) schleife.exec();
}

// The click that opened the popup has already been pressed; the next press of the left
// button ends it. A press outside the popup closes it too (Qt closes popups on outside
// clicks).
void Hilfepopup::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) close();
}

void Hilfepopup::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QFrame::keyPressEvent(event);
}

void Hilfepopup::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  emit geschlossen();
}

}  // namespace widgets
