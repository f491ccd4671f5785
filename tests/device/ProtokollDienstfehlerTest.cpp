// Every command against every failure of the serial-port service and every kind of
// acknowledgement, through the in-memory service: each gives its own code, and nothing is
// sent when an earlier step failed.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "Kommandos.h"
#include "device/Leitungsruhe.h"
#include "device/MemorySerialService.h"
#include "device/Protokoll.h"

namespace {

using device::MemorySerialService;
using devicetest::alleKommandos;
using devicetest::Kommando;
using Op = MemorySerialService::Op;

constexpr int kPort = 4;

class Dienstfehler : public ::testing::TestWithParam<Kommando> {
 protected:
  void SetUp() override {
    dienst.connect(kPort, [this](std::string_view) { return antwort; });
    v.DienstSetzen(&dienst);
    ASSERT_EQ(device::ZORFYD1_Open(v, kPort, 9600), 0);
  }
  void TearDown() override {
    device::LeitungVertrauen(v, kPort);
    v.DienstSetzen(nullptr);
  }

  // Each call is one exchange on a trusted line: the quiet wait after a failed exchange
  // (with its own reads) is tested on its own.
  int rufe(char adresse = '1') {
    device::LeitungVertrauen(v, kPort);
    return GetParam().aufruf(v, kPort, adresse);
  }
  const std::string& gesendet() { return dienst.state(kPort).written; }

