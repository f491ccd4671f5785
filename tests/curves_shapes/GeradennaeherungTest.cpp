#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "Pruefhilfen.h"
#include "curves/shapes/Geradennaeherung.h"
#include "curves/transfer/Kurvenbild.h"

namespace {

using curves::Kurvenpunkt;
using curves::Naeherungsergebnis;

constexpr double kPi = std::numbers::pi;

struct Zielfall {
  std::string name;
  std::function<double(double)> ziel;
  double dauer;  // us
  double fehler;
};

std::ostream& operator<<(std::ostream& os, const Zielfall& f) {
  return os << f.name;
}

class Naeherung : public ::testing::TestWithParam<Zielfall> {};

// The device output of the result, decoded from its image, stays within the bound at every
// sample; the reported error and memory are those of that output.
TEST_P(Naeherung, DeviceOutputMeetsTheBoundAtEverySample) {
  const Zielfall& f = GetParam();
  Naeherungsergebnis r;
  ASSERT_EQ(curves::GeradenNaehern(f.ziel, f.dauer, f.fehler, r), 0);
  ASSERT_FALSE(r.Punkte.empty());
  std::int64_t einheiten = 0;
  double dauer = 0.0;
  for (const Kurvenpunkt& p : r.Punkte) {
    ASSERT_GE(p.Laenge, 1);
    ASSERT_LE(p.Laenge, 65535);
    einheiten += p.Laenge;
    dauer += curves::Geradendauer(p);
  }
  EXPECT_EQ(dauer, f.dauer);
  EXPECT_EQ(r.Speicherbytes, 2 * einheiten);
  EXPECT_LE(einheiten, curves::kMaxAbtastwerte);

  // The point the stretch runs to carries the end level.
  auto punkte = r.Punkte;
  punkte.push_back(Kurvenpunkt{r.Endwert, 1, punkte.back().Zeitbasis, {0, 0, 0}});
  const auto ausgabe = shapetest::Geraeteausgabe(punkte);
  ASSERT_EQ(static_cast<std::int64_t>(ausgabe.size()), einheiten + 1);
  double groesster = 0.0;
  for (const auto& a : ausgabe) {
    const double abweichung = std::abs(a.wert - f.ziel(a.tMikro));
    ASSERT_LE(abweichung, f.fehler) << "at " << a.tMikro << " us";
    groesster = std::max(groesster, abweichung);
  }
  EXPECT_DOUBLE_EQ(r.GroessterFehler, groesster);
}

double Sinus(double t, double mitte, double amplitude, double periode) {
  return mitte + amplitude * std::sin(2 * kPi * t / periode);
}

INSTANTIATE_TEST_SUITE_P(
    Ziele, Naeherung,
    ::testing::Values(
        Zielfall{"Sine3Periods", [](double t) { return Sinus(t, 2048, 1638, 20000); }, 60000, 1},
        Zielfall{"SineCoarseBound", [](double t) { return Sinus(t, 2048, 2000, 20000); }, 20000, 5},
        Zielfall{"Exponential", [](double t) { return 4000 - 3900 * std::exp(-t / 3e5); }, 1e6, 1},
        Zielfall{"ConstantLongerThanOneLine", [](double) { return 1234.4; }, 100e6, 1},
        Zielfall{"JumpsBetweenLevels",
                 [](double t) { return std::fmod(t, 4000) < 2000 ? 0 : 4095; }, 40000, 1},
        Zielfall{"FullScaleEdges", [](double t) { return Sinus(t, 2047.5, 2047.5, 8000); }, 16000,
                 0.5},
        Zielfall{"SlowSineOver30s", [](double t) { return Sinus(t, 2048, 1600, 2e6); }, 30e6, 1},
        Zielfall{"DurationOffTheCoarseGrid", [](double t) { return t / 1000.0; }, 3000250, 1}),
    [](const auto& info) { return info.param.name; });

// ---- Fewest lines: compared with an exhaustive search on small cases ----

class Wenigste : public ::testing::TestWithParam<Zielfall> {};

TEST_P(Wenigste, AtMostAQuarterMoreLinesThanTheFewest) {
  const Zielfall& f = GetParam();
  Naeherungsergebnis r;
  ASSERT_EQ(curves::GeradenNaehern(f.ziel, f.dauer, f.fehler, r), 0);
  const int optimum = shapetest::WenigsteGeraden(
      f.ziel, static_cast<int>(f.dauer / curves::kRasterMikro), f.fehler);
  EXPECT_LE(static_cast<double>(r.Punkte.size()), 1.25 * optimum)
      << r.Punkte.size() << " lines, fewest " << optimum;
}

INSTANTIATE_TEST_SUITE_P(
    KleineFaelle, Wenigste,
    ::testing::Values(
        Zielfall{"Sine", [](double t) { return Sinus(t, 2048, 300, 10000); }, 15000, 1},
        Zielfall{"SineWideBound", [](double t) { return Sinus(t, 2048, 900, 8000); }, 12000, 3},
        Zielfall{"Parabola", [](double t) { return 1e-6 * (t - 6000) * (t - 6000); }, 12000, 1},
        Zielfall{"Exponential", [](double t) { return 3000 * std::exp(-t / 3000); }, 14000, 1},
        Zielfall{"Kink", [](double t) { return 100 + std::abs(t - 7000) / 20; }, 15000, 1},
        Zielfall{"TwoTones",
                 [](double t) { return Sinus(t, 1000, 200, 9000) + Sinus(t, 0, 60, 2250); }, 15000,
                 1}),
    [](const auto& info) { return info.param.name; });

// ---- Refusals: nothing is changed ----

struct Verweigerung {
  std::string name;
  std::function<double(double)> ziel;
  double dauer;
  double fehler;
  int code;
};

std::ostream& operator<<(std::ostream& os, const Verweigerung& v) {
  return os << v.name;
}

class Verweigert : public ::testing::TestWithParam<Verweigerung> {};

TEST_P(Verweigert, ReturnsItsCodeAndLeavesTheResult) {
  const Verweigerung& v = GetParam();
  Naeherungsergebnis r;
  r.Punkte = {Kurvenpunkt{7, 3, 2, {0, 0, 0}}};
  r.GroessterFehler = 0.25;
  r.Speicherbytes = 6;
  r.Endwert = 9;
  EXPECT_EQ(curves::GeradenNaehern(v.ziel, v.dauer, v.fehler, r), v.code);
  ASSERT_EQ(r.Punkte.size(), 1u);
  EXPECT_EQ(r.Punkte[0].Y, 7);
  EXPECT_EQ(r.Punkte[0].Laenge, 3);
  EXPECT_EQ(r.GroessterFehler, 0.25);
  EXPECT_EQ(r.Speicherbytes, 6);
  EXPECT_EQ(r.Endwert, 9);
}

const auto kFlach = [](double) { return 100.0; };
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Faelle, Verweigert,
    ::testing::Values(
        Verweigerung{"ZeroDuration", kFlach, 0, 1, curves::kFehlerNaeherungParameter},
        Verweigerung{"NegativeDuration", kFlach, -1000, 1, curves::kFehlerNaeherungParameter},
        Verweigerung{"DurationOffTheGrid", kFlach, 1100, 1, curves::kFehlerNaeherungParameter},
        Verweigerung{"DurationNaN", kFlach, kNaN, 1, curves::kFehlerNaeherungParameter},
        Verweigerung{"BoundBelowHalfACode", kFlach, 1000, 0.4, curves::kFehlerNaeherungParameter},
        Verweigerung{"BoundNaN", kFlach, 1000, kNaN, curves::kFehlerNaeherungParameter},
        Verweigerung{"NoTarget", nullptr, 1000, 1, curves::kFehlerNaeherungParameter},
        Verweigerung{"AboveFullScale", [](double t) { return t < 500 ? 100 : 5000; }, 1000, 1,
                     curves::kFehlerNaeherungUnerreichbar},
        Verweigerung{"BelowZero", [](double) { return -3.0; }, 1000, 1,
                     curves::kFehlerNaeherungUnerreichbar},
        Verweigerung{"NotANumberOnTheWay", [](double t) { return t == 500 ? kNaN : 1.0; }, 1000, 1,
                     curves::kFehlerNaeherungUnerreichbar},
        Verweigerung{"LongerThanTheMemoryAtOneSecond", kFlach, 31000e6, 1,
                     curves::kFehlerNaeherungSpeicher},
        Verweigerung{"FastSineTooLongForTheMemory",
                     [](double t) { return Sinus(t, 2048, 2000, 1000); }, 20e6, 1,
                     curves::kFehlerNaeherungSpeicher}),
    [](const auto& info) { return info.param.name; });

}  // namespace
