#include <gtest/gtest.h>

#include <cmath>

#include "Kurvenfixture.h"
#include "curves/edit/BearbeitenMarkierung.h"
#include "curves/edit/BearbeitenZyklen.h"

namespace {

class Bereich : public testsupport::Kurvenfixture {
 protected:
  // Five points, 1 ms units: T = 0, 1000, 3000, 6000, 10000; curve 15000 µs.
  void Fuenf() {
    Setze({{10, 1, 1, {}}, {20, 2, 1, {}}, {30, 3, 1, {}}, {40, 4, 1, {}}, {50, 5, 1, {}}});
  }
  void Markiere(double start, double ende) { sitzung.gMarkierung = {start, ende, true}; }
  std::vector<int> Ys() {
    std::vector<int> y;
    for (const auto& p : Punkte()) y.push_back(p.Y);
    return y;
  }
};

TEST_F(Bereich, MarkedPoints) {
  Fuenf();
  Markiere(1000.0, 6000.0);  // starts on point 1, ends on point 3's start
  auto s = curves::MarkierteBereich(sitzung);
  EXPECT_EQ(s.a, 1);
  EXPECT_EQ(s.z, 2);
  Markiere(1500.0, 6500.0);
  s = curves::MarkierteBereich(sitzung);
  EXPECT_EQ(s.a, 2);
  EXPECT_EQ(s.z, 2);
  Markiere(1500.0, 2500.0);  // no point start inside
  EXPECT_TRUE(curves::MarkierteBereich(sitzung).Leer());
  sitzung.gMarkierung.Aktiv = false;
  EXPECT_TRUE(curves::MarkierteBereich(sitzung).Leer());
}

TEST_F(Bereich, SelectAllCoversAllButTheLastPoint) {
  Fuenf();
  curves::AllesMarkieren(sitzung);
  EXPECT_EQ(sitzung.gMarkierung.Start, 0.0);
  EXPECT_EQ(sitzung.gMarkierung.Ende, 15000.0);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);
  EXPECT_EQ(curves::MarkierteBereich(sitzung).a, 0);
  EXPECT_EQ(curves::MarkierteBereich(sitzung).z, 3);
  curves::MarkiertesEntfernen(sitzung);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(Punkte()[0].Y, 50);
  EXPECT_FALSE(sitzung.gMarkierung.Aktiv);
  EXPECT_EQ(Undos(), 1);
}

TEST_F(Bereich, CopyOfEmptyRangeKeepsClipboard) {
  Fuenf();
  sitzung.gKurven.Zwischenspeicher = {{7, 7, 1, {}}};
  Markiere(1500.0, 2500.0);
  EXPECT_EQ(curves::MarkierteKopieren(sitzung), 0);
  ASSERT_EQ(sitzung.gKurven.Zwischenspeicher.size(), 1u);
  EXPECT_EQ(sitzung.gKurven.Zwischenspeicher[0].Y, 7);
}

TEST_F(Bereich, CopyFailureKeepsClipboard) {
  Fuenf();
  sitzung.gKurven.Zwischenspeicher = {{7, 7, 1, {}}};
  Markiere(1000.0, 10000.0);
  curves::AllokationsfehlerAusloesen(1);
  EXPECT_EQ(curves::MarkierteKopieren(sitzung), -600460);
  ASSERT_EQ(sitzung.gKurven.Zwischenspeicher.size(), 1u);
  EXPECT_EQ(sitzung.gKurven.Zwischenspeicher[0].Y, 7);
  EXPECT_EQ(Anzahl(), 5);
}

TEST_F(Bereich, CutShortensCurveAndFillsClipboard) {
  Fuenf();
  Markiere(1000.0, 6000.0);
  EXPECT_EQ(curves::MarkiertesAusschneiden(sitzung), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 40, 50}));
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 10000.0);  // 1 + 4 + 5 units
  ASSERT_EQ(sitzung.gKurven.Zwischenspeicher.size(), 2u);
  EXPECT_EQ(sitzung.gKurven.Zwischenspeicher[1].Laenge, 3);
  EXPECT_FALSE(sitzung.gMarkierung.Aktiv);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Anzahl(), 5);
}

TEST_F(Bereich, FailedCutDeletesNothing) {
  Fuenf();
  const auto vorher = Punkte();
  Markiere(1000.0, 6000.0);
  curves::AllokationsfehlerAusloesen(1);
  EXPECT_EQ(curves::MarkiertesAusschneiden(sitzung), -600460);
  ErwarteUnveraendert(vorher);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);
}

TEST_F(Bereich, PasteWithInactiveMarkDoesNothing) {
  Fuenf();
  const auto vorher = Punkte();
  sitzung.gKurven.Zwischenspeicher = {{7, 7, 1, {}}};
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(sitzung), 0);
  ErwarteUnveraendert(vorher);
}

