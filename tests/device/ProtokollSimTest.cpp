// Every command against the simulated device over a real pseudo-terminal, through the Qt
// serial-port service, and the device-side failures told apart.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "device/Protokoll.h"
#include "support_sim/SimPort.h"

namespace {

using namespace device;
using sim::Fault;
using sim::FaultKind;
using testsupport::SimPort;
using testsupport::SimPortOptions;
using testsupport::KurzeWartezeit;

TEST(SimProtokoll, IdStartStopAndInputs) {
  SimPort sim;
  const int p = sim.port();
  char id[32];
  ASSERT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), 0);
  EXPECT_STREQ(id, "ZOR-MIV3AXWUN-2V1.30");

  ASSERT_EQ(ZORFYD1_DeviceFunction(sim.verbindung(), p, '1', "start"), 0);
  EXPECT_TRUE(sim.engine().device('1').running);
  ASSERT_EQ(ZORFYD1_DeviceFunction(sim.verbindung(), p, '1', "stopp"), 0);
  EXPECT_FALSE(sim.engine().device('1').running);

  sim.engine().setInput('1', 3, 7.25);
  double v = 0;
  ASSERT_EQ(ZORFYD1_EingangLesen(sim.verbindung(), p, '1', "e3", &v), 0);
  EXPECT_DOUBLE_EQ(v, 7.25);
  ASSERT_EQ(ZORFYD1_EingangLesen(sim.verbindung(), p, '1', "e1", &v), 0);
  EXPECT_DOUBLE_EQ(v, 0.0);
}

TEST(SimProtokoll, OutputsParametersRegisters) {
  SimPort sim;
  const int p = sim.port();
  ASSERT_EQ(ZORFYD1_AusgangSchreiben(sim.verbindung(), p, '1', "a1", 10.0), 0);
  ASSERT_EQ(ZORFYD1_AusgangSchreiben(sim.verbindung(), p, '1', "a4", 0.0), 0);
  ASSERT_EQ(ZORFYD1_AusgangSchreiben(sim.verbindung(), p, '1', "a2", 3.3334), 0);
  const auto d = sim.engine().device('1');
  EXPECT_DOUBLE_EQ(d.outputs[0], 10.0);
  EXPECT_DOUBLE_EQ(d.outputs[3], 0.0);
  EXPECT_DOUBLE_EQ(d.outputs[1], 3.333);

  sim.engine().withDevice('1', [](sim::Device& dev) {
    dev.maxCurrent = 6;
    dev.compartibilityMode = 1;
    dev.speicherinhalt = 4128;
    dev.status1 = 0x81;
    dev.status2 = 0x1F;
  });
  double v = 0;
  ASSERT_EQ(ZORWUN2_ParameterLesen(sim.verbindung(), p, '1', "max_current", &v), 0);
  EXPECT_DOUBLE_EQ(v, 6);
  // By default "#1S1R" answers the parameter and "#1M1R" the mode register.
  ASSERT_EQ(ZORWUN2_ParameterLesen(sim.verbindung(), p, '1', "compartibility_mode", &v), 0);
  EXPECT_DOUBLE_EQ(v, 1);
  int s = 0;
  EXPECT_EQ(ZORFYD1_StatusLesen(sim.verbindung(), p, '1', 1, &s), -404145);
  ASSERT_EQ(ZORFYD1_StatusLesen(sim.verbindung(), p, '1', 2, &s), 0);
  EXPECT_EQ(s, 0x1F);
  EXPECT_EQ(ZORWUN2_ParameterLesen(sim.verbindung(), p, '1', "speicherinhalt", &v), -404091);

  sim.engine().withDevice('1', [](sim::Device& dev) {
    dev.s1rAsStatus = true;
    dev.m1rAsSpeicherinhalt = true;
  });
  ASSERT_EQ(ZORFYD1_StatusLesen(sim.verbindung(), p, '1', 1, &s), 0);
  EXPECT_EQ(s, 0x81);
  ASSERT_EQ(ZORWUN2_ParameterLesen(sim.verbindung(), p, '1', "speicherinhalt", &v), 0);
  EXPECT_DOUBLE_EQ(v, 4128);
}

TEST(SimProtokoll, ModeRegisterSetAndClear) {
  SimPort sim;
  const int p = sim.port();
  int m = -1;
  ASSERT_EQ(ZORFYD1_ModusLesen(sim.verbindung(), p, '1', &m), 0);
  EXPECT_EQ(m, 0);
  ASSERT_EQ(ZORFYD1_ModusSchreiben(sim.verbindung(), p, '1', 1, 0x86), 0);
  ASSERT_EQ(ZORFYD1_ModusLesen(sim.verbindung(), p, '1', &m), 0);
  EXPECT_EQ(m, 0x86);
  ASSERT_EQ(ZORFYD1_ModusSchreiben(sim.verbindung(), p, '1', 0, 0x04), 0);
  ASSERT_EQ(ZORFYD1_ModusLesen(sim.verbindung(), p, '1', &m), 0);
  EXPECT_EQ(m, 0x82);
}

