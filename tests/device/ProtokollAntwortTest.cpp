// Argument checks, frames and the parsing of every reply form, against scripted replies.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Kommandos.h"
#include "device/MemorySerialService.h"
#include "device/Protokoll.h"

namespace {

using device::MemorySerialService;
using Op = MemorySerialService::Op;

constexpr int kPort = 2;

class Protokoll : public ::testing::Test {
 protected:
  void SetUp() override {
    dienst.connect(kPort, [this](std::string_view f) {
      frames.emplace_back(f);
      return antwort;
    });
    verbindung.DienstSetzen(&dienst);
    ASSERT_EQ(device::ZORFYD1_Open(verbindung, kPort, 9600), 0);
  }
  void TearDown() override { verbindung.DienstSetzen(nullptr); }

  void antworte(const std::string& daten) { antwort = "\x06" + daten; }

  MemorySerialService dienst;
  device::Verbindung verbindung;
  std::string antwort = "\x06";
  std::vector<std::string> frames;
};

// --- addresses -------------------------------------------------------------------------

TEST_F(Protokoll, BadAddressesAreRefusedBeforeAnythingIsSent) {
  for (const auto& k : devicetest::alleKommandos()) {
    if (k.name == "BaudrateSchreiben" || k.name == "AdresseSchreiben") continue;
    for (char a : {'0', 'A', 'B', 'C', 'D', 'E', 'F', 'g', ' ', '\0', '#', 'z'}) {
      // ParameterLesen takes '0'..'8' only.
      if (k.name == "ParameterLesen" && a == '0') continue;
      EXPECT_EQ(k.aufruf(verbindung, kPort, a), k.adressCode) << k.name << " '" << a << "'";
    }
  }
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(dienst.calls(Op::FlushIn), 0);
}

TEST_F(Protokoll, EveryDeviceAddressIsAccepted) {
  for (char a : std::string("123456789abcdef")) {
    EXPECT_EQ(device::ZORFYD1_DeviceFunction(verbindung, kPort, a, "start"), 0) << a;
    EXPECT_EQ(frames.back(), std::string("#") + a + "DF1\r");
  }
}

TEST_F(Protokoll, ParameterAddressesAreZeroToEight) {
  double v = 0;
  for (char a : {'9', 'a', 'f', '&'})
    EXPECT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, a, "max_current", &v), -400080)
        << a;
  antworte("#0CbR6\r");
  EXPECT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '0', "max_current", &v), 0);
  EXPECT_EQ(frames.back(), "#0CbR\r");
  EXPECT_DOUBLE_EQ(v, 6.0);
}

TEST_F(Protokoll, NumericAddressesAndTheirParameters) {
  EXPECT_EQ(device::ZORMIV1_BaudrateSchreiben(verbindung, kPort, -1, 9600), -400016);
  EXPECT_EQ(device::ZORMIV1_BaudrateSchreiben(verbindung, kPort, 10, 9600), -400016);
  for (long b : {115200L, 2400L, 0L, 9601L})
    EXPECT_EQ(device::ZORMIV1_BaudrateSchreiben(verbindung, kPort, 1, b), -125017) << b;
  EXPECT_EQ(device::ZORMIV1_AdresseSchreiben(verbindung, kPort, 9, 1), -400025);
  EXPECT_EQ(device::ZORMIV1_AdresseSchreiben(verbindung, kPort, -1, 1), -400025);
  EXPECT_EQ(device::ZORMIV1_AdresseSchreiben(verbindung, kPort, 1, 9), -401026);
  EXPECT_EQ(device::ZORMIV1_AdresseSchreiben(verbindung, kPort, 1, -1), -401026);
  EXPECT_TRUE(frames.empty());

  for (long b : {4800L, 9600L, 19200L, 38400L}) {
    EXPECT_EQ(device::ZORMIV1_BaudrateSchreiben(verbindung, kPort, 0, b), 0);
    EXPECT_EQ(frames.back(), "#0BRW" + std::to_string(b) + "\r");
  }
  EXPECT_EQ(device::ZORMIV1_AdresseSchreiben(verbindung, kPort, 8, 0), 0);
  EXPECT_EQ(frames.back(), "#8DAW0\r");
  // 9 is the broadcast of the baud rate command: nothing is read.
  antwort = "\x15";
  const int reads = dienst.calls(Op::Read);
  EXPECT_EQ(device::ZORMIV1_BaudrateSchreiben(verbindung, kPort, 9, 38400), 0);
  EXPECT_EQ(frames.back(), "#9BRW38400\r");
  EXPECT_EQ(dienst.calls(Op::Read), reads);
}

