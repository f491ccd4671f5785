// Curve files and the device image at full size: a curve of 30704 points fills the
// device memory. Each case runs at half and full size to show linear growth.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/transfer/Kurvenbild.h"

namespace {

using namespace curves;

// The session every benchmark of this program works on.
Kurvensitzung sitzung;

constexpr int kVoll = kMaxAbtastwerte;  // 30704

// A folder of its own for the files of one run, removed afterwards.
class Ordner {
 public:
  Ordner() {
    pfad_ = std::filesystem::temp_directory_path() /
            ("curves_io_bench_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::create_directories(pfad_);
  }
  ~Ordner() { std::filesystem::remove_all(pfad_); }
  std::string datei(const char* name) const { return (pfad_ / name).string(); }

 private:
  std::filesystem::path pfad_;
};

// n points of one unit each on varying time bases and values.
void Kurve(int c, int n) {
  auto& punkte = sitzung.gKurven.Kurven[c].Punkte;
  punkte.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    punkte[i] = Kurvenpunkt{(i * 37) % 4096, 1, static_cast<std::int8_t>(1 + i % 9), {0, 0, 0}};
}

void Vorbereiten(int kurven, int n) {
  KurvenModellInitialisieren(sitzung);
  sitzung.Konfig.gKonfig = config::KonfigurationStandard();
  for (int c = 0; c < kurven; ++c) Kurve(c, n);
}

void BM_KurvenbildErzeugen(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Vorbereiten(1, n);
  std::vector<std::uint8_t> bild;
  int ende = 0;
  for (auto _ : state) {
    if (KurvenbildErzeugen(sitzung, bild, ende) != 0) state.SkipWithError("not encoded");
    benchmark::DoNotOptimize(bild.data());
  }
  state.SetComplexityN(n);
  state.SetBytesProcessed(state.iterations() * (ende - kBildAnfang));
}
BENCHMARK(BM_KurvenbildErzeugen)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

void BM_VierKurvenSpeichern(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Vorbereiten(4, n);
  Ordner ordner;
  const auto pfad = ordner.datei("vier.wur");
  for (auto _ : state)
    if (KurvendateiSpeichern(sitzung, pfad) != 0) state.SkipWithError("not saved");
  state.SetComplexityN(n);
  state.SetBytesProcessed(state.iterations() * (4472 + 4 * 12 * n));
}
BENCHMARK(BM_VierKurvenSpeichern)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

void BM_VierKurvenLaden(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Vorbereiten(4, n);
  Ordner ordner;
  const auto pfad = ordner.datei("vier.wur");
  if (KurvendateiSpeichern(sitzung, pfad) != 0) state.SkipWithError("not saved");
  for (auto _ : state)
    if (KurvendateiLaden(sitzung, pfad, Konfigwahl::NichtLaden) != 0)
      state.SkipWithError("not opened");
  state.SetComplexityN(n);
  state.SetBytesProcessed(state.iterations() * (4472 + 4 * 12 * n));
}
BENCHMARK(BM_VierKurvenLaden)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

void BM_TextImportieren(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Vorbereiten(1, n);
  Ordner ordner;
  const auto pfad = ordner.datei("kurve.txt");
  if (KurvendateiExportieren(sitzung, pfad) != 0) state.SkipWithError("not exported");
  for (auto _ : state)
    if (KurvendateiImportieren(sitzung, pfad) != 0) state.SkipWithError("not imported");
  state.SetComplexityN(n);
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_TextImportieren)->Arg(kVoll / 2)->Arg(kVoll)->Complexity(benchmark::oN);

}  // namespace
