// The move tool's preview in a Kurvengrafik, from any editor's preview record: the point at
// (X, Y) with the line from its left neighbour and to its right one, where it has them.
#pragma once

#include <QPointF>
#include <vector>

#include "widgets/Kurvengrafik.h"

namespace widgets {

template <class V>
void VerschiebevorschauZeigen(Kurvengrafik& grafik, const V& v) {
  std::vector<QPointF> linie;
  if (v.MitLinks) linie.emplace_back(v.LinksX, v.LinksY);
  linie.emplace_back(v.X, v.Y);
  if (v.MitRechts) linie.emplace_back(v.RechtsX, v.RechtsY);
  grafik.VerschiebeVorschau(true, linie, QPointF(v.X, v.Y));
}

}  // namespace widgets
