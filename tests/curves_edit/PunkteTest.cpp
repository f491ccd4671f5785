#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Kurvenfixture.h"
#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/BearbeitenPunkte.h"

namespace {

using curves::Kurvenpunkt;

class Zeichnen : public testsupport::Kurvenfixture {};
class Verschieben : public testsupport::Kurvenfixture {};
class Punktdialog : public testsupport::Kurvenfixture {};
class Loeschen : public testsupport::Kurvenfixture {};

// ---- Draw point ----

TEST_F(Zeichnen, OnDefaultCurveWithOneMillisecond) {
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 50000.0, 1000.4, 1), 1);
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(Punkte()[0].Laenge, 50);
  EXPECT_EQ(Punkte()[0].Zeitbasis, 1);
  EXPECT_EQ(Punkte()[1].Y, 1000);
  EXPECT_EQ(Punkte()[1].Laenge, 1);
  EXPECT_EQ(Punkte()[1].Zeitbasis, 1);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 51000.0);
  EXPECT_EQ(Undos(), 1);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(Zeichnen, ClickLeftOfLastPointAppendsOneUnitLater) {
  Setze({{0, 20, 1, {}}, {100, 1, 1, {}}});  // last point at 20000
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 3000.0, 50.0, 2), 1);
  ASSERT_EQ(Anzahl(), 3);
  EXPECT_EQ(Punkte()[1].Laenge, 1);
  EXPECT_EQ(Punkte()[1].Zeitbasis, 2);
  EXPECT_EQ(curves::PunktStartzeit(sitzung, 2), 22000.0);
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, -1e300, 50.0, 1), 1);  // far left: still one unit
  EXPECT_EQ(Punkte()[2].Laenge, 1);
}

TEST_F(Zeichnen, ValueSnapsToYGridAndLimits) {
  sitzung.gKurven.YRaster[0] = 1.0;  // 1 V = 409.5 raw
  curves::PunktAnhaengen(sitzung, 10000.0, 1000.0, 1);
  EXPECT_EQ(Punkte().back().Y, 819);
  curves::PunktAnhaengen(sitzung, 20000.0, 9000.0, 1);
  EXPECT_EQ(Punkte().back().Y, 4095);
  curves::PunktAnhaengen(sitzung, 30000.0, -50.0, 1);
  EXPECT_EQ(Punkte().back().Y, 0);
}

TEST_F(Zeichnen, TooLongLineIsRefused) {
  const auto vorher = Punkte();
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 65536000.0, 10.0, 1), 0);
  EXPECT_EQ(bediener.lastMessageTitle(), "Error");
  EXPECT_EQ(bediener.lastMessageText(), "Straight line too long!\nUse bigger timebase.");
  ErwarteUnveraendert(vorher);
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 65535000.0, 10.0, 1), 1);  // exactly the limit
  EXPECT_EQ(Punkte()[0].Laenge, 65535);
}

TEST_F(Zeichnen, BadArgumentsChangeNothing) {
  const auto vorher = Punkte();
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 5000.0, 10.0, 0), 0);
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 5000.0, 10.0, 10), 0);
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, std::nan(""), 10.0, 1), 0);
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 5000.0, INFINITY, 1), 0);
  ErwarteUnveraendert(vorher);
}

TEST_F(Zeichnen, FailedGrowthShowsCodeAndKeepsCurve) {
  const auto vorher = Punkte();
  curves::AllokationsfehlerAusloesen(1);  // the snapshot slot already holds one point
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 50000.0, 10.0, 1), 0);
  EXPECT_EQ(bediener.lastMessageTitle(), "Error #600403");
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Punkte()[0].Laenge, vorher[0].Laenge);
  EXPECT_EQ(Undos(), 1);                                            // the snapshot stays
  EXPECT_EQ(curves::PunktAnhaengen(sitzung, 50000.0, 10.0, 1), 1);  // still usable
}

// ---- Move point ----