// --- command parameters ----------------------------------------------------------------

TEST_F(Protokoll, CommandParametersAreCheckedAfterTheAddress) {
  double v = 0;
  int i = 0;
  std::uint8_t b[4] = {};
  EXPECT_EQ(device::ZORFYD1_DeviceFunction(verbindung, kPort, '1', "Start"), -401035);
  EXPECT_EQ(device::ZORFYD1_DeviceFunction(verbindung, kPort, '1', "stop"), -401035);
  EXPECT_EQ(device::ZORFYD1_DeviceFunction(verbindung, kPort, '1', nullptr), -401035);
  EXPECT_EQ(device::ZORFYD1_DeviceFunction(verbindung, kPort, 'G', "bogus"), -400034);
  for (const char* e : {"e0", "e5", "E1", "e1 ", "e", "", "a1"})
    EXPECT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', e, &v), -401044) << e;
  EXPECT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', nullptr, &v), -401044);
  EXPECT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e1", nullptr), -401044);
  for (const char* p : {"Max_current", "speicher", "compatibility_mode", ""})
    EXPECT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', p, &v), -401081) << p;
  EXPECT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "max_current", nullptr),
            -401081);
  EXPECT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 0, &i), -401136);
  EXPECT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 3, &i), -401136);
  EXPECT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 1, nullptr), -401136);
  EXPECT_EQ(device::ZORFYD1_ModusLesen(verbindung, kPort, '1', nullptr), -401151);
  char* keinPuffer = nullptr;
  EXPECT_EQ(device::ZORFYD1_IDLesen(verbindung, kPort, '1', keinPuffer), -401007);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(v, 0.0);
  EXPECT_EQ(i, 0);
  (void)b;
}

TEST_F(Protokoll, OutputValuesAreZeroToTenWithThreeDecimals) {
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', "a1", 0.0), 0);
  EXPECT_EQ(frames.back(), "#1V1W0.000\r");
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', "a4", 10.0), 0);
  EXPECT_EQ(frames.back(), "#1V4W10.000\r");
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', "a3", 5.0), 0);
  EXPECT_EQ(frames.back(), "#1V3W5.000\r");
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', "a2", 1.23456), 0);
  EXPECT_EQ(frames.back(), "#1V2W1.235\r");
  // Negative zero is zero: no minus sign goes to the device.
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', "a1", -0.0), 0);
  EXPECT_EQ(frames.back(), "#1V1W0.000\r");
  frames.clear();
  const char* namen[] = {"a1", "a2", "a3", "a4"};
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', namen[n], -0.001),
              -500056 - n);
    EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', namen[n], 10.001),
              -500056 - n);
    EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', namen[n], std::nan("")),
              -500056 - n);
  }
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', "a5", 5.0), -401060);
  // An unknown output is a parameter error even with a value out of range.
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', "a0", 11.0), -401060);
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, '1', nullptr, 1.0), -401060);
  EXPECT_EQ(device::ZORFYD1_AusgangSchreiben(verbindung, kPort, 'A', "a1", 11.0), -400055);
  EXPECT_TRUE(frames.empty());
}

TEST_F(Protokoll, ModeWriteSendsTheLowEightBitsInUpperCase) {
  EXPECT_EQ(device::ZORFYD1_ModusSchreiben(verbindung, kPort, 'a', 1, 0x1AB), 0);
  EXPECT_EQ(frames.back(), "#aM1SAB\r");
  EXPECT_EQ(device::ZORFYD1_ModusSchreiben(verbindung, kPort, '1', 0, 4), 0);
  EXPECT_EQ(frames.back(), "#1M1C04\r");
  EXPECT_EQ(device::ZORFYD1_ModusSchreiben(verbindung, kPort, '1', -5, 0xF0), 0);
  EXPECT_EQ(frames.back(), "#1M1SF0\r");
}

