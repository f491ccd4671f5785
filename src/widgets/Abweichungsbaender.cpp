#include "widgets/Abweichungsbaender.h"

namespace widgets {
namespace {

// Orange, apart from the green mark, the red previews and the curves' colours; the curve
// stays visible through it.
const QColor kRand{0xE0, 0x60, 0x00};
const QColor kFuellung{0xFF, 0x80, 0x00, 0x50};

QCPItemRect* BandAnlegen(QCustomPlot* plot, double von, double bis) {
  auto* r = new QCPItemRect(plot);
  r->setLayer("overlay");
  r->setSelectable(false);
  r->setPen(QPen(kRand));
  r->setBrush(QBrush(kFuellung));
  // X in graph coordinates, Y over the whole plot area whatever the zoom.
  r->topLeft->setTypeY(QCPItemPosition::ptAxisRectRatio);
  r->bottomRight->setTypeY(QCPItemPosition::ptAxisRectRatio);
  r->topLeft->setCoords(von, 0.0);
  r->bottomRight->setCoords(bis, 1.0);
  return r;
}

}  // namespace

Abweichungsbaender::Abweichungsbaender(QCustomPlot* graph, QCustomPlot* klein)
    : graph_(graph), kleinPlot_(klein) {}

void Abweichungsbaender::Setzen(const std::vector<std::pair<double, double>>& bereiche) {
  for (QCPItemRect* r : gross_) graph_->removeItem(r);
  for (QCPItemRect* r : klein_) kleinPlot_->removeItem(r);
  gross_.clear();
  klein_.clear();
  for (const auto& [von, bis] : bereiche) {
    gross_.push_back(BandAnlegen(graph_, von, bis));
    klein_.push_back(BandAnlegen(kleinPlot_, von, bis));
  }
}

}  // namespace widgets