  MemorySerialService dienst;
  device::Verbindung v;
  std::string antwort;
};

TEST_P(Dienstfehler, SucceedsOnAGoodExchangeWithTheExactFrame) {
  antwort = "\x06" + GetParam().antwort;
  EXPECT_EQ(rufe(), 0);
  EXPECT_EQ(gesendet(), GetParam().frame);
  // Both queues were emptied before the frame went out.
  EXPECT_EQ(dienst.calls(Op::FlushIn), 1);
  EXPECT_EQ(dienst.calls(Op::FlushOut), 1);
}

TEST_P(Dienstfehler, FlushFailuresStopBeforeAnythingIsSent) {
  const Kommando& k = GetParam();
  dienst.failNext(Op::FlushIn);
  EXPECT_EQ(rufe(), k.flush != 0 ? k.flush : -124148);
  dienst.failNext(Op::FlushOut);
  EXPECT_EQ(rufe(), k.flush != 0 ? k.flush : -123149);
  EXPECT_EQ(gesendet(), "");
}

TEST_P(Dienstfehler, WriteFailuresAreToldApart) {
  const Kommando& k = GetParam();
  antwort = "\x06" + k.antwort;
  dienst.failNext(Op::Write, -7);
  EXPECT_EQ(rufe(), k.schreibFehler);
  dienst.writeResultNext(3);
  EXPECT_EQ(rufe(), k.schreibKurz);
  // No acknowledgement was read after a failed write.
  EXPECT_EQ(dienst.calls(Op::Read), 0);
}

TEST_P(Dienstfehler, AcknowledgementsAreToldApart) {
  const Kommando& k = GetParam();
  antwort = "\x15";
  EXPECT_EQ(rufe(), k.nak);
  antwort = "\x18";
  EXPECT_EQ(rufe(), k.can);
  antwort = "";
  EXPECT_EQ(rufe(), k.stille);
  antwort = "A";
  EXPECT_EQ(rufe(), k.anderesByte);
  antwort = "\x06";
  dienst.failNext(Op::Read, -9);
  EXPECT_EQ(rufe(), k.stille);
}

TEST_P(Dienstfehler, OutputQueueWaitEndsWhenTheQueryFails) {
  antwort = "\x06" + GetParam().antwort;
  dienst.outQueueSequence({40, 20});
  dienst.failNext(Op::OutQLen, -5, 10);
  EXPECT_EQ(rufe(), 0);
}

TEST_P(Dienstfehler, OutputQueueWaitFollowsADrainingQueue) {
  antwort = "\x06" + GetParam().antwort;
  dienst.outQueueSequence({30, 20, 10, 5});
  EXPECT_EQ(rufe(), 0);
  EXPECT_EQ(dienst.calls(Op::OutQLen), 5);
}

TEST_P(Dienstfehler, WithoutAServiceEverythingFails) {
  v.DienstSetzen(nullptr);
  const Kommando& k = GetParam();
  EXPECT_EQ(rufe(), k.flush != 0 ? k.flush : -124148);
}

INSTANTIATE_TEST_SUITE_P(AlleKommandos, Dienstfehler, ::testing::ValuesIn(alleKommandos()),
                         [](const auto& info) { return info.param.name; });

std::vector<Kommando> auswahl(bool (*passt)(const Kommando&)) {
  std::vector<Kommando> v;
  for (const auto& k : alleKommandos())
    if (passt(k)) v.push_back(k);
  return v;
}

class Lesekommando : public Dienstfehler {};

TEST_P(Lesekommando, AFailedReadInTheDataReplyIsAWrongAnswer) {
  // ACK, then the reply breaks off before its CR.
  antwort = "\x06" + GetParam().antwort.substr(0, GetParam().antwort.size() - 2);
  EXPECT_EQ(rufe(), GetParam().lesefehler);
}

TEST_P(Lesekommando, TheBroadcastAddressIsRefused) {
  if (GetParam().name == "ParameterLesen") {
    // Its addresses are '0'..'8'; '&' falls out there.
    EXPECT_EQ(rufe('&'), -400080);
  } else {
    EXPECT_EQ(rufe('&'), GetParam().adressCode);
  }
  EXPECT_EQ(gesendet(), "");
}

INSTANTIATE_TEST_SUITE_P(Lesend, Lesekommando,
                         ::testing::ValuesIn(auswahl([](const Kommando& k) { return k.lesend; })),
                         [](const auto& info) { return info.param.name; });

class Rundrufkommando : public Dienstfehler {};

TEST_P(Rundrufkommando, BroadcastReturnsWithoutReading) {
  antwort = "\x15";  // would be NAK if it were read
  EXPECT_EQ(rufe('&'), 0);
  EXPECT_EQ(dienst.calls(Op::Read), 0);
  EXPECT_EQ(gesendet().substr(0, 2), "#&");
}

INSTANTIATE_TEST_SUITE_P(Rundruf, Rundrufkommando,
                         ::testing::ValuesIn(auswahl([](const Kommando& k) { return k.rundruf; })),
                         [](const auto& info) { return info.param.name; });

TEST(OutputQueue, AStuckQueueEndsTheWaitAndTheAcknowledgementDecides) {
  MemorySerialService dienst;
  dienst.connect(1, [](std::string_view) { return std::string("\x06"); });
  device::Verbindung v(&dienst);
  ASSERT_EQ(device::ZORFYD1_Open(v, 1, 9600), 0);
  dienst.outQueueStuck(17);
  EXPECT_EQ(device::ZORFYD1_DeviceFunction(v, 1, '1', "stopp"), 0);
  EXPECT_EQ(dienst.state(1).written, "#1DF2\r");
}

TEST(OutputQueue, AQueueThatCreepsDownIsWaitedForAtMostFiveSeconds) {
  MemorySerialService dienst;
  dienst.connect(1, [](std::string_view) { return std::string("\x06"); });
  device::Verbindung v(&dienst);
  ASSERT_EQ(device::ZORFYD1_Open(v, 1, 9600), 0);
  // One byte less at every query: never stalled, never empty.
  std::vector<int> laengen;
  for (int n = 1000000; n > 0; --n) laengen.push_back(n);
  dienst.outQueueSequence(laengen);
  const auto t0 = std::chrono::steady_clock::now();
  EXPECT_EQ(device::ZORFYD1_DeviceFunction(v, 1, '1', "start"), 0);
  EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(5000));
}

