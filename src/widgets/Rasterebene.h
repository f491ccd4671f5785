// The curve plots of one QCustomPlot painted by hand on a pixel canvas (see Pixelraster):
// each plot stays a plottable of its own holding its data, pen and visibility, but draws
// nothing itself; the layerable in front of them paints them all, in their order, and puts
// the canvas on the plot area once. Polylines become spans per pixel column, marker runs
// filled bars, so a redraw costs what the pixels cost whatever the curve. On a Rasterplot
// the pixels go straight into the plot's buffer, with no canvas in between.
#pragma once

#include <qcustomplot.h>

#include <QPointer>
#include <vector>

#include "common/Spaltenausduennung.h"
#include "common/Spannenzug.h"
#include "widgets/Pixelraster.h"

namespace widgets {

class Punktlaufplot;

// Curve coordinates to the pixels of a plot's axis rect, as QCustomPlot maps its linear
// axes, counted from the rect's top left corner; in Y both ends of the range lie inside,
// clear of the X axis's line on the bottom row.
common::Pixelabbildung AchsenAbbildung(const QCustomPlot* plot);

// A polyline through its data points in its pen's colour, drawn by the Rasterebene. A pen
// wider than one pixel makes it an outline: the line widened on every side.
class Rasterzug : public QCPGraph {
 public:
  Rasterzug(QCPAxis* x, QCPAxis* y) : QCPGraph(x, y) { setAdaptiveSampling(false); }

 protected:
  void draw(QCPPainter*) override {}
};

class Rasterebene : public QCPLayerable {
 public:
  // On the plot's current layer; the plots appended are painted where it stands there.
  explicit Rasterebene(QCustomPlot* plot);

  void Anhaengen(Rasterzug* zug);
  void Anhaengen(Punktlaufplot* punkte);
  // Whether the last drawing wrote straight into the image the plot paints on (a
  // Rasterplot's buffer) rather than on a canvas of its own.
  bool Direkt() const { return raster_.Fremd(); }

 protected:
  void applyDefaultAntialiasingHint(QCPPainter*) const override {}
  void draw(QCPPainter* painter) override;
  QRect clipRect() const override;

 private:
  struct Eintrag {
    QPointer<Rasterzug> Zug;
    QPointer<Punktlaufplot> Punkte;
  };
  // The image the painter paints into, when the plot area can be written there directly.
  static QImage* Direktziel(QCPPainter* painter, const QRect& flaeche);
  void ZugMalen(const Rasterzug& zug, const common::Pixelabbildung& a);
  void PunkteMalen(const Punktlaufplot& punkte, const common::Pixelabbildung& a);

  std::vector<Eintrag> eintraege_;
  common::Spannenzug spannen_;
  Pixelraster raster_;
  QVector<QRect> rechtecke_;  // reused by every drawing
};

}  // namespace widgets