// P0 0..10 ms, P1 10..20 ms, P2 20 ms with a 1 ms closing line; all 1 ms.
void Drei(testsupport::Kurvenfixture& f) {
  f.Setze({{0, 10, 1, {}}, {100, 10, 1, {}}, {200, 1, 1, {}}});
}

TEST_F(Verschieben, MiddlePointSnapsToGrid) {
  Drei(*this);
  EXPECT_EQ(curves::PunktVerschieben(sitzung, 1, 12300.0, 500.3), 1);
  EXPECT_EQ(Punkte()[0].Laenge, 12);
  EXPECT_EQ(Punkte()[1].Laenge, 8);
  EXPECT_EQ(Punkte()[1].Y, 500);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 21000.0);
  EXPECT_EQ(Undos(), 1);
}

TEST_F(Verschieben, StopsOneUnitBeforeNextPoint) {
  Drei(*this);
  curves::PunktVerschieben(sitzung, 1, 25000.0, 100.0);
  EXPECT_EQ(Punkte()[0].Laenge, 19);
  EXPECT_EQ(Punkte()[1].Laenge, 1);
  curves::PunktVerschieben(sitzung, 1, -5000.0, 100.0);
  EXPECT_EQ(Punkte()[0].Laenge, 1);
  EXPECT_EQ(Punkte()[1].Laenge, 19);
}

TEST_F(Verschieben, LastPointChangesCurveLength) {
  Drei(*this);
  curves::PunktVerschieben(sitzung, 2, 30000.0, 300.0);
  EXPECT_EQ(Punkte()[1].Laenge, 20);
  EXPECT_EQ(Punkte()[2].Laenge, 1);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 31000.0);
}

TEST_F(Verschieben, FirstPointOnlyChangesValue) {
  Drei(*this);
  curves::PunktVerschieben(sitzung, 0, 7000.0, 300.0);
  EXPECT_EQ(Punkte()[0].Y, 300);
  EXPECT_EQ(Punkte()[0].Laenge, 10);
  EXPECT_EQ(Undos(), 1);
}

TEST_F(Verschieben, CoarserOwnLineCountsBackFromNextPoint) {
  // P0 4 x 1ms, P1 2 x 5ms (4000..14000), P2.
  Setze({{0, 4, 1, {}}, {100, 2, 3, {}}, {200, 1, 1, {}}});
  curves::PunktVerschieben(sitzung, 1, 8200.0, 100.0);  // 14000 - 5000 * 1 = 9000
  EXPECT_EQ(Punkte()[0].Laenge, 9);
  EXPECT_EQ(Punkte()[1].Laenge, 1);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 15000.0);
}

TEST_F(Verschieben, RefusalsLeaveCurve) {
  Setze({{0, 10, 1, {}}, {100, 1, 1, {}}});
  auto vorher = Punkte();
  EXPECT_EQ(curves::PunktVerschieben(sitzung, 1, 70000000.0, 5.0), 0);
  EXPECT_EQ(bediener.lastMessageText(), "Resulting straight line is too long!");
  ErwarteUnveraendert(vorher);

  // A 1 s line before a 250 µs line: moving the point left makes the 250 µs line too long.
  Setze({{0, 100, 8, {}}, {0, 65000, 9, {}}, {0, 1, 9, {}}});
  vorher = Punkte();
  EXPECT_EQ(curves::PunktVerschieben(sitzung, 1, 1000000.0, 0.0), 0);
  EXPECT_EQ(bediener.lastMessageText(), "Resulting straight line ist too long!");
  ErwarteUnveraendert(vorher);

  // 2 ms then 5 ms: the 5 ms grid puts the point on half a 2 ms unit.
  Setze({{0, 5, 2, {}}, {0, 2, 3, {}}, {0, 1, 1, {}}});
  vorher = Punkte();
  EXPECT_EQ(curves::PunktVerschieben(sitzung, 1, 13000.0, 0.0), 0);
  EXPECT_EQ(bediener.lastMessageText(), "Unexpected operation.");
  ErwarteUnveraendert(vorher);

  EXPECT_EQ(curves::PunktVerschieben(sitzung, 3, 1000.0, 0.0), 0);
  EXPECT_EQ(curves::PunktVerschieben(sitzung, -1, 1000.0, 0.0), 0);
  EXPECT_EQ(curves::PunktVerschieben(sitzung, 1, std::nan(""), 0.0), 0);
  ErwarteUnveraendert(vorher);
}

