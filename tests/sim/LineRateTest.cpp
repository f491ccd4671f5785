// Line rates over a real pseudo-terminal: a device hears only a host at its own rate, a
// baud-rate write is acknowledged at the old rate and then the line runs at the new one.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "Engine.h"
#include "PtyRunner.h"
#include "device/Protokoll.h"
#include "support_sim/Leitung.h"
#include "support_sim/SimPort.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using testsupport::Leitung;

const std::string ACK = "\x06";
const std::string NAK = "\x15";
const std::string kIdAntwort = ACK + "#1ZOR-MIV3AX WUN-2 V1.30\r";

// A device on a pseudo-terminal whose rates are followed.
struct Linie {
  explicit Linie(long start, long maxBaud = 0, long pacing = 0) : runner(engine) {
    engine.withDevice('1', [&](sim::Device& d) {
      d.baudRate = start;
      d.maxBaud = maxBaud;
    });
    EXPECT_TRUE(runner.openPty()) << runner.error();
    runner.setPacing(pacing);
    runner.followLineRates(true);
    EXPECT_TRUE(runner.start());
  }
  sim::Engine engine;
  sim::PtyRunner runner;
};

struct Ratenwechsel {
  long start;
  long neu;
  long maxBaud;
  bool angenommen;
};

class Baudratenschreiben : public testing::TestWithParam<Ratenwechsel> {};

TEST_P(Baudratenschreiben, TheLineRunsAtTheRateTheDeviceTook) {
  const auto& w = GetParam();
  Linie l(w.start, w.maxBaud);
  Leitung host(l.runner.path(), w.start);
  ASSERT_TRUE(host.ok());
  host.schreibe("#1BRW" + std::to_string(w.neu) + "\r");
  EXPECT_EQ(host.lies(1), w.angenommen ? ACK : NAK);
  const long jetzt = w.angenommen ? w.neu : w.start;
  EXPECT_EQ(l.engine.device('1').baudRate, jetzt);
  // A host at any other rate gets nothing and changes nothing; at the device's, everything.
  for (long rate : {4800L, 9600L, 19200L, 38400L, 115200L}) {
    if (rate == jetzt) continue;
    ASSERT_TRUE(host.setzeRate(rate));
    host.schreibe("#1IDR\r#1DF1\r");
    EXPECT_EQ(host.lies(1, 100ms), "") << rate;
  }
  EXPECT_FALSE(l.engine.device('1').running);
  ASSERT_TRUE(host.setzeRate(jetzt));
  host.schreibe("#1IDR\r");
  EXPECT_EQ(host.lies(kIdAntwort.size()), kIdAntwort);
}

INSTANTIATE_TEST_SUITE_P(
    Raten, Baudratenschreiben,
    testing::Values(Ratenwechsel{9600, 38400, 0, true}, Ratenwechsel{9600, 4800, 0, true},
                    Ratenwechsel{38400, 19200, 0, true}, Ratenwechsel{4800, 9600, 0, true},
                    Ratenwechsel{9600, 19200, 19200, true}, Ratenwechsel{9600, 38400, 19200, false},
                    Ratenwechsel{9600, 115200, 0, false}, Ratenwechsel{9600, 1200, 0, false}));

TEST(Linienrate, AckAtTheOldRateThenPacedAtTheNew) {
  constexpr auto k4800 = 2083us;  // one character of 10 bits
  Linie l(4800, 0, 4800);
  Leitung host(l.runner.path(), 4800);
  ASSERT_TRUE(host.ok());
  // 11 characters in, then the ACK, all at 4800: the new rate would make it shorter.
  auto t0 = Clock::now();
  host.schreibe("#1BRW38400\r");
  EXPECT_EQ(host.lies(1), ACK);
  EXPECT_GE(Clock::now() - t0, 12 * k4800);
  // Back down from 38400: the ID after it goes at 4800 again, 6 in and 26 out.
  ASSERT_TRUE(host.setzeRate(38400));
  host.schreibe("#1BRW4800\r");
  EXPECT_EQ(host.lies(1), ACK);
  ASSERT_TRUE(host.setzeRate(4800));
  t0 = Clock::now();
  host.schreibe("#1IDR\r");
  EXPECT_EQ(host.lies(kIdAntwort.size()), kIdAntwort);
  EXPECT_GE(Clock::now() - t0, 32 * k4800);
}

