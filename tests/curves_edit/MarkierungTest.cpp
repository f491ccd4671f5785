#include <gtest/gtest.h>

#include <cmath>

#include "Kurvenfixture.h"
#include "curves/edit/BearbeitenMarkierung.h"
#include "curves/edit/BearbeitenZyklen.h"

namespace {

using curves::gKurven;
using curves::gMarkierung;

class Bereich : public testsupport::Kurvenfixture {
 protected:
  // Five points, 1 ms units: T = 0, 1000, 3000, 6000, 10000; curve 15000 µs.
  static void Fuenf() {
    Setze({{10, 1, 1, {}}, {20, 2, 1, {}}, {30, 3, 1, {}}, {40, 4, 1, {}}, {50, 5, 1, {}}});
  }
  static void Markiere(double start, double ende) { gMarkierung = {start, ende, true}; }
  static std::vector<int> Ys() {
    std::vector<int> y;
    for (const auto& p : Punkte()) y.push_back(p.Y);
    return y;
  }
};

TEST_F(Bereich, MarkedPoints) {
  Fuenf();
  Markiere(1000.0, 6000.0);  // starts on point 1, ends on point 3's start
  auto s = curves::MarkierteBereich();
  EXPECT_EQ(s.a, 1);
  EXPECT_EQ(s.z, 2);
  Markiere(1500.0, 6500.0);
  s = curves::MarkierteBereich();
  EXPECT_EQ(s.a, 2);
  EXPECT_EQ(s.z, 2);
  Markiere(1500.0, 2500.0);  // no point start inside
  EXPECT_TRUE(curves::MarkierteBereich().Leer());
  gMarkierung.Aktiv = false;
  EXPECT_TRUE(curves::MarkierteBereich().Leer());
}

TEST_F(Bereich, SelectAllCoversAllButTheLastPoint) {
  Fuenf();
  curves::AllesMarkieren();
  EXPECT_EQ(gMarkierung.Start, 0.0);
  EXPECT_EQ(gMarkierung.Ende, 15000.0);
  EXPECT_TRUE(gMarkierung.Aktiv);
  EXPECT_EQ(curves::MarkierteBereich().a, 0);
  EXPECT_EQ(curves::MarkierteBereich().z, 3);
  curves::MarkiertesEntfernen();
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Punkte()[0].Y, 50);
  EXPECT_FALSE(gMarkierung.Aktiv);
  EXPECT_EQ(Undos(), 1);
}

TEST_F(Bereich, CopyOfEmptyRangeKeepsClipboard) {
  Fuenf();
  gKurven.Zwischenspeicher = {{7, 7, 1, {}}};
  Markiere(1500.0, 2500.0);
  EXPECT_EQ(curves::MarkierteKopieren(), 0);
  ASSERT_EQ(gKurven.Zwischenspeicher.size(), 1u);
  EXPECT_EQ(gKurven.Zwischenspeicher[0].Y, 7);
}

TEST_F(Bereich, CopyFailureKeepsClipboard) {
  Fuenf();
  gKurven.Zwischenspeicher = {{7, 7, 1, {}}};
  Markiere(1000.0, 10000.0);
  curves::AllokationsfehlerAusloesen(1);
  EXPECT_EQ(curves::MarkierteKopieren(), -600460);
  ASSERT_EQ(gKurven.Zwischenspeicher.size(), 1u);
  EXPECT_EQ(gKurven.Zwischenspeicher[0].Y, 7);
  EXPECT_EQ(Anzahl(), 5);
}

TEST_F(Bereich, CutShortensCurveAndFillsClipboard) {
  Fuenf();
  Markiere(1000.0, 6000.0);
  EXPECT_EQ(curves::MarkiertesAusschneiden(), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 40, 50}));
  EXPECT_EQ(curves::Kurvenlaenge(0), 10000.0);  // 1 + 4 + 5 units
  ASSERT_EQ(gKurven.Zwischenspeicher.size(), 2u);
  EXPECT_EQ(gKurven.Zwischenspeicher[1].Laenge, 3);
  EXPECT_FALSE(gMarkierung.Aktiv);
  curves::Rueckgaengig();
  EXPECT_EQ(Anzahl(), 5);
}

TEST_F(Bereich, FailedCutDeletesNothing) {
  Fuenf();
  const auto vorher = Punkte();
  Markiere(1000.0, 6000.0);
  curves::AllokationsfehlerAusloesen(1);
  EXPECT_EQ(curves::MarkiertesAusschneiden(), -600460);
  ErwarteUnveraendert(vorher);
  EXPECT_TRUE(gMarkierung.Aktiv);
}

TEST_F(Bereich, PasteWithInactiveMarkDoesNothing) {
  Fuenf();
  const auto vorher = Punkte();
  gKurven.Zwischenspeicher = {{7, 7, 1, {}}};
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(), 0);
  ErwarteUnveraendert(vorher);
}

TEST_F(Bereich, PasteAtACursorMarkInsertsAndMovesMarkBehind) {
  Fuenf();
  gKurven.Zwischenspeicher = {{77, 2, 1, {}}, {88, 1, 2, {}}};
  Markiere(4000.0, 4000.0);  // inside line 2 (3000..6000): no point marked
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(), 0);
  // Inserted before point 3; the block's first value follows the point it precedes.
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 88, 40, 50}));
  EXPECT_EQ(gKurven.Zwischenspeicher[0].Y, 40);
  EXPECT_EQ(curves::Kurvenlaenge(0), 19000.0);
  EXPECT_TRUE(gMarkierung.Aktiv);
  EXPECT_EQ(gMarkierung.Start, curves::PunktStartzeit(5) + 0.05);
  EXPECT_EQ(gMarkierung.Ende, gMarkierung.Start);
  // A second paste goes before the next point after the mark: behind the point that
  // followed the first block.
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 88, 40, 50, 88, 50}));
  EXPECT_EQ(Undos(), 2);
}

