// The drawn picture itself: the window is grabbed and the colours of lines, steps and the
// overview frame are looked for. With MIV_BILDSCHIRMFOTO set, the picture is also saved
// there (for a look under a real X server).
#include <QImage>

#include "Fensterhilfen.h"

namespace kurvenfenster {
namespace {

int Pixelzahl(const QImage& bild, QRgb farbe) {
  int n = 0;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x)
      if ((bild.pixel(x, y) & 0xFFFFFF) == (farbe & 0xFFFFFF)) ++n;
  return n;
}

TEST_F(FensterTest, DrawnCurveShowsLinesStepsAndFrame) {
  // Coarse steps so that they stand apart from the lines: 10 ms and 5 ms units.
  sitzung.gKurven.Kurven[0].Punkte = {
      {500, 6, 4, {}}, {3500, 4, 4, {}}, {3500, 5, 4, {}}, {1500, 6, 3, {}}, {2500, 2, 4, {}}};
  sitzung.gKurven.Kurven[0].Kommentar = "Test curve with lines and steps";
  sitzung.gSicht.XStart = 0;
  sitzung.gSicht.XEnde = 200000;
  panel->Aktionen().ZoomPlus->trigger();
  panel->Aktionen().Werkzeuge[static_cast<int>(curves::gui::Werkzeug::Koordinaten)]->trigger();
  // The size the main window gives its child windows at start.
  panel->resize(890, 580);
  QApplication::processEvents();
  panel->KurvenpanelZeichnen();
  const QImage bild = panel->grab().toImage();
  ASSERT_FALSE(bild.isNull());
  if (const QByteArray pfad = qgetenv("MIV_BILDSCHIRMFOTO"); !pfad.isEmpty())
    bild.save(QString::fromLocal8Bit(pfad));

  const QImage graph = panel->Ui().GRAPH->grab().toImage();
  EXPECT_GT(Pixelzahl(graph, qRgb(255, 0, 0)), 200);   // lines and markers
  EXPECT_GT(Pixelzahl(graph, qRgb(0, 0, 255)), 200);   // steps
  EXPECT_GT(Pixelzahl(graph, qRgb(255, 255, 0)), 50);  // time-base marker line
  const QImage klein = panel->Ui().GRAPHKLEIN->grab().toImage();
  EXPECT_GT(Pixelzahl(klein, qRgb(255, 0, 0)), 100);  // the frame
  EXPECT_GT(Pixelzahl(klein, qRgb(0, 0, 255)), 100);  // the whole curve
}

TEST_F(FensterTest, FullDeviceMemoryCurveIsDrawnWhole) {
  // 30704 one-unit lines as a read from a full device memory gives them: a triangle.
  auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
  punkte.resize(30704);
  for (int i = 0; i < 30704; ++i)
    punkte[i] = {i < 15352 ? i * 4095 / 15352 : (30704 - i) * 4095 / 15352, 1, 1, {}};
  panel->Aktionen().ZoomVoll->trigger();
  EXPECT_DOUBLE_EQ(30703999, sitzung.gSicht.XEnde);
  const auto& g = panel->Grafik().Aktuell();
  // Kept per pixel column of the graph: the work follows its width, not the lines.
  const int spalten = panel->Ui().GRAPH->axisRect()->width() + 2;
  EXPECT_GT(g.Linien->data()->size(), spalten / 2);
  EXPECT_LE(g.Linien->data()->size(), 4 * spalten);
  EXPECT_LE(g.Stufen->data()->size(), 4 * spalten);
  EXPECT_LT(g.Punkte->Laeufe().size(), 4u * spalten);  // markers as runs per column
  const QImage bild = panel->grab().toImage();
  if (const QByteArray pfad = qgetenv("MIV_BILDSCHIRMFOTO_VOLL"); !pfad.isEmpty())
    bild.save(QString::fromLocal8Bit(pfad));
  const QImage graph = panel->Ui().GRAPH->grab().toImage();
  EXPECT_GT(Pixelzahl(graph, qRgb(255, 0, 0)), 500);
  EXPECT_GT(Pixelzahl(graph, qRgb(0, 0, 255)), 100);
}

}  // namespace
}  // namespace kurvenfenster
