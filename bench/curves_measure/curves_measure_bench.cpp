// The measurements a cursor move or a mark change asks for, on the longest curve the
// device holds: 30704 one-unit points (a curve read back from the device), and the same
// samples as one long line. The goal: a readout well inside one frame (under 0.5 ms).
#include <benchmark/benchmark.h>

#include "curves/measure/Messung.h"

namespace {

constexpr int kAbtastwerte = 30704;

curves::Kurve Gelesen() {
  curves::Kurve k;
  for (int i = 0; i < kAbtastwerte; ++i)
    k.Punkte.push_back({(i * 37) % 4096, 1, static_cast<std::int8_t>(1 + i % 9), {}});
  return k;
}

curves::Kurve EineGerade() {
  curves::Kurve k;
  k.Punkte = {{0, kAbtastwerte, 1, {}}};
  return k;
}

void Statistik(benchmark::State& state, curves::Kurve (*kurve)()) {
  const curves::Kurve k = kurve();
  const curves::Ausgabeskalierung s;
  const double laenge = curves::Kurvenlaenge(k);
  for (auto _ : state)
    benchmark::DoNotOptimize(curves::AusgabestatistikBerechnen(k, 0.1 * laenge, 0.9 * laenge, s));
}

void Cursor(benchmark::State& state, curves::Kurve (*kurve)()) {
  const curves::Kurve k = kurve();
  const curves::Ausgabeskalierung s;
  const double laenge = curves::Kurvenlaenge(k);
  double t = 0.0;
  for (auto _ : state) {
    // The second cursor near the end: the walk to it is the longest.
    benchmark::DoNotOptimize(curves::CursorAblesen(k, t, 0.99 * laenge, s));
    t = t + 997.0 < laenge ? t + 997.0 : 0.0;
  }
}

BENCHMARK_CAPTURE(Statistik, Gelesen30704, Gelesen)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Statistik, EineGerade30704, EineGerade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Cursor, Gelesen30704, Gelesen)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Cursor, EineGerade30704, EineGerade)->Unit(benchmark::kMicrosecond);

}  // namespace