// ---- Point dialog ----

TEST_F(Punktdialog, ShowsPointAndChangesValue) {
  Drei(*this);
  dialoge.punktAntwort({{0, 0, 0, 10.0}, 5.0});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10100.0, 110.0), 1);
  ASSERT_EQ(dialoge.punktAufrufe.size(), 1u);
  EXPECT_EQ(dialoge.punktAufrufe[0].index, 1);
  EXPECT_EQ(dialoge.punktAufrufe[0].felder.Zeit.Sekunden, 0);
  EXPECT_EQ(dialoge.punktAufrufe[0].felder.Zeit.Millisekunden, 10.0);
  EXPECT_NEAR(dialoge.punktAufrufe[0].felder.Y, 100 * 10.0 / 4095, 1e-12);
  EXPECT_EQ(dialoge.punktAufrufe[0].einheit, "V");
  EXPECT_EQ(Punkte()[1].Y, 2048);  // round(2047.5)
  EXPECT_EQ(Undos(), 1);
}

TEST_F(Punktdialog, UnchangedFieldsChangeNothing) {
  Drei(*this);
  const auto vorher = Punkte();
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10000.0, 100.0), 0);
  EXPECT_EQ(dialoge.punktAufrufe.size(), 1u);
  ErwarteUnveraendert(vorher);
}

TEST_F(Punktdialog, MovesPointInTime) {
  Drei(*this);
  dialoge.punktAntwort({{0, 0, 0, 13.0}, 100 * 10.0 / 4095});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10000.0, 100.0), 1);
  EXPECT_EQ(Punkte()[0].Laenge, 13);
  EXPECT_EQ(Punkte()[1].Laenge, 7);
  EXPECT_EQ(Punkte()[1].Y, 100);
  EXPECT_EQ(Undos(), 1);
}

TEST_F(Punktdialog, MovingLastPointKeepsClosingLine) {
  Drei(*this);
  dialoge.punktAntwort({{0, 1, 0, 0.0}, 200 * 10.0 / 4095});  // one minute
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 20000.0, 200.0), 1);
  EXPECT_EQ(Punkte()[1].Laenge, 59990);
  EXPECT_EQ(Punkte()[2].Laenge, 1);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 60001000.0);
}

