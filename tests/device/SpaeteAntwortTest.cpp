// A reply that comes after its time-out must never pass for the next command's answer:
// every command class against the simulator's delay fault, and a babbling line.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "Kommandos.h"
#include "device/Leitungsruhe.h"
#include "device/MemorySerialService.h"
#include "device/Protokoll.h"
#include "device/SerialService.h"
#include "support_sim/SimPort.h"

namespace {

using namespace device;
using devicetest::Kommando;
using sim::Fault;
using sim::FaultKind;
using testsupport::SimPort;
using testsupport::SimPortOptions;
using testsupport::KurzeWartezeit;

// The command letters a fault is armed for: the frame after "#" and the address.
std::string befehlsbuchstaben(const Kommando& k) {
  return k.frame.substr(2, 3);
}

// Later than the 0.1 s time-out, as late as the quiet wait after it covers.
Fault spaet(const std::string& befehl, int ms = 150) {
  Fault f{FaultKind::Delay, befehl};
  f.delayMs = ms;
  return f;
}

class SpaeteAntwort : public ::testing::TestWithParam<Kommando> {};

// The late answer of a command is not taken for the answer of its own repetition, which
// the device refuses; the third try goes through.
TEST_P(SpaeteAntwort, WirdNichtDieAntwortDesNaechstenBefehls) {
  const Kommando& k = GetParam();
  SimPort sim(KurzeWartezeit());
  const int p = sim.port();
  const std::string b = befehlsbuchstaben(k);
  sim.engine().inject(spaet(b));
  EXPECT_EQ(k.aufruf(sim.verbindung(), p, '1'), k.stille);
  sim.engine().inject({FaultKind::Nak, b});
  EXPECT_EQ(k.aufruf(sim.verbindung(), p, '1'), k.nak);
  EXPECT_EQ(k.aufruf(sim.verbindung(), p, '1'), 0);
}

std::vector<Kommando> ohneAdresswechsel() {
  std::vector<Kommando> v;
  // The address command would move the device away from the address the test talks to.
  for (const auto& k : devicetest::alleKommandos())
    if (k.name != "AdresseSchreiben") v.push_back(k);
  return v;
}

INSTANTIATE_TEST_SUITE_P(JederBefehl, SpaeteAntwort, ::testing::ValuesIn(ohneAdresswechsel()),
                         [](const auto& info) { return info.param.name; });

TEST(SpaeteAntwortQuer, EinAbgelehnterBlockNachSpaeterIdGiltNichtAlsGeschrieben) {
  SimPort sim(KurzeWartezeit());
  const int p = sim.port();
  char id[32];
  sim.engine().inject(spaet("IDR"));
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), -403012);
  sim.engine().inject({FaultKind::Nak, "BDW"});
  const std::uint8_t daten[2] = {0x12, 0x34};
  EXPECT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 4096, 2, daten), -402127);
  EXPECT_EQ(sim.engine().device('1').memory4[4096], 0xFF);
}

TEST(SpaeteAntwortQuer, SucheFindetDasGeraetNachDemVerspaeteten) {
  SimPort sim(KurzeWartezeit("12"));
  Fault f = spaet("IDR");
  f.address = '1';
  sim.engine().inject(f);
  std::string gefunden;
  for (char a = '1'; a <= '3'; ++a) {
    char id[32] = {};
    if (ZORFYD1_IDLesen(sim.verbindung(), sim.port(), a, id) == 0) gefunden += a;
  }
  EXPECT_EQ(gefunden, "2");
}

TEST(SpaeteAntwortQuer, EinZuLangerIdTextWirdNichtZurNaechstenAntwort) {
  SimPortOptions o = KurzeWartezeit();
  o.ids = {{'1', std::string(40, 'X')}};
  SimPort sim(o);
  char id[64];
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), -404015);
  EXPECT_TRUE(LeitungUnsicher(sim.verbindung(), sim.port()));
  double v = -1;
  EXPECT_EQ(ZORFYD1_EingangLesen(sim.verbindung(), sim.port(), '1', "e1", &v), 0);
  EXPECT_EQ(v, 0.0);
  EXPECT_FALSE(LeitungUnsicher(sim.verbindung(), sim.port()));
}

// Through the in-memory service: what arrives after a time-out is read away before the next
// frame goes out, and a clean exchange reads nothing extra.
TEST(SpaeteAntwortQuer, NachEinerZeitueberschreitungWirdDieLeitungLeergelesen) {
  device::MemorySerialService dienst;
  std::string antwort;
  dienst.connect(4, [&](std::string_view) { return antwort; });
  device::Verbindung v(&dienst);
  ASSERT_EQ(ZORFYD1_Open(v, 4, 9600), 0);
  EXPECT_EQ(ZORFYD1_DeviceFunction(v, 4, '1', "start"), -403041);
  EXPECT_TRUE(LeitungUnsicher(v, 4));
  // The late answer arrives, and the next command would take it for its own.
  dienst.arrive(4, "\x06");
  antwort = "\x15";
  const int leseVorher = dienst.calls(device::MemorySerialService::Op::Read);
  EXPECT_EQ(ZORFYD1_DeviceFunction(v, 4, '1', "start"), -402039);
  // One byte read away, one read that found the line quiet, then the acknowledgement.
  EXPECT_EQ(dienst.calls(device::MemorySerialService::Op::Read) - leseVorher, 3);
  EXPECT_FALSE(LeitungUnsicher(v, 4));
  antwort = "\x06";
  const int leseDanach = dienst.calls(device::MemorySerialService::Op::Read);
  EXPECT_EQ(ZORFYD1_DeviceFunction(v, 4, '1', "start"), 0);
  EXPECT_EQ(dienst.calls(device::MemorySerialService::Op::Read) - leseDanach, 1);
  ZORFYD1_Close(v, 4);
}

// A line that never falls silent: the wait gives up and the command meets the noise.
class Plappernd final : public SerialService {
 public:
  int OpenComConfig(int, const std::string&, long, Parity, int, int, int, int) override {
    return 0;
  }
  int CloseCom(int) override { return 0; }
  int SetComTime(int, double) override { return 0; }
  int ComWrt(int, const char*, int n) override { return n; }
  int ComRdByte(int) override { return 'x'; }
  int GetOutQLen(int) override { return 0; }
  int FlushInQ(int) override { return 0; }
  int FlushOutQ(int) override { return 0; }
};

TEST(SpaeteAntwortQuer, EineNieStilleLeitungHaeltNichtAuf) {
  Plappernd dienst;
  device::Verbindung v(&dienst);
  ASSERT_EQ(ZORFYD1_Open(v, 4, 9600), 0);
  EXPECT_EQ(ZORFYD1_DeviceFunction(v, 4, '1', "start"), -404042);
  EXPECT_TRUE(LeitungUnsicher(v, 4));
  EXPECT_EQ(ZORFYD1_DeviceFunction(v, 4, '1', "start"), -404042);
  ASSERT_EQ(ZORFYD1_Close(v, 4), 0);
  EXPECT_FALSE(LeitungUnsicher(v, 4));
}

}  // namespace
