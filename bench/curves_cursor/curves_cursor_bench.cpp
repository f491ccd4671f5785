// Moving a cursor of the curve window over a curve read back from a full device memory
// (30704 one-unit lines, a saw-tooth, every sample a jump) on a 1000 x 700 window: the
// move with its readout and the overlay's redraw, the same without the readout, and with
// the widget painted, which puts every layer's buffer on the screen. None draws the curves
// again. The goal: a move within 0.5 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "curves/gui/Kurvenmessung.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "device/Verbindung.h"
#include "ui_KURVENPNL.h"
#include "widgets/Cursorpaar.h"

namespace {

using namespace curves;

struct Fenster {
  Kurvensitzung sitzung;
  device::Verbindung verbindung;
  gui::Kurvenpanel panel{sitzung, nullptr, widgets::Fensterumgebung{verbindung}};

  Fenster() {
    panel.KurvenpanelInit();
    auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
    punkte.resize(30704);
    for (std::size_t i = 0; i < punkte.size(); ++i)
      punkte[i] = {static_cast<std::int32_t>((i * 37) % 4096), 1, 1, {0, 0, 0}};
    sitzung.gSicht.XStart = 0;
    sitzung.gSicht.XEnde = Kurvenlaenge(sitzung, 0) - 1;
    panel.resize(1000, 700);
    panel.show();
    QApplication::processEvents();
    panel.KurvenpanelZeichnen();
    panel.Aktionen().Cursorwerkzeug->trigger();
    Cursor().CursorSetzen(0, 1000.0);
    Cursor().CursorSetzen(1, 2000.0);
    QApplication::processEvents();
  }
  widgets::Cursorpaar& Cursor() { return panel.Messung().Cursor(); }
};

void Bewegen(benchmark::State& state, bool malen, bool ablesen = true) {
  Fenster f;
  if (!ablesen) f.Cursor().AblesungSetzen({});
  const double laenge = Kurvenlaenge(f.sitzung, 0);
  double x = laenge / 3;
  for (auto _ : state) {
    // Across the whole curve, so the readout walks it as far as it can.
    x = x + 997.0 > laenge ? laenge / 3 : x + 997.0;
    f.Cursor().CursorSetzen(1, x);
    if (malen) f.panel.Ui().GRAPH->repaint();
  }
  state.counters["lines"] = static_cast<double>(f.sitzung.gKurven.Kurven[0].Punktanzahl());
}

void CursorBewegen(benchmark::State& state) {
  Bewegen(state, false);
}
void CursorBewegenUndMalen(benchmark::State& state) {
  Bewegen(state, true);
}
// The drawing alone, without the readout's measurement.
void CursorBewegenOhneAblesung(benchmark::State& state) {
  Bewegen(state, false, false);
}

BENCHMARK(CursorBewegen)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(CursorBewegenOhneAblesung)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(CursorBewegenUndMalen)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