TEST(SimProtokoll, MemoryWriteAndReadBack) {
  SimPort sim;
  const int p = sim.port();
  std::vector<std::uint8_t> data(64);
  for (int i = 0; i < 64; ++i) data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 5);
  ASSERT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 4096, 64, data.data()), 0);
  ASSERT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 5, 0xFFC0, 64, data.data()), 0);
  ASSERT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 0, 0, nullptr), 0);
  const auto d = sim.engine().device('1');
  EXPECT_TRUE(std::equal(data.begin(), data.end(), d.memory4.begin() + 4096));
  EXPECT_TRUE(std::equal(data.begin(), data.end(), d.memory5.begin() + 0xFFC0));
  EXPECT_EQ(d.memory4[4096 + 64], 0xFF);

  std::vector<std::uint8_t> back(64);
  ASSERT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 4, 4096, 64, back.data()), 0);
  EXPECT_EQ(back, data);
  std::uint8_t eins = 0;
  ASSERT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 5, 0xFFFF, 1, &eins), 0);
  EXPECT_EQ(eins, data[63]);
  // A block reaching beyond the memory is refused by the device.
  EXPECT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 0xFFF0, 17, data.data()),
            -402127);
  EXPECT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 4, 0xFFF0, 17, back.data()), -402099);
}

TEST(SimProtokoll, TheWholeMemoryInOneCall) {
  SimPort sim;
  sim.engine().withDevice('1', [](sim::Device& d) {
    for (std::size_t i = 0; i < d.memory5.size(); ++i)
      d.memory5[i] = static_cast<std::uint8_t>(i ^ (i >> 8));
  });
  std::vector<std::uint8_t> alles(65536);
  ASSERT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), sim.port(), '1', 5, 0, 65536, alles.data()), 0);
  EXPECT_EQ(alles, sim.engine().device('1').memory5);
}

TEST(SimProtokoll, BroadcastsReachEveryDeviceAndGetNoAnswer) {
  SimPortOptions o;
  o.addresses = "135";
  SimPort sim(o);
  const int p = sim.port();
  ASSERT_EQ(ZORFYD1_AusgangSchreiben(sim.verbindung(), p, '&', "a3", 2.5), 0);
  ASSERT_EQ(ZORFYD1_ModusSchreiben(sim.verbindung(), p, '&', 1, 1), 0);
  ASSERT_EQ(ZORMIV1_BaudrateSchreiben(sim.verbindung(), p, 9, 19200), 0);
  // The next command's answer is its own: nothing was left over from the broadcasts.
  int m = 0;
  ASSERT_EQ(ZORFYD1_ModusLesen(sim.verbindung(), p, '5', &m), 0);
  EXPECT_EQ(m, 1);
  for (char a : {'1', '3', '5'}) {
    EXPECT_DOUBLE_EQ(sim.engine().device(a).outputs[2], 2.5) << a;
    EXPECT_EQ(sim.engine().device(a).baudRate, 19200) << a;
  }
}

TEST(SimProtokoll, NumericCommandsChangeBaudRateAndAddress) {
  SimPort sim(KurzeWartezeit());
  const int p = sim.port();
  ASSERT_EQ(ZORMIV1_BaudrateSchreiben(sim.verbindung(), p, 1, 38400), 0);
  EXPECT_EQ(sim.engine().device('1').baudRate, 38400);
  ASSERT_EQ(ZORMIV1_AdresseSchreiben(sim.verbindung(), p, 1, 4), 0);
  EXPECT_TRUE(sim.engine().plays('4'));
  EXPECT_FALSE(sim.engine().plays('1'));
  char id[32];
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), -403012);
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '4', id), 0);
}

TEST(SimProtokoll, ScanOfSeveralDevicesSeesOnlyThoseThere) {
  SimPortOptions o = KurzeWartezeit("35");
  o.ids = {{'5', "OTHER DEVICE"}};
  SimPort sim(o);
  for (char a = '1'; a <= '8'; ++a) {
    char id[32] = {};
    const int r = ZORFYD1_IDLesen(sim.verbindung(), sim.port(), a, id);
    if (a == '3') {
      EXPECT_EQ(r, 0);
      EXPECT_EQ(std::strncmp(id, "ZOR-MIV3AX", 10), 0);
    } else if (a == '5') {
      EXPECT_EQ(r, 0);
      EXPECT_STREQ(id, "OTHERDEVICE");
    } else {
      EXPECT_EQ(r, -403012) << a;
    }
  }
}

