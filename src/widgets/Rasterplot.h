// A QCustomPlot whose layers are painted into plain images instead of pixmaps, so a
// layerable can write pixels into the image it is painted on (see Rasterebene): a dense
// curve is then written once, where the plot shows it, with no canvas of its own to clear
// and to blend. Drawn on the screen exactly as a QCustomPlot.
#pragma once

#include <qcustomplot.h>

namespace widgets {

// One paint buffer: an image in the raster format every pixel write expects.
class Bildpuffer : public QCPAbstractPaintBuffer {
 public:
  Bildpuffer(const QSize& groesse, double pixelverhaeltnis);

  QCPPainter* startPainting() override;
  void draw(QCPPainter* painter) const override;
  void clear(const QColor& farbe) override;

 protected:
  void reallocateBuffer() override;

 private:
  QImage bild_;
};

class Rasterplot : public QCustomPlot {
 public:
  explicit Rasterplot(QWidget* parent = nullptr) : QCustomPlot(parent) {}

 protected:
  // Runs right before the plot sets up its paint buffers on every redraw: the buffers it
  // will use are made image buffers here, as many as its layers ask for.
  void updateLayout() override;
};

}  // namespace widgets
