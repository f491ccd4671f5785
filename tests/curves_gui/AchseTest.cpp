// The Y axis of the curve graph: raw codes underneath, labels and ticks in the output's
// unit.
#include "Fensterhilfen.h"
#include "config/Konfiguration.h"
#include "widgets/YAchsenTicker.h"

namespace kurvenfenster {
namespace {

class AchseTest : public FensterTest {
 protected:
  void SetUp() override {
    gespeichert = sitzung.Konfig.gKonfig;
    FensterTest::SetUp();
  }
  void TearDown() override {
    FensterTest::TearDown();
    sitzung.Konfig.gKonfig = gespeichert;
  }
  config::Konfiguration gespeichert{};
};

TEST_F(AchseTest, LabelsShowTheUnitThroughGainAndOffset) {
  // Output 1: 0..10 V read as -50..150 bar.
  sitzung.Konfig.gKonfig.voutmax = 10.0;
  sitzung.Konfig.gKonfig.outmin[0] = 0.0;
  sitzung.Konfig.gKonfig.outmax[0] = 10.0;
  sitzung.Konfig.gKonfig.outskalamin[0] = -50.0;
  sitzung.Konfig.gKonfig.outskalamax[0] = 150.0;
  std::snprintf(sitzung.Konfig.gKonfig.outeinheit[0], sizeof sitzung.Konfig.gKonfig.outeinheit[0],
                "bar");
  panel->Kurvenpanel_SkaliereYAchse();
  graph()->replot();
  const auto& t = panel->Grafik().Ticker();
  EXPECT_DOUBLE_EQ(200.0 / 4095, t.Gain());
  EXPECT_DOUBLE_EQ(-50.0, t.Offset());
  EXPECT_EQ("-50", t.Beschriftung(0));
  EXPECT_EQ("150", t.Beschriftung(4095));
  EXPECT_EQ("bar", graph()->yAxis->label());
  EXPECT_EQ("inactive state [bar]", panel->Ui().LABEL_RUHEZUSTAND->text());
  EXPECT_DOUBLE_EQ(150.0, panel->Ui().YZOOMMAX->value());
  EXPECT_DOUBLE_EQ(-50.0, panel->Ui().YZOOMMIN->value());
  // The ticks fall on round values of the unit, zero included.
  const QVector<double> ticks = graph()->yAxis->tickVector();
  ASSERT_GE(ticks.size(), 3);
  bool null = false;
  for (double roh : ticks) {
    const double wert = roh * t.Gain() + t.Offset();
    EXPECT_NEAR(std::round(wert / 10) * 10, wert, 1e-6) << wert;
    null = null || std::abs(wert) < 1e-9;
  }
  EXPECT_TRUE(null);
}

TEST_F(AchseTest, LeavingTheConfigurationRescales) {
  sitzung.Konfig.gKonfig.outskalamin[0] = 0.0;
  sitzung.Konfig.gKonfig.outskalamax[0] = 4.095;
  std::snprintf(sitzung.Konfig.gKonfig.outeinheit[0], sizeof sitzung.Konfig.gKonfig.outeinheit[0],
                "mA");
  sitzung.Konfig.Neuskalierungen.Melden();
  EXPECT_EQ("4.095", panel->Grafik().Ticker().Beschriftung(4095));
  EXPECT_EQ("mA", graph()->yAxis->label());
  EXPECT_EQ("mA", panel->Ui().LABEL_YKOORDINATE->text());
}

TEST_F(AchseTest, ABrokenScalingStillGivesTicks) {
  // Both ends at the same unit value: every raw code reads the same.
  sitzung.Konfig.gKonfig.outskalamin[0] = 5.0;
  sitzung.Konfig.gKonfig.outskalamax[0] = 5.0;
  panel->Kurvenpanel_SkaliereYAchse();
  graph()->replot();
  EXPECT_FALSE(graph()->yAxis->tickVector().isEmpty());
  EXPECT_EQ("5", panel->Grafik().Ticker().Beschriftung(1000));
}

}  // namespace
}  // namespace kurvenfenster
