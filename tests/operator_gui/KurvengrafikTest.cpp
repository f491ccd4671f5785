// The drawing component on its own: given series and colours, no curve model.
#include <gtest/gtest.h>

#include "widgets/Kurvengrafik.h"

namespace {

using widgets::Kurvenreihen;

class KurvengrafikTest : public ::testing::Test {
 protected:
  void SetUp() override {
    graph.resize(300, 200);
    klein.resize(300, 60);
    grafik.SichtSetzen(0, 1000);
    graph.replot();  // lays the axes out, so that coordinates map to pixels
  }
  QCustomPlot graph, klein;
  widgets::Kurvengrafik grafik{&graph, &klein, 4095};
};

TEST_F(KurvengrafikTest, SeriesAndColoursAsGivenOneMarkerPerPixel) {
  Kurvenreihen r;
  r.Linien = {{0, 0}, {500, 4095}};
  r.Punkte = {{0, 0}, {0.1, 0}, {0.2, 1}, {500, 4095}};  // 0.1 and 0.2 fall on the pixel of 0
  r.Stufen = {{0, 0}, {500, 4095}};
  r.Uebersicht = {{0, 0}, {500, 4095}, {1000, 0}};
  grafik.VordergrundZeichnen(r, {Qt::red, Qt::red, Qt::blue, Qt::transparent, Qt::green});
  const auto& p = grafik.Aktuell();
  EXPECT_EQ(2, p.Linien->data()->size());
  EXPECT_EQ(2, p.Punkte->data()->size());
  EXPECT_EQ(500.0, (p.Punkte->data()->constBegin() + 1)->key);
  EXPECT_EQ(QColor(Qt::blue), p.Stufen->pen().color());
  EXPECT_FALSE(p.Schlusslinie->visible());  // transparent hides
  EXPECT_TRUE(p.Schlussstufen->visible());
  EXPECT_EQ(3, grafik.Uebersicht()->data()->size());
  EXPECT_EQ(QColor(Qt::blue), grafik.Uebersicht()->pen().color());

  grafik.HintergrundZeichnen(&r, {Qt::cyan, Qt::transparent, Qt::cyan, Qt::cyan, Qt::cyan});
  EXPECT_EQ(2, grafik.Hintergrund().Linien->data()->size());
  EXPECT_FALSE(grafik.Hintergrund().Punkte->visible());
  grafik.HintergrundZeichnen(nullptr);
  EXPECT_TRUE(grafik.Hintergrund().Linien->data()->isEmpty());
  EXPECT_TRUE(grafik.Hintergrund().Stufen->data()->isEmpty());
}

TEST_F(KurvengrafikTest, ViewFrameMarkAndMarkers) {
  grafik.ZeichenVorschau(true, 0, 0, 10, 10);
  grafik.SichtSetzen(100, 300);
  EXPECT_TRUE(grafik.VorschauPunkt()->data()->isEmpty());  // the old picture's preview goes
  EXPECT_EQ(100.0, graph.xAxis->range().lower);
  EXPECT_EQ(300.0, graph.xAxis->range().upper);
  EXPECT_TRUE(grafik.Rahmen()->visible());
  EXPECT_EQ(100.0, grafik.Rahmen()->topLeft->coords().x());
  EXPECT_EQ(4095.0, grafik.Rahmen()->topLeft->coords().y());

  grafik.MarkierungSetzen(true, 150, 250);
  EXPECT_TRUE(grafik.MarkierungGross()->visible());
  EXPECT_EQ(250.0, grafik.MarkierungKlein()->bottomRight->coords().x());
  grafik.MarkierungSetzen(false);
  EXPECT_FALSE(grafik.MarkierungGross()->visible());
  EXPECT_FALSE(grafik.MarkierungKlein()->visible());

  grafik.SenkrechtmarkenSetzen({{0, "1ms", false}, {200, "5ms", true}}, Qt::yellow);
  ASSERT_EQ(2u, grafik.ZeitbasisTexte().size());
  EXPECT_EQ("5ms", grafik.ZeitbasisTexte()[1]->text());
  EXPECT_EQ(3, grafik.ZeitbasisLinien()->data()->size());  // one line: bottom, top, gap
  grafik.SenkrechtmarkenSetzen({}, Qt::yellow);
  EXPECT_TRUE(grafik.ZeitbasisTexte().empty());
  EXPECT_TRUE(grafik.ZeitbasisLinien()->data()->isEmpty());
}

TEST_F(KurvengrafikTest, PreviewsRedrawAloneOnceShownAndLeaveNoBufferBehind) {
  int volle = 0;
  QObject::connect(&graph, &QCustomPlot::beforeReplot, [&] { ++volle; });
  grafik.ZeichenVorschau(true, 0, 0, 100, 2000);  // the first one sets its buffer up
  volle = 0;
  for (int x = 110; x < 200; x += 10) grafik.ZeichenVorschau(true, 0, 0, x, 2000);
  grafik.PunktHervorheben(true, 100, 2000);
  EXPECT_EQ(0, volle);  // whatever the curve, a preview costs only its own layer
  const QImage mit = graph.toPixmap().toImage();

  grafik.ZeichenVorschau(false);
  grafik.PunktHervorheben(false);
  grafik.Neuzeichnen();
  EXPECT_EQ(QCPLayer::lmLogical, graph.layer("vorschau")->mode());
  EXPECT_NE(mit, graph.toPixmap().toImage());  // and the preview is gone from the picture
}

}  // namespace
