// The runner on real pseudo-terminals: plain POSIX clients, pacing, a served device path,
// hang-ups and stopping.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "Engine.h"
#include "PtyRunner.h"
#include "support_sim/Leitung.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

using Klient = testsupport::Leitung;

const std::string kIdAntwort = "\x06#1ZOR-MIV3AX WUN-2 V1.30\r";

TEST(PtyRunner, ServesAPlainTerminalClient) {
  sim::Engine e;
  sim::PtyRunner r(e);
  ASSERT_TRUE(r.openPty()) << r.error();
  EXPECT_EQ(r.path().rfind("/dev/pts/", 0), 0u);
  ASSERT_TRUE(r.start());
  Klient k(r.path());
  ASSERT_TRUE(k.ok());
  k.schreibe("#1IDR\r");
  EXPECT_EQ(k.lies(kIdAntwort.size()), kIdAntwort);
  k.schreibe("#2IDR\r#1DF1\r");
  EXPECT_EQ(k.lies(1), "\x06");
  EXPECT_TRUE(e.device('1').running);
}

TEST(PtyRunner, SurvivesTheClientClosingAndReopening) {
  sim::Engine e;
  sim::PtyRunner r(e);
  ASSERT_TRUE(r.openPty());
  ASSERT_TRUE(r.start());
  for (int i = 0; i < 3; ++i) {
    Klient k(r.path());
    ASSERT_TRUE(k.ok());
    k.schreibe("#1IDR\r");
    EXPECT_EQ(k.lies(kIdAntwort.size()), kIdAntwort) << i;
  }
  EXPECT_TRUE(r.running());
}

TEST(PtyRunner, PacedLineTakesItsLineTime) {
  sim::Engine e;
  sim::PtyRunner r(e);
  ASSERT_TRUE(r.openPty());
  r.setPacing(4800);  // 2.083 ms per character
  ASSERT_TRUE(r.start());
  Klient k(r.path());
  const auto t0 = Clock::now();
  k.schreibe("#1IDR\r");
  const std::string ack = k.lies(1);
  const auto tAck = Clock::now() - t0;
  const std::string rest = k.lies(kIdAntwort.size() - 1);
  const auto tAlles = Clock::now() - t0;
  EXPECT_EQ(ack + rest, kIdAntwort);
  // 6 characters in, then the ACK: 7 character times before the ACK is there.
  EXPECT_GE(tAck, 7 * 2083us);
  // 6 characters in and 26 out.
  EXPECT_EQ(kIdAntwort.size(), 26u);
  EXPECT_GE(tAlles, 32 * 2083us);
}

TEST(PtyRunner, ServesADevicePathItIsGiven) {
  // A second pseudo-terminal stands in for a serial port: the runner takes its slave,
  // the test talks on the master.
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const std::string slave = ptsname(master);
  Klient k(master);
  sim::Engine e("7");
  sim::PtyRunner r(e);
  ASSERT_TRUE(r.openDevice(slave, 9600)) << r.error();
  EXPECT_EQ(r.path(), slave);
  ASSERT_TRUE(r.start());
  k.schreibe("#7V1R\r");
  EXPECT_EQ(k.lies(12), "\x06#7V1R0.000\r");
}

TEST(PtyRunner, ADevicePathIsSetToTheRateAskedForOrRefused) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const std::string slave = ptsname(master);
  Klient k(master);
  sim::Engine e;
  sim::PtyRunner r(e);
  ASSERT_TRUE(r.openDevice(slave, 38400)) << r.error();
  termios t{};
  ASSERT_EQ(tcgetattr(master, &t), 0);
  EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B38400));
  // A rate the line cannot take is an error, not a line served at some other rate.
  EXPECT_FALSE(r.openDevice(slave, 12345));
  EXPECT_NE(r.error().find("12345"), std::string::npos) << r.error();
  EXPECT_FALSE(r.start());
}

TEST(PtyRunner, MissingDeviceIsAClearError) {
  sim::Engine e;
  sim::PtyRunner r(e);
  EXPECT_FALSE(r.openDevice("/nonexistent/ttyX"));
  EXPECT_NE(r.error().find("/nonexistent/ttyX"), std::string::npos);
  EXPECT_FALSE(r.start());
}

TEST(PtyRunner, StopEndsAPendingDelayAtOnce) {
  sim::Engine e;
  sim::Fault f{sim::FaultKind::Delay, "IDR"};
  f.delayMs = 20000;
  e.inject(f);
  sim::PtyRunner r(e);
  ASSERT_TRUE(r.openPty());
  ASSERT_TRUE(r.start());
  Klient k(r.path());
  k.schreibe("#1IDR\r");
  while (e.frames().empty()) std::this_thread::sleep_for(1ms);
  const auto t0 = Clock::now();
  r.stop();
  EXPECT_LT(Clock::now() - t0, 5s);
  EXPECT_FALSE(r.running());
  EXPECT_EQ(k.lies(1, 100ms), "");
}

}  // namespace
