// Memory transfers against the simulator pacing its line at the real rates (the devices
// hear only a host at their own rate), at 9600 baud and with fast transfers (38400 baud,
// switching there and back included):
//
//   CurveWrite, CurveRead: the full curve memory (61440 bytes, 960 blocks);
//   SlotWrite: one characteristic slot (8224 bytes);
//   ChangedWrite: a full curve with one point moved, written again with only the changed
//   blocks (the unchanged write before it is not timed).
//
// Counters: seconds; line_s, the line time of the transfer's block frames and answers at
// the rate they ran at; ratio = seconds / line_s. Goals: a fast full write within 40 s in
// all, a changed-blocks rewrite of a one-point edit within 5 s.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "Engine.h"
#include "PtyRunner.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "config/Konfiguration.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPort = 9;
// Characters on the line per block of n bytes: the write frame and its ACK; the read
// request, the ACK and the reply.
constexpr double SchreibZeichen(long n) {
  return 20.0 + 2.0 * static_cast<double>(n);
}
constexpr double LeseZeichen(long n) {
  return 35.0 + 2.0 * static_cast<double>(n);
}

QCoreApplication& Anwendung() {
  static int argc = 1;
  static char name[] = "schnellgang_bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

struct Strecke {
  explicit Strecke(bool schnell) : runner(engine) {
    Anwendung();
    if (!runner.openPty()) throw std::runtime_error(runner.error());
    runner.setPacing(9600);
    runner.followLineRates(true);
    runner.start();
    dienst.setPortPfade({{kPort, runner.path()}});
    if (device::ZORFYD1_Open(verbindung, kPort, 9600) != 0)
      throw std::runtime_error("port not opened");
    device::ZORFYD1_Timeout(verbindung, kPort, 0.5);
    verbindung.Port().offen = kPort;
    verbindung.Uebertragung().schnell = schnell;
  }
  ~Strecke() {
    device::ZORFYD1_Close(verbindung, kPort);
    runner.stop();
  }
  sim::Engine engine;
  sim::PtyRunner runner;
  device::qtserial::QtSerialService dienst;
  device::Verbindung verbindung{&dienst};
};

// 3838 lines of 8 units: 30704 samples, the whole memory.
struct VolleKurve {
  VolleKurve() {
    config::KonfigurationStandardwerte(sitzung.Konfig);
    if (curves::KurvenModellInitialisieren(sitzung) != 0) throw std::runtime_error("model");
    auto& p = sitzung.gKurven.Kurven[0].Punkte;
    p.clear();
    for (int i = 0; i < 3838; ++i) p.push_back({(i * 37) % 4096, 8, 2, {0, 0, 0}});
  }
  ~VolleKurve() { curves::KurvenModellFreigeben(sitzung); }
  curves::Kurvensitzung sitzung;
};

void Zaehler(benchmark::State& state, double sekunden, double zeichen, long rate) {
  const double linie = zeichen * 10.0 / static_cast<double>(rate);
  state.counters["seconds"] = sekunden;
  state.counters["line_s"] = linie;
  state.counters["ratio"] = sekunden / linie;
}

long Rate(const benchmark::State& state) {
  return state.range(0) ? 38400 : 9600;
}

void CurveWrite(benchmark::State& state) {
  Strecke s(state.range(0) != 0);
  VolleKurve k;
  double sekunden = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    if (curves::KurvenSenden(k.sitzung, s.verbindung, curves::kSpeicherKurven) != 0)
      state.SkipWithError("write failed");
    sekunden = std::chrono::duration<double>(Clock::now() - t0).count();
  }
  if (s.engine.device('1').baudRate != 9600) state.SkipWithError("device not back at 9600");
  Zaehler(state, sekunden, 960 * SchreibZeichen(64), Rate(state));
}
BENCHMARK(CurveWrite)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

void CurveRead(benchmark::State& state) {
  Strecke s(true);  // the image to read is written fast
  VolleKurve k;
  if (curves::KurvenSenden(k.sitzung, s.verbindung, curves::kSpeicherKurven) != 0)
    state.SkipWithError("write failed");
  s.verbindung.Uebertragung().schnell = state.range(0) != 0;
  double sekunden = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    if (curves::KurvenLesen(k.sitzung, s.verbindung, curves::kSpeicherKurven) != 0)
      state.SkipWithError("read failed");
    sekunden = std::chrono::duration<double>(Clock::now() - t0).count();
  }
  Zaehler(state, sekunden, LeseZeichen(32) + 960 * LeseZeichen(64), Rate(state));
}
BENCHMARK(CurveRead)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

void SlotWrite(benchmark::State& state) {
  Strecke s(state.range(0) != 0);
  // Slots already valid: the write does not initialise all seven first.
  s.engine.withDevice('1', [](sim::Device& d) { d.mode = 2; });
  characteristic::Kennliniensitzung kennl;
  characteristic::KennlModellInitialisieren(kennl);
  kennl.gKennl.Felder.KurveNr = 2;
  double sekunden = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    if (characteristic::KennlinieSchreiben(kennl, s.verbindung) != 0)
      state.SkipWithError("write failed");
    sekunden = std::chrono::duration<double>(Clock::now() - t0).count();
  }
  characteristic::KennlModellFreigeben(kennl);
  // Slot 2 from 8224: one block of 32 bytes to the 64-byte boundary, then 128 of 64.
  Zaehler(state, sekunden, SchreibZeichen(32) + 128 * SchreibZeichen(64), Rate(state));
}
BENCHMARK(SlotWrite)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

void ChangedWrite(benchmark::State& state) {
  Strecke s(true);  // the first, full write runs fast
  VolleKurve k;
  s.verbindung.Uebertragung().nurGeaendert = true;
  if (curves::KurvenSenden(k.sitzung, s.verbindung, curves::kSpeicherKurven) != 0)
    state.SkipWithError("write failed");
  s.verbindung.Uebertragung().schnell = state.range(0) != 0;
  k.sitzung.gKurven.Kurven[0].Punkte[1000].Y ^= 0x100;
  s.engine.clearFrames();
  double sekunden = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    if (curves::KurvenSenden(k.sitzung, s.verbindung, curves::kSpeicherKurven) != 0)
      state.SkipWithError("write failed");
    sekunden = std::chrono::duration<double>(Clock::now() - t0).count();
  }
  long bloecke = 0;
  for (const auto& f : s.engine.frames()) bloecke += f.find("BDW") == 2 ? 1 : 0;
  state.counters["blocks_written"] = static_cast<double>(bloecke);
  // Header read, the blocks written and each read back.
  Zaehler(state, sekunden,
          LeseZeichen(32) + static_cast<double>(bloecke) * (SchreibZeichen(64) + LeseZeichen(64)),
          Rate(state));
}
BENCHMARK(ChangedWrite)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
