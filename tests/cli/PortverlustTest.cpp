// The port vanishing in the middle of a command (the simulator's terminal closed under
// it): miv3x ends with status 1 and the port-gone error, soon, not after time-outs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "SimLeitung.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::HasSubstr;
using Uhr = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Befehlsfall {
  const char* name;
  std::vector<std::string> argumente;  // "KURVE" stands for a long curve file
};

class Verschwinden : public testing::TestWithParam<Befehlsfall> {
 protected:
  // Paced at 9600 baud, so the long curve takes many seconds to send.
  SimLeitung sim{"1", false, 9600};
  testsupport::TempDir ordner;
};

TEST_P(Verschwinden, EndsWithStatus1AndThePortGoneErrorSoonAfter) {
  const std::string kurve = ordner.file("lang.wur");
  std::vector<curves::Kurvenpunkt> punkte;
  for (int i = 0; i < 2000; ++i) punkte.push_back(P(i % 2 ? 4000 : 100, 1, 1));
  KurvendateiAnlegen(kurve, punkte);
  std::vector<std::string> argumente;
  for (const std::string& a : GetParam().argumente) argumente.push_back(a == "KURVE" ? kurve : a);
  argumente.push_back("--port=" + sim.pfad());

  Uhr::time_point weg{};
  std::thread ausloeser([&] {
    std::this_thread::sleep_for(1500ms);
    weg = Uhr::now();
    sim.runner.close();
  });
  Laufsteuerung steuerung;
  steuerung.ordner = ordner.path().string();
  const Lauf lauf = Miv3x(argumente, {}, steuerung);
  const auto ende = Uhr::now();
  ausloeser.join();

  EXPECT_EQ(1, lauf.status) << lauf.fehler;
  EXPECT_THAT(lauf.fehler, HasSubstr("Error #122700: Serial port gone"));
  const auto dauer = std::chrono::duration_cast<std::chrono::milliseconds>(ende - weg);
  RecordProperty("ms_after_vanishing", static_cast<int>(dauer.count()));
  EXPECT_GT(dauer.count(), 0) << "the command ended before the port vanished";
  EXPECT_LT(dauer, 5s);
}

INSTANTIATE_TEST_SUITE_P(Befehle, Verschwinden,
                         testing::Values(Befehlsfall{"send", {"send", "KURVE"}},
                                         Befehlsfall{"watch", {"inputs", "--watch", "0.2"}},
                                         Befehlsfall{"sendFast", {"send", "KURVE", "--fast"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace clitest
