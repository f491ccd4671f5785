// Curves from and to other tools at full size: a million-row CSV trace read, converted and
// laid as lines (goal: at most 1 s), and a SPICE PWL list of a curve that fills the device
// memory (30704 points) written and read. The CSV cases report the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "config/Konfiguration.h"
#include "curves/files/Csvimport.h"
#include "curves/files/Pwl.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/transfer/Kurvenbild.h"

namespace {

using namespace curves;

// A folder of its own for the files of one run, removed afterwards.
class Ordner {
 public:
  Ordner() {
    pfad_ = std::filesystem::temp_directory_path() /
            ("curves_interchange_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(pfad_);
  }
  ~Ordner() { std::filesystem::remove_all(pfad_); }
  std::string datei(const char* name) const { return (pfad_ / name).string(); }

 private:
  std::filesystem::path pfad_;
};

double SpitzeMB() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;
}

// A scope trace: a million rows 10 us apart (10 s), a 1 Hz sine of 8 V peak to peak in volts
// with six decimals, and noise of rauschen codes; written row by row.
void Messung(const std::string& pfad, double rauschen) {
  std::FILE* f = std::fopen(pfad.c_str(), "w");
  std::fputs("Time (s),CH1 (V)\n", f);
  std::mt19937 zufall(7);
  std::normal_distribution<double> n(0.0, rauschen);
  for (int i = 0; i < 1000000; ++i) {
    const double t = i * 10e-6;
    const double v = 5.0 + 4.0 * std::sin(2 * M_PI * t) + n(zufall) * 10.0 / 4095.0;
    std::fprintf(f, "%.5f,%.6f\n", t, v);
  }
  std::fclose(f);
}

// range(0): noise in codes (0: clean); the tolerance is chosen from it.
void BM_CsvMillionZeilen(benchmark::State& state) {
  const config::Konfiguration konfig = config::KonfigurationStandard();
  const Ordner ordner;
  const std::string pfad = ordner.datei("messung.csv");
  Messung(pfad, static_cast<double>(state.range(0)));
  std::vector<Kurvenpunkt> punkte;
  Csvbericht bericht;
  for (auto _ : state) {
    if (CsvImportieren(konfig, pfad, {}, 0.0, punkte, bericht) != 0) state.SkipWithError("refused");
    benchmark::DoNotOptimize(punkte.data());
  }
  state.counters["points"] = static_cast<double>(punkte.size());
  state.counters["tolerance"] = bericht.Naeherung.Toleranz;
  state.counters["deviation"] = bericht.Naeherung.GroessterFehler;
  state.counters["units"] = bericht.Naeherung.Einheiten;
  state.counters["peak_MB"] = SpitzeMB();
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_CsvMillionZeilen)->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond);

// 30704 one-unit lines on varying time bases and values: every line is a step.
std::vector<Kurvenpunkt> VolleKurve() {
  std::vector<Kurvenpunkt> punkte(kMaxAbtastwerte);
  for (int i = 0; i < kMaxAbtastwerte; ++i)
    punkte[i] = Kurvenpunkt{(i * 37) % 4096, 1, static_cast<std::int8_t>(1 + i % 9), {0, 0, 0}};
  return punkte;
}

void BM_PwlSchreiben(benchmark::State& state) {
  const Ordner ordner;
  const std::string pfad = ordner.datei("k.pwl");
  const std::vector<Kurvenpunkt> kurve = VolleKurve();
  for (auto _ : state)
    if (PwlSchreiben(pfad, kurve, 10.0) != 0) state.SkipWithError("not written");
  state.SetItemsProcessed(state.iterations() * kMaxAbtastwerte);
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(pfad)));
}
BENCHMARK(BM_PwlSchreiben)->Unit(benchmark::kMillisecond);

void BM_PwlLesen(benchmark::State& state) {
  const Ordner ordner;
  const std::string pfad = ordner.datei("k.pwl");
  if (PwlSchreiben(pfad, VolleKurve(), 10.0) != 0) state.SkipWithError("not written");
  std::vector<Kurvenpunkt> punkte;
  for (auto _ : state) {
    if (PwlLesen(pfad, 10.0, 0, punkte) != 0) state.SkipWithError("refused");
    benchmark::DoNotOptimize(punkte.data());
  }
  state.SetItemsProcessed(state.iterations() * kMaxAbtastwerte);
}
BENCHMARK(BM_PwlLesen)->Unit(benchmark::kMillisecond);

}  // namespace
