#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "Pruefhilfen.h"
#include "curves/shapes/Formen.h"
#include "curves/shapes/Geradennaeherung.h"

namespace {

using curves::Form;
using curves::Formauftrag;
using curves::Kurvenpunkt;
using testing::HasSubstr;

Formauftrag Auftrag(const std::string& art, const std::vector<std::string>& parameter,
                    bool roh = false) {
  Formauftrag a;
  a.Art = art;
  for (const auto& text : parameter) {
    curves::Formparameter p;
    EXPECT_TRUE(curves::FormparameterTeilen(text, p)) << text;
    a.Parameter.push_back(p);
  }
  if (roh) a.Bezug.Angabe = curves::Pegelangabe::Roh;
  return a;
}

std::string Text(const std::vector<Kurvenpunkt>& punkte) {
  std::ostringstream s;
  for (const auto& p : punkte) s << "(" << p.Y << "," << p.Laenge << "," << int{p.Zeitbasis} << ")";
  return s.str();
}

// ---- Exact shapes: their points, exactly ----

struct Exakt {
  std::string name;
  std::string art;
  std::vector<std::string> parameter;
  std::string punkte;  // (Y,Laenge,Zeitbasis)...
  int endwert;
};

std::ostream& operator<<(std::ostream& os, const Exakt& e) {
  return os << e.name;
}

class ExakteForm : public testing::TestWithParam<Exakt> {};

TEST_P(ExakteForm, GivesItsPoints) {
  const Exakt& e = GetParam();
  Form f;
  std::string meldung;
  ASSERT_EQ(curves::FormBerechnen(Auftrag(e.art, e.parameter, true), f, meldung), 0) << meldung;
  EXPECT_EQ(Text(f.Punkte), e.punkte);
  EXPECT_EQ(f.Endwert, e.endwert);
  EXPECT_LE(f.GroessterFehler, 0.5);  // a sample is a whole code
  EXPECT_EQ(f.Speicherbytes, 2 * curves::Abtastwerte(f.Punkte));
  EXPECT_TRUE(f.Warnungen.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Formen, ExakteForm,
    testing::Values(
        // Two 1 ms treads; a one-unit tread needs no closing unit.
        Exakt{"Step", "step", {"from=0", "to=4095", "time=2ms"}, "(0,1,1)(4095,1,1)", 4095},
        // 4 ms treads on 2 ms: each holds its level and jumps in its last unit.
        Exakt{"Stair",
              "stair",
              {"from=0", "to=300", "steps=3", "time=12ms"},
              "(0,1,2)(0,1,2)(150,1,2)(150,1,2)(300,1,2)(300,1,2)",
              300},
        // 100 codes in 100 ms: 1 ms is the coarsest base with steps of one code.
        Exakt{"RampGentle", "ramp", {"from=100", "to=200", "time=100ms"}, "(100,100,1)", 200},
        // Full scale in 1 s: no base keeps to one code, so the finest takes it.
        Exakt{"RampSteep", "ramp", {"from=0", "to=4095", "time=1s"}, "(0,4000,9)", 4095},
        Exakt{"Triangle",
              "triangle",
              {"low=0", "high=1000", "period=2s", "periods=2"},
              "(0,1000,1)(1000,1000,1)(0,1000,1)(1000,1000,1)",
              0},
        Exakt{"Trapezoid",
              "trapezoid",
              {"low=0", "high=4095", "rise=1ms", "hold=3ms", "fall=1ms", "pause=5ms"},
              "(0,4,9)(4095,3,1)(4095,4,9)(0,1,3)",
              0},
        Exakt{"TrapezoidWithoutHoldOrPause",
              "trapezoid",
              {"low=10", "high=20", "rise=10ms", "fall=10ms"},
              "(10,10,1)(20,10,1)",
              10},
        Exakt{"PulseTrain",
              "pulse",
              {"low=0", "high=2000", "width=2ms", "period=5ms", "count=2"},
              "(2000,1,2)(0,2,1)(0,1,1)(2000,1,2)(0,2,1)(0,1,1)",
              0}),
    [](const auto& info) { return info.param.name; });

TEST(Formen, LevelsInTheOutputUnitAreConvertedAndClippedWithAWarning) {
  Form f;
  std::string meldung;
  // Standard scaling: 10 V is code 4095.
  ASSERT_EQ(
      curves::FormBerechnen(Auftrag("ramp", {"from=0V", "to=10 V", "time=4095ms"}), f, meldung), 0)
      << meldung;
  EXPECT_EQ(Text(f.Punkte), "(0,4095,1)");
  EXPECT_TRUE(f.Warnungen.empty());

  ASSERT_EQ(curves::FormBerechnen(Auftrag("step", {"from=-1V", "to=12V", "time=2ms"}), f, meldung),
            0);
  EXPECT_EQ(Text(f.Punkte), "(0,1,1)(4095,1,1)");
  ASSERT_EQ(f.Warnungen.size(), 2u);
  EXPECT_THAT(f.Warnungen[0], HasSubstr("from=-1V"));
  EXPECT_THAT(f.Warnungen[1], HasSubstr("clipped to 4095"));
}

TEST(Formen, AShapeAsACurveClosesOnlyWhenItsLastLineWouldRunElsewhere) {
  Form f;
  std::string meldung;
  ASSERT_EQ(curves::FormBerechnen(Auftrag("ramp", {"from=100", "to=200", "time=100ms"}, true), f,
                                  meldung),
            0);
  EXPECT_EQ(Text(curves::FormAlsKurve(f)), "(100,100,1)(200,1,1)");
  ASSERT_EQ(curves::FormBerechnen(
                Auftrag("pulse", {"low=0", "high=9", "width=1ms", "period=3ms"}, true), f, meldung),
            0);
  EXPECT_EQ(Text(curves::FormAlsKurve(f)), Text(f.Punkte));
}

// ---- Approximated shapes: within the bound at every sample of the device output ----

struct Genaehert {
  std::string name;
  std::vector<std::string> parameter;  // first: the kind
  std::function<double(double)> volt;  // the shape in volts, t in us
  double fehler;
  bool klein;  // short enough for the exhaustive search
};

std::ostream& operator<<(std::ostream& os, const Genaehert& g) {
  return os << g.name;
}

class GenaeherteForm : public testing::TestWithParam<Genaehert> {};

TEST_P(GenaeherteForm, MeetsItsBoundAtEveryDeviceSample) {
  const Genaehert& g = GetParam();
  auto auftrag =
      Auftrag(g.parameter[0], std::vector<std::string>(g.parameter.begin() + 1, g.parameter.end()));
  auftrag.MaxFehler = g.fehler;
  Form f;
  std::string meldung;
  ASSERT_EQ(curves::FormBerechnen(auftrag, f, meldung), 0) << meldung;
  const auto code = [&](double t) { return g.volt(t) * 4095.0 / 10.0; };
  auto punkte = f.Punkte;
  punkte.push_back({f.Endwert, 1, punkte.back().Zeitbasis, {0, 0, 0}});
  const auto ausgabe = shapetest::Geraeteausgabe(punkte);
  ASSERT_FALSE(ausgabe.empty());
  EXPECT_DOUBLE_EQ(ausgabe.back().tMikro, f.DauerMikro);
  for (const auto& a : ausgabe)
    ASSERT_LE(std::abs(a.wert - code(a.tMikro)), g.fehler) << "at " << a.tMikro << " us";
  EXPECT_LE(f.GroessterFehler, g.fehler);
  if (g.klein) {
    const int optimum = shapetest::WenigsteGeraden(
        code, static_cast<int>(f.DauerMikro / curves::kRasterMikro), g.fehler);
    EXPECT_LE(static_cast<double>(f.Punkte.size()), 1.25 * optimum);
  }
}

constexpr double kPi = std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(
    Formen, GenaeherteForm,
    testing::Values(Genaehert{"SineExample",
                              {"sine", "offset=5V", "amplitude=4V", "period=20ms", "periods=3"},
                              [](double t) { return 5 + 4 * std::sin(2 * kPi * t / 20000); },
                              1,
                              false},
                    Genaehert{"SineWithPhase",
                              {"sine", "offset=5", "amplitude=1", "period=10ms", "phase=90deg"},
                              [](double t) { return 5 + std::cos(2 * kPi * t / 10000); },
                              1,
                              true},
                    Genaehert{"Exp",
                              {"exp", "from=1V", "to=9V", "tau=3ms", "time=12ms"},
                              [](double t) { return 9 - 8 * std::exp(-t / 3000); },
                              2,
                              true},
                    Genaehert{"Formula",
                              {"formula", "expr=2 + 3*sin(2*_pi*100*t)^2", "time=15ms"},
                              [](double t) {
                                const double s = std::sin(2 * kPi * 100 * t / 1e6);
                                return 2 + 3 * s * s;
                              },
                              1,
                              true}),
    [](const auto& info) { return info.param.name; });

// ---- Refusals: a clear message, nothing changed ----

struct Abgelehnt {
  std::string name;
  std::vector<std::string> parameter;  // first: the kind
  int code;
  std::string inMeldung;
};

std::ostream& operator<<(std::ostream& os, const Abgelehnt& a) {
  return os << a.name;
}

class AbgelehnteForm : public testing::TestWithParam<Abgelehnt> {};

TEST_P(AbgelehnteForm, NamesTheReasonAndLeavesTheShape) {
  const Abgelehnt& a = GetParam();
  const auto auftrag =
      Auftrag(a.parameter[0], std::vector<std::string>(a.parameter.begin() + 1, a.parameter.end()));
  Form f;
  f.Punkte = {{5, 6, 7, {0, 0, 0}}};
  f.Endwert = 8;
  std::string meldung;
  EXPECT_EQ(curves::FormBerechnen(auftrag, f, meldung), a.code);
  EXPECT_THAT(meldung, HasSubstr(a.inMeldung));
  EXPECT_EQ(Text(f.Punkte), "(5,6,7)");
  EXPECT_EQ(f.Endwert, 8);
}

INSTANTIATE_TEST_SUITE_P(
    Formen, AbgelehnteForm,
    testing::Values(
        Abgelehnt{
            "UnknownKind", {"square", "low=0"}, curves::kFehlerFormArt, "unknown shape 'square'"},
        Abgelehnt{"UnknownParameter",
                  {"ramp", "from=0", "to=1", "time=1s", "slope=2"},
                  curves::kFehlerFormParameter,
                  "no parameter 'slope' (from to time)"},
        Abgelehnt{"RepeatedParameter",
                  {"ramp", "from=0", "from=1", "to=1", "time=1s"},
                  curves::kFehlerFormParameter,
                  "'from' given twice"},
        Abgelehnt{"MissingParameter",
                  {"ramp", "from=0", "to=1"},
                  curves::kFehlerFormFehlt,
                  "needs time="},
        Abgelehnt{"TimeWithoutUnit",
                  {"ramp", "from=0", "to=1", "time=5"},
                  curves::kFehlerFormWert,
                  "needs a unit"},
        Abgelehnt{"UnknownTimeUnit",
                  {"ramp", "from=0", "to=1", "time=5 fortnights"},
                  curves::kFehlerFormWert,
                  "unknown time unit 'fortnights'"},
        Abgelehnt{"LevelInAnotherUnit",
                  {"ramp", "from=0mA", "to=1", "time=5ms"},
                  curves::kFehlerFormWert,
                  "the output's unit is 'V'"},
        Abgelehnt{"CountNotWhole",
                  {"stair", "from=0", "to=1", "steps=2.5", "time=5ms"},
                  curves::kFehlerFormWert,
                  "not a whole number"},
        Abgelehnt{"OneStep",
                  {"stair", "from=0", "to=1", "steps=1", "time=5ms"},
                  curves::kFehlerFormGrenzen,
                  "steps=1 must be 2 to 30704"},
        Abgelehnt{"NegativeTime",
                  {"ramp", "from=0", "to=1", "time=-5ms"},
                  curves::kFehlerFormGrenzen,
                  "must be above 0"},
        Abgelehnt{"PulseWiderThanItsPeriod",
                  {"pulse", "low=0", "high=1", "width=5ms", "period=5ms"},
                  curves::kFehlerFormGrenzen,
                  "shorter than period=5ms"},
        Abgelehnt{"TimeOffTheGrid",
                  {"ramp", "from=0", "to=1", "time=1.1ms"},
                  curves::kFehlerFormRaster,
                  "not a whole number of 250 us"},
        Abgelehnt{"StepsOffTheGrid",
                  {"stair", "from=0", "to=1", "steps=3", "time=1ms"},
                  curves::kFehlerFormRaster,
                  "each of the 3 steps"},
        Abgelehnt{"PulseTrainBeyondTheMemory",
                  {"pulse", "low=0", "high=1", "width=5ms", "period=10ms", "count=20000"},
                  curves::kFehlerNaeherungSpeicher,
                  "needs 80032 bytes of device memory (40000 samples); the device holds 61440"},
        Abgelehnt{"SineBeyondTheMemory",
                  {"sine", "offset=5", "amplitude=4", "period=1ms", "periods=20000"},
                  curves::kFehlerNaeherungSpeicher,
                  "more device memory than 61440 bytes"},
        Abgelehnt{"FormulaSyntax",
                  {"formula", "expr=2*+*t", "time=1ms"},
                  curves::kFehlerFormFormel,
                  "(character 4)"},
        Abgelehnt{"FormulaUnknownName",
                  {"formula", "expr=2*x", "time=1ms"},
                  curves::kFehlerFormFormel,
                  "(character 3)"},
        Abgelehnt{"FormulaWithoutANumber",
                  {"formula", "expr=sqrt(1 - t*1000)", "time=2ms"},
                  curves::kFehlerFormFormel,
                  "gives no number at t = 0.00125 s"}),
    [](const auto& info) { return info.param.name; });

TEST(Formen, ABoundBelowHalfACodeIsRefused) {
  auto auftrag = Auftrag("sine", {"offset=5", "amplitude=4", "period=1ms"});
  auftrag.MaxFehler = 0.25;
  Form f;
  std::string meldung;
  EXPECT_EQ(curves::FormBerechnen(auftrag, f, meldung), curves::kFehlerNaeherungParameter);
  EXPECT_THAT(meldung, HasSubstr("at least 0.5 codes"));
  EXPECT_TRUE(f.Punkte.empty());
}

}  // namespace
