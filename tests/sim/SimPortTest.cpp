#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "device/Protokoll.h"
#include "support_sim/SimPort.h"

namespace {

TEST(SimPort, AnswersTheIdOverAPseudoTerminal) {
  testsupport::SimPort sim;
  EXPECT_EQ(sim.port(), 9);
  EXPECT_EQ(sim.path().rfind("/dev/pts/", 0), 0u);
  char id[32] = {};
  ASSERT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), 0);
  EXPECT_STREQ(id, "ZOR-MIV3AXWUN-2V1.30");
  EXPECT_EQ(sim.engine().frames().back(), "#1IDR\r");
}

TEST(SimPort, UndoesEverythingWhenItEnds) {
  std::string pfad;
  {
    testsupport::SimPort sim;
    pfad = sim.path();
  }
  // Nothing of it is left behind: a connection without a service fails.
  char id[32];
  device::Verbindung ohneDienst;
  EXPECT_EQ(device::ZORFYD1_IDLesen(ohneDienst, 9, '1', id), -124148);
  // A second one right after works again.
  testsupport::SimPortOptions o;
  o.addresses = "24";
  o.ids = {{'4', "FOUR"}};
  o.port = 5;
  testsupport::SimPort sim(o);
  ASSERT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), 5, '4', id), 0);
  EXPECT_STREQ(id, "FOUR");
}

TEST(SimPort, VanishesAndComesBackAtTheSamePath) {
  testsupport::SimPortOptions o;
  o.viaLink = true;
  o.timeout = 0.1;
  testsupport::SimPort sim(o);
  const std::string pfad = sim.path();
  const std::uint8_t b[2] = {0x5A, 0xA5};
  ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(sim.verbindung(), sim.port(), '1', 5, 40, 2, b), 0);
  sim.vanish();
  char id[32];
  // A failure of the port itself, not a silent device's time-out.
  const int weg = device::ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id);
  EXPECT_NE(weg, 0);
  EXPECT_NE(weg, -403012);
  sim.comeBack();
  EXPECT_EQ(sim.path(), pfad);
  ASSERT_EQ(device::ZORFYD1_Open(sim.verbindung(), sim.port(), 9600), 0);
  ASSERT_EQ(device::ZORFYD1_Timeout(sim.verbindung(), sim.port(), 0.1), 0);
  std::uint8_t z[2] = {};
  ASSERT_EQ(device::ZORFYD1_SpeicherLesen(sim.verbindung(), sim.port(), '1', 5, 40, 2, z), 0);
  EXPECT_EQ(std::memcmp(b, z, 2), 0);
}

TEST(SimMemory, TheEngineBehindTheInMemoryService) {
  testsupport::SimMemory sim("13");
  const std::uint8_t b[4] = {9, 8, 7, 6};
  ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(sim.verbindung(), sim.port(), '3', 5, 10, 4, b), 0);
  EXPECT_EQ(sim.engine().device('3').memory5[13], 6);
  std::uint8_t z[4] = {};
  ASSERT_EQ(device::ZORFYD1_SpeicherLesen(sim.verbindung(), sim.port(), '3', 5, 10, 4, z), 0);
  EXPECT_EQ(std::memcmp(b, z, 4), 0);
  // Silence is an immediate time-out here.
  char id[32];
  EXPECT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '2', id), -403012);
  sim.engine().inject({sim::FaultKind::Can, "IDR"});
  EXPECT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), -405011);
  sim.service().failNext(device::MemorySerialService::Op::Write);
  EXPECT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), -101008);
  EXPECT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), 0);
}

}  // namespace
