#include "widgets/Spaltenbild.h"

#include <QPainter>
#include <cmath>

namespace widgets {

QPolygonF Pixelzug(const std::vector<Zeichenpunkt>& punkte, const Pixelabbildung& a) {
  QPolygonF zug;
  zug.reserve(static_cast<qsizetype>(punkte.size()));
  for (const auto& p : punkte) zug.push_back(QPointF(a.Px(p.X), a.Py(p.Y)));
  return zug;
}

QRect Punktquadrat(double x, double y, const Pixelabbildung& a, int groesse) {
  const int px = static_cast<int>(std::round(a.Px(x)));
  const int py = static_cast<int>(std::round(a.Py(y)));
  return {px - groesse / 2, py - groesse / 2, groesse, groesse};
}

QRect Laufbalken(const Punktlauf& lauf, const Pixelabbildung& a, int groesse) {
  const QRect oben = Punktquadrat(lauf.X, lauf.YOben, a, groesse);
  const QRect unten = Punktquadrat(lauf.X, lauf.YUnten, a, groesse);
  return oben.united(unten);
}

void PunktlaeufeMalen(QPainter& maler, const std::vector<Punktlauf>& laeufe,
                      const Pixelabbildung& a, int groesse, const QColor& farbe) {
  for (const auto& l : laeufe) maler.fillRect(Laufbalken(l, a, groesse), farbe);
}

}  // namespace widgets
