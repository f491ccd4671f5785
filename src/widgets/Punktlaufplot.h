// The point markers of a curve as the graph draws them: the runs the column decimation
// kept, each one bar of the marker's width, so the cost follows the pixels, not the points.
// A QCPGraph all the same: its data holds the top marker of every run, its pen the colour.
// The Rasterebene in front of it paints the bars.
#pragma once

#include <qcustomplot.h>

#include <vector>

#include "common/Spaltenausduennung.h"

namespace widgets {

class Punktlaufplot : public QCPGraph {
 public:
  Punktlaufplot(QCPAxis* x, QCPAxis* y, int groesse);

  void Setzen(const std::vector<common::Punktlauf>& laeufe);
  const std::vector<common::Punktlauf>& Laeufe() const { return laeufe_; }
  int Groesse() const { return groesse_; }
  // An outline of one pixel round the markers; transparent: none.
  void Halo(const QColor& farbe) { halo_ = farbe; }
  QColor Halo() const { return halo_; }
  // The bars in pixels of the mapping; equal bars of neighbouring columns (a dense curve)
  // become one rectangle.
  void Balken(const common::Pixelabbildung& a, QVector<QRect>& ziel) const;

 protected:
  void draw(QCPPainter*) override {}

 private:
  std::vector<common::Punktlauf> laeufe_;
  int groesse_;
  QColor halo_{Qt::transparent};
};

}  // namespace widgets
