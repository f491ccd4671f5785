#include "widgets/Punktlaufplot.h"

#include <algorithm>
#include <cmath>

#include "widgets/Spaltenbild.h"

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

void Punktlaufplot::Balken(const common::Pixelabbildung& a, QVector<QRect>& ziel) const {
  ziel.clear();
  for (const auto& l : laeufe_) {
    const QRect r = Laufbalken(l, a, groesse_);
    if (!ziel.isEmpty()) {
      QRect& vorher = ziel.last();
      if (vorher.top() == r.top() && vorher.height() == r.height() &&
          vorher.right() + 1 >= r.left() && vorher.left() <= r.left()) {
        vorher.setRight(std::max(vorher.right(), r.right()));
        continue;
      }
    }
    ziel.push_back(r);
  }
}

}  // namespace widgets
