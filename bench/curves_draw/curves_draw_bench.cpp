// Full redraw of the curve graph for a curve read back from a full device memory (30704
// one-unit lines) and from ten times that (as an imported text can hold), the update of
// the draw preview, and the column decimation alone, on a 1000 x 500 pixel graph. The
// ratio of the saw-tooth to the drawn shape shows whether the cost follows the pixels.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "common/Spaltenausduennung.h"
#include "curves/edit/Ansicht.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "widgets/Rasterplot.h"

namespace {

using namespace curves;

// The session every benchmark of this program works on.
Kurvensitzung sitzung;

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

// One point per sample, as a read from the device gives it. saegezahn: every sample jumps
// (the worst case for drawing); otherwise the samples of a drawn curve of 24 lines.
void VollerSpeicher(int zeitbasis, bool saegezahn, std::size_t linien = 30704) {
  KurvenModellInitialisieren(sitzung);
  auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
  punkte.resize(linien);
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
  sitzung.gSicht.XStart = 0;
  sitzung.gSicht.XEnde = Kurvenlaenge(sitzung, 0) - 1;
}

// Median CPU time in milliseconds over five runs.
void Median(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Repetitions(5);
  b->ReportAggregatesOnly(true);
}

// A drawn shape and a saw-tooth, each at the device's 30704 lines and at ten times that.
void Kurvenfaelle(benchmark::internal::Benchmark* b) {
  for (int linien : {30704, 307040})
    for (int saegezahn : {0, 1}) b->Args({saegezahn, linien});
  Median(b);
}

void VollesNeuzeichnen(benchmark::State& state) {
  Graphen g;
  const auto linien = static_cast<std::size_t>(state.range(3));
  VollerSpeicher(static_cast<int>(state.range(0)), state.range(2) != 0, linien);
  const int darstellung = static_cast<int>(state.range(1));
  for (auto _ : state) gui::KurvenZeichnen(g.grafik, sitzung, darstellung, false);
  state.counters["lines"] = static_cast<double>(sitzung.gKurven.Kurven[0].Punktanzahl());
}
// Time base (1 ms, 250 us), display type (lines + steps, lines, steps), saw-tooth, lines.
BENCHMARK(VollesNeuzeichnen)
    ->Args({1, kDarstellungBeide, 0, 30704})
    ->Args({9, kDarstellungBeide, 0, 30704})
    ->Args({1, kDarstellungLinien, 0, 30704})
    ->Args({1, kDarstellungStufen, 0, 30704})
    ->Args({1, kDarstellungBeide, 1, 30704})
    ->Args({1, kDarstellungLinien, 1, 30704})
    ->Args({1, kDarstellungStufen, 1, 30704})
    ->Args({1, kDarstellungBeide, 0, 307040})
    ->Args({1, kDarstellungBeide, 1, 307040})
    ->Apply(Median);

// The decimation alone: lines, the staircase and the markers of every sample, kept per
// pixel column of a 1000 pixel wide graph.
void Spaltenausduennung(benchmark::State& state) {
  VollerSpeicher(1, state.range(0) != 0, static_cast<std::size_t>(state.range(1)));
  const auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
  common::Pixelabbildung a;
  a.Breite = 1000;
  a.Hoehe = 500;
  a.Xs = 1000.0 / Kurvenlaenge(sitzung, 0);
  a.Ys = -499.0 / 4095.0;
  a.Y0 = 499.0;
  std::vector<common::Zeichenpunkt> linie, stufen;
  std::vector<common::Punktlauf> marken;
  for (auto _ : state) {
    linie.clear();
    stufen.clear();
    marken.clear();
    common::Linienausduenner l(a, linie), s(a, stufen);
    common::Punktausduenner m(a, 5, marken);
    double t = 0.0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
      const double y0 = punkte[i].Y;
      const double y1 = punkte[i + 1 < punkte.size() ? i + 1 : 0].Y;
      l.Punkt(t, y0);
      m.Punkt(t, y0);
      if (i == 0) s.Punkt(t, y0);
      t += 1000.0;
      s.Punkt(t, y0);
      s.Punkt(t, y1);
    }
    l.Abschliessen();
    s.Abschliessen();
    m.Abschliessen();
    benchmark::DoNotOptimize(linie.data());
  }
  state.counters["kept"] = static_cast<double>(linie.size() + stufen.size() + marken.size());
}
BENCHMARK(Spaltenausduennung)->Apply(Kurvenfaelle);

// The window's walk from the model into the decimation alone, for the same curves: what
// the drawing costs before QCustomPlot paints.
void KurveAusduennen(benchmark::State& state) {
  Graphen g;
  VollerSpeicher(1, state.range(0) != 0, static_cast<std::size_t>(state.range(1)));
  gui::KurvenZeichnen(g.grafik, sitzung, kDarstellungBeide, false);
  common::Spaltenreihen r;
  for (auto _ : state) {
    common::Reihenausduenner a(g.grafik.GraphAbbildung(), g.grafik.UebersichtAbbildung(),
                               widgets::Kurvengrafik::kMarkengroesse, r);
    KurveAusduennen(sitzung.gKurven.Kurven[0], sitzung.gSicht.XStart, sitzung.gSicht.XEnde,
                    kDarstellungBeide, a);
  }
  state.counters["kept"] = static_cast<double>(r.Linien.size() + r.Stufen.size());
}
BENCHMARK(KurveAusduennen)->Apply(Kurvenfaelle);

// What every redraw costs whatever the curve: axes, grid, buffers of both graphs.
void LeerNeuzeichnen(benchmark::State& state) {
  Graphen g;
  VollerSpeicher(1, false, 2);
  for (auto _ : state) gui::KurvenZeichnen(g.grafik, sitzung, kDarstellungBeide, false);
}
BENCHMARK(LeerNeuzeichnen)->Apply(Median);

void ZoomPlusNeuzeichnen(benchmark::State& state) {
  Graphen g;
  VollerSpeicher(1, false);
  ZoomPlus(sitzung);
  ZoomPlus(sitzung);
  for (auto _ : state) gui::KurvenZeichnen(g.grafik, sitzung, kDarstellungBeide, false);
}
BENCHMARK(ZoomPlusNeuzeichnen)->Unit(benchmark::kMillisecond);

void Zeichenvorschau(benchmark::State& state) {
  Graphen g;
  VollerSpeicher(1, false);
  gui::KurvenZeichnen(g.grafik, sitzung, kDarstellungBeide, false);
  double x = 1000.0;
  for (auto _ : state) {
    const curves::Zeichenvorschau v = ZeichenVorschau(sitzung, x, 2000.0, 1);
    g.grafik.ZeichenVorschau(true, v.X0, v.Y0, v.X, v.Y);
    x += 1000.0;
  }
}
BENCHMARK(Zeichenvorschau)->Apply(Median);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
