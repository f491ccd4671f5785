// Input polling when the port vanishes: polling stops with the first reading that finds it
// gone, and starts again once the port is reopened, by itself or by the operator's click.
#include <gtest/gtest.h>

#include <chrono>

#include "Direktfixture.h"
#include "device/Companel.h"
#include "device/Portverlust.h"
#include "direct/Abfrage.h"
#include "direct/Abfragewache.h"

namespace directtest {
namespace {

using namespace std::chrono_literals;

class Abfragewache : public testing::Test {
 protected:
  static testsupport::SimPortOptions UeberLink() {
    testsupport::SimPortOptions o = KurzeZeit();
    o.viaLink = true;
    return o;
  }
  void SetUp() override {
    sim.verbindung().Port().offen = sim.port();
    direct::DirektUhrSetzen(sitzung, &uhr);
    direct::DirektpanelInit(sitzung);
    ASSERT_EQ(direct::Abfragen_Callback(sitzung, v(), true), 0);
    ASSERT_TRUE(uhr.timerAn);
    ASSERT_EQ(direct::DirektTimer_Callback(sitzung, v()), 0);
  }
  device::Verbindung& v() { return sim.verbindung(); }
  void Verschwinden() {
    sim.vanish();
    EXPECT_EQ(direct::DirektTimer_Callback(sitzung, v()), device::kFehlerPortWeg);
    EXPECT_FALSE(uhr.timerAn);
    EXPECT_FALSE(direct::Direktpanel(sitzung).abfragen);
    EXPECT_TRUE(wache.Fortsetzen());
  }

  FesteUhr uhr;
  direct::Direktsitzung sitzung;
  testsupport::SimPort sim{UeberLink()};
  testsupport::ScriptedOperator bedienung;
  direct::Abfragewache wache{sitzung, sim.verbindung()};
};

TEST_F(Abfragewache, PollingStopsAndStartsAgainWhenThePortReturnsByItself) {
  Verschwinden();
  device::Wiederverbindung wieder(v());
  const std::chrono::steady_clock::time_point t0{};
  wieder.Takt(t0);
  EXPECT_FALSE(wieder.Takt(t0 + 1s));  // still gone: polling stays off
  EXPECT_FALSE(uhr.timerAn);
  sim.comeBack();
  EXPECT_TRUE(wieder.Takt(t0 + 2s));
  EXPECT_TRUE(uhr.timerAn);
  EXPECT_TRUE(direct::Direktpanel(sitzung).abfragen);
  EXPECT_FALSE(wache.Fortsetzen());
  sim.engine().setInput('1', 2, 6.5);
  EXPECT_EQ(direct::DirektTimer_Callback(sitzung, v()), 0);
  EXPECT_DOUBLE_EQ(direct::Direktpanel(sitzung).eingang[1].wert, 6.5);
}

TEST_F(Abfragewache, TheOperatorsReopenStartsItAgainAndPollingStoppedByHandStaysOff) {
  Verschwinden();
  sim.comeBack();
  v().Companel().portliste = {{"COM 9", 9}};
  device::ComPictureKlick(v());
  EXPECT_TRUE(uhr.timerAn);

  // Stopped by the operator before the loss: the port's return does not start it.
  ASSERT_EQ(direct::Abfragen_Callback(sitzung, v(), false), 0);
  sim.vanish();
  EXPECT_NE(direct::Abfragen_Callback(sitzung, v(), false), 0);  // the outputs find it gone
  EXPECT_FALSE(wache.Fortsetzen());
  sim.comeBack();
  ASSERT_EQ(device::PortWiederOeffnen(v()), 0);
  EXPECT_FALSE(uhr.timerAn);
}

}  // namespace
}  // namespace directtest