// --- memory frames ---------------------------------------------------------------------

TEST_F(Protokoll, MemoryWriteFrameIsExact) {
  const std::uint8_t d[] = {0x12, 0xAB};
  ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 4, 0x0100, 2, d), 0);
  EXPECT_EQ(frames.back(), "#1BDW40100000212AB00BE\r");
  // Upper case from byte 6 on; the address keeps its case.
  const std::uint8_t e[] = {0xfe, 0xdc, 0xba};
  ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, 'c', 5, 0xBEEF, 3, e), 0);
  EXPECT_EQ(frames.back(), "#cBDW5BEEF0003FEDCBA0295\r");
}

TEST_F(Protokoll, MemoryWriteOfNoBytesSendsChecksumOne) {
  ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 5, 0, 0, nullptr), 0);
  EXPECT_EQ(frames.back(), "#1BDW5000000000001\r");
}

TEST_F(Protokoll, MemoryWriteOfSixtyFourBytesIs147Bytes) {
  std::vector<std::uint8_t> d(64, 0xFF);
  ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '2', 4, 0xFFC0, 64, d.data()), 0);
  const std::string& f = frames.back();
  EXPECT_EQ(f.size(), 147u);
  EXPECT_EQ(f.substr(0, 14), "#2BDW4FFC00040");
  // 1 + 64 * 255 = 16321 = 3FC1h
  EXPECT_EQ(f.substr(142), "3FC1\r");
}

TEST_F(Protokoll, MemoryArgumentsAreCheckedInOrder) {
  std::uint8_t b[70] = {};
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, 'A', 9, -1, 65, b), -400118);
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 9, -1, 65, b), -894119);
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 9, 65536, 65, b), -894119);
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 9, 0, 65, b), -895120);
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 9, 0, -1, b), -895120);
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 4, 0, 1, nullptr), -895120);
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 3, 0, 64, b), -896121);
  EXPECT_EQ(device::ZORFYD1_SpeicherSchreiben(verbindung, kPort, '1', 6, 0, 64, b), -896121);
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '&', 9, -1, 0, b), -400092);
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 9, -1, 0, b), -894093);
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 9, 65536, 0, b), -894093);
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 9, 0, 0, b), -895094);
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 9, 0, 65537, b), -895094);
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 0, 1, nullptr), -895094);
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 0, 0, 1, b), -896095);
  // The whole memory from where its second half would start beyond FFFFh cannot be asked for.
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 32768, 65536, b), -202096);
  EXPECT_TRUE(frames.empty());
}

TEST_F(Protokoll, MemoryReadParsesTheBlockAndItsChecksum) {
  antworte("#1BDR40100000212ab00be\r");  // lower-case digits are read too
  std::uint8_t b[2] = {};
  ASSERT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 0x100, 2, b), 0);
  EXPECT_EQ(frames.back(), "#1BDR401000002\r");
  EXPECT_EQ(b[0], 0x12);
  EXPECT_EQ(b[1], 0xAB);
}

struct Speicherfall {
  const char* name;
  std::string antwort;
  int code;
};