TEST_F(Punktdialog, EveryTimeRefusal) {
  struct Fall {
    std::vector<Kurvenpunkt> kurve;
    double x;
    curves::Zeitfelder zeit;
    const char* text;
  };
  const Fall faelle[] = {
      {{{0, 10, 1, {}}, {100, 10, 1, {}}, {200, 1, 1, {}}},
       0.0,
       {0, 0, 0, 1.0},
       "The first point can not be moved along the time axis."},
      {{{0, 10, 1, {}}, {100, 1, 4, {}}, {200, 1, 1, {}}},
       10000.0,
       {0, 0, 0, 15.0},
       "The selected time coordinate does not fit into the time grid \n(The point has to fit "
       "into the time grid of the previous and subsequent straight line)."},
      {{{0, 10, 1, {}}, {100, 10, 1, {}}, {200, 1, 1, {}}},
       10000.0,
       {0, 0, 0, 0.0},
       "The selected time coordinate ist too small \n(The point can not be moved to a time "
       "smaller or equal \nto the previous point)."},
      {{{0, 10, 1, {}}, {100, 10, 1, {}}, {200, 1, 1, {}}},
       10000.0,
       {0, 0, 0, 20.0},
       "The selected time coordinate is too big \n(The point can not be moved to a time bigger "
       "or equal \nto the subsequenz point)."},
      {{{0, 65535, 9, {}}, {100, 10, 9, {}}, {200, 1, 9, {}}},
       16383750.0,
       {0, 0, 16, 384.0},
       "Moving the point would result in a straight line with too much length. \nSelect a "
       "bigger timebase for the straight lines near the point."},
      // The last point too: its closing line would grow past the limit, although it keeps
      // its length.
      {{{0, 10, 9, {}}, {100, 65535, 9, {}}},
       2500.0,
       {0, 0, 0, 2.25},
       "Moving the point would result in a straight line with too much length. \nSelect a "
       "bigger timebase for the straight lines near the point."},
  };
  for (const auto& f : faelle) {
    SetUp();
    Setze(f.kurve);
    const auto vorher = Punkte();
    const int i = curves::NaechsterPunkt(sitzung, f.x, vorher[f.x == 0.0 ? 0 : 1].Y);
    dialoge.punktAntwort({f.zeit, sitzung.gKurven.Kurven[0].Punkte[i].Y * 10.0 / 4095});
    EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, f.x, vorher[i].Y), 0) << f.text;
    EXPECT_EQ(bediener.lastMessageText(), f.text);
    EXPECT_EQ(bediener.lastMessageTitle(), "Error");
    ErwarteUnveraendert(vorher);
  }
}

TEST_F(Punktdialog, TwoAndFiveMillisecondNeighboursNeedACommonGrid) {
  // 2 ms line then 5 ms line: a 5 ms shift is half a 2 ms unit and is refused whole.
  Setze({{0, 5, 2, {}}, {100, 4, 3, {}}, {200, 1, 1, {}}});
  const auto vorher = Punkte();
  dialoge.punktAntwort({{0, 0, 0, 15.0}, 100 * 10.0 / 4095});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10000.0, 100.0), 0);
  EXPECT_NE(bediener.lastMessageText().find("does not fit into the time grid"), std::string::npos);
  ErwarteUnveraendert(vorher);
  dialoge.punktAntwort({{0, 0, 0, 20.0}, 100 * 10.0 / 4095});  // 10 ms: 5 and 2 units
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10000.0, 100.0), 1);
  EXPECT_EQ(Punkte()[0].Laenge, 10);
  EXPECT_EQ(Punkte()[1].Laenge, 2);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 31000.0);
}

TEST_F(Punktdialog, FractionOfAMicrosecondIsNotCutOff) {
  // 1.001 ms in the three-decimal field is 1000.9999... µs: cut to 1000 it would pass the
  // grid, leave the line before at 1 unit and take a unit from the line after, moving
  // every later point.
  Setze({{0, 1, 1, {}}, {100, 10, 1, {}}, {200, 1, 1, {}}});
  const auto vorher = Punkte();
  dialoge.punktAntwort({{0, 0, 0, 1.001}, 100 * 10.0 / 4095});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 1000.0, 100.0), 0);
  EXPECT_EQ(bediener.lastMessageText(),
            "The selected time coordinate does not fit into the time grid \n(The point has to fit "
            "into the time grid of the previous and subsequent straight line).");
  ErwarteUnveraendert(vorher);
  dialoge.punktAntwort({{0, 0, 0, 1.0005}, 100 * 10.0 / 4095});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 1000.0, 100.0), 0);
  ErwarteUnveraendert(vorher);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 12000.0);
}

