// Functions put into the characteristic: the device's value at every input step of the
// range within the bound of the function (decoded from the points as the device steps
// through them), the fewest lines for what is straight, the characteristic outside the
// range kept, and refusals that leave the result untouched.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "characteristic/edit/KennlFunktion.h"

namespace {

using characteristic::Kennlfunktionsauftrag;
using characteristic::Kennlfunktionsergebnis;
using characteristic::Kennlinienpunkt;

// The device's value at every input step 0..4095: each line from its point to the next,
// rounded half up; the last point's value up to the end.
std::vector<int> Geraetewerte(const std::vector<Kennlinienpunkt>& p) {
  std::vector<int> w(4096);
  double x0 = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const bool letzter = i + 1 == p.size();
    const double l = letzter ? 4096 - x0 : p[i].Laenge;
    for (int k = 0; k < l && x0 + k < 4096; ++k) {
      const double y = letzter ? p[i].Y : p[i].Y + (p[i + 1].Y - p[i].Y) * k / l;
      w[static_cast<std::size_t>(x0 + k)] = static_cast<int>(std::floor(y + 0.5));
    }
    x0 += l;
  }
  return w;
}

// A characteristic of three lines: 0 at 0, 3000 at 1000, 1000 at 3000, flat from there.
const std::vector<Kennlinienpunkt> kAlt = {{0, 1000, 0, {}}, {3000, 2000, 0, {}}, {1000, 0, 0, {}}};

struct Fall {
  const char* name;
  Kennlfunktionsauftrag auftrag;
  std::function<double(double)> f;
  int hoechstensPunkte;  // the fewest lines that meet the bound, with some slack
};

class Funktionen : public ::testing::TestWithParam<Fall> {};

TEST_P(Funktionen, MeetTheBoundInsideAndKeepTheOutside) {
  const Fall& fall = GetParam();
  Kennlfunktionsergebnis e;
  std::string meldung;
  ASSERT_EQ(characteristic::KennlFunktionBerechnen(kAlt, fall.auftrag, e, meldung), 0) << meldung;
  const auto alt = Geraetewerte(kAlt);
  const auto neu = Geraetewerte(e.Punkte);
  double groesster = 0;
  for (int x = 0; x < 4096; ++x) {
    if (x < fall.auftrag.Von || x > fall.auftrag.Bis) {
      // A cut line now ends on a whole code one step before the range.
      EXPECT_NEAR(neu[x], alt[x], 1) << "outside at " << x;
    } else {
      const double soll = std::clamp(fall.f(x), 0.0, 4095.0);
      groesster = std::max(groesster, std::abs(neu[x] - soll));
      ASSERT_LE(std::abs(neu[x] - soll), fall.auftrag.MaxFehler) << "at " << x;
    }
  }
  EXPECT_NEAR(e.GroessterFehler, groesster, 1e-9);
  EXPECT_LE(e.Punktanzahl, fall.hoechstensPunkte);
  EXPECT_EQ(e.Punkte.back().Laenge, 0);
}

Kennlfunktionsauftrag Auftrag(const char* art, std::vector<std::pair<std::string, std::string>> p,
                              int von, int bis, double fehler = 1.0) {
  Kennlfunktionsauftrag a;
  a.Art = art;
  a.Parameter = std::move(p);
  a.Von = von;
  a.Bis = bis;
  a.MaxFehler = fehler;
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Arten, Funktionen,
    ::testing::Values(
        Fall{"Linear", Auftrag("linear", {{"gain", "0.5"}, {"offset", "100"}}, 500, 2500),
             [](double x) { return 100 + 0.5 * x; }, 2},
        Fall{"DeadBand",
             Auftrag("deadband", {{"center", "2000"}, {"width", "400"}, {"level", "1500"}}, 1000,
                     3000),
             [](double x) {
               const double d = x - 2000;
               return std::abs(d) <= 200 ? 1500.0 : 1500 + d - std::copysign(200.0, d);
             },
             4},
        Fall{"Saturation", Auftrag("saturation", {}, 0, 4095),
             [](double x) { return std::clamp(2 * x - 2048, 0.0, 4095.0); }, 5},
        Fall{"SquareLaw", Auftrag("square", {{"gain", "0.001"}, {"x0", "1500"}}, 1200, 2200, 2.0),
             [](double x) { return 0.001 * (x - 1500) * (x - 1500); }, 40},
        Fall{"Formula", Auftrag("formula", {{"expr", "2048+1000*sin(x/200)"}}, 100, 1700),
             [](double x) { return 2048 + 1000 * std::sin(x / 200); }, 160},
        Fall{"ClippedAtTheTop", Auftrag("linear", {{"gain", "3"}}, 3000, 3500),
             [](double x) { return 3 * x; }, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KennlFunktion, ClippingIsWarnedOf) {
  Kennlfunktionsergebnis e;
  std::string meldung;
  ASSERT_EQ(characteristic::KennlFunktionBerechnen(
                kAlt, Auftrag("linear", {{"gain", "3"}}, 3000, 3500), e, meldung),
            0);
  ASSERT_EQ(e.Warnungen.size(), 1u);
  EXPECT_NE(e.Warnungen[0].find("clipped"), std::string::npos);
}

struct Ablehnung {
  const char* name;
  Kennlfunktionsauftrag auftrag;
  const char* meldung;
};

class Ablehnungen : public ::testing::TestWithParam<Ablehnung> {};

TEST_P(Ablehnungen, NameTheFaultAndLeaveTheResult) {
  Kennlfunktionsergebnis e;
  e.Punktanzahl = 77;
  std::string meldung;
  EXPECT_NE(characteristic::KennlFunktionBerechnen(kAlt, GetParam().auftrag, e, meldung), 0);
  EXPECT_NE(meldung.find(GetParam().meldung), std::string::npos) << meldung;
  EXPECT_EQ(e.Punktanzahl, 77);
  EXPECT_TRUE(e.Punkte.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, Ablehnungen,
    ::testing::Values(
        Ablehnung{"UnknownKind", Auftrag("cubic", {}, 0, 100), "unknown function"},
        Ablehnung{"UnknownParameter", Auftrag("linear", {{"slope", "1"}}, 0, 100), "'slope'"},
        Ablehnung{"NotANumber", Auftrag("linear", {{"gain", "1V"}}, 0, 100), "not a number"},
        Ablehnung{"FormulaSyntax", Auftrag("formula", {{"expr", "x*(2"}}, 0, 100), "character"},
        Ablehnung{"FormulaNoNumber", Auftrag("formula", {{"expr", "sqrt(x-50)"}}, 0, 100),
                  "no number at x = 0"},
        Ablehnung{"EmptyRange", Auftrag("linear", {}, 300, 300), "range"},
        Ablehnung{"RangeBeyondTheInput", Auftrag("linear", {}, 0, 5000), "range"},
        Ablehnung{"SaturationTurnedRound",
                  Auftrag("saturation", {{"low", "3000"}, {"high", "10"}}, 0, 100), "lies above"},
        Ablehnung{"BoundTooSmall", Auftrag("linear", {}, 0, 100, 0.2), "at least 0.5"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
