// What the fuzz targets share: the input as a real file (the readers take paths) in a
// folder of the process's own, so parallel fuzzing jobs do not meet.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace fuzz {

// The folder's name in plain characters: it must outlive every string at exit.
inline char gOrdnerName[] = "/tmp/miv3x-fuzz-XXXXXX";

inline const std::string& Ordner() {
  static const std::string ordner = [] {
    if (!::mkdtemp(gOrdnerName)) std::abort();
    // libFuzzer ends through exit(): the folder goes with the process.
    std::atexit([] {
      std::error_code fehler;
      std::filesystem::remove_all(gOrdnerName, fehler);
    });
    return std::string(gOrdnerName);
  }();
  return ordner;
}

inline std::string Pfad(const std::string& name) {
  return Ordner() + "/" + name;
}

// Writes the input to the named file and returns its path.
inline std::string AlsDatei(const std::string& name, const std::uint8_t* daten, std::size_t n) {
  const std::string pfad = Pfad(name);
  std::FILE* f = std::fopen(pfad.c_str(), "wb");
  if (!f) std::abort();
  if (n > 0 && std::fwrite(daten, 1, n, f) != n) std::abort();
  std::fclose(f);
  return pfad;
}

// A broken promise of the code under test: libFuzzer keeps the input that led here.
[[noreturn]] inline void Verletzt(const char* was) {
  std::fprintf(stderr, "violated: %s\n", was);
  std::abort();
}

}  // namespace fuzz