TEST_F(Punktdialog, LastPointFitsTheLargerGridAndItsOwnLine) {
  // 5 ms line before the last point, 2 ms closing line: a 5 ms shift is whole units of
  // the line that changes; the closing line keeps its 3 units.
  Setze({{0, 4, 1, {}}, {100, 2, 3, {}}, {200, 3, 2, {}}});
  dialoge.punktAntwort({{0, 0, 0, 19.0}, 200 * 10.0 / 4095});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 14000.0, 200.0), 1);
  EXPECT_EQ(Punkte()[1].Laenge, 3);
  EXPECT_EQ(Punkte()[2].Laenge, 3);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 25000.0);

  // 1 ms line before a 10 ms closing line: the shift still has to fit the larger grid.
  Setze({{0, 4, 1, {}}, {100, 2, 1, {}}, {200, 1, 4, {}}});
  const auto vorher = Punkte();
  dialoge.punktAntwort({{0, 0, 0, 7.0}, 200 * 10.0 / 4095});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 6000.0, 200.0), 0);
  EXPECT_NE(bediener.lastMessageText().find("does not fit into the time grid"), std::string::npos);
  EXPECT_EQ(Punkte()[1].Laenge, vorher[1].Laenge);
  dialoge.punktAntwort({{0, 0, 0, 16.0}, 200 * 10.0 / 4095});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 6000.0, 200.0), 1);
  EXPECT_EQ(Punkte()[1].Laenge, 12);
  EXPECT_EQ(Punkte()[2].Laenge, 1);
}

TEST_F(Punktdialog, OnlyTheChosenPointMovesInTime) {
  // Times typed with the field's three decimals, on and off the grids: a taken entry puts
  // the point exactly there and leaves every other point where it was; a refused one
  // changes nothing.
  std::mt19937 zufall(4711);
  auto ganz = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(zufall); };
  const int codes[] = {9, 1, 2, 3, 4};
  for (int fall = 0; fall < 400; ++fall) {
    SetUp();
    std::vector<Kurvenpunkt> kurve(ganz(2, 6));
    for (auto& p : kurve)
      p = {ganz(0, 4095), ganz(1, 12), static_cast<std::int8_t>(codes[ganz(0, 4)]), {}};
    Setze(kurve);
    const int n = Anzahl();
    const int i = ganz(1, n - 1);
    std::vector<double> t(n + 1);
    for (int j = 0; j <= n; ++j) t[j] = curves::PunktStartzeit(sitzung, j);
    const int ziel =
        static_cast<int>(t[i]) + 250 * ganz(-40, 40) + (ganz(0, 3) == 0 ? ganz(1, 9) : 0);
    sitzung.gZeichenflaeche = {1e6, 1.0};  // the nearest point is the one nearest in time
    sitzung.gSicht = {0.0, t[n]};
    dialoge.punktAntwort({{0, 0, 0, ziel / 1000.0}, kurve[i].Y * 10.0 / 4095});
    const int ergebnis = curves::PunktKoordinatenAendern(sitzung, t[i], kurve[i].Y);
    ASSERT_EQ(dialoge.punktAufrufe.back().index, i);
    if (ergebnis == 0) {
      ErwarteUnveraendert(kurve);
      continue;
    }
    EXPECT_EQ(curves::PunktStartzeit(sitzung, i), ziel) << "case " << fall;
    for (int j = 0; j <= n; ++j) {
      if (j == i || (j == n && i == n - 1)) continue;
      EXPECT_EQ(curves::PunktStartzeit(sitzung, j), t[j]) << "case " << fall << ", point " << j;
    }
    EXPECT_EQ(Punkte()[n - 1].Laenge, kurve[n - 1].Laenge) << "case " << fall;
    if (HasFailure()) break;
  }
}

TEST_F(Punktdialog, ValueRefusalsKeepTimeChange) {
  Drei(*this);
  const auto vorher = Punkte();
  dialoge.punktAntwort({{0, 0, 0, 10.0}, -1.0});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10000.0, 100.0), 0);
  EXPECT_EQ(bediener.lastMessageText(), "Y value too small.");
  ErwarteUnveraendert(vorher);
  dialoge.punktAntwort({{0, 0, 0, 10.0}, 11.0});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10000.0, 100.0), 0);
  EXPECT_EQ(bediener.lastMessageText(), "Y value too big.");
  ErwarteUnveraendert(vorher);

  dialoge.punktAntwort({{0, 0, 0, 12.0}, 11.0});
  EXPECT_EQ(curves::PunktKoordinatenAendern(sitzung, 10000.0, 100.0), 1);
  EXPECT_EQ(bediener.lastMessageText(), "Y value too big.");
  EXPECT_EQ(Punkte()[0].Laenge, 12);
  EXPECT_EQ(Punkte()[1].Y, 100);
  EXPECT_EQ(Undos(), 1);
}