TEST(SimFehler, NakCanSilenceAndOtherBytesAreToldApart) {
  SimPort sim(KurzeWartezeit());
  const int p = sim.port();
  const std::uint8_t d[2] = {1, 2};
  sim.engine().inject({FaultKind::Nak, "BDW"});
  EXPECT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 0, 2, d), -402127);
  sim.engine().inject({FaultKind::Can, "BDW"});
  EXPECT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 0, 2, d), -405128);
  sim.engine().inject({FaultKind::Silence, "BDW"});
  EXPECT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 0, 2, d), -403129);
  Fault anders{FaultKind::WrongByte, "BDW"};
  anders.byte = 'Z';
  sim.engine().inject(anders);
  EXPECT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 0, 2, d), -404130);
  // None of the refused blocks reached the memory; the next one does.
  EXPECT_EQ(sim.engine().device('1').memory4[0], 0xFF);
  EXPECT_EQ(ZORFYD1_SpeicherSchreiben(sim.verbindung(), p, '1', 4, 0, 2, d), 0);
  EXPECT_EQ(sim.engine().device('1').memory4[1], 2);
}

TEST(SimFehler, DelayedAndLateAnswers) {
  SimPort sim(KurzeWartezeit());
  const int p = sim.port();
  char id[32];
  Fault spaet{FaultKind::Delay, "IDR"};
  spaet.delayMs = 50;
  sim.engine().inject(spaet);
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), 0);
  // Later than the time-out: no answer, and the late bytes do not spoil the next command.
  spaet.delayMs = 800;
  sim.engine().inject(spaet);
  const auto t0 = std::chrono::steady_clock::now();
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), -403012);
  const auto dauer = std::chrono::steady_clock::now() - t0;
  EXPECT_LT(dauer, std::chrono::milliseconds(600));  // the 0.1 s time-out, not the delay
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), 0);
  EXPECT_STREQ(id, "ZOR-MIV3AXWUN-2V1.30");
}

TEST(SimFehler, GarbledTruncatedAndWrongEchoReplies) {
  SimPort sim(KurzeWartezeit());
  const int p = sim.port();
  std::uint8_t b[4] = {0x55, 0x55, 0x55, 0x55};
  sim.engine().withDevice('1', [](sim::Device& d) {
    d.memory4[0] = 0x10;
    d.memory4[1] = 0x20;
    d.memory4[2] = 0x30;
    d.memory4[3] = 0x40;
  });
  sim.engine().inject({FaultKind::Truncate, "BDR"});
  EXPECT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 4, 0, 4, b), -404106);
  Fault ohneCr{FaultKind::Garble, "BDR"};
  ohneCr.position = -1;
  ohneCr.byte = '0';
  sim.engine().inject(ohneCr);
  EXPECT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 4, 0, 4, b), -404105);
  Fault ziffer{FaultKind::Garble, "BDR"};
  ziffer.position = 16;  // high digit of the second byte
  ziffer.byte = 'G';
  sim.engine().inject(ziffer);
  EXPECT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 4, 0, 4, b), -404108);
  EXPECT_EQ(b[0], 0x10);
  EXPECT_EQ(b[1], 0x55);
  sim.engine().inject({FaultKind::WrongEcho, "BDR"});
  EXPECT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 4, 0, 4, b), -404107);
  sim.engine().inject({FaultKind::WrongChecksum, "BDR"});
  EXPECT_EQ(ZORFYD1_SpeicherLesen(sim.verbindung(), p, '1', 4, 0, 4, b), -406114);
  EXPECT_EQ(b[3], 0x40);  // copied before the checksum was found wrong

  sim.engine().withDevice('1', [](sim::Device& d) { d.s1rAsStatus = true; });
  int s = 7;
  sim.engine().inject({FaultKind::WrongEcho, "S1R"});
  EXPECT_EQ(ZORFYD1_StatusLesen(sim.verbindung(), p, '1', 1, &s), -404146);
  sim.engine().inject({FaultKind::WrongEcho, "S2R"});
  EXPECT_EQ(ZORFYD1_StatusLesen(sim.verbindung(), p, '1', 2, &s), -404147);
  EXPECT_EQ(s, 7);

  char id[32];
  sim.engine().inject({FaultKind::WrongEcho, "IDR"});
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), p, '1', id), -404015);
  double v = 1.5;
  sim.engine().inject({FaultKind::WrongEcho, "V2R"});
  EXPECT_EQ(ZORFYD1_EingangLesen(sim.verbindung(), p, '1', "e2", &v), -404054);
  Fault ohneZahl{FaultKind::Truncate, "V2R"};
  ohneZahl.length = 5;  // "0.000" gone
  sim.engine().inject(ohneZahl);
  sim.engine().inject({FaultKind::Nak, "V2R"});  // waits for the frame after
  EXPECT_EQ(ZORFYD1_EingangLesen(sim.verbindung(), p, '1', "e2", &v), -404054);
  EXPECT_EQ(ZORFYD1_EingangLesen(sim.verbindung(), p, '1', "e2", &v), -402049);
  EXPECT_EQ(v, 1.5);
  sim.engine().inject({FaultKind::WrongEcho, "M1R"});
  int m = 3;
  EXPECT_EQ(ZORFYD1_ModusLesen(sim.verbindung(), p, '1', &m), -404159);
  EXPECT_EQ(m, 3);
}

