// Editing steps on long curves of one-unit 1 ms lines: each step stores an undo snapshot
// of the whole curve first, so its cost grows with the point count. Undo and redo exchange
// arrays and should not grow.
#include <benchmark/benchmark.h>

#include "config/Konfiguration.h"
#include "curves/edit/BearbeitenGeraden.h"
#include "curves/edit/BearbeitenPunkte.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"

namespace {

// The session every benchmark of this program works on.
curves::Kurvensitzung sitzung;

// Curve 1 with n one-unit 1 ms lines; line n/2 gets two units so it can be divided.
void Kurve(int n) {
  config::KonfigurationStandardwerte(sitzung.Konfig);
  curves::KurvenModellInitialisieren(sitzung);
  auto& p = sitzung.gKurven.Kurven[0].Punkte;
  p.assign(n, curves::Kurvenpunkt{0, 1, 1, {0, 0, 0}});
  for (int i = 0; i < n; ++i) p[i].Y = (i * 37) % 4096;
  p[n / 2].Laenge = 2;
  // Fill the ring so that snapshots reuse full-size slots, as in a long editing session.
  for (int i = 0; i < curves::kHistorientiefe; ++i) curves::RueckgaengigSichern(sitzung);
}

void PunktVerschieben(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Kurve(n);
  const int i = n / 3;
  const double t = curves::PunktStartzeit(sitzung, i);
  int y = 0;
  for (auto _ : state) {
    y = (y + 1) % 4096;
    benchmark::DoNotOptimize(curves::PunktVerschieben(sitzung, i, t, y));
  }
  state.SetComplexityN(n);
}

// Divide, then undo it, so the curve stays the same size.
void GeradeTeilenUndRueckgaengig(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Kurve(n);
  const double x = curves::PunktStartzeit(sitzung, n / 2) + 1000.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(curves::GeradeTeilen(sitzung, x));
    curves::Rueckgaengig(sitzung);
  }
  state.SetComplexityN(n);
}

void RueckgaengigUndWiederherstellen(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Kurve(n);
  for (auto _ : state) {
    curves::Rueckgaengig(sitzung);
    curves::Wiederherstellen(sitzung);
    benchmark::DoNotOptimize(sitzung.gKurven.Kurven[0].Punkte.data());
  }
  state.SetComplexityN(n);
}

void Snapshot(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Kurve(n);
  for (auto _ : state) curves::RueckgaengigSichern(sitzung);
  state.SetComplexityN(n);
}

}  // namespace

BENCHMARK(PunktVerschieben)->Arg(3070)->Arg(30704)->Complexity(benchmark::oN);
BENCHMARK(GeradeTeilenUndRueckgaengig)->Arg(3070)->Arg(30704)->Complexity(benchmark::oN);
BENCHMARK(RueckgaengigUndWiederherstellen)->Arg(3070)->Arg(30704);
BENCHMARK(Snapshot)->Arg(3070)->Arg(30704)->Complexity(benchmark::oN);
