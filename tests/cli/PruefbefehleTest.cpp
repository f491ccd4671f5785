// --verify of send and char-send: the real miv3x program against the simulated WUN-2 on a
// pseudo-terminal, whose "corrupt" fault stores other bytes than it acknowledges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "SimLeitung.h"
#include "characteristic/files/Kennliniendatei.h"
#include "support/KennlFixture.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

struct Fall {
  const char* name;
  bool kennlinie;
  int jederNte;  // -1: no fault
  const char* ausgabe;
  int status;
};

class Pruefbefehle : public testsupport::KennlFixture, public testing::WithParamInterface<Fall> {
 protected:
  // A curve of 100 samples of 2 ms (four blocks: the header with samples 0..15, then 32
  // samples each) or a ramp into slot 1 (129 blocks: the head with inputs 0..15, then 32
  // input values each).
  std::string Datei(bool kennlinie) {
    if (kennlinie) {
      Setze({{0, 4095}, {4095, 1}});
      const std::string pfad = ordner.file("rampe.wue");
      EXPECT_EQ(characteristic::KennlDateiSpeichern(sitzung, pfad), 0);
      return pfad;
    }
    std::vector<curves::Kurvenpunkt> punkte;
    for (int i = 0; i < 100; ++i) punkte.push_back(P(40 * i, 1, 2));
    const std::string pfad = ordner.file("kurve.wur");
    KurvendateiAnlegen(pfad, punkte);
    return pfad;
  }
  testsupport::TempDir ordner;
  SimLeitung sim;
};

TEST_P(Pruefbefehle, PrintsTheRangesStoredOtherwise) {
  const Fall& f = GetParam();
  sim.engine.withDevice('1', [](sim::Device& d) { d.mode = 2; });  // slots valid
  if (f.jederNte >= 0) sim.engine.inject({sim::FaultKind::Corrupt, "BDW", 0, f.jederNte});
  std::vector<std::string> args = {f.kennlinie ? "char-send" : "send", Datei(f.kennlinie), "--port",
                                   sim.pfad(), "--verify"};
  if (f.kennlinie) args.insert(args.end(), {"--slot", "1"});
  const Lauf lauf = Miv3x(args);
  EXPECT_EQ(f.status, lauf.status) << lauf.fehler;
  EXPECT_EQ(f.ausgabe, lauf.aus);
  EXPECT_EQ(
      f.status
          ? "Error #116603: Verify after writing: the device holds other bytes than were written\n"
          : "",
      lauf.fehler);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Pruefbefehle,
    testing::Values(Fall{"CurveGood", false, -1, "", 0},
                    Fall{"CurveEverySecond", false, 2,
                         "mismatch: 0.032000 s to 0.096000 s\nmismatch: 0.160000 s to 0.200000 s\n",
                         1},
                    Fall{"CurveHeader", false, 0, "mismatch: 0.000000 s to 0.200000 s\n", 1},
                    Fall{"SlotGood", true, -1, "", 0},
                    Fall{"SlotHundredth", true, 100, "mismatch: input values 3152 to 3183\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace clitest
