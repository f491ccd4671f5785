#include <gtest/gtest.h>

#include <cstring>

#include "device/Protokoll.h"
#include "support_sim/SimPort.h"

namespace {

TEST(SimPort, AnswersTheIdOverAPseudoTerminal) {
  testsupport::SimPort sim;
  char id[32] = {};
  ASSERT_EQ(device::ZORFYD1_IDLesen(sim.port(), '1', id), 0);
  EXPECT_STREQ(id, "ZOR-MIV3AXWUN-2V1.30");
  EXPECT_EQ(sim.engine().frames().back(), "#1IDR\r");
}

}  // namespace