TEST_F(Protokoll, MemoryReadRepliesAreCheckedInOrder) {
  const std::vector<Speicherfall> faelle = {
      {"no CR at the end", "#1BDR40100000212AB00BEX", -404105},
      {"one byte short", "#1BDR40100000212AB00B\r", -404106},
      {"wrong address", "#2BDR40100000212AB00BE\r", -404107},
      {"wrong letters", "#1BDW40100000212AB00BE\r", -404107},
      {"wrong type", "#1BDR50100000212AB00BE\r", -404107},
      {"wrong start", "#1BDR40101000212AB00BE\r", -404107},
      {"wrong count", "#1BDR40100000312AB00BE\r", -404107},
      {"bad start digit", "#1BDR401G0000212AB00BE\r", -404107},
      {"no hash", "*1BDR40100000212AB00BE\r", -404107},
      {"bad high digit", "#1BDR401000002G2AB00BE\r", -404108},
      {"bad low digit", "#1BDR4010000021GAB00BE\r", -404109},
      {"bad checksum digit 1", "#1BDR40100000212ABX0BE\r", -404110},
      {"bad checksum digit 2", "#1BDR40100000212AB0XBE\r", -404111},
      {"bad checksum digit 3", "#1BDR40100000212AB00XE\r", -404112},
      {"bad checksum digit 4", "#1BDR40100000212AB00BX\r", -404113},
      {"checksum off by one", "#1BDR40100000212AB00BF\r", -406114},
      {"checksum from zero", "#1BDR40100000212AB00BD\r", -406114},
  };
  for (const auto& f : faelle) {
    antworte(f.antwort);
    std::uint8_t b[2] = {0x55, 0x55};
    EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 0x100, 2, b), f.code)
        << f.name;
    if (f.code == -406114) {
      // The data are already in the buffer when the checksum fails.
      EXPECT_EQ(b[0], 0x12) << f.name;
      EXPECT_EQ(b[1], 0xAB) << f.name;
    }
  }
}

TEST_F(Protokoll, MemoryReadKeepsDecodedBytesOnABadDigit) {
  antworte("#1BDR40000000312AB0G0001\r");
  std::uint8_t b[3] = {0x55, 0x55, 0x55};
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 0, 3, b), -404109);
  EXPECT_EQ(b[0], 0x12);
  EXPECT_EQ(b[1], 0xAB);
  EXPECT_EQ(b[2], 0x55);
}

TEST_F(Protokoll, BytesBeyondTheReplyLimitStayForTheNextFlush) {
  antworte("#1BDR40100000212AB00BE\r");
  dienst.arrive(kPort, "");
  // A reply longer than the limit is read only up to the limit.
  antwort = "\x06#1BDR40100000212AB00BE0000\r";
  std::uint8_t b[2] = {};
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 0x100, 2, b), -404105);
  EXPECT_EQ(dienst.state(kPort).input.size(), 4u);
  antworte("#1BDR40100000212AB00BE\r");
  EXPECT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 4, 0x100, 2, b), 0);
}

TEST_F(Protokoll, TheWholeMemoryIsReadInTwoHalves) {
  // A device that answers every block read of memory type 5 from a pattern.
  dienst.connect(kPort, [this](std::string_view f) {
    frames.emplace_back(f);
    const std::string s(f);
    const long start = std::stol(s.substr(6, 4), nullptr, 16);
    const long n = std::stol(s.substr(10, 4), nullptr, 16);
    std::string r = "\x06" + s.substr(0, 14);
    unsigned sum = 1;
    char hx[8];
    for (long i = 0; i < n; ++i) {
      const unsigned v = static_cast<unsigned>((start + i) * 7) & 0xFF;
      std::snprintf(hx, sizeof hx, "%02X", v);
      r += hx;
      sum += v;
    }
    std::snprintf(hx, sizeof hx, "%04X", sum & 0xFFFF);
    return r + hx + "\r";
  });
  std::vector<std::uint8_t> b(65536);
  ASSERT_EQ(device::ZORFYD1_SpeicherLesen(verbindung, kPort, '1', 5, 0, 65536, b.data()), 0);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0], "#1BDR500008000\r");
  EXPECT_EQ(frames[1], "#1BDR580008000\r");
  for (long i = 0; i < 65536; ++i)
    ASSERT_EQ(b[static_cast<std::size_t>(i)], static_cast<std::uint8_t>((i * 7) & 0xFF)) << i;
}

// --- ID ----------------------------------------------------------------------------------

TEST_F(Protokoll, IdRepliesLoseEverySpace) {
  char id[32];
  antworte("#1ZOR-MIV3AX  V 1.2 \r");
  ASSERT_EQ(device::ZORFYD1_IDLesen(verbindung, kPort, '1', id), 0);
  EXPECT_STREQ(id, "ZOR-MIV3AXV1.2");
  EXPECT_EQ(frames.back(), "#1IDR\r");
  antworte("# 1 ABC\r");
  ASSERT_EQ(device::ZORFYD1_IDLesen(verbindung, kPort, '1', id), 0);
  EXPECT_STREQ(id, "ABC");
}

