// The characteristic window's graph: full redraw of a characteristic read from a device
// slot (4096 one-step lines) as lines + steps on a 1000 x 500 pixel graph, and the drag
// previews of the draw and move tools. Goals: redraw at most 5 ms CPU, preview at most
// 1 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>

#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Rasterplot.h"

namespace {

using namespace characteristic;

struct Graphen {
  widgets::Rasterplot graph;
  widgets::Rasterplot klein;
  widgets::Kurvengrafik grafik{&graph, &klein, kRohMax};
  Graphen() {
    graph.resize(1000, 500);
    klein.resize(1000, 120);
    graph.show();
    klein.show();
    QApplication::processEvents();
  }
};

// One point per input value, as a read from a slot gives it. zacken: every value jumps
// (the worst case for drawing); otherwise a smooth S-shaped characteristic.
void GelesenerPlatz(Kennliniensitzung& sitzung, bool zacken) {
  KennlModellInitialisieren(sitzung);
  auto& punkte = sitzung.gKennl.Kennl.Punkte;
  punkte.resize(4096);
  for (int x = 0; x < 4096; ++x) {
    const double glatt = 2047.5 - 2047.5 * std::cos(x * M_PI / 4095.0);
    const int y = zacken ? (x * 37) % 4096 : static_cast<int>(glatt + 0.5);
    punkte[static_cast<std::size_t>(x)] = {y, 1, 0, {0, 0, 0}};
  }
  sitzung.gKennl.XStart = 0;
  sitzung.gKennl.XEnde = kRohSpanne - 1;
}

void VollesNeuzeichnen(benchmark::State& state) {
  Kennliniensitzung sitzung;
  Graphen g;
  GelesenerPlatz(sitzung, state.range(0) != 0);
  const int darstellung = static_cast<int>(state.range(1));
  for (auto _ : state) gui::KennlinieZeichnen(sitzung, g.grafik, darstellung);
  state.counters["points"] = sitzung.gKennl.Kennl.Punktanzahl();
}
// Smooth or jagged; lines + steps (the goal), lines, steps.
BENCHMARK(VollesNeuzeichnen)
    ->Args({0, gui::kDarstellungBeide})
    ->Args({1, gui::kDarstellungBeide})
    ->Args({0, gui::kDarstellungLinien})
    ->Args({0, gui::kDarstellungStufen})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The series alone, without QCustomPlot: the share of the model's geometry in a redraw.
void ReihenBilden(benchmark::State& state) {
  Kennliniensitzung sitzung;
  GelesenerPlatz(sitzung, state.range(0) != 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        gui::KennlReihenBilden(sitzung, 0, kRohSpanne - 1, gui::kDarstellungBeide));
}
BENCHMARK(ReihenBilden)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The move tool's drag: the preview through the neighbours of a point in the middle.
void Verschiebevorschau(benchmark::State& state) {
  Kennliniensitzung sitzung;
  Graphen g;
  GelesenerPlatz(sitzung, false);
  gui::KennlinieZeichnen(sitzung, g.grafik, gui::kDarstellungBeide);
  sitzung.gKennl.Kennl.Punkte.resize(3);
  sitzung.gKennl.Kennl.Punkte[0].Laenge = 2000;
  sitzung.gKennl.Kennl.Punkte[1].Laenge = 2000;
  double y = 0.0;
  for (auto _ : state) {
    const KennlVerschiebevorschau v = KennlVerschiebenBei(sitzung, 1, 1500.0, y);
    const std::vector<QPointF> linie{{v.LinksX, v.LinksY}, {v.X, v.Y}, {v.RechtsX, v.RechtsY}};
    g.grafik.VerschiebeVorschau(true, linie, QPointF(v.X, v.Y));
    y = std::fmod(y + 97.0, 4095.0);
  }
}
BENCHMARK(Verschiebevorschau)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The draw tool's drag: the line from the last point to the snapped position.
void Zeichenvorschau(benchmark::State& state) {
  Kennliniensitzung sitzung;
  Graphen g;
  GelesenerPlatz(sitzung, false);
  sitzung.gKennl.Kennl.Punkte.resize(2000);
  gui::KennlinieZeichnen(sitzung, g.grafik, gui::kDarstellungBeide);
  double x = 2100.0;
  for (auto _ : state) {
    const KennlAnhaengeposition v = KennlAnhaengenBei(sitzung, x, 2000.0);
    g.grafik.ZeichenVorschau(v.Gueltig, v.X0, v.Y0, v.X, v.Y);
    x = x > 4000.0 ? 2100.0 : x + 13.0;
  }
}
BENCHMARK(Zeichenvorschau)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
