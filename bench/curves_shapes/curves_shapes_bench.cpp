// Shapes as the operator asks for them, and the line approximation on a long sampled
// target (a text import of a million samples). Each is one FormBerechnen or
// GeradenNaehern call, parameters read included.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "curves/shapes/Formen.h"
#include "curves/shapes/Geradennaeherung.h"

namespace {

curves::Formauftrag Auftrag(const std::string& art, const std::vector<std::string>& parameter) {
  curves::Formauftrag a;
  a.Art = art;
  for (const auto& text : parameter) {
    curves::Formparameter p;
    curves::FormparameterTeilen(text, p);
    a.Parameter.push_back(p);
  }
  return a;
}

void Form(benchmark::State& state, const curves::Formauftrag& auftrag) {
  curves::Form form;
  std::string meldung;
  for (auto _ : state) {
    if (curves::FormBerechnen(auftrag, form, meldung) != 0) {
      state.SkipWithError(meldung.c_str());
      return;
    }
    benchmark::DoNotOptimize(form.Punkte.data());
  }
  state.counters["points"] = static_cast<double>(form.Punkte.size());
  state.counters["bytes"] = static_cast<double>(form.Speicherbytes);
}

void Sinus3Perioden(benchmark::State& state) {
  Form(state, Auftrag("sine", {"offset=5V", "amplitude=4V", "period=20ms", "periods=3"}));
}
BENCHMARK(Sinus3Perioden)->Unit(benchmark::kMillisecond);

void Pulse1000(benchmark::State& state) {
  Form(state, Auftrag("pulse", {"low=0V", "high=10V", "width=2ms", "period=5ms", "count=1000"}));
}
BENCHMARK(Pulse1000)->Unit(benchmark::kMillisecond);

// A slow formula over 30 s: too many samples on 250 us, so the 1 ms grid takes it.
void Formel30s(benchmark::State& state) {
  Form(state, Auftrag("formula", {"expr=5 + 4*sin(2*_pi*0.5*t) * exp(-t/20)", "time=30s"}));
}
BENCHMARK(Formel30s)->Unit(benchmark::kMillisecond);

// A million samples every 250 us (250 s), between them a straight line.
void MillionAbtastwerte(benchmark::State& state) {
  const int n = 1000000;
  std::vector<double> werte(n + 1);
  for (int i = 0; i <= n; ++i)
    werte[i] = 2048 + 1600 * std::sin(2 * std::numbers::pi * i / 400000.0);
  const auto ziel = [&](double t) {
    const double x = t / curves::kRasterMikro;
    const auto i = static_cast<std::size_t>(x);
    if (i >= werte.size() - 1) return werte.back();
    return werte[i] + (werte[i + 1] - werte[i]) * (x - static_cast<double>(i));
  };
  curves::Naeherungsergebnis r;
  for (auto _ : state) {
    if (curves::GeradenNaehern(ziel, n * curves::kRasterMikro, 1.0, r) != 0) {
      state.SkipWithError("approximation refused");
      return;
    }
    benchmark::DoNotOptimize(r.Punkte.data());
  }
  state.counters["points"] = static_cast<double>(r.Punkte.size());
  state.counters["bytes"] = static_cast<double>(r.Speicherbytes);
}
BENCHMARK(MillionAbtastwerte)->Unit(benchmark::kMillisecond);

}  // namespace
