// A curve read back from a full device memory (30704 one-unit lines, every sample a point
// of its own) described and saved as a 1200 x 700 picture, in each format: what the
// windows' "Save graph as picture" and miv3x plot cost. Goal: a PNG well under a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "common/Grafikinhalt.h"
#include "curves/edit/Kurvengrafikinhalt.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "widgets/Grafikbild.h"

namespace {

using namespace curves;

Kurvensitzung sitzung;

// A saw-tooth: every sample jumps, the worst case for drawing.
void VollerSpeicher() {
  KurvenModellInitialisieren(sitzung);
  auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
  punkte.resize(30704);
  for (std::size_t i = 0; i < punkte.size(); ++i)
    punkte[i] = {static_cast<std::int32_t>((i * 97) % 4096), 1, 9, {}};
}

std::string Ziel(const char* endung) {
  return (std::filesystem::temp_directory_path() / (std::string("curves_picture_bench.") + endung))
      .string();
}

void Speichern(benchmark::State& state, const char* endung) {
  VollerSpeicher();
  const std::string pfad = Ziel(endung);
  std::string meldung;
  for (auto _ : state) {
    common::Grafikinhalt inhalt;
    KurvenGrafikinhalt(sitzung, {0}, false, inhalt, meldung);
    if (widgets::GrafikbildSpeichern(inhalt, pfad, 1200, 700, meldung) != 0)
      state.SkipWithError(meldung.c_str());
  }
  std::filesystem::remove(pfad);
}

void Png(benchmark::State& state) {
  Speichern(state, "png");
}
void Svg(benchmark::State& state) {
  Speichern(state, "svg");
}
void Pdf(benchmark::State& state) {
  Speichern(state, "pdf");
}
BENCHMARK(Png)->Unit(benchmark::kMillisecond);
BENCHMARK(Svg)->Unit(benchmark::kMillisecond);
BENCHMARK(Pdf)->Unit(benchmark::kMillisecond);

// The description alone.
void Beschreiben(benchmark::State& state) {
  VollerSpeicher();
  std::string meldung;
  for (auto _ : state) {
    common::Grafikinhalt inhalt;
    KurvenGrafikinhalt(sitzung, {0}, false, inhalt, meldung);
    benchmark::DoNotOptimize(inhalt.Reihen.data());
  }
}
BENCHMARK(Beschreiben)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication anwendung(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
