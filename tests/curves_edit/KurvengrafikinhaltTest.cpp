// The curve graph as a picture describes it: the lines with the closing line back to the
// first value, the time in the unit the width asks for, the view or the whole, the units
// of the outputs and the file name.
#include <gmock/gmock.h>

#include <cstdio>

#include "Kurvenfixture.h"
#include "config/Konfiguration.h"
#include "curves/edit/Kurvengrafikinhalt.h"
#include "curves/model/Ausgangseinheit.h"

namespace {

using testing::ElementsAre;

class Kurvengrafikinhalt : public testsupport::Kurvenfixture {
 protected:
  common::Grafikinhalt inhalt;
  std::string meldung;
};

TEST_F(Kurvengrafikinhalt, WholeCurveEndsBackAtItsFirstValue) {
  // 0 for 10 ms, 4095 for 20 ms: 30 ms long, shown in ms.
  Setze({{0, 1, 4, {}}, {4095, 2, 4, {}}});
  sitzung.Dateiname = "/tmp/messungen/puls.wur";
  ASSERT_EQ(0, curves::KurvenGrafikinhalt(sitzung, {0}, false, inhalt, meldung));
  EXPECT_EQ("puls.wur", inhalt.Titel);
  EXPECT_EQ("Time [ms]", common::AchsenBeschriftung(inhalt.X));
  EXPECT_DOUBLE_EQ(30.0, inhalt.X.Max);
  ASSERT_EQ(1u, inhalt.Reihen.size());
  const common::Grafikreihe& r = inhalt.Reihen[0];
  EXPECT_EQ("Curve 1", r.Name);
  EXPECT_THAT(r.X, ElementsAre(0.0, 10.0, 30.0));
  const double voll = curves::RohInEinheit(sitzung, 0, 4095);
  EXPECT_THAT(r.Y, ElementsAre(curves::RohInEinheit(sitzung, 0, 0), voll,
                               curves::RohInEinheit(sitzung, 0, 0)));
  EXPECT_DOUBLE_EQ(voll, inhalt.Y.Max);
}

TEST_F(Kurvengrafikinhalt, VisiblePartTakesViewAndYZoom) {
  Setze({{0, 1, 4, {}}, {4095, 2, 4, {}}});
  sitzung.gSicht = {1000.0, 1499.0};  // half a millisecond: µs
  sitzung.gKurven.YZoomMin[0] = 1000;
  sitzung.gKurven.YZoomMax[0] = 2000;
  ASSERT_EQ(0, curves::KurvenGrafikinhalt(sitzung, {0}, true, inhalt, meldung));
  EXPECT_EQ("Untitled", inhalt.Titel);
  EXPECT_EQ("\u00b5s", inhalt.X.Einheit);
  EXPECT_DOUBLE_EQ(1000.0, inhalt.X.Min);
  EXPECT_DOUBLE_EQ(1500.0, inhalt.X.Max);
  EXPECT_DOUBLE_EQ(curves::RohInEinheit(sitzung, 0, 1000), inhalt.Y.Min);
  EXPECT_DOUBLE_EQ(curves::RohInEinheit(sitzung, 0, 2000), inhalt.Y.Max);
}

TEST_F(Kurvengrafikinhalt, CurveOnAnotherUnitNamesIt) {
  std::snprintf(sitzung.Konfig.gKonfig.outeinheit[1], sizeof sitzung.Konfig.gKonfig.outeinheit[1],
                "mA");
  sitzung.gKurven.AktuelleKurve = 1;
  // The window shows the edited curve over curve 1.
  ASSERT_EQ(0, curves::KurvenGrafikinhalt(sitzung, curves::SichtbareKurven(sitzung), false, inhalt,
                                          meldung));
  ASSERT_EQ(2u, inhalt.Reihen.size());
  EXPECT_EQ("mA", inhalt.Y.Einheit);
  EXPECT_EQ("Curve 2", inhalt.Reihen[0].Name);
  EXPECT_EQ("Curve 1 [V]", inhalt.Reihen[1].Name);
}

TEST_F(Kurvengrafikinhalt, RefusesACurveThatIsNotThere) {
  EXPECT_EQ(curves::kFehlerGrafikKurve,
            curves::KurvenGrafikinhalt(sitzung, {0, 4}, false, inhalt, meldung));
  EXPECT_EQ("there is no curve 5 (1..4)", meldung);
  EXPECT_EQ(curves::kFehlerGrafikKurve,
            curves::KurvenGrafikinhalt(sitzung, {}, false, inhalt, meldung));
}

}  // namespace
