#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "curves/shapes/FormEinfuegen.h"
#include "curves/shapes/Geradennaeherung.h"

namespace {

using curves::Form;
using curves::Kurvenpunkt;
using testing::HasSubstr;

std::string Text(const std::vector<Kurvenpunkt>& punkte) {
  std::ostringstream s;
  for (const auto& p : punkte) s << "(" << p.Y << "," << p.Laenge << "," << int{p.Zeitbasis} << ")";
  return s.str();
}

// Three 100 ms lines on the 10 ms base: 0..100 ms at 100, 100..200 ms at 200, then 300.
std::unique_ptr<curves::Kurvendaten> Daten() {
  auto d = std::make_unique<curves::Kurvendaten>();
  for (auto& k : d->Kurven) k.Punkte = {curves::kStandardpunkt};
  d->Kurven[1].Punkte = {{100, 10, 4, {0, 0, 0}}, {200, 10, 4, {0, 0, 0}}, {300, 10, 4, {0, 0, 0}}};
  return d;
}

// A 30 ms ramp from 1000 towards 2000 (or towards `ende`).
Form Rampe(int ende = 2000) {
  Form f;
  f.Punkte = {{1000, 3, 4, {0, 0, 0}}};
  f.Endwert = ende;
  f.DauerMikro = 30000;
  return f;
}

struct Fall {
  std::string name;
  double von, bis;  // ms
  int endwert;
  std::string punkte;
  int erster, anzahl;
  double ende;  // ms
};

std::ostream& operator<<(std::ostream& os, const Fall& f) {
  return os << f.name;
}

class Einfuegen : public testing::TestWithParam<Fall> {};

TEST_P(Einfuegen, ReplacesTheRangeAndKeepsWhatIsOutside) {
  const Fall& f = GetParam();
  auto d = Daten();
  const auto vorher = d->Kurven[1].Punkte;
  curves::Einfuegebericht b;
  std::string meldung;
  ASSERT_EQ(curves::FormEinfuegen(*d, 1, f.von * 1000, f.bis * 1000, Rampe(f.endwert), b, meldung),
            0)
      << meldung;
  EXPECT_EQ(Text(d->Kurven[1].Punkte), f.punkte);
  EXPECT_EQ(b.ErsterPunkt, f.erster);
  EXPECT_EQ(b.Punktanzahl, f.anzahl);
  EXPECT_EQ(b.EndeMikro, f.ende * 1000);
  // One undo step brings the curve back; the other curves are untouched.
  EXPECT_TRUE(d->KurvenGeaendert);
  EXPECT_EQ(d->Historien[1].AnzahlRueckgaengig, 1);
  EXPECT_EQ(d->Historien[0].AnzahlRueckgaengig, 0);
  EXPECT_EQ(Text(d->Kurven[0].Punkte), "(0,1,4)");
  ASSERT_TRUE(d->Historien[1].Rueckgaengig(d->Kurven[1].Punkte));
  EXPECT_EQ(Text(d->Kurven[1].Punkte), Text(vorher));
}

INSTANTIATE_TEST_SUITE_P(
    Bereiche, Einfuegen,
    testing::Values(
        // The ramp runs to 2000, the curve goes on at 300: a unit at 2000 comes between.
        Fall{"BetweenTwoPoints", 100, 200, 2000, "(100,10,4)(1000,3,4)(2000,1,4)(300,10,4)", 1, 2,
             140},
        Fall{"EndingAtTheNextLevel", 100, 200, 300, "(100,10,4)(1000,3,4)(300,10,4)", 1, 1, 130},
        // Inside the first line: it is cut at 50 ms, its rest starts on the line's level.
        Fall{"AtATimeInsideALine", 50, 50, 2000,
             "(100,5,4)(1000,3,4)(2000,1,4)(150,5,4)(200,10,4)(300,10,4)", 1, 2, 90},
        Fall{"AcrossPoints", 50, 250, 2000, "(100,5,4)(1000,3,4)(2000,1,4)(200,5,4)", 1, 2, 90},
        Fall{"TheWholeCurve", 0, 300, 2000, "(1000,3,4)(2000,1,4)", 0, 2, 40},
        Fall{"BehindTheEnd", 300, 300, 2000, "(100,10,4)(200,10,4)(300,10,4)(1000,3,4)(2000,1,4)",
             3, 2, 340}),
    [](const auto& info) { return info.param.name; });

struct Abgelehnt {
  std::string name;
  int kurve;
  double von, bis;  // us
  int laenge;       // units of the shape's 10 ms line
  int code;
  std::string inMeldung;
};

std::ostream& operator<<(std::ostream& os, const Abgelehnt& a) {
  return os << a.name;
}

class NichtEingefuegt : public testing::TestWithParam<Abgelehnt> {};

TEST_P(NichtEingefuegt, ChangesNothing) {
  const Abgelehnt& a = GetParam();
  auto d = Daten();
  Form f = Rampe();
  f.Punkte[0].Laenge = a.laenge;
  curves::Einfuegebericht b;
  b.ErsterPunkt = 7;
  std::string meldung;
  EXPECT_EQ(curves::FormEinfuegen(*d, a.kurve, a.von, a.bis, f, b, meldung), a.code);
  EXPECT_THAT(meldung, HasSubstr(a.inMeldung));
  EXPECT_EQ(Text(d->Kurven[1].Punkte), "(100,10,4)(200,10,4)(300,10,4)");
  EXPECT_FALSE(d->KurvenGeaendert);
  EXPECT_EQ(d->Historien[1].AnzahlRueckgaengig, 0);
  EXPECT_EQ(b.ErsterPunkt, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, NichtEingefuegt,
    testing::Values(
        Abgelehnt{"FromAfterTo", 1, 200000, 100000, 3, curves::kFehlerEinfuegenBereich,
                  "does not lie in the curve"},
        Abgelehnt{"BeforeTheStart", 1, -10000, 100000, 3, curves::kFehlerEinfuegenBereich,
                  "does not lie in the curve"},
        Abgelehnt{"BeyondTheEnd", 1, 0, 310000, 3, curves::kFehlerEinfuegenBereich,
                  "(0 s to 300 ms)"},
        Abgelehnt{"NoSuchCurve", 4, 0, 0, 3, curves::kFehlerEinfuegenBereich, "no curve 5"},
        Abgelehnt{"OffTheLinesGrid", 1, 155000, 200000, 3, curves::kFehlerEinfuegenRaster,
                  "155 ms is not on the 10ms grid of line 2"},
        Abgelehnt{"BeyondTheMemory", 1, 100000, 200000, 30700, curves::kFehlerNaeherungSpeicher,
                  "the curve needs 61474 bytes"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