TEST_F(Protokoll, IdRepliesOfTheLongestLengthAndBeyond) {
  char id[32];
  const std::string lang26(26, 'X');
  antworte("#1" + lang26 + "\r");  // 29 bytes with CR
  ASSERT_EQ(device::ZORFYD1_IDLesen(verbindung, kPort, '1', id), 0);
  EXPECT_EQ(std::string(id), lang26);
  std::strcpy(id, "unchanged");
  antworte("#1" + std::string(27, 'X') + "\r");  // cut after 29 bytes, no CR
  EXPECT_EQ(device::ZORFYD1_IDLesen(verbindung, kPort, '1', id), -404015);
  EXPECT_STREQ(id, "unchanged");
}

TEST_F(Protokoll, MalformedIdRepliesAreWrongAnswers) {
  char id[32];
  for (const char* r : {"#2ZOR\r", "*1ZOR\r", "#1\r", "#1ZOR\tX\r", "#1ZOR\nX\r", "\r"}) {
    std::strcpy(id, "unchanged");
    antworte(r);
    EXPECT_EQ(device::ZORFYD1_IDLesen(verbindung, kPort, '1', id), -404015) << r;
    EXPECT_STREQ(id, "unchanged");
  }
  // A zero byte inside the ID would hand the caller a cut ID as if it were whole.
  for (const std::string& r : {std::string("#1ZOR\0MIV\r", 10), std::string("#1\0ZOR\r", 7)}) {
    std::strcpy(id, "unchanged");
    antworte(r);
    EXPECT_EQ(device::ZORFYD1_IDLesen(verbindung, kPort, '1', id), -404015);
    EXPECT_STREQ(id, "unchanged");
  }
}

// --- numbers -------------------------------------------------------------------------------

TEST_F(Protokoll, InputRepliesGiveTheValueUnscaled) {
  double v = -1;
  antworte("#1V2R4.095\r");
  ASSERT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e2", &v), 0);
  EXPECT_EQ(frames.back(), "#1V2R\r");
  EXPECT_DOUBLE_EQ(v, 4.095);
  antworte("#1V4R-0.5\r");
  ASSERT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e4", &v), 0);
  EXPECT_DOUBLE_EQ(v, -0.5);
  antworte("#1V4R12\r");
  ASSERT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e4", &v), 0);
  EXPECT_DOUBLE_EQ(v, 12.0);
  // A plus sign is part of a number's text form.
  antworte("#1V1R+1.5\r");
  ASSERT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e1", &v), 0);
  EXPECT_DOUBLE_EQ(v, 1.5);
  antworte("#1CbR+6\r");
  ASSERT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "max_current", &v), 0);
  EXPECT_DOUBLE_EQ(v, 6.0);
  for (const char* r : {"#1V1R+-1.5\r", "#1V1R++1.5\r", "#1V1R+\r", "#1V1R-+1.5\r"}) {
    v = 7.0;
    antworte(r);
    EXPECT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e1", &v), -404054) << r;
    EXPECT_EQ(v, 7.0) << r;
  }
}

TEST_F(Protokoll, MalformedNumberRepliesLeaveTheValue) {
  for (const char* r : {"#1V1R\r", "#1V2R1.0\r", "#2V1R1.0\r", "#1V1W1.0\r", "#1V1R1.0x\r",
                        "#1V1Rabc\r", "#1V1R1.0", "#1V1Rnan\r", "#1V1R1,5\r", "V1R1.0\r"}) {
    double v = 7.0;
    antworte(r);
    EXPECT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e1", &v),
              std::string(r) == "#1V1R1.0" ? -404053 : -404054)
        << r;
    EXPECT_EQ(v, 7.0) << r;
  }
  // 14 bytes at most: a longer number is cut and has no CR.
  double v = 7.0;
  antworte("#1V1R1.00000000\r");
  EXPECT_EQ(device::ZORFYD1_EingangLesen(verbindung, kPort, '1', "e1", &v), -404054);
  EXPECT_EQ(v, 7.0);
}

