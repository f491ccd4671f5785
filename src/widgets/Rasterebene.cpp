#include "widgets/Rasterebene.h"

#include <algorithm>
#include <cmath>

#include "widgets/Punktlaufplot.h"

namespace widgets {

common::Pixelabbildung AchsenAbbildung(const QCustomPlot* plot) {
  const QRect r = plot->axisRect()->rect();
  const QCPRange x = plot->xAxis->range(), y = plot->yAxis->range();
  common::Pixelabbildung a;
  a.Breite = std::max(r.width(), 1);
  a.Hoehe = std::max(r.height(), 1);
  a.Xs = x.size() > 0 ? a.Breite / x.size() : 0.0;
  a.X0 = -x.lower * a.Xs;
  // The upper end of the Y range on the top row and the lower end on the row above the
  // bottom one, which the X axis's line covers: a curve at full scale or at zero lies on the
  // plot's edge and must show there. (The axis itself puts the upper end one pixel above the
  // plot area and the lower end on its line.)
  const int unten = std::max(a.Hoehe - 2, 1);
  a.Ys = y.size() > 0 ? -unten / y.size() : 0.0;
  a.Y0 = unten - y.lower * a.Ys;
  return a;
}

Rasterebene::Rasterebene(QCustomPlot* plot) : QCPLayerable(plot) {}

void Rasterebene::Anhaengen(Rasterzug* zug) {
  eintraege_.push_back({zug, nullptr});
}

void Rasterebene::Anhaengen(Punktlaufplot* punkte) {
  eintraege_.push_back({nullptr, punkte});
}

QRect Rasterebene::clipRect() const {
  return mParentPlot->axisRect()->rect();
}

void Rasterebene::ZugMalen(const Rasterzug& zug, const common::Pixelabbildung& a) {
  spannen_.Leeren();
  for (const QCPGraphData& p : *zug.data()) spannen_.Punkt(a.Px(p.key), a.Py(p.value));
  const int rand = static_cast<int>(std::lround((zug.pen().widthF() - 1.0) / 2.0));
  raster_.Spannen(spannen_, zug.pen().color(), std::max(rand, 0));
}

void Rasterebene::PunkteMalen(const Punktlaufplot& punkte, const common::Pixelabbildung& a) {
  punkte.Balken(a, rechtecke_);
  raster_.Rechtecke(rechtecke_, punkte.pen().color());
  if (punkte.Halo().alpha() != 0) {
    for (QRect& r : rechtecke_) r.adjust(-1, -1, 1, 1);
    raster_.Rechtecke(rechtecke_, punkte.Halo());
  }
}

QImage* Rasterebene::Direktziel(QCPPainter* painter, const QRect& flaeche) {
  // Only an image the painter writes into pixel for pixel, as it is: no scaling, no
  // transformation, no copy on write, the whole plot area inside.
  QPaintDevice* geraet = painter->device();
  if (geraet == nullptr || geraet->devType() != QInternal::Image) return nullptr;
  auto* bild = static_cast<QImage*>(geraet);
  if (bild->format() != QImage::Format_ARGB32_Premultiplied || bild->devicePixelRatio() != 1.0 ||
      !bild->isDetached() || !bild->rect().contains(flaeche) ||
      painter->deviceTransform().type() != QTransform::TxNone ||
      painter->paintEngine()->type() != QPaintEngine::Raster)
    return nullptr;
  return bild;
}

void Rasterebene::draw(QCPPainter* painter) {
  const QRect flaeche = mParentPlot->axisRect()->rect();
  const common::Pixelabbildung a = AchsenAbbildung(mParentPlot);
  if (spannen_.Breite() != a.Breite || spannen_.Hoehe() != a.Hoehe)
    spannen_.Groesse(a.Breite, a.Hoehe);
  QImage* ziel = Direktziel(painter, flaeche);
  if (ziel != nullptr)
    raster_.Auf(*ziel, flaeche);
  else if (raster_.Fremd() || raster_.Groesse() != QSize(a.Breite, a.Hoehe))
    raster_.Groesse(a.Breite, a.Hoehe);
  else
    raster_.Leeren();
  // From the top plot down: each pixel is painted once, by the plot that shows there.
  for (auto e = eintraege_.rbegin(); e != eintraege_.rend(); ++e) {
    if (e->Zug && e->Zug->visible()) ZugMalen(*e->Zug, a);
    if (e->Punkte && e->Punkte->visible()) PunkteMalen(*e->Punkte, a);
  }
  raster_.Malen(*painter, flaeche.topLeft());
}

}  // namespace widgets