TEST(Linienrate, ABroadcastReachesOnlyDevicesAtTheHostsRate) {
  sim::Engine e("12");
  e.withDevice('2', [](sim::Device& d) { d.baudRate = 38400; });
  EXPECT_EQ(e.feed('#', 9600), std::nullopt);
  for (char c : std::string("&DF1")) e.feed(c, 9600);
  EXPECT_EQ(e.feed('\r', 9600)->bytes, "");
  EXPECT_TRUE(e.device('1').running);
  EXPECT_FALSE(e.device('2').running);
}

TEST(Linienrate, TheDriverThroughTheQtServiceSwitchesWithTheDevice) {
  testsupport::SimPortOptions o;
  o.lineRates = true;
  o.timeout = 0.1;
  testsupport::SimPort sim(o);
  const int p = sim.port();
  ASSERT_EQ(device::ZORMIV1_BaudrateSchreiben(sim.verbindung(), p, 1, 38400), 0);
  char id[32];
  EXPECT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), -403012);
  ASSERT_EQ(device::ZORFYD1_Open(sim.verbindung(), p, 38400), 0);
  ASSERT_EQ(device::ZORFYD1_Timeout(sim.verbindung(), p, 0.1), 0);
  EXPECT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), 0);
}

struct Brwfehler {
  sim::FaultKind art;
  std::string antwort;
  long rateDanach;
};

class BaudratenschreibenMitFehler : public testing::TestWithParam<Brwfehler> {};

TEST_P(BaudratenschreibenMitFehler, AFaultedRateWriteChangesNothingUnlessAcknowledged) {
  sim::Engine e;
  sim::Fault f{GetParam().art, "BRW"};
  f.byte = 'x';
  e.inject(f);
  EXPECT_EQ(e.feed("#1IDR\r"), kIdAntwort);  // other commands are not hit
  EXPECT_EQ(e.feed("#1BRW19200\r"), GetParam().antwort);
  EXPECT_EQ(e.device('1').baudRate, GetParam().rateDanach);
}

INSTANTIATE_TEST_SUITE_P(Fehler, BaudratenschreibenMitFehler,
                         testing::Values(Brwfehler{sim::FaultKind::Nak, NAK, 9600},
                                         Brwfehler{sim::FaultKind::Can, "\x18", 9600},
                                         Brwfehler{sim::FaultKind::Silence, "", 9600},
                                         Brwfehler{sim::FaultKind::WrongByte, "x", 9600},
                                         Brwfehler{sim::FaultKind::Delay, ACK, 19200}));

struct Verfaelschung {
  int position;
  int every;
  int verfaelschterIndex;  // -1: none
};

class VerfaelschtesSchreiben : public testing::TestWithParam<Verfaelschung> {};

TEST_P(VerfaelschtesSchreiben, AcknowledgedButOneByteStoredInverted) {
  const auto& v = GetParam();
  sim::Engine e("12");
  sim::Fault f{sim::FaultKind::Corrupt, "BDW"};
  f.address = '1';
  f.position = v.position;
  f.everyNth = v.every;
  e.inject(f);
  // Four bytes 12 34 56 78 at 0100h of memory 4, checksum 1 + 114h = 115h.
  const std::string frame =
      "BDW40100000412345678"
      "0115\r";
  for (int i = 0; i < std::max(v.every, 1); ++i) EXPECT_EQ(e.feed("#1" + frame), ACK) << i;
  EXPECT_EQ(e.feed("#2" + frame), ACK);
  const std::uint8_t geschrieben[4] = {0x12, 0x34, 0x56, 0x78};
  for (int i = 0; i < 4; ++i) {
    const auto soll = static_cast<std::uint8_t>(i == v.verfaelschterIndex ? geschrieben[i] ^ 0xFF
                                                                          : geschrieben[i]);
    EXPECT_EQ(e.device('1').memory4[0x100 + i], soll) << i;
    EXPECT_EQ(e.device('2').memory4[0x100 + i], geschrieben[i]) << i;
  }
  EXPECT_EQ(e.device('1').memory4[0x104], 0xFF);
  // The stored bytes are what a read-back sees.
  const std::string zurueck = e.feed("#1BDR401000004\r");
  EXPECT_EQ(zurueck.find("12345678") == std::string::npos, v.verfaelschterIndex >= 0) << zurueck;
}

INSTANTIATE_TEST_SUITE_P(Stellen, VerfaelschtesSchreiben,
                         testing::Values(Verfaelschung{0, 0, 0}, Verfaelschung{2, 0, 2},
                                         Verfaelschung{-1, 0, 3}, Verfaelschung{4, 0, -1},
                                         Verfaelschung{1, 3, 1}));

}  // namespace
