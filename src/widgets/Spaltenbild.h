// Painting what the column decimation kept: polylines as pixel polylines, marker runs as
// bars of the marker's width. The same pixel arithmetic as one square per marker, so a
// run paints exactly the squares it stands for.
#pragma once

#include <QColor>
#include <QPolygonF>
#include <QRect>
#include <vector>

#include "common/Spaltenausduennung.h"

class QPainter;

namespace widgets {

using common::Pixelabbildung;
using common::Punktlauf;
using common::Zeichenpunkt;

QPolygonF Pixelzug(const std::vector<Zeichenpunkt>& punkte, const Pixelabbildung& a);
// The square of one marker centred on the rounded pixel of (x, y).
QRect Punktquadrat(double x, double y, const Pixelabbildung& a, int groesse);
// The bar of one run: the squares of its top and bottom marker and all between.
QRect Laufbalken(const Punktlauf& lauf, const Pixelabbildung& a, int groesse);
void PunktlaeufeMalen(QPainter& maler, const std::vector<Punktlauf>& laeufe,
                      const Pixelabbildung& a, int groesse, const QColor& farbe);

}  // namespace widgets
