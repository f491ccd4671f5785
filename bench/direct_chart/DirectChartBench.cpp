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
#include "direct/gui/DirektpanelFenster.h"

namespace {

std::array<double, 4> Probe(int i) {
  // Four unlike signals: a slow sine, a saw-tooth, noise-like jumps and a constant.
  return {50.0 + 45.0 * std::sin(i * 0.01), static_cast<double>(i % 100),
          static_cast<double>((i * 7919) % 101), 25.0};
}

void AnhaengenUndNeuzeichnen(benchmark::State& state) {
  const int punkte = static_cast<int>(state.range(0));
  direct::gui::DirektpanelFenster fenster;
  fenster.resize(1000, 700);
  fenster.show();
  QApplication::processEvents();
  fenster.Init();
  direct::DirektZoom_Callback(punkte, 100);
  int i = 0;
  for (; i < punkte; ++i) direct::StripchartPunkte(Probe(i));
  QCustomPlot* chart = fenster.Stripchart();
  chart->replot(QCustomPlot::rpImmediateRefresh);
  for (auto _ : state) {
    direct::StripchartPunkte(Probe(i++));
    chart->replot(QCustomPlot::rpImmediateRefresh);
  }
  state.counters["points_per_trace"] = chart->graph(0)->dataCount();
  state.counters["plot_width"] = chart->axisRect()->width();
}
BENCHMARK(AnhaengenUndNeuzeichnen)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
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
