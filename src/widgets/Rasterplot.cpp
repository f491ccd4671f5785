#include "widgets/Rasterplot.h"

namespace widgets {

Bildpuffer::Bildpuffer(const QSize& groesse, double pixelverhaeltnis)
    : QCPAbstractPaintBuffer(groesse, pixelverhaeltnis) {
  Bildpuffer::reallocateBuffer();
}

QCPPainter* Bildpuffer::startPainting() {
  return new QCPPainter(&bild_);
}

void Bildpuffer::draw(QCPPainter* painter) const {
  if (painter != nullptr && painter->isActive()) painter->drawImage(0, 0, bild_);
}

void Bildpuffer::clear(const QColor& farbe) {
  bild_.fill(farbe);
}

void Bildpuffer::reallocateBuffer() {
  setInvalidated();
  bild_ = QImage(mSize * mDevicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  bild_.setDevicePixelRatio(mDevicePixelRatio);
}

void Rasterplot::updateLayout() {
  QCustomPlot::updateLayout();
  if (openGl()) return;
  // One buffer for the layers up to the first buffered one, one for each buffered layer,
  // and one more after a buffered layer followed by logical ones: as the plot counts them.
  qsizetype anzahl = 1;
  for (qsizetype i = 0; i < mLayers.size(); ++i) {
    if (mLayers.at(i)->mode() != QCPLayer::lmBuffered) continue;
    ++anzahl;
    if (i + 1 < mLayers.size() && mLayers.at(i + 1)->mode() == QCPLayer::lmLogical) ++anzahl;
  }
  for (qsizetype i = 0; i < anzahl; ++i) {
    if (i < mPaintBuffers.size() && mPaintBuffers.at(i).dynamicCast<Bildpuffer>()) continue;
    QSharedPointer<QCPAbstractPaintBuffer> puffer(
        new Bildpuffer(viewport().size(), mBufferDevicePixelRatio));
    if (i < mPaintBuffers.size())
      mPaintBuffers[i] = puffer;
    else
      mPaintBuffers.append(puffer);
  }
}

}  // namespace widgets