TEST_F(Protokoll, ParametersUseTheirOwnFrames) {
  double v = 0;
  antworte("#1M1R1234\r");
  ASSERT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "speicherinhalt", &v), 0);
  EXPECT_EQ(frames.back(), "#1M1R\r");
  EXPECT_DOUBLE_EQ(v, 1234);
  antworte("#1CbR8\r");
  ASSERT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "max_current", &v), 0);
  EXPECT_EQ(frames.back(), "#1CbR\r");
  EXPECT_DOUBLE_EQ(v, 8);
  antworte("#1S1R1\r");
  ASSERT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "compartibility_mode", &v), 0);
  EXPECT_EQ(frames.back(), "#1S1R\r");
  EXPECT_DOUBLE_EQ(v, 1);
  // The register form is no parameter.
  v = 5;
  antworte("#1S1R$01\r");
  EXPECT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "compartibility_mode", &v),
            -404091);
  EXPECT_EQ(v, 5);
  // Up to 19 bytes are read.
  antworte("#1M1R12345678901.5\r");
  ASSERT_EQ(device::ZORWUN2_ParameterLesen(verbindung, kPort, '1', "speicherinhalt", &v), 0);
  EXPECT_DOUBLE_EQ(v, 12345678901.5);
}

// --- registers -------------------------------------------------------------------------

TEST_F(Protokoll, StatusAndModeRegisters) {
  int s = -1;
  antworte("#1S1R$a5\r");
  ASSERT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 1, &s), 0);
  EXPECT_EQ(frames.back(), "#1S1R\r");
  EXPECT_EQ(s, 0xA5);
  antworte("#1S2R$FF\r");
  ASSERT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 2, &s), 0);
  EXPECT_EQ(s, 255);
  antworte("#1M1R$00\r");
  ASSERT_EQ(device::ZORFYD1_ModusLesen(verbindung, kPort, '1', &s), 0);
  EXPECT_EQ(frames.back(), "#1M1R\r");
  EXPECT_EQ(s, 0);
}

TEST_F(Protokoll, StatusEchoesAreCheckedAgainstTheRegisterAsked) {
  int s = 99;
  antworte("#1S2R$01\r");
  EXPECT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 1, &s), -404146);
  antworte("#1S1R$01\r");
  EXPECT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 2, &s), -404147);
  antworte("#1S3R$01\r");
  EXPECT_EQ(device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 2, &s), -404147);
  EXPECT_EQ(s, 99);
}

TEST_F(Protokoll, MalformedRegisterRepliesLeaveTheValue) {
  for (const char* r : {"#1S1R1\r", "#1S1R$1\r", "#1S1R$1G\r", "#1S1R 01\r", "#2S1R$01\r",
                        "#1T1R$01\r", "#1S1X$01\r", "#1S1R$012\r", "#1S1R$01"}) {
    int s = 99;
    antworte(r);
    const int code = device::ZORFYD1_StatusLesen(verbindung, kPort, '1', 1, &s);
    EXPECT_TRUE(code == -404145 || (std::string(r) == "#1S1R$01" && code == -404144))
        << r << " " << code;
    EXPECT_EQ(s, 99) << r;
  }
  for (const char* r : {"#1M1R12\r", "#1M2R$01\r", "#1N1R$01\r", "#1M1R$0\r", "#1M1R$XY\r"}) {
    int m = 99;
    antworte(r);
    EXPECT_EQ(device::ZORFYD1_ModusLesen(verbindung, kPort, '1', &m), -404159) << r;
    EXPECT_EQ(m, 99) << r;
  }
}

TEST(Hexchar2IntTest, AllCharacters) {
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    int erwartet = -1;
    if (c >= '0' && c <= '9') erwartet = c - '0';
    if (c >= 'a' && c <= 'f') erwartet = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') erwartet = c - 'A' + 10;
    EXPECT_EQ(device::Hexchar2Int(ch), erwartet) << c;
  }
}

}  // namespace
