// What the frame log costs per exchange, against the line time of that exchange at
// 9600 baud (10 bits per character; goal: under 1 %).
//
// Each case records what the driver records for one exchange, in a ring that is full
// already (every slot's buffer has been used once, as after a long run):
//   Kurz:   the shortest exchange, "#1DF1<CR>" and its ACK (7 characters, 7.3 ms)
//   Id:     "#1IDR<CR>", ACK and the 25-character ID reply (32 characters, 33 ms)
//   Block:  a 64-byte memory write, 147 characters and its ACK (154 ms)
// "mit Fenster": a line log window listens (it is told of each entry and throttles itself).
// The counter line_share_pct is the recording time (wall clock, loop included) as a
// percentage of the line time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "device/Leitungslog.h"

namespace {

using device::Leitungslog;
using device::Leitungsrichtung;

constexpr double kBitzeit = 10.0 / 9600.0;  // one character on the line, seconds

struct Austausch {
  std::string frame;
  std::string antwort;  // empty: the ACK alone
};

Austausch Beispiel(int art) {
  if (art == 0) return {"#1DF1\r", ""};
  if (art == 1) return {"#1IDR\r", "#1ZOR-MIV3AX WUN-2 V1.30\r"};
  std::string f = "#1BDW400000040";
  f += std::string(128, 'A');
  f += "2041\r";
  return {f, ""};
}

void Aufzeichnen(benchmark::State& state) {
  const Austausch a = Beispiel(static_cast<int>(state.range(0)));
  const bool fenster = state.range(1) != 0;
  Leitungslog log;
  long gehoert = 0;
  Leitungslog::Abo abo;
  if (fenster) abo = log.Abonnieren([&gehoert] { ++gehoert; });
  const char ack = 6;
  const std::string_view quittung(&ack, 1);
  // Fill the ring once, so every slot has its buffer.
  for (std::size_t i = 0; i < log.Groesse(); ++i)
    log.Aufzeichnen(Leitungsrichtung::Gesendet, "BDW", a.frame, 0);
  const auto anfang = std::chrono::steady_clock::now();
  for (auto _ : state) {
    log.Aufzeichnen(Leitungsrichtung::Gesendet, device::Befehlsbuchstaben(a.frame), a.frame, 0);
    log.Aufzeichnen(Leitungsrichtung::Empfangen, log.LetzterBefehl(), quittung, 0);
    if (!a.antwort.empty())
      log.Aufzeichnen(Leitungsrichtung::Empfangen, log.LetzterBefehl(), a.antwort, 0);
    benchmark::DoNotOptimize(log.LetzteNummer());
  }
  benchmark::DoNotOptimize(gehoert);
  const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - anfang;
  const double zeichen = static_cast<double>(a.frame.size() + 1 + a.antwort.size());
  // Wall time, so a busy machine makes the share look larger, never smaller.
  state.counters["line_share_pct"] =
      100.0 * dauer.count() / static_cast<double>(state.iterations()) / (zeichen * kBitzeit);
}

}  // namespace

BENCHMARK(Aufzeichnen)->ArgNames({"art", "fenster"})->ArgsProduct({{0, 1, 2}, {0, 1}});

BENCHMARK_MAIN();
