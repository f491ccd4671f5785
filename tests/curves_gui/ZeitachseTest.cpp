// The time axis keeps the curve's microseconds but counts in the unit that fits the
// visible width, and names it.
#include "Fensterhilfen.h"
#include "curves/gui/Zeitachse.h"

namespace kurvenfenster {
namespace {

TEST_F(FensterTest, TimeAxisNamesTheUnitThatFitsTheWidth) {
  sitzung.gKurven.Kurven[0].Punkte = {{0, 100, 1, {}}, {2000, 1, 1, {}}};  // 101 ms
  panel->Aktionen().ZoomVoll->trigger();
  EXPECT_EQ("Time [ms]", graph()->xAxis->label());
  sitzung.gKurven.Kurven[0].Punkte = {{0, 60000, 8, {}}, {2000, 1, 8, {}}};  // 60001 s
  panel->Aktionen().ZoomVoll->trigger();
  EXPECT_EQ("Time [min]", graph()->xAxis->label());
  // Labels in minutes: the tick at 30 min reads "30", not 1800000000.
  const auto ticker = graph()->xAxis->ticker().dynamicCast<curves::gui::Zeitachsenticker>();
  ASSERT_TRUE(ticker);
  EXPECT_STREQ("min", ticker->Einheit().Name);
  for (int i = 0; i < 45; ++i) panel->Aktionen().ZoomPlus->trigger();
  EXPECT_EQ(QString::fromUtf8("Time [\u00b5s]"), graph()->xAxis->label());
}

struct Einheitsfall {
  double breite;
  const char* name;
};
class Zeiteinheiten : public ::testing::TestWithParam<Einheitsfall> {};
TEST_P(Zeiteinheiten, ChosenByTheVisibleWidth) {
  EXPECT_STREQ(GetParam().name, curves::gui::ZeiteinheitFuer(GetParam().breite).Name);
}
INSTANTIATE_TEST_SUITE_P(Breiten, Zeiteinheiten,
                         ::testing::Values(Einheitsfall{1000, "\u00b5s"}, Einheitsfall{10001, "ms"},
                                           Einheitsfall{5e6, "s"}, Einheitsfall{3600e6, "min"}));

}  // namespace
}  // namespace kurvenfenster