// ---- Delete point ----

TEST_F(Loeschen, LastRemainingPointIsRefused) {
  const auto vorher = Punkte();
  EXPECT_EQ(curves::PunktLoeschen(sitzung, 0.0, 0.0), 0);
  EXPECT_EQ(bediener.lastMessageText(), "Can't delete last point");
  ErwarteUnveraendert(vorher);
}

TEST_F(Loeschen, MiddlePointJoinsEqualLines) {
  Drei(*this);
  EXPECT_EQ(curves::PunktLoeschen(sitzung, 10000.0, 100.0), 1);
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(Punkte()[0].Laenge, 20);
  EXPECT_EQ(Punkte()[1].Y, 200);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 21000.0);
}

TEST_F(Loeschen, MiddlePointRefusals) {
  Setze({{0, 10, 1, {}}, {100, 1, 4, {}}, {200, 1, 1, {}}});
  auto vorher = Punkte();
  EXPECT_EQ(curves::PunktLoeschen(sitzung, 10000.0, 100.0), 0);
  EXPECT_EQ(bediener.lastMessageText(),
            "Point can't be deleted because the two straight lines near it \nhas different "
            "timebases. \nChange timebases in a way that both straight lines do have the same "
            "timebases.");
  ErwarteUnveraendert(vorher);

  Setze({{0, 60000, 9, {}}, {100, 6000, 9, {}}, {200, 1, 9, {}}});
  vorher = Punkte();
  EXPECT_EQ(curves::PunktLoeschen(sitzung, 15000000.0, 100.0), 0);
  EXPECT_EQ(bediener.lastMessageText(),
            "Point can't be deleted because the  \nresulting straight line would be too long. "
            "\nUse bigger timebase for the straight line.");
  ErwarteUnveraendert(vorher);
}

TEST_F(Loeschen, FirstAndLastPoint) {
  Drei(*this);
  EXPECT_EQ(curves::PunktLoeschen(sitzung, 0.0, 0.0), 1);  // drops its line
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(Punkte()[0].Y, 100);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 11000.0);
  Drei(*this);
  Punkte()[1].Zeitbasis = 2;
  EXPECT_EQ(curves::PunktLoeschen(sitzung, 30000.0, 200.0), 1);
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(Punkte()[1].Laenge, 1);
  EXPECT_EQ(Punkte()[1].Zeitbasis, 2);
}

TEST_F(Loeschen, NearestPointOnScreen) {
  // 1000 pixels for 10000 µs, 409.5 pixels for 0..4095: one pixel is 10 µs or 10 raw.
  sitzung.gSicht = {0.0, 9999.0};
  sitzung.gZeichenflaeche = {1000.0, 409.5};
  Setze({{0, 5, 1, {}}, {0, 5, 1, {}}, {0, 1, 1, {}}});
  EXPECT_EQ(curves::NaechsterPunkt(sitzung, 2500.0, 0.0), 0);  // a tie: the first wins
  EXPECT_EQ(curves::NaechsterPunkt(sitzung, 2510.0, 0.0), 1);
  EXPECT_EQ(curves::NaechsterPunkt(sitzung, 5000.0, 4095.0), 1);
  Punkte()[2].Y = 1000;  // 100 px away; the point at 5000 is 400 px and 100 px away
  EXPECT_EQ(curves::NaechsterPunkt(sitzung, 9000.0, 1000.0), 2);
}

}  // namespace