TEST(SimFehler, EveryNthFrame) {
  SimPort sim(KurzeWartezeit());
  Fault f{FaultKind::Nak, "DF"};
  f.everyNth = 3;
  sim.engine().inject(f);
  std::vector<int> r;
  for (int i = 0; i < 6; ++i)
    r.push_back(ZORFYD1_DeviceFunction(sim.verbindung(), sim.port(), '1', "start"));
  EXPECT_EQ(r, (std::vector<int>{0, 0, -402039, 0, 0, -402039}));
  sim.engine().clearFaults();
  EXPECT_EQ(ZORFYD1_DeviceFunction(sim.verbindung(), sim.port(), '1', "start"), 0);
}

TEST(SimQtDienst, ClosingAndReopeningThePortKeepsTheLine) {
  SimPort sim(KurzeWartezeit());
  char id[32];
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(ZORFYD1_Close(sim.verbindung(), sim.port()), 0);
    ASSERT_EQ(ZORFYD1_Open(sim.verbindung(), sim.port(), 9600), 0);
    ASSERT_EQ(ZORFYD1_Timeout(sim.verbindung(), sim.port(), 0.1), 0);
    EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), 0) << i;
  }
  // Opening it again while open starts it afresh.
  ASSERT_EQ(ZORFYD1_Open(sim.verbindung(), sim.port(), 115200), 0);
  ASSERT_EQ(ZORFYD1_Timeout(sim.verbindung(), sim.port(), 0.1), 0);
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), 0);
}

TEST(SimQtDienst, StaleBytesAreFlushedBeforeACommand) {
  SimPort sim(KurzeWartezeit());
  char id[32];
  // A reply that comes too late lands in the input queue; the next command empties it.
  Fault spaet{FaultKind::Delay, "V1R"};
  spaet.delayMs = 150;
  sim.engine().inject(spaet);
  double v = 0;
  EXPECT_EQ(ZORFYD1_EingangLesen(sim.verbindung(), sim.port(), '1', "e1", &v), -403051);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), 0);
}

TEST(SimQtDienst, ServiceFailuresOnAClosedOrMissingPort) {
  SimPort sim(KurzeWartezeit());
  auto& dienst = sim.service();
  EXPECT_EQ(dienst.ComRdByte(3), -1);
  EXPECT_EQ(dienst.GetOutQLen(3), -1);
  EXPECT_NE(dienst.FlushInQ(3), 0);
  EXPECT_NE(dienst.FlushOutQ(3), 0);
  EXPECT_LT(dienst.ComWrt(3, "x", 1), 0);
  EXPECT_LT(dienst.SetComTime(sim.port(), -1.0), 0);
  EXPECT_LT(dienst.SetComTime(sim.port(), std::nan("")), 0);
  EXPECT_EQ(dienst.GetOutQLen(sim.port()), 0);
  // A port number without a device cannot be opened.
  EXPECT_EQ(ZORFYD1_Open(sim.verbindung(), 3, 9600), -100003);
  dienst.setPortPfade({{3, "/nonexistent/tty"}, {sim.port(), sim.path()}});
  EXPECT_EQ(ZORFYD1_Open(sim.verbindung(), 3, 9600), -100003);
  char id[32];
  EXPECT_EQ(ZORFYD1_IDLesen(sim.verbindung(), 3, '1', id), -124148);
  // A read on an open port ends after the time-out.
  ASSERT_EQ(ZORFYD1_Timeout(sim.verbindung(), sim.port(), 0.05), 0);
  const auto t0 = std::chrono::steady_clock::now();
  EXPECT_LT(dienst.ComRdByte(sim.port()), 0);
  const auto dauer = std::chrono::steady_clock::now() - t0;
  EXPECT_GE(dauer, std::chrono::milliseconds(45));
  EXPECT_LT(dauer, std::chrono::milliseconds(300));
}

}  // namespace