TEST_F(Bereich, PasteReplacesMarkedPoints) {
  Fuenf();
  gKurven.Zwischenspeicher = {{77, 2, 1, {}}};
  Markiere(1500.0, 6500.0);  // marks point 2
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 40, 40, 50}));
  EXPECT_EQ(Undos(), 1);  // one snapshot for delete and insert
  curves::Rueckgaengig();
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 50}));
}

TEST_F(Bereich, PasteOverEverythingGoesToTheFront) {
  Fuenf();
  gKurven.Zwischenspeicher = {{1, 2, 1, {}}, {2, 3, 1, {}}};
  curves::AllesMarkieren();
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{50, 2, 50}));
}

TEST_F(Bereich, PasteFailureReturnsCodeAndUndoRestores) {
  Fuenf();
  gKurven.Zwischenspeicher = {{1, 2, 1, {}}, {2, 3, 1, {}}};
  Markiere(1500.0, 6500.0);
  curves::AllokationsfehlerAusloesen(1, 1);  // snapshot yes, growth no
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(), -600461);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 40, 50}));
  curves::Rueckgaengig();
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 50}));
}

TEST_F(Bereich, CyclesAndIdleState) {
  gKurven.AktuelleKurve = 2;
  auto felder = curves::ZyklenUndRuhezustand(5, 5.0);
  EXPECT_TRUE(gKurven.KurvenGeaendert);
  EXPECT_EQ(gKurven.Zyklen[2], 5);
  EXPECT_EQ(gKurven.Ruhezustand[2], 2047);  // truncate(2047.5)
  EXPECT_EQ(felder.Zyklen, 5);
  EXPECT_NEAR(felder.Ruhezustand, 2047 * 10.0 / 4095, 1e-12);
  felder = curves::ZyklenUndRuhezustand(0, 20.0);
  EXPECT_EQ(gKurven.Ruhezustand[2], 4095);
  EXPECT_EQ(felder.Ruhezustand, 10.0);
  felder = curves::ZyklenUndRuhezustand(-4, -3.0);
  EXPECT_EQ(gKurven.Zyklen[2], 0);
  EXPECT_EQ(felder.Zyklen, 0);
  EXPECT_EQ(gKurven.Ruhezustand[2], 0);
  curves::ZyklenUndRuhezustand(1, NAN);
  EXPECT_EQ(gKurven.Ruhezustand[2], 0);
  // The device holds 16 bits of cycles; a curve file holding more is refused.
  felder = curves::ZyklenUndRuhezustand(70000, 0.0);
  EXPECT_EQ(gKurven.Zyklen[2], 65535);
  EXPECT_EQ(felder.Zyklen, 65535);
  EXPECT_EQ(gKurven.Zyklen[0], 0);  // other curves untouched
  gKurven.AktuelleKurve = 0;
}

}  // namespace

namespace {

// The Select tool: press, drag and release, in whole microseconds.
struct Zug {
  double druck, ziehen, los;
  double start, ende;
};

class Markierwerkzeug : public testsupport::Kurvenfixture,
                        public ::testing::WithParamInterface<Zug> {};

TEST_P(Markierwerkzeug, PressDragAndReleaseGiveAMarkFromTheLeft) {
  const Zug z = GetParam();
  gMarkierung = {10.0, 20.0, false};
  curves::MarkierungBeginnen(z.druck);
  EXPECT_TRUE(gMarkierung.Aktiv);
  EXPECT_EQ(gMarkierung.Start, std::floor(z.druck + 0.5));
  EXPECT_EQ(gMarkierung.Ende, gMarkierung.Start);
  curves::MarkierungZiehen(z.ziehen);
  EXPECT_EQ(gMarkierung.Ende, std::floor(z.ziehen + 0.5));
  curves::MarkierungAbschliessen(z.los);
  EXPECT_EQ(gMarkierung.Start, z.start);
  EXPECT_EQ(gMarkierung.Ende, z.ende);
  EXPECT_TRUE(gMarkierung.Aktiv);
}

INSTANTIATE_TEST_SUITE_P(Zuege, Markierwerkzeug,
                         ::testing::Values(Zug{1000.4, 2000.0, 3000.6, 1000.0, 3001.0},
                                           Zug{3000.0, 2000.0, 999.5, 1000.0, 3000.0},
                                           Zug{500.0, 500.2, 500.2, 500.0, 500.0},
                                           // Left of the start by less than half a
                                           // microsecond: turned round onto the start.
                                           Zug{500.0, 499.8, 499.8, 500.0, 500.0}));

TEST_F(Bereich, CancellingKeepsTheRangeAndResetForgetsIt) {
  Fuenf();
  Markiere(1000.0, 6000.0);
  curves::MarkierungAufheben();
  EXPECT_FALSE(gMarkierung.Aktiv);
  EXPECT_EQ(gMarkierung.Start, 1000.0);
  EXPECT_EQ(gMarkierung.Ende, 6000.0);
  EXPECT_TRUE(curves::MarkierteBereich().Leer());
  curves::MarkierungZuruecksetzen();
  EXPECT_EQ(gMarkierung.Start, 0.0);
  EXPECT_EQ(gMarkierung.Ende, -1.0);
  EXPECT_FALSE(gMarkierung.Aktiv);
}

}  // namespace
