// The simulated device's answers, fed frames directly.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "Engine.h"

namespace {

using sim::Engine;
using sim::Fault;
using sim::FaultKind;

const std::string ACK = "\x06";
const std::string NAK = "\x15";
const std::string CAN = "\x18";

TEST(Engine, AnswersIdAndKeepsSilentForOtherAddresses) {
  Engine e("1a");
  EXPECT_EQ(e.feed("#1IDR\r"), ACK + "#1ZOR-MIV3AX WUN-2 V1.30\r");
  e.setId('a', "OTHER");
  EXPECT_EQ(e.feed("#aIDR\r"), ACK + "#aOTHER\r");
  EXPECT_EQ(e.feed("#2IDR\r"), "");
  EXPECT_EQ(e.feed("#AIDR\r"), "");
  EXPECT_EQ(e.addresses(), "1a");
}

TEST(Engine, FramesAreFoundInNoiseAndAcrossFeeds) {
  Engine e;
  EXPECT_EQ(e.feed("xx\r\x06"), "");
  EXPECT_EQ(e.feed("#1ID"), "");
  EXPECT_EQ(e.feed("R\r"), ACK + "#1ZOR-MIV3AX WUN-2 V1.30\r");
  // A frame broken off by a new "#" is dropped.
  EXPECT_EQ(e.feed("#1DF#1DF1\r"), ACK);
  EXPECT_TRUE(e.device('1').running);
  EXPECT_EQ(e.frames().size(), 2u);
  EXPECT_EQ(e.frames().back(), "#1DF1\r");
}

TEST(Engine, UnknownOrMalformedCommandsGetNak) {
  Engine e;
  for (const char* f :
       {"#1XYZ\r", "#1V5R\r", "#1V1W10.5\r", "#1V1W-1\r", "#1V1Wabc\r", "#1V1W\r", "#1DF3\r",
        "#1M1SXY\r", "#1M1S1\r", "#1BRW1200\r", "#1DAW9\r", "#1IDR2\r", "#1\r", "#1S3R\r"})
    EXPECT_EQ(e.feed(f), NAK) << f;
  EXPECT_EQ(e.device('1').outputs[0], 0.0);
  EXPECT_EQ(e.device('1').baudRate, 9600);
}

TEST(Engine, InputsOutputsAndSignals) {
  Engine e;
  e.setInput('1', 2, 4.5);
  EXPECT_EQ(e.feed("#1V2R\r"), ACK + "#1V2R4.500\r");
  e.setInput('1', 2, 12.0);  // held within the range
  EXPECT_EQ(e.feed("#1V2R\r"), ACK + "#1V2R10.000\r");
  EXPECT_EQ(e.feed("#1V4W7.125\r"), ACK);
  EXPECT_DOUBLE_EQ(e.device('1').outputs[3], 7.125);
  e.withDevice('1', [](sim::Device& d) { d.inputs[0] = {5.0, 2.0, 0.05}; });
  double kleinst = 10, groesst = 0;
  for (int i = 0; i < 200; ++i) {
    const std::string r = e.feed("#1V1R\r");
    const double v = std::stod(r.substr(6));
    kleinst = std::min(kleinst, v);
    groesst = std::max(groesst, v);
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  EXPECT_GE(kleinst, 3.0);
  EXPECT_LE(groesst, 7.0);
  EXPECT_GT(groesst - kleinst, 1.0);
}

TEST(Engine, TwoFormsOfM1RAndS1R) {
  Engine e;
  e.withDevice('1', [](sim::Device& d) {
    d.mode = 0x2C;
    d.status1 = 0x03;
    d.status2 = 0xF0;
    d.compartibilityMode = 1;
    d.speicherinhalt = 8224;
    d.maxCurrent = 6;
  });
  EXPECT_EQ(e.feed("#1M1R\r"), ACK + "#1M1R$2C\r");
  EXPECT_EQ(e.feed("#1S1R\r"), ACK + "#1S1R1\r");
  EXPECT_EQ(e.feed("#1S2R\r"), ACK + "#1S2R$F0\r");
  EXPECT_EQ(e.feed("#1CbR\r"), ACK + "#1CbR6\r");
  e.withDevice('1', [](sim::Device& d) {
    d.m1rAsSpeicherinhalt = true;
    d.s1rAsStatus = true;
  });
  EXPECT_EQ(e.feed("#1M1R\r"), ACK + "#1M1R8224\r");
  EXPECT_EQ(e.feed("#1S1R\r"), ACK + "#1S1R$03\r");
}

TEST(Engine, ModeBitsSetAndClear) {
  Engine e;
  EXPECT_EQ(e.feed("#1M1S0A\r"), ACK);
  EXPECT_EQ(e.feed("#1M1Sf0\r"), ACK);
  EXPECT_EQ(e.device('1').mode, 0xFA);
  EXPECT_EQ(e.feed("#1M1C82\r"), ACK);
  EXPECT_EQ(e.device('1').mode, 0x78);
}

TEST(Engine, MemoryBlocks) {
  Engine e;
  EXPECT_EQ(e.feed("#1BDW40100000212AB00BE\r"), ACK);
  EXPECT_EQ(e.feed("#1BDR401000002\r"), ACK + "#1BDR40100000212AB00BE\r");
  EXPECT_EQ(e.feed("#1BDR401020001\r"), ACK + "#1BDR401020001FF0100\r");
  EXPECT_EQ(e.feed("#1BDW5FFFF00000001\r"), ACK);
  EXPECT_EQ(e.feed("#1BDW5FFFF0001AB00AC\r"), ACK);
  EXPECT_EQ(e.device('1').memory5[0xFFFF], 0xAB);
  EXPECT_EQ(e.device('1').memory4[0xFFFF], 0xFF);
}

TEST(Engine, BadMemoryBlocksAreRefusedAndChangeNothing) {
  Engine e;
  const auto vorher = e.device('1').memory4;
  for (const char* f : {
           "#1BDW40100000212AB00BF\r",   // checksum off by one
           "#1BDW40100000212AB00BD\r",   // checksum counted from 0
           "#1BDW40100000212AB00B\r",    // short
           "#1BDW40100000212AB00BE0\r",  // long
           "#1BDW40100000212AG00BE\r",   // not hex
           "#1BDW4FFFF000212AB00BE\r",   // beyond the memory
           "#1BDW60100000212AB00BE\r",   // no such memory
           "#1BDR4FFFF0002\r",           // read beyond the memory
           "#1BDR40000000\r",            // short
           "#1BDR3000000001\r",          // no such memory
       })
    EXPECT_EQ(e.feed(f), NAK) << f;
  EXPECT_EQ(e.device('1').memory4, vorher);
}

TEST(Engine, BroadcastsAreExecutedByAllAndAnsweredByNone) {
  Engine e("12");
  EXPECT_EQ(e.feed("#&V1W2.500\r"), "");
  EXPECT_EQ(e.feed("#&DF1\r"), "");
  EXPECT_EQ(e.feed("#9BRW4800\r"), "");
  EXPECT_EQ(e.feed("#&DAW5\r"), "");  // nobody moves on a broadcast
  for (char a : {'1', '2'}) {
    EXPECT_DOUBLE_EQ(e.device(a).outputs[0], 2.5);
    EXPECT_TRUE(e.device(a).running);
    EXPECT_EQ(e.device(a).baudRate, 4800);
  }
  EXPECT_EQ(e.addresses(), "12");
}

TEST(Engine, AddressChangeMovesTheDevice) {
  Engine e("12");
  e.setId('1', "MOVED");
  EXPECT_EQ(e.feed("#1DAW2\r"), NAK);  // taken
  EXPECT_EQ(e.feed("#1DAW1\r"), ACK);  // its own
  EXPECT_EQ(e.feed("#1DAW0\r"), ACK);
  EXPECT_EQ(e.addresses(), "02");
  EXPECT_EQ(e.feed("#0IDR\r"), ACK + "#0MOVED\r");
  EXPECT_EQ(e.feed("#1IDR\r"), "");
}

TEST(Engine, FaultsApplyToTheirCommandAndAddress) {
  Engine e("12");
  Fault f{FaultKind::Nak, "BDW"};
  f.address = '2';
  e.inject(f);
  EXPECT_EQ(e.feed("#1BDW40000000212AB00BE\r"), ACK);
  EXPECT_EQ(e.feed("#2IDR\r"), ACK + "#2ZOR-MIV3AX WUN-2 V1.30\r");
  EXPECT_EQ(e.feed("#2BDW40000000212AB00BE\r"), NAK);
  EXPECT_EQ(e.device('2').memory4[0], 0xFF);           // a refused block is not written
  EXPECT_EQ(e.feed("#2BDW40000000212AB00BE\r"), ACK);  // once only

  e.inject({FaultKind::Can, ""});
  EXPECT_EQ(e.feed("#1DF1\r"), CAN);
  EXPECT_FALSE(e.device('1').running);
  e.inject({FaultKind::Silence, "DF"});
  EXPECT_EQ(e.feed("#1DF1\r"), "");
  EXPECT_FALSE(e.device('1').running);
  Fault b{FaultKind::WrongByte, ""};
  b.byte = 0x07;
  e.inject(b);
  EXPECT_EQ(e.feed("#1IDR\r"), "\x07");
}

TEST(Engine, EveryNthCountsOnlyMatchingFrames) {
  Engine e;
  Fault f{FaultKind::Nak, "V1W"};
  f.everyNth = 2;
  e.inject(f);
  std::string r;
  for (int i = 0; i < 4; ++i) {
    r += e.feed("#1V1W1.000\r");
    r += e.feed("#1IDR\r").substr(0, 1);
  }
  EXPECT_EQ(r, ACK + ACK + NAK + ACK + ACK + ACK + NAK + ACK);
}

TEST(Engine, ReplyDistortions) {
  Engine e;
  e.withDevice('1', [](sim::Device& d) { d.status2 = 0x42; });
  Fault g{FaultKind::Garble, "S2R"};
  g.position = 6;
  g.byte = 'x';
  e.inject(g);
  EXPECT_EQ(e.feed("#1S2R\r"), ACK + "#1S2R$x2\r");
  Fault t{FaultKind::Truncate, "S2R"};
  t.length = 3;
  e.inject(t);
  EXPECT_EQ(e.feed("#1S2R\r"), ACK + "#1S2R\r");
  e.inject({FaultKind::WrongEcho, "S2R"});
  EXPECT_EQ(e.feed("#1S2R\r"), ACK + "#1S1R$42\r");
  e.inject({FaultKind::WrongEcho, "IDR"});
  EXPECT_EQ(e.feed("#1IDR\r"), ACK + "#2ZOR-MIV3AX WUN-2 V1.30\r");
  e.inject({FaultKind::WrongEcho, "CbR"});
  EXPECT_EQ(e.feed("#1CbR\r"), ACK + "#1CBR10\r");
  e.inject({FaultKind::WrongChecksum, "BDR"});
  EXPECT_EQ(e.feed("#1BDR400000001\r"), ACK + "#1BDR400000001FF0101\r");
  // Distortions of a data reply leave a command without one alone.
  e.inject({FaultKind::Truncate, ""});
  EXPECT_EQ(e.feed("#1DF1\r"), ACK);
}

TEST(Engine, DelayIsCarriedInTheReply) {
  Engine e;
  Fault d{FaultKind::Delay, "IDR"};
  d.delayMs = 321;
  e.inject(d);
  std::optional<sim::Reply> r;
  for (char c : std::string("#1IDR\r")) r = e.feed(c);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->delayMs, 321);
  EXPECT_EQ(r->bytes.substr(0, 1), ACK);
}

TEST(Engine, LogsEveryFrameReceived) {
  Engine e;
  std::ostringstream log;
  e.setLog(&log);
  e.feed("#1IDR\r#5IDR\r#&DF2\r");
  EXPECT_EQ(log.str(), "#1IDR\n#5IDR\n#&DF2\n");
  e.clearFrames();
  EXPECT_TRUE(e.frames().empty());
}

TEST(Engine, UnknownAddressesCannotBeInspected) {
  Engine e;
  EXPECT_THROW(e.device('7'), std::out_of_range);
  EXPECT_THROW(e.setId('7', "x"), std::out_of_range);
}

}  // namespace
