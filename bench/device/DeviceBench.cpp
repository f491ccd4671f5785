// Writing 61440 bytes in 64-byte blocks to the simulator over a pseudo-terminal.
//
// BlockOverhead: per block, the time of the exchange through the driver and the Qt
// serial-port service, against the same frame written and its ACK read with plain system
// calls; the difference is what the program itself adds (goal: at most 0.2 ms).
// PacedWrite: the simulator paces its line; the ratio of the measured time to the line
// time of all characters exchanged (frame + ACK) (goal: at most 1.02).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Engine.h"
#include "PtyRunner.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPort = 9;
constexpr int kBlock = 64;

QCoreApplication& anwendung() {
  static int argc = 1;
  static char name[] = "device_bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// The simulator on a pty with port 9 opened through the driver.
struct Strecke {
  explicit Strecke(long pacing) : runner(engine) {
    anwendung();
    if (!runner.openPty()) throw std::runtime_error(runner.error());
    runner.setPacing(pacing);
    runner.start();
    dienst.setPortPfade({{kPort, runner.path()}});
    if (device::ZORFYD1_Open(verbindung, kPort, pacing == 9600 ? 9600 : 115200) != 0)
      throw std::runtime_error("port not opened");
    device::ZORFYD1_Timeout(verbindung, kPort, 0.5);
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

std::vector<std::uint8_t> bild(std::size_t n) {
  std::vector<std::uint8_t> b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(i * 13 + 7);
  return b;
}

// The memory-write frame of one block, built here so the raw path does no driver work.
std::string frame(long start, const std::uint8_t* d) {
  static const char hex[] = "0123456789ABCDEF";
  std::string f = "#1BDW4";
  const auto wort = [&](unsigned v) {
    for (int s = 12; s >= 0; s -= 4) f += hex[(v >> s) & 0xF];
  };
  wort(static_cast<unsigned>(start));
  wort(kBlock);
  unsigned sum = 1;
  for (int i = 0; i < kBlock; ++i) {
    f += hex[d[i] >> 4];
    f += hex[d[i] & 0xF];
    sum += d[i];
  }
  wort(sum & 0xFFFF);
  return f + '\r';
}

void BlockOverhead(benchmark::State& state) {
  Strecke s(0);
  const auto daten = bild(61440);
  const int bloecke = 61440 / kBlock;
  std::vector<std::string> frames;
  for (int b = 0; b < bloecke; ++b) frames.push_back(frame(b * kBlock, daten.data() + b * kBlock));
  // The raw client: its own descriptor on the same line, raw mode.
  const int fd = ::open(s.runner.path().c_str(), O_RDWR | O_NOCTTY);
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);

  double roh = 0, treiber = 0;
  long runden = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int b = 0; b < bloecke; ++b) {
      const std::string& f = frames[static_cast<std::size_t>(b)];
      if (::write(fd, f.data(), f.size()) != static_cast<ssize_t>(f.size()))
        state.SkipWithError("raw write");
      pollfd p{fd, POLLIN, 0};
      char ack = 0;
      if (::poll(&p, 1, 500) != 1 || ::read(fd, &ack, 1) != 1 || ack != 6)
        state.SkipWithError("raw ack");
    }
    auto t1 = Clock::now();
    for (int b = 0; b < bloecke; ++b) {
      if (device::ZORFYD1_SpeicherSchreiben(s.verbindung, kPort, '1', 4, b * kBlock, kBlock,
                                            daten.data() + b * kBlock) != 0)
        state.SkipWithError("driver write");
    }
    auto t2 = Clock::now();
    roh += std::chrono::duration<double, std::micro>(t1 - t0).count();
    treiber += std::chrono::duration<double, std::micro>(t2 - t1).count();
    ++runden;
  }
  ::close(fd);
  const double n = static_cast<double>(runden) * bloecke;
  state.counters["raw_us_per_block"] = roh / n;
  state.counters["driver_us_per_block"] = treiber / n;
  state.counters["overhead_us_per_block"] = (treiber - roh) / n;
  if (s.engine.device('1').memory4[61439] != daten[61439]) state.SkipWithError("memory differs");
}
BENCHMARK(BlockOverhead)->Unit(benchmark::kMillisecond)->Iterations(5);

void PacedWrite(benchmark::State& state) {
  const long baud = state.range(0);
  const std::size_t bytes = static_cast<std::size_t>(state.range(1));
  Strecke s(baud);
  const auto daten = bild(bytes);
  const long bloecke = static_cast<long>(bytes) / kBlock;
  // Per block: the frame (19 + 128 characters) and the ACK, 10 bits each.
  const double linie = static_cast<double>(bloecke) * (19 + 2 * kBlock + 1) * 10.0 / baud;
  double gemessen = 0;
  long runden = 0;
  std::vector<double> proBlock;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    auto tb = t0;
    for (long b = 0; b < bloecke; ++b) {
      if (device::ZORFYD1_SpeicherSchreiben(s.verbindung, kPort, '1', 4, b * kBlock, kBlock,
                                            daten.data() + b * kBlock) != 0)
        state.SkipWithError("driver write");
      const auto jetzt = Clock::now();
      proBlock.push_back(std::chrono::duration<double, std::micro>(jetzt - tb).count());
      tb = jetzt;
    }
    gemessen += std::chrono::duration<double>(Clock::now() - t0).count();
    ++runden;
  }
  std::sort(proBlock.begin(), proBlock.end());
  state.counters["line_time_s"] = linie;
  state.counters["ratio"] = gemessen / runden / linie;
  // Per block: the line time of one block, and the fastest, median and slowest exchange.
  state.counters["block_line_us"] = (19 + 2 * kBlock + 1) * 10.0e6 / baud;
  state.counters["block_min_us"] = proBlock.front();
  state.counters["block_median_us"] = proBlock[proBlock.size() / 2];
  state.counters["block_max_us"] = proBlock.back();
}
BENCHMARK(PacedWrite)
    ->Args({115200, 61440})
    ->Args({9600, 4096})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
