// Points from outside put into the edited curve: in place of the curve or of the mark, as
// one undo step, and refusals that change nothing.
#include <gmock/gmock.h>

#include "Kurvenfixture.h"
#include "curves/shapes/FormEinfuegen.h"
#include "curves/shapes/PunkteEinsetzen.h"

namespace {

using curves::Einsatzart;
using curves::Kurvenpunkt;
using testing::HasSubstr;

class PunkteEinsetzen : public testsupport::Kurvenfixture {
 protected:
  // 0..100 ms at 100, 100..200 ms at 200, 200..300 ms at 300 (10 ms units).
  const std::vector<Kurvenpunkt> alt = {{100, 10, 4, {}}, {200, 10, 4, {}}, {300, 10, 4, {}}};
  // A 20 ms ramp from 1000 up and a closing unit at 2000.
  const std::vector<Kurvenpunkt> neu = {{1000, 2, 4, {}}, {2000, 1, 4, {}}};
  std::string meldung;
};

TEST_F(PunkteEinsetzen, ReplacesTheCurveAsOneUndoStep) {
  Setze(alt);
  ASSERT_EQ(0, curves::PunkteEinsetzen(sitzung, neu, Einsatzart::Ersetzen, meldung));
  ASSERT_EQ(2, Anzahl());
  EXPECT_EQ(2000, Punkte()[1].Y);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_TRUE(sitzung.Undozustand.RueckgaengigMenue);
  curves::Rueckgaengig(sitzung);
  ASSERT_EQ(3, Anzahl());
  EXPECT_EQ(300, Punkte()[2].Y);
}

TEST_F(PunkteEinsetzen, AtTheMarkKeepsTheCurveOnBothSides) {
  Setze(alt);
  sitzung.gMarkierung = {200000, 100000, true};  // dragged from right to left
  ASSERT_EQ(0, curves::PunkteEinsetzen(sitzung, neu, Einsatzart::AnMarkierung, meldung)) << meldung;
  // 100..200 ms gave way to the 30 ms of the new points.
  ASSERT_EQ(4, Anzahl());
  EXPECT_EQ(100, Punkte()[0].Y);
  EXPECT_EQ(1000, Punkte()[1].Y);
  EXPECT_EQ(2000, Punkte()[2].Y);
  EXPECT_EQ(300, Punkte()[3].Y);
  EXPECT_DOUBLE_EQ(230000.0, curves::Kurvenlaenge(sitzung, 0));
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(3, Anzahl());
}

struct Ablehnung {
  const char* name;
  curves::Markierung mark;
  bool leer;
  int code;
  const char* grund;
};

class PunkteAbgelehnt : public PunkteEinsetzen, public testing::WithParamInterface<Ablehnung> {};

TEST_P(PunkteAbgelehnt, ChangeNothing) {
  const Ablehnung& a = GetParam();
  Setze(alt);
  sitzung.gMarkierung = a.mark;
  EXPECT_EQ(a.code, curves::PunkteEinsetzen(sitzung, a.leer ? std::vector<Kurvenpunkt>{} : neu,
                                            Einsatzart::AnMarkierung, meldung));
  EXPECT_THAT(meldung, HasSubstr(a.grund));
  ErwarteUnveraendert(alt);
}

INSTANTIATE_TEST_SUITE_P(
    Einsetzen, PunkteAbgelehnt,
    testing::Values(
        Ablehnung{"NoPoints", {0, 10000, true}, true, curves::kFehlerEinsetzenLeer, "no points"},
        Ablehnung{
            "NoMark", {0, 10000, false}, false, curves::kFehlerEinsetzenMarkierung, "no mark"},
        Ablehnung{"OffGrid", {5000, 10000, true}, false, curves::kFehlerEinfuegenRaster, "grid"},
        Ablehnung{"BeyondCurve",
                  {0, 400000, true},
                  false,
                  curves::kFehlerEinfuegenBereich,
                  "does not lie in the curve"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
