#include "widgets/Punktlaufplot.h"

#include <algorithm>
#include <cmath>

namespace widgets {

Punktlaufplot::Punktlaufplot(QCPAxis* x, QCPAxis* y, int groesse)
    : QCPGraph(x, y), groesse_(groesse) {
  setLineStyle(lsNone);
  setSelectable(QCP::stNone);
  setAdaptiveSampling(false);
}

void Punktlaufplot::Setzen(const std::vector<common::Punktlauf>& laeufe) {
  laeufe_.assign(laeufe.begin(), laeufe.end());
  QVector<QCPGraphData> oben;
  oben.reserve(static_cast<qsizetype>(laeufe.size()));
  for (const auto& l : laeufe) oben.push_back({l.X, l.YOben});
  data()->set(oben, true);
}

void Punktlaufplot::draw(QCPPainter* painter) {
  const QCPAxis* x = keyAxis();
  const QCPAxis* y = valueAxis();
  if (x == nullptr || y == nullptr || laeufe_.empty()) return;
  // Opaque squares, copied without blending: the same pixels as one square per marker.
  // Equal bars of neighbouring columns (a dense curve) become one rectangle.
  const int halb = groesse_ / 2;
  rechtecke_.clear();
  for (const auto& l : laeufe_) {
    const int px = static_cast<int>(std::round(x->coordToPixel(l.X)));
    const int oben = static_cast<int>(std::round(y->coordToPixel(l.YOben)));
    const int unten = static_cast<int>(std::round(y->coordToPixel(l.YUnten)));
    const QRect r(px - halb, std::min(oben, unten) - halb, groesse_,
                  std::abs(unten - oben) + groesse_);
    if (!rechtecke_.isEmpty()) {
      QRect& vorher = rechtecke_.last();
      if (vorher.top() == r.top() && vorher.height() == r.height() &&
          vorher.right() + 1 >= r.left() && vorher.left() <= r.left()) {
        vorher.setRight(std::max(vorher.right(), r.right()));
        continue;
      }
    }
    rechtecke_.push_back(r);
  }
  painter->setPen(Qt::NoPen);
  if (halo_.alpha() != 0) {
    painter->setBrush(halo_);
    for (const QRect& r : rechtecke_) painter->drawRect(r.adjusted(-1, -1, 1, 1));
  }
  painter->setBrush(pen().color());
  painter->drawRects(rechtecke_.constData(), static_cast<int>(rechtecke_.size()));
}

}  // namespace widgets
