// One polling cycle of the direct input/output window (four input readings and one log
// record) against the simulator on an unpaced pseudo-terminal.
//
// PollingCycle: the cycle's own time against the line time its characters take at
// 9600 baud (goal: a small fraction, so polling keeps up with any sampling time the line
// allows). LogRecord: the record alone, formatted and written to the log file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "Engine.h"
#include "PtyRunner.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"
#include "direct/Abfrage.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/Eingaenge.h"
#include "direct/Protokolldatei.h"

namespace {

constexpr int kPort = 9;
constexpr long kBaud = 9600;
// Per reading: "#1VnR" CR, ACK, "#1VnR2.500" CR; 10 bits a character.
constexpr double kZeichenProZyklus = 4 * (6 + 1 + 11);

QCoreApplication& Anwendung() {
  static int argc = 1;
  static char name[] = "direct_bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// The simulator on a pty, port 9 open as the window's port, a log file being written.
struct Strecke {
  Strecke() : runner(engine) {
    Anwendung();
    if (!runner.openPty() || !runner.start()) throw std::runtime_error(runner.error());
    dienst.setPortPfade({{kPort, runner.path()}});
    if (device::ZORFYD1_Open(verbindung, kPort, kBaud) != 0)
      throw std::runtime_error("port not opened");
    device::ZORFYD1_Timeout(verbindung, kPort, 0.5);
    verbindung.Port().offen = kPort;
    for (int n = 1; n <= 4; ++n) engine.setInput('1', n, 2.5);
    direct::DirektpanelNeu(sitzung);
    direct::DirektpanelInit(sitzung);
    direct::Eingang4ModusSetzen(sitzung, 0);
    log = std::filesystem::temp_directory_path() /
          ("direct_bench_" + std::to_string(getpid()) + ".txt");
    if (direct::ProtokolldateiOeffnenVon(sitzung, log.string()) != 0)
      throw std::runtime_error("log not opened");
  }
  ~Strecke() {
    direct::DirektpanelNeu(sitzung);  // closes the log before it goes
    std::filesystem::remove(log);
    device::ZORFYD1_Close(verbindung, kPort);
    runner.stop();
  }
  sim::Engine engine;
  sim::PtyRunner runner;
  device::qtserial::QtSerialService dienst;
  device::Verbindung verbindung{&dienst};
  std::filesystem::path log;
  direct::Direktsitzung sitzung;
};

void PollingCycle(benchmark::State& state) {
  Strecke s;
  const auto anfang = std::chrono::steady_clock::now();
  for (auto _ : state)
    if (direct::DirektTimer_Callback(s.sitzung, s.verbindung) != 0)
      state.SkipWithError("cycle failed");
  const double zyklus =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count() /
      static_cast<double>(state.iterations());
  const double zeilenzeit = kZeichenProZyklus * 10.0 / kBaud;
  state.counters["line_ms"] = zeilenzeit * 1e3;
  state.counters["cycle_ms"] = zyklus * 1e3;
  state.counters["ratio"] = zyklus / zeilenzeit;
}
BENCHMARK(PollingCycle)->Unit(benchmark::kMicrosecond)->MinTime(2.0)->UseRealTime();

void LogRecord(benchmark::State& state) {
  Strecke s;
  for (auto _ : state)
    if (direct::ProtokollzeileSchreiben(s.sitzung) != 0) state.SkipWithError("record failed");
}
BENCHMARK(LogRecord)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
