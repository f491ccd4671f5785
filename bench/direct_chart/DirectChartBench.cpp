// One polling sample on the strip chart of the direct input/output window: four traces of
// 10,000 points each (the chart's whole memory, all visible), one more point per trace
// appended and the chart redrawn at once, as each polling cycle does. Goal: at most 2 ms,
// so the chart never holds back polling at its shortest sampling time of 0.2 s.
#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <array>
#include <cmath>

#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/gui/DirektpanelFenster.h"

namespace {

// rauh: four unlike signals, two of them the worst a trace can be (a saw-tooth of 100
// samples and noise-like jumps over the full range); otherwise four sines of a few hundred
// samples each, as inputs that follow a process look.
std::array<double, 4> Probe(int i, bool rauh) {
  if (rauh)
    return {50.0 + 45.0 * std::sin(i * 0.01), static_cast<double>(i % 100),
            static_cast<double>((i * 7919) % 101), 25.0};
  std::array<double, 4> p{};
  for (int n = 0; n < 4; ++n) p[n] = 50.0 + 40.0 * std::sin(i * (0.01 + 0.005 * n) + n);
  return p;
}

void AnhaengenUndNeuzeichnen(benchmark::State& state) {
  const int punkte = static_cast<int>(state.range(0));
  const bool rauh = state.range(1) != 0;
  device::Verbindung verbindung;  // the chart needs no port
  direct::Direktsitzung sitzung;
  direct::gui::DirektpanelFenster fenster(sitzung, nullptr, widgets::Fensterumgebung{verbindung});
  fenster.resize(1000, 700);
  fenster.show();
  QApplication::processEvents();
  fenster.Init();
  direct::DirektZoom_Callback(sitzung, punkte, 100);
  int i = 0;
  for (; i < punkte; ++i) direct::StripchartPunkte(sitzung, Probe(i, rauh));
  QCustomPlot* chart = fenster.Stripchart();
  chart->replot(QCustomPlot::rpImmediateRefresh);
  for (auto _ : state) {
    direct::StripchartPunkte(sitzung, Probe(i++, rauh));
    chart->replot(QCustomPlot::rpImmediateRefresh);
  }
  state.counters["points_per_trace"] = chart->graph(0)->dataCount();
  state.counters["plot_width"] = chart->axisRect()->width();
}
BENCHMARK(AnhaengenUndNeuzeichnen)
    ->ArgsProduct({{10, 1000, 10000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
