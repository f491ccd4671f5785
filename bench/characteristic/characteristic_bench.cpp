// Characteristic files, text import and the slot image at full size (4096 points, one per
// input value), each at half and full size to show linear growth; and the paced write of
// one slot to the simulator against the line time of every character exchanged (goal: a
// ratio of at most 1.02 at the program's 9600 baud; 115200 baud shows the fixed cost of
// each exchange).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Engine.h"
#include "PtyRunner.h"
#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/files/Kennlinientext.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "common/OperatorInterface.h"
#include "config/Konfiguration.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"

namespace {

using namespace characteristic;
constexpr int kVoll = 4096;
constexpr int kPort = 9;

class Ordner {
 public:
  Ordner() {
    pfad_ = std::filesystem::temp_directory_path() /
            ("characteristic_bench_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::create_directories(pfad_);
  }
  ~Ordner() { std::filesystem::remove_all(pfad_); }
  std::string datei(const char* name) const { return (pfad_ / name).string(); }

 private:
  std::filesystem::path pfad_;
};

// n points spread over the input range with varying values.
void Kennlinie(Kennliniensitzung& sitzung, int n) {
  KennlModellInitialisieren(sitzung);
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
  auto& p = sitzung.gKennl.Kennl.Punkte;
  p.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    p[static_cast<std::size_t>(i)] = {(i * 37) % 4096, kVoll / n, 0, {0, 0, 0}};
  p.back().Laenge = 1;
}

void BM_KennlBildErzeugen(benchmark::State& state) {
  Kennliniensitzung sitzung;
  Kennlinie(sitzung, static_cast<int>(state.range(0)));
  std::vector<std::uint8_t> bild;
  for (auto _ : state) {
    if (KennlBildErzeugen(sitzung, bild) != 0) state.SkipWithError("not built");
    benchmark::DoNotOptimize(bild.data());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KennlBildErzeugen)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

void BM_KennlSpeichern(benchmark::State& state) {
  Kennliniensitzung sitzung;
  Kennlinie(sitzung, static_cast<int>(state.range(0)));
  Ordner ordner;
  const auto pfad = ordner.datei("k.wue");
  for (auto _ : state)
    if (KennlDateiSpeichern(sitzung, pfad) != 0) state.SkipWithError("not saved");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KennlSpeichern)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

void BM_KennlLaden(benchmark::State& state) {
  Kennliniensitzung sitzung;
  Kennlinie(sitzung, static_cast<int>(state.range(0)));
  Ordner ordner;
  const auto pfad = ordner.datei("k.wue");
  KennlDateiSpeichern(sitzung, pfad);
  for (auto _ : state)
    if (KennlDateiLaden(sitzung, pfad, Konfigwahl::NichtLaden) != 0)
      state.SkipWithError("not loaded");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KennlLaden)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

void BM_KennlImport(benchmark::State& state) {
  Kennliniensitzung sitzung;
  // Points one raw step apart at most 4095 fit between 0 and 100 per cent, so the text is
  // one comment line and n - 1 data lines, each a step of (4096 / n) raw units further.
  const int n = static_cast<int>(state.range(0));
  Kennlinie(sitzung, 1);
  Ordner ordner;
  const auto pfad = ordner.datei("k.txt");
  {
    std::FILE* f = std::fopen(pfad.c_str(), "w");
    std::fprintf(f, "# %d lines\n", n);
    const double schritt = 0.0244200245 * (kVoll / n);
    for (int i = 0; i + 1 < n; ++i) std::fprintf(f, "%.10f\t%.3f\n", i * schritt, (i % 101) * 0.99);
    std::fclose(f);
  }
  for (auto _ : state)
    if (KennlTextImportieren(sitzung, pfad) != 0) state.SkipWithError("not imported");
  if (sitzung.gKennl.Kennl.Punktanzahl() != n - 1) state.SkipWithError("points lost");
  state.SetComplexityN(n);
}
BENCHMARK(BM_KennlImport)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

QCoreApplication& Anwendung() {
  static int argc = 1;
  static char name[] = "characteristic_bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// Notes the time at which each block was acknowledged (the progress box is set after
// every block).
class Blockuhr : public common::OperatorInterface {
 public:
  int message(const common::MessageRequest& r) override { return r.activeButton; }
  std::optional<std::string> selectFile(const common::FileRequest&) override { return {}; }
  void progressOpen(const std::string&, const std::string&) override { zeiten.clear(); }
  void progressSet(int) override { zeiten.push_back(std::chrono::steady_clock::now()); }
  void progressClose() override {}
  void help(const std::string&) override {}
  std::vector<std::chrono::steady_clock::time_point> zeiten;
};

// One slot (slot 2, whose start is not on a 64-byte boundary) written to the simulator
// pacing its line at the given baud rate.
void PacedSlotWrite(benchmark::State& state) {
  Kennliniensitzung sitzung;
  const long baud = state.range(0);
  Anwendung();
  sim::Engine engine;
  sim::PtyRunner runner(engine);
  if (!runner.openPty()) throw std::runtime_error(runner.error());
  runner.setPacing(baud);
  runner.start();
  device::qtserial::QtSerialService dienst;
  dienst.setPortPfade({{kPort, runner.path()}});
  device::Verbindung verbindung(&dienst);
  device::ZORFYD1_Open(verbindung, kPort, 9600);
  device::ZORFYD1_Timeout(verbindung, kPort, 0.5);
  verbindung.Port().offen = kPort;
  Kennlinie(sitzung, kVoll);
  std::vector<std::uint8_t> bild;
  KennlBildErzeugen(sitzung, bild);

  Blockuhr uhr;
  common::setOperatorInterface(&uhr);
  double gemessen = 0.0, linie = 0.0;
  long runden = 0;
  std::vector<double> blockverhaeltnis;
  for (auto _ : state) {
    engine.clearFrames();
    const auto t0 = std::chrono::steady_clock::now();
    if (KennlSpeicherSchreiben(verbindung, bild.data(), PlatzAdresse(2), kPlatzBytes, true) != 0)
      state.SkipWithError("slot write");
    gemessen += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    // Every frame with its CR and one acknowledgement byte, 10 bits per character.
    const auto frames = engine.frames();
    for (const auto& frame : frames)
      linie += static_cast<double>(frame.size() + 1) * 10.0 / static_cast<double>(baud);
    auto vorher = t0;
    for (std::size_t b = 0; b < uhr.zeiten.size() && b < frames.size(); ++b) {
      const double zeile = static_cast<double>(frames[b].size() + 1) * 10.0 / baud;
      blockverhaeltnis.push_back(std::chrono::duration<double>(uhr.zeiten[b] - vorher).count() /
                                 zeile);
      vorher = uhr.zeiten[b];
    }
    ++runden;
  }
  std::sort(blockverhaeltnis.begin(), blockverhaeltnis.end());
  state.counters["line_time_s"] = linie / runden;
  state.counters["ratio"] = gemessen / linie;
  // Each block against its own line time: the median is what the program adds, the
  // slowest shows how much a busy machine added on top.
  if (!blockverhaeltnis.empty()) {
    state.counters["block_ratio_median"] = blockverhaeltnis[blockverhaeltnis.size() / 2];
    state.counters["block_ratio_max"] = blockverhaeltnis.back();
  }
  common::setOperatorInterface(nullptr);
  device::ZORFYD1_Close(verbindung, kPort);
  runner.stop();
}
BENCHMARK(PacedSlotWrite)->Arg(9600)->Arg(115200)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
