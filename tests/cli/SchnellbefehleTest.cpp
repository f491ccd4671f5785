// --fast and --changed of the transfer commands, and id finding a device left at another
// rate, against the simulated WUN-2 on a pseudo-terminal whose devices hear only a host at
// their own line rate; the memory cache in a temporary XDG_CACHE_HOME.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "SimLeitung.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

std::vector<std::string> Frames(sim::Engine& engine) {
  std::vector<std::string> r;
  for (auto f : engine.frames()) r.push_back(f.substr(0, std::min<std::size_t>(f.find('\r'), 14)));
  return r;
}

class Schnellbefehle : public testing::Test {
 protected:
  void SetUp() override {
    std::vector<curves::Kurvenpunkt> punkte;
    for (int i = 0; i < 100; ++i) punkte.push_back(P(40 * i, 1, 2));
    KurvendateiAnlegen(kurve, punkte);
  }
  Laufoptionen MitCache() { return {false, {"XDG_CACHE_HOME=" + ordner.file("cache")}}; }

  testsupport::TempDir ordner;
  const std::string kurve = ordner.file("kurve.wur");
  SimLeitung sim{"1", true};
};

TEST_F(Schnellbefehle, FastSendSwitchesUpAndBack) {
  const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad(), "--fast"}, MitCache());
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("", lauf.fehler);
  const auto frames = Frames(sim.engine);
  ASSERT_EQ(2u + 4u + 2u, frames.size());
  EXPECT_EQ("#1BRW38400", frames[0]);
  EXPECT_EQ("#1BDW410000040", frames[2]);
  EXPECT_EQ("#1BRW9600", frames[6]);
  EXPECT_EQ(9600, sim.engine.device('1').baudRate);
  EXPECT_FALSE(Existiert(ordner.file("cache/miv3x/memory")));  // no --changed, no cache
}

TEST_F(Schnellbefehle, RefusedRateSendsAt9600AndSaysSo) {
  sim.engine.withDevice('1', [](sim::Device& d) { d.maxBaud = 9600; });
  const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad(), "--fast"});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("Fast transfer: the device refused 38400 baud. Transferring at 9600 baud.\n",
            lauf.fehler);
  EXPECT_EQ(1u + 4u, Frames(sim.engine).size());
}

TEST_F(Schnellbefehle, IdFindsADeviceLeftAt38400) {
  sim.engine.withDevice('1', [](sim::Device& d) { d.baudRate = 38400; });
  const Lauf lauf = Miv3x({"id", "--port", sim.pfad()});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("ZOR-MIV3AXWUN-2V1.30\n", lauf.aus);
  EXPECT_EQ("Device 1 answered at 38400 baud and was switched back to 9600 baud.\n", lauf.fehler);
  EXPECT_EQ(9600, sim.engine.device('1').baudRate);
}

TEST_F(Schnellbefehle, ChangedSendRemembersAcrossRuns) {
  ASSERT_EQ(0, Miv3x({"send", kurve, "--port", sim.pfad(), "--changed"}, MitCache()).status);
  EXPECT_EQ(4u, Frames(sim.engine).size());
  EXPECT_TRUE(Existiert(ordner.file("cache/miv3x/memory")));
  sim.engine.clearFrames();
  const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad(), "--changed"}, MitCache());
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ((std::vector<std::string>{"#1BDR410000020", "#1BDW410000040", "#1BDR410000040"}),
            Frames(sim.engine));
}

TEST_F(Schnellbefehle, DamagedCacheIsReportedAndWrittenAnew) {
  const std::string cache = ordner.file("cache/miv3x/memory");
  ASSERT_EQ(0, Miv3x({"send", kurve, "--port", sim.pfad(), "--changed"}, MitCache()).status);
  Schreiben(cache, "miv3x device memory 1\n" + sim.pfad() + "\t1\t4\t4096\t0G\n");
  sim.engine.clearFrames();
  const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad(), "--changed"}, MitCache());
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("miv3x: the memory cache " + cache +
                " is damaged (line 2 is not a run of device memory); it is written anew.\n",
            lauf.fehler);
  EXPECT_EQ(4u, Frames(sim.engine).size());  // nothing known: everything written
  EXPECT_EQ(0u, Inhalt(cache).find("miv3x device memory 1\n" + sim.pfad() + "\t1\t4\t4096\t"));
}

struct Falsch {
  std::vector<std::string> argumente;
  const char* grund;
};

class FalscheSchnellaufrufe : public testing::TestWithParam<Falsch> {};

TEST_P(FalscheSchnellaufrufe, AreRefusedBeforeAnythingIsSent) {
  const Lauf lauf = Miv3x(GetParam().argumente);
  EXPECT_EQ(2, lauf.status);
  EXPECT_NE(std::string::npos, lauf.fehler.find(GetParam().grund)) << lauf.fehler;
}

INSTANTIATE_TEST_SUITE_P(
    Aufrufe, FalscheSchnellaufrufe,
    testing::Values(Falsch{{"read", "a.wur", "--port", "1", "--changed"}, "--changed"},
                    Falsch{{"send", "a.wur", "--port", "1", "--fast=1"}, "takes no value"},
                    Falsch{{"id", "--port", "1", "--fast"}, "--fast"},
                    Falsch{{"send", "a.wur", "--port", "1", "--fast", "--fast"}, "twice"}));

}  // namespace
}  // namespace clitest
