// The graphs of the editor windows paint their curves straight into the plot's own image
// buffer: the picture on the screen is the one a plain QCustomPlot shows, with a drawing
// preview in a buffer of its own or without; exported (painted on a pixmap, so by way of
// the canvas), the same as the plain plot's export.
#include <gtest/gtest.h>

#include <QApplication>

#include "widgets/Kurvengrafik.h"
#include "widgets/Rasterplot.h"

namespace {

using widgets::Kurvenreihen;

template <typename Plot>
struct Graphen {
  Plot graph, klein;
  widgets::Kurvengrafik grafik{&graph, &klein, 4095};

  Graphen() {
    graph.resize(400, 260);
    klein.resize(400, 80);
    graph.show();
    klein.show();
    QApplication::processEvents();
    grafik.SichtSetzen(0, 1000);
    // A saw-tooth with its markers and steps; the background curve in a light colour
    // (drawn on its outline); the markers of the foreground apart from its line.
    Kurvenreihen vorn, hinten;
    for (int i = 0; i <= 400; ++i) {
      const double x = i * 2.5, y = (i * 613) % 4096;
      vorn.Linien.push_back({x, y});
      vorn.Stufen.push_back({x, y});
      vorn.Stufen.push_back({x + 2.5, y});
      if (i % 7 == 0) vorn.Punkte.push_back({x, 4095.0 - y});
      hinten.Linien.push_back({x, 2000.0 + (i % 40) * 40});
    }
    vorn.Uebersicht = vorn.Linien;
    grafik.HintergrundZeichnen(&hinten, {QColor(255, 255, 150), Qt::transparent, Qt::transparent,
                                         Qt::transparent, Qt::transparent});
    grafik.VordergrundZeichnen(
        vorn, {Qt::red, Qt::blue, QColor(0, 128, 128), Qt::red, QColor(0, 128, 128)});
    grafik.Neuzeichnen();
  }
  QImage Bild() { return graph.grab().toImage(); }
};

TEST(Rasterplot, ShowsWhatAPlainPlotShows) {
  Graphen<QCustomPlot> schlicht;
  Graphen<widgets::Rasterplot> direkt;
  const widgets::Rasterebene* raster = direkt.grafik.RasterGross();
  EXPECT_TRUE(raster->Direkt());
  EXPECT_EQ(schlicht.Bild(), direkt.Bild());
  EXPECT_EQ(schlicht.klein.grab().toImage(), direkt.klein.grab().toImage());

  // A preview gets a buffer of its own, above the curves'.
  for (auto* g : {&schlicht.grafik, &direkt.grafik}) {
    g->ZeichenVorschau(true, 100, 500, 600, 3500);
    g->Neuzeichnen();
  }
  EXPECT_TRUE(raster->Direkt());
  const QImage mitVorschau = direkt.Bild();
  EXPECT_EQ(schlicht.Bild(), mitVorschau);

  // Exported, the curves are painted on the canvas and put on the pixmap.
  EXPECT_EQ(schlicht.graph.toPixmap().toImage(), direkt.graph.toPixmap().toImage());
  EXPECT_FALSE(raster->Direkt());
}

// A flat curve at either end of the Y range lies on the plot's edge: it must show along
// that edge, not under the X axis's line on the bottom row.
template <typename Plot>
int FarbigeSpaltenAmRand(double y) {
  Graphen<Plot> g;
  Kurvenreihen flach;
  flach.Linien = {{0, y}, {1000, y}};
  g.grafik.HintergrundZeichnen(nullptr);
  g.grafik.VordergrundZeichnen(
      flach, {Qt::red, Qt::transparent, Qt::transparent, Qt::transparent, Qt::transparent});
  g.grafik.Neuzeichnen();
  const QImage bild = g.Bild();
  const QRect r = g.graph.axisRect()->rect();
  int farbig = 0;
  for (int x = r.left(); x <= r.right(); ++x) {
    bool rot = false;
    for (int zeile : {r.top(), r.top() + 1, r.bottom() - 1, r.bottom()})
      rot = rot || bild.pixelColor(x, zeile) == QColor(Qt::red);
    farbig += rot ? 1 : 0;
  }
  return farbig * 100 / r.width();
}

TEST(Rasterplot, ACurveOnEitherEdgeShowsAlongIt) {
  // All but the columns where the axis's ticks reach into the plot (under the axis line, none).
  for (double y : {0.0, 4095.0}) {
    EXPECT_GE(FarbigeSpaltenAmRand<QCustomPlot>(y), 90) << y;
    EXPECT_GE(FarbigeSpaltenAmRand<widgets::Rasterplot>(y), 90) << y;
  }
}

}  // namespace