TEST(OpenCloseTimeout, OpenUsesTheFixedLineSettingsAndTheDeviceName) {
  MemorySerialService dienst;
  dienst.connect(3);
  device::Verbindung v(&dienst);
  for (long baud : {4800L, 9600L, 19200L, 38400L, 115200L}) {
    ASSERT_EQ(device::ZORFYD1_Open(v, 3, baud), 0) << baud;
    const auto& s = dienst.state(3);
    EXPECT_EQ(s.deviceName, "com3");
    EXPECT_EQ(s.baudRate, baud);
    EXPECT_EQ(s.parity, device::Parity::Odd);
    EXPECT_EQ(s.dataBits, 7);
    EXPECT_EQ(s.stopBits, 1);
    EXPECT_EQ(s.inputQueueSize, 512);
    EXPECT_EQ(s.outputQueueSize, 512);
  }
  EXPECT_EQ(device::ZORFYD1_Timeout(v, 3, 0.5), 0);
  EXPECT_DOUBLE_EQ(dienst.state(3).timeout, 0.5);
  EXPECT_EQ(device::ZORFYD1_Close(v, 3), 0);
  EXPECT_FALSE(dienst.state(3).open);
}

TEST(OpenCloseTimeout, FailuresGiveTheirCodesAndTouchNothing) {
  MemorySerialService dienst;
  dienst.connect(3);
  device::Verbindung v(&dienst);
  for (long baud : {0L, 300L, 57600L, 9601L, -9600L}) {
    EXPECT_EQ(device::ZORFYD1_Open(v, 3, baud), -125001) << baud;
  }
  EXPECT_EQ(dienst.calls(Op::Open), 0);
  EXPECT_EQ(device::ZORFYD1_Open(v, -1, 9600), -100002);
  EXPECT_EQ(device::ZORFYD1_Open(v, 5, 9600), -100003);  // no such port
  dienst.failNext(Op::Open);
  EXPECT_EQ(device::ZORFYD1_Open(v, 3, 9600), -100003);
  EXPECT_FALSE(dienst.state(3).open);
  EXPECT_EQ(device::ZORFYD1_Close(v, 3), -103004);  // not open
  EXPECT_EQ(device::ZORFYD1_Timeout(v, 3, 0.5), -111005);
  ASSERT_EQ(device::ZORFYD1_Open(v, 3, 9600), 0);
  dienst.failNext(Op::SetTime);
  EXPECT_EQ(device::ZORFYD1_Timeout(v, 3, 0.5), -111005);
  dienst.failNext(Op::Close);
  EXPECT_EQ(device::ZORFYD1_Close(v, 3), -103004);
  v.DienstSetzen(nullptr);
  EXPECT_EQ(device::ZORFYD1_Open(v, 3, 9600), -100003);
  EXPECT_EQ(device::ZORFYD1_Close(v, 3), -103004);
  EXPECT_EQ(device::ZORFYD1_Timeout(v, 3, 0.5), -111005);
}

TEST(FlushInOutTest, EmptiesInputFirstAndReportsEachQueue) {
  MemorySerialService dienst;
  dienst.connect(2);
  device::Verbindung v(&dienst);
  ASSERT_EQ(device::ZORFYD1_Open(v, 2, 9600), 0);
  dienst.arrive(2, "stale");
  EXPECT_EQ(device::FlushInOut(v, 2), 0);
  EXPECT_TRUE(dienst.state(2).input.empty());
  dienst.failNext(Op::FlushIn);
  EXPECT_EQ(device::FlushInOut(v, 2), -124148);
  // The output queue is not touched after the input queue failed.
  EXPECT_EQ(dienst.calls(Op::FlushOut), 1);
  dienst.failNext(Op::FlushOut);
  EXPECT_EQ(device::FlushInOut(v, 2), -123149);
}

}  // namespace
