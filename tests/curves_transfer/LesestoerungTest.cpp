// Every fault the simulator plays, on the header read and on a later block of reading a
// curve back: the read fails in the error fields, the curves stay as they were, and the
// next read brings the device's curve.
#include <memory>
#include <string>
#include <tuple>

#include "Transferhilfen.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Companel.h"
#include "support_sim/SimPort.h"

namespace transfertest {
namespace {

using namespace curves;
using sim::Fault;
using sim::FaultKind;

class Lesestoerung : public ModellTest,
                     public ::testing::WithParamInterface<std::tuple<FaultKind, int>> {
 protected:
  void SetUp() override {
    ModellTest::SetUp();
    testsupport::SimPortOptions o;
    o.timeout = 0.1;
    sim = std::make_unique<testsupport::SimPort>(o);
    sim->verbindung().Port().offen = sim->port();
  }
  void TearDown() override {
    sim.reset();
    ModellTest::TearDown();
  }
  std::unique_ptr<testsupport::SimPort> sim;
};

TEST_P(Lesestoerung, LaesstDieKurvenUnveraendert) {
  const auto [art, frame] = GetParam();
  const std::vector<Kurvenpunkt> geraet = {P(0, 100, 2), P(4000, 60, 9)};
  sitzung.gKurven.Kurven[0].Punkte = geraet;
  ASSERT_EQ(0, KurvenSenden(sitzung, sim->verbindung(), kSpeicherKurven));
  ASSERT_EQ(0, sim->verbindung().AktuelleFehlerfelder().nummer);

  sitzung.gKurven.Kurven[0].Punkte = {P(1, 2, 3)};
  sitzung.gKurven.Zyklen[0] = 77;
  sitzung.gKurven.Ruhezustand[0] = 1234;
  Fault f{art, "BDR"};
  f.everyNth = frame;  // 1: the header read; 3: the image's second block
  f.delayMs = 150;     // beyond the 0.1 s time-out
  f.position = 0;
  sim->engine().inject(f);
  EXPECT_TRUE(
      sim->verbindung().InFehlerfeldern(KurvenLesen(sitzung, sim->verbindung(), kSpeicherKurven)));
  sim->engine().clearFaults();
  EXPECT_NE(0, sim->verbindung().AktuelleFehlerfelder().nummer);
  EXPECT_TRUE(Gleich({P(1, 2, 3)}, sitzung.gKurven.Kurven[0].Punkte));
  EXPECT_EQ(77, sitzung.gKurven.Zyklen[0]);
  EXPECT_EQ(1234, sitzung.gKurven.Ruhezustand[0]);
  EXPECT_EQ(0, op.progressOpenCount);

  ASSERT_EQ(0, KurvenLesen(sitzung, sim->verbindung(), kSpeicherKurven));
  EXPECT_EQ(0, sim->verbindung().AktuelleFehlerfelder().nummer);
  EXPECT_EQ(160u, sitzung.gKurven.Kurven[0].Punkte.size());
}

std::string Fallname(const ::testing::TestParamInfo<std::tuple<FaultKind, int>>& info) {
  static const char* const kNamen[] = {"nak",      "can",  "silence",  "byte", "garble",
                                       "truncate", "echo", "checksum", "delay"};
  return std::string(kNamen[static_cast<int>(std::get<0>(info.param))]) +
         (std::get<1>(info.param) == 1 ? "_Kopf" : "_Block");
}

INSTANTIATE_TEST_SUITE_P(
    JedeStoerung, Lesestoerung,
    ::testing::Combine(::testing::Values(FaultKind::Nak, FaultKind::Can, FaultKind::Silence,
                                         FaultKind::WrongByte, FaultKind::Garble,
                                         FaultKind::Truncate, FaultKind::WrongEcho,
                                         FaultKind::WrongChecksum, FaultKind::Delay),
                       ::testing::Values(1, 3)),
    Fallname);

}  // namespace
}  // namespace transfertest
