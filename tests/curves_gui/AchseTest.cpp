// The Y axis of the curve graph: raw codes underneath, labels and ticks in the output's
// unit.
#include "Fensterhilfen.h"
#include "config/Konfiguration.h"
#include "config/gui/Neuskalierung.h"
#include "widgets/YAchsenTicker.h"

namespace kurvenfenster {
namespace {

using config::gKonfig;

class AchseTest : public FensterTest {
 protected:
  void SetUp() override {
    gespeichert = gKonfig;
    FensterTest::SetUp();
  }
  void TearDown() override {
    FensterTest::TearDown();
    gKonfig = gespeichert;
  }
  config::Konfiguration gespeichert{};
};

TEST_F(AchseTest, LabelsShowTheUnitThroughGainAndOffset) {
  // Output 1: 0..10 V read as -50..150 bar.
  gKonfig.voutmax = 10.0;
  gKonfig.outmin[0] = 0.0;
  gKonfig.outmax[0] = 10.0;
  gKonfig.outskalamin[0] = -50.0;
  gKonfig.outskalamax[0] = 150.0;
  std::snprintf(gKonfig.outeinheit[0], sizeof gKonfig.outeinheit[0], "bar");
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
  gKonfig.outskalamin[0] = 0.0;
  gKonfig.outskalamax[0] = 4.095;
  std::snprintf(gKonfig.outeinheit[0], sizeof gKonfig.outeinheit[0], "mA");
  config::gui::AlleFensterNeuskalieren();
  EXPECT_EQ("4.095", panel->Grafik().Ticker().Beschriftung(4095));
  EXPECT_EQ("mA", graph()->yAxis->label());
  EXPECT_EQ("mA", panel->Ui().LABEL_YKOORDINATE->text());
}

TEST_F(AchseTest, ABrokenScalingStillGivesTicks) {
  // Both ends at the same unit value: every raw code reads the same.
  gKonfig.outskalamin[0] = 5.0;
  gKonfig.outskalamax[0] = 5.0;
  panel->Kurvenpanel_SkaliereYAchse();
  graph()->replot();
  EXPECT_FALSE(graph()->yAxis->tickVector().isEmpty());
  EXPECT_EQ("5", panel->Grafik().Ticker().Beschriftung(1000));
}

}  // namespace
}  // namespace kurvenfenster