TEST_F(Bereich, PasteAtACursorMarkInsertsAndMovesMarkBehind) {
  Fuenf();
  sitzung.gKurven.Zwischenspeicher = {{77, 2, 1, {}}, {88, 1, 2, {}}};
  Markiere(4000.0, 4000.0);  // inside line 2 (3000..6000): no point marked
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(sitzung), 0);
  // Inserted before point 3; the block's first value follows the point it precedes.
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 88, 40, 50}));
  EXPECT_EQ(sitzung.gKurven.Zwischenspeicher[0].Y, 40);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 19000.0);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);
  EXPECT_EQ(sitzung.gMarkierung.Start, curves::PunktStartzeit(sitzung, 5) + 0.05);
  EXPECT_EQ(sitzung.gMarkierung.Ende, sitzung.gMarkierung.Start);
  // A second paste goes before the next point after the mark: behind the point that
  // followed the first block.
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(sitzung), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 88, 40, 50, 88, 50}));
  EXPECT_EQ(Undos(), 2);
}

TEST_F(Bereich, PasteReplacesMarkedPoints) {
  Fuenf();
  sitzung.gKurven.Zwischenspeicher = {{77, 2, 1, {}}};
  Markiere(1500.0, 6500.0);  // marks point 2
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(sitzung), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 40, 40, 50}));
  EXPECT_EQ(Undos(), 1);  // one snapshot for delete and insert
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 50}));
}

TEST_F(Bereich, PasteOverEverythingGoesToTheFront) {
  Fuenf();
  sitzung.gKurven.Zwischenspeicher = {{1, 2, 1, {}}, {2, 3, 1, {}}};
  curves::AllesMarkieren(sitzung);
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(sitzung), 0);
  EXPECT_EQ(Ys(), (std::vector<int>{50, 2, 50}));
}

TEST_F(Bereich, PasteFailureReturnsCodeAndUndoRestores) {
  Fuenf();
  sitzung.gKurven.Zwischenspeicher = {{1, 2, 1, {}}, {2, 3, 1, {}}};
  Markiere(1500.0, 6500.0);
  curves::AllokationsfehlerAusloesen(1, 1);  // snapshot yes, growth no
  EXPECT_EQ(curves::ZwischenspeicherEinfuegen(sitzung), -600461);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 40, 50}));
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Ys(), (std::vector<int>{10, 20, 30, 40, 50}));
}

TEST_F(Bereich, CyclesAndIdleState) {
  sitzung.gKurven.AktuelleKurve = 2;
  auto felder = curves::ZyklenUndRuhezustand(sitzung, 5, 5.0);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ(sitzung.gKurven.Zyklen[2], 5);
  EXPECT_EQ(sitzung.gKurven.Ruhezustand[2], 2047);  // truncate(2047.5)
  EXPECT_EQ(felder.Zyklen, 5);
  EXPECT_NEAR(felder.Ruhezustand, 2047 * 10.0 / 4095, 1e-12);
  felder = curves::ZyklenUndRuhezustand(sitzung, 0, 20.0);
  EXPECT_EQ(sitzung.gKurven.Ruhezustand[2], 4095);
  EXPECT_EQ(felder.Ruhezustand, 10.0);
  felder = curves::ZyklenUndRuhezustand(sitzung, -4, -3.0);
  EXPECT_EQ(sitzung.gKurven.Zyklen[2], 0);
  EXPECT_EQ(felder.Zyklen, 0);
  EXPECT_EQ(sitzung.gKurven.Ruhezustand[2], 0);
  curves::ZyklenUndRuhezustand(sitzung, 1, NAN);
  EXPECT_EQ(sitzung.gKurven.Ruhezustand[2], 0);
  // The device holds 16 bits of cycles; a curve file holding more is refused.
  felder = curves::ZyklenUndRuhezustand(sitzung, 70000, 0.0);
  EXPECT_EQ(sitzung.gKurven.Zyklen[2], 65535);
  EXPECT_EQ(felder.Zyklen, 65535);
  EXPECT_EQ(sitzung.gKurven.Zyklen[0], 0);  // other curves untouched
  sitzung.gKurven.AktuelleKurve = 0;
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
  sitzung.gMarkierung = {10.0, 20.0, false};
  curves::MarkierungBeginnen(sitzung, z.druck);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);
  EXPECT_EQ(sitzung.gMarkierung.Start, std::floor(z.druck + 0.5));
  EXPECT_EQ(sitzung.gMarkierung.Ende, sitzung.gMarkierung.Start);
  curves::MarkierungZiehen(sitzung, z.ziehen);
  EXPECT_EQ(sitzung.gMarkierung.Ende, std::floor(z.ziehen + 0.5));
  curves::MarkierungAbschliessen(sitzung, z.los);
  EXPECT_EQ(sitzung.gMarkierung.Start, z.start);
  EXPECT_EQ(sitzung.gMarkierung.Ende, z.ende);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);
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
  curves::MarkierungAufheben(sitzung);
  EXPECT_FALSE(sitzung.gMarkierung.Aktiv);
  EXPECT_EQ(sitzung.gMarkierung.Start, 1000.0);
  EXPECT_EQ(sitzung.gMarkierung.Ende, 6000.0);
  EXPECT_TRUE(curves::MarkierteBereich(sitzung).Leer());
  curves::MarkierungZuruecksetzen(sitzung);
  EXPECT_EQ(sitzung.gMarkierung.Start, 0.0);
  EXPECT_EQ(sitzung.gMarkierung.Ende, -1.0);
  EXPECT_FALSE(sitzung.gMarkierung.Aktiv);
}

}  // namespace
