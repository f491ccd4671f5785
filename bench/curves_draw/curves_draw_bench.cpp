// Full redraw of the curve graph for a curve read back from a full device memory (30704
// one-unit lines) and the update of the draw preview, on a 1000 x 500 pixel graph.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "curves/Ansicht.h"
#include "curves/Kurvenmodell.h"
#include "curves/gui/Kurvengrafik.h"

namespace {

using namespace curves;

struct Graphen {
  QCustomPlot graph;
  QCustomPlot klein;
  gui::Kurvengrafik grafik{&graph, &klein};
  Graphen() {
    graph.resize(1000, 500);
    klein.resize(1000, 120);
    graph.show();
    klein.show();
    QApplication::processEvents();
  }
};

// One point per sample, as a read from the device gives it. saegezahn: every sample jumps
// (the worst case for drawing); otherwise the samples of a drawn curve of 24 lines.
void VollerSpeicher(int zeitbasis, bool saegezahn) {
  KurvenModellInitialisieren();
  auto& punkte = gKurven.Kurven[0].Punkte;
  punkte.resize(30704);
  const int stuetzstellen[] = {0, 4095, 1000, 3000, 3000, 200, 2500, 2600, 100, 4000, 0, 2048, 0};
  const std::size_t abschnitt = punkte.size() / 12 + 1;
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    std::int32_t y;
    if (saegezahn) {
      y = static_cast<std::int32_t>((i * 37) % 4096);
    } else {
      const std::size_t a = i / abschnitt;
      const double f = static_cast<double>(i % abschnitt) / abschnitt;
      y = static_cast<std::int32_t>(stuetzstellen[a] +
                                    (stuetzstellen[a + 1] - stuetzstellen[a]) * f + 0.5);
    }
    punkte[i] = {y, 1, static_cast<std::int8_t>(zeitbasis), {0, 0, 0}};
  }
  gSicht.XStart = 0;
  gSicht.XEnde = Kurvenlaenge(0) - 1;
}

void VollesNeuzeichnen(benchmark::State& state) {
  Graphen g;
  VollerSpeicher(static_cast<int>(state.range(0)), state.range(2) != 0);
  const int darstellung = static_cast<int>(state.range(1));
  for (auto _ : state) g.grafik.KurvenpanelZeichnen(darstellung, false);
  state.counters["lines"] = static_cast<double>(gKurven.Kurven[0].Punktanzahl());
}
// Time base (1 ms, 250 us), display type (lines + steps, lines, steps), saw-tooth.
BENCHMARK(VollesNeuzeichnen)
    ->Args({1, gui::kDarstellungBeide, 0})
    ->Args({9, gui::kDarstellungBeide, 0})
    ->Args({1, gui::kDarstellungLinien, 0})
    ->Args({1, gui::kDarstellungStufen, 0})
    ->Args({1, gui::kDarstellungBeide, 1})
    ->Args({1, gui::kDarstellungLinien, 1})
    ->Args({1, gui::kDarstellungStufen, 1})
    ->Unit(benchmark::kMillisecond);

void ZoomPlusNeuzeichnen(benchmark::State& state) {
  Graphen g;
  VollerSpeicher(1, false);
  ZoomPlus();
  ZoomPlus();
  for (auto _ : state) g.grafik.KurvenpanelZeichnen(gui::kDarstellungBeide, false);
}
BENCHMARK(ZoomPlusNeuzeichnen)->Unit(benchmark::kMillisecond);

void Zeichenvorschau(benchmark::State& state) {
  Graphen g;
  VollerSpeicher(1, false);
  g.grafik.KurvenpanelZeichnen(gui::kDarstellungBeide, false);
  double x = 1000.0;
  for (auto _ : state) {
    const curves::Zeichenvorschau v = ZeichenVorschau(x, 2000.0, 1);
    g.grafik.ZeichenVorschau(true, v.X0, v.Y0, v.X, v.Y);
    x += 1000.0;
  }
}
BENCHMARK(Zeichenvorschau)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
