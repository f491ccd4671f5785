// Speed of the settings store: the real settings file, and stores far larger than it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ini/IniStore.h"

namespace {

// A scratch folder for the run's files, removed at exit.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ini-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string file(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

const ScratchFolder& Scratch() {
  static ScratchFolder folder;
  return folder;
}

// The keys the program's windows put at exit.
void PutSettings(ini::IniStore* store) {
  ini::Ini_PutDouble(store, "konfig", "voutmax", 10.0);
  ini::Ini_PutDouble(store, "konfig", "vinmax", 10.0);
  for (int n = 0; n < 4; ++n) {
    const std::string d = std::to_string(n);
    for (const char* key : {"outmin", "outmax", "outskalamin", "outskalamax", "inmin", "inmax",
                            "inskalamin", "inskalamax"}) {
      ini::Ini_PutDouble(store, "konfig", (key + d).c_str(), 0.1 * n + 2.5);
    }
    ini::Ini_PutRawString(store, "konfig", ("outeinheit" + d).c_str(), "bar");
    ini::Ini_PutRawString(store, "konfig", ("ineinheit" + d).c_str(), "V");
  }
  ini::Ini_PutInt(store, "com", "adresse", 49);
  ini::Ini_PutInt(store, "com", "port", 1);
  ini::Ini_PutInt(store, "com", "lport", 1);
  for (int n = 1; n <= 4; ++n) {
    ini::Ini_PutInt(store, "direkt", ("kurve" + std::to_string(n)).c_str(), 1);
    ini::Ini_PutDouble(store, "direkt", ("grenze" + std::to_string(n)).c_str(), 9.5);
  }
  ini::Ini_PutInt(store, "kurven", "darstellung", 3);
  ini::Ini_PutInt(store, "kennlinie", "darstellung", 3);
}

void BM_WriteSettingsFile(benchmark::State& state) {
  const std::string path = Scratch().file("settings.ini");
  for (auto _ : state) {
    ini::IniStore* store = ini::Ini_New(1);
    PutSettings(store);
    if (ini::Ini_WriteToFile(store, path.c_str()) != 0) state.SkipWithError("write failed");
    ini::Ini_Dispose(store);
  }
}
BENCHMARK(BM_WriteSettingsFile)->Unit(benchmark::kMicrosecond);

void BM_ReadSettingsFile(benchmark::State& state) {
  const std::string path = Scratch().file("settings-read.ini");
  ini::IniStore* source = ini::Ini_New(1);
  PutSettings(source);
  ini::Ini_WriteToFile(source, path.c_str());
  ini::Ini_Dispose(source);
  for (auto _ : state) {
    ini::IniStore* store = ini::Ini_New(1);
    if (ini::Ini_ReadFromFile(store, path.c_str()) != 0) state.SkipWithError("read failed");
    double value = 0;
    char unit[8];
    for (int n = 0; n < 4; ++n) {
      const std::string d = std::to_string(n);
      ini::Ini_GetDouble(store, "konfig", ("outmax" + d).c_str(), &value);
      ini::Ini_GetRawStringIntoBuffer(store, "konfig", ("outeinheit" + d).c_str(), unit,
                                      sizeof unit);
    }
    benchmark::DoNotOptimize(value);
    ini::Ini_Dispose(store);
  }
}
BENCHMARK(BM_ReadSettingsFile)->Unit(benchmark::kMicrosecond);

// Puts and gets in a store of sections x 50 tags, in shuffled order.
void BM_PutGetLargeStore(benchmark::State& state) {
  const int sections = static_cast<int>(state.range(0));
  std::vector<std::pair<std::string, std::string>> keys;
  for (int s = 0; s < sections; ++s) {
    for (int t = 0; t < 50; ++t) {
      keys.emplace_back("section" + std::to_string(s), "tag" + std::to_string(t));
    }
  }
  std::shuffle(keys.begin(), keys.end(), std::mt19937(1));
  for (auto _ : state) {
    ini::IniStore* store = ini::Ini_New(1);
    std::int32_t i = 0;
    for (const auto& [section, tag] : keys) {
      ini::Ini_PutInt(store, section.c_str(), tag.c_str(), i++);
    }
    std::int64_t sum = 0;
    for (const auto& [section, tag] : keys) {
      std::int32_t value = 0;
      ini::Ini_GetInt(store, section.c_str(), tag.c_str(), &value);
      sum += value;
    }
    benchmark::DoNotOptimize(sum);
    ini::Ini_Dispose(store);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
}
BENCHMARK(BM_PutGetLargeStore)->Arg(5)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

// Reading and writing a file of about a megabyte.
void BM_ReadWriteLargeFile(benchmark::State& state) {
  const std::string path = Scratch().file("large.ini");
  ini::IniStore* source = ini::Ini_New(1);
  const std::string text(200, 'x');
  for (int s = 0; s < 100; ++s) {
    for (int t = 0; t < 50; ++t) {
      ini::Ini_PutRawString(source, ("section" + std::to_string(s)).c_str(),
                            ("tag" + std::to_string(t)).c_str(), text.c_str());
    }
  }
  ini::Ini_WriteToFile(source, path.c_str());
  const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    ini::IniStore* store = ini::Ini_New(1);
    if (ini::Ini_ReadFromFile(store, path.c_str()) != 0) state.SkipWithError("read failed");
    if (ini::Ini_WriteToFile(store, path.c_str()) != 0) state.SkipWithError("write failed");
    ini::Ini_Dispose(store);
  }
  ini::Ini_Dispose(source);
  state.SetBytesProcessed(state.iterations() * bytes * 2);
}
BENCHMARK(BM_ReadWriteLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace
