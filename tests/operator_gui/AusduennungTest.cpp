// The column decimation against the full drawing: both painted offscreen into images of
// 1000 x 500 pixels; every painted pixel of one has a pixel of the same colour at most one
// pixel away in the other, so no column differs by more than one pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/Spaltenausduennung.h"
#include "support_gui/Bildvergleich.h"
#include "widgets/Spaltenbild.h"

namespace {

using common::LinieAusduennen;
using common::Pixelabbildung;
using common::PunkteAusduennen;
using common::Punktlauf;
using common::Zeichenpunkt;

constexpr int kBreite = 1000, kHoehe = 500, kMarke = 5;
const QColor kLinie{0xFF, 0, 0}, kStufe{0, 0, 0xFF}, kMarkenfarbe{0x80, 0, 0};

// One-unit lines of 1 ms as a read from the device gives them.
struct Kurve {
  std::vector<Zeichenpunkt> punkte;  // start of each line, with the closing one's end
  std::vector<Zeichenpunkt> stufen;  // the staircase as a polyline
};

Kurve Einheitslinien(int anzahl, std::int32_t (*wert)(int)) {
  Kurve k;
  for (int i = 0; i <= anzahl; ++i) k.punkte.push_back({1000.0 * i, double(wert(i % anzahl))});
  for (int i = 0; i < anzahl; ++i) {
    const Zeichenpunkt& a = k.punkte[i];
    const Zeichenpunkt& b = k.punkte[i + 1];
    if (i == 0) k.stufen.push_back(a);
    k.stufen.push_back({b.X, a.Y});
    k.stufen.push_back(b);
  }
  return k;
}

std::int32_t Saegezahn(int i) {
  return (i * 37) % 4096;
}
std::int32_t Form(int i) {
  // A drawn shape: a few slow ramps and jumps.
  const int a = (i / 2000) % 6;
  return a * 700 + (i % 2000) / 10;
}
std::int32_t Rauschen(int i) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(i) * 2654435761u) >> 20);
}

Pixelabbildung Abbildung(double xStart, double xEnde) {
  Pixelabbildung a;
  a.Breite = kBreite;
  a.Hoehe = kHoehe;
  a.Xs = kBreite / (xEnde + 1.0 - xStart);
  a.X0 = -xStart * a.Xs;
  a.Ys = -(kHoehe - 1) / 4095.0;
  a.Y0 = kHoehe - 1;
  return a;
}

QImage Leer() {
  QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
  bild.fill(Qt::white);
  return bild;
}

void Zug(QPainter& p, const std::vector<Zeichenpunkt>& punkte, const Pixelabbildung& a,
         const QColor& farbe) {
  p.setPen(QPen(farbe, 0));
  p.drawPolyline(widgets::Pixelzug(punkte, a));
}

// Each plot in its own image: one drawn over another may hide or show a pixel of it
// anywhere, what counts is that each plot is drawn alike.
struct Bilder {
  QImage linie = Leer(), marken = Leer(), stufen = Leer();
};

Bilder Voll(const Kurve& k, const Pixelabbildung& a) {
  Bilder b;
  QPainter l(&b.linie), m(&b.marken), s(&b.stufen);
  Zug(l, k.punkte, a, kLinie);
  for (const auto& p : k.punkte)
    m.fillRect(widgets::Punktquadrat(p.X, p.Y, a, kMarke), kMarkenfarbe);
  Zug(s, k.stufen, a, kStufe);
  return b;
}

struct Ausgeduennt {
  std::vector<Zeichenpunkt> linie, stufen;
  std::vector<Punktlauf> marken;
};

Ausgeduennt Ausduennen(const Kurve& k, const Pixelabbildung& a) {
  return {LinieAusduennen(k.punkte, a), LinieAusduennen(k.stufen, a),
          PunkteAusduennen(k.punkte, a, kMarke)};
}

Bilder Duenn(const Ausgeduennt& d, const Pixelabbildung& a) {
  Bilder b;
  QPainter l(&b.linie), m(&b.marken), s(&b.stufen);
  Zug(l, d.linie, a, kLinie);
  widgets::PunktlaeufeMalen(m, d.marken, a, kMarke, kMarkenfarbe);
  Zug(s, d.stufen, a, kStufe);
  return b;
}

using testsupport::ErwarteGleich;

struct Fall {
  const char* name;
  int linien;
  std::int32_t (*wert)(int);
  double xStartAnteil, xEndeAnteil;  // the visible part of the curve
};

class Ausduennung : public ::testing::TestWithParam<Fall> {};

TEST_P(Ausduennung, PictureWithinOnePixelOfTheFullOne) {
  const Fall& f = GetParam();
  const Kurve k = Einheitslinien(f.linien, f.wert);
  const double laenge = 1000.0 * f.linien;
  const Pixelabbildung a = Abbildung(laenge * f.xStartAnteil, laenge * f.xEndeAnteil - 1);
  const Ausgeduennt d = Ausduennen(k, a);
  const Bilder voll = Voll(k, a), duenn = Duenn(d, a);
  ErwarteGleich(voll.linie, duenn.linie, "lines");
  ErwarteGleich(voll.marken, duenn.marken, "markers");
  ErwarteGleich(voll.stufen, duenn.stufen, "steps");
  // What is left is bound by the columns, not the lines.
  EXPECT_LE(d.linie.size(), 4u * (kBreite + 2));
  EXPECT_LE(d.stufen.size(), 4u * (kBreite + 2));
  EXPECT_LE(d.marken.size(), static_cast<std::size_t>(kBreite + 2 * kMarke + 1) * kHoehe / kMarke);
}

INSTANTIATE_TEST_SUITE_P(
    Kurven, Ausduennung,
    ::testing::Values(Fall{"SawToothFullDevice", 30704, Saegezahn, 0.0, 1.0},
                      Fall{"ShapeFullDevice", 30704, Form, 0.0, 1.0},
                      Fall{"NoiseTenTimesTheDevice", 307040, Rauschen, 0.0, 1.0},
                      Fall{"SawToothZoomedIn", 30704, Saegezahn, 0.4, 0.43},
                      Fall{"NoiseFewLinesPerColumn", 30704, Rauschen, 0.2, 0.25},
                      Fall{"FewerLinesThanColumns", 300, Saegezahn, 0.0, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Ausduennung, KeepsFirstExtremesAndLastOfAColumnInOrder) {
  Pixelabbildung a;
  a.Breite = 10;
  a.Hoehe = 10;
  // Column 0: 5, 9, 1, 4; column 1: 3.
  const std::vector<Zeichenpunkt> linie = {{0.1, 5}, {0.2, 9}, {0.3, 1}, {0.4, 4}, {1.5, 3}};
  const auto d = LinieAusduennen(linie, a);
  ASSERT_EQ(5u, d.size());
  EXPECT_EQ(9, d[1].Y);  // drawn order kept: 9 before 1
  EXPECT_EQ(1, d[2].Y);
  // A lone vertex and a column of one vertex stay single.
  EXPECT_EQ(1u, LinieAusduennen({{2.5, 7}}, a).size());
  EXPECT_TRUE(LinieAusduennen({}, a).empty());
}

TEST(Ausduennung, AVertexFedAgainIsKeptOnce) {
  Pixelabbildung a;
  a.Breite = 10;
  a.Hoehe = 10;
  // A column of 5, 1, 9 summed up in two stretches, each fed as first, extremes in order
  // and last: 5, 1 and then 9 alone.
  const auto gestueckelt = LinieAusduennen(
      {{0.1, 5}, {0.1, 5}, {0.2, 1}, {0.2, 1}, {0.4, 9}, {0.4, 9}, {0.4, 9}, {0.4, 9}}, a);
  const std::vector<std::pair<double, double>> erwartet = {{0.1, 5}, {0.2, 1}, {0.4, 9}};
  ASSERT_EQ(erwartet.size(), gestueckelt.size());
  for (std::size_t i = 0; i < erwartet.size(); ++i) {
    EXPECT_EQ(erwartet[i].first, gestueckelt[i].X) << i;
    EXPECT_EQ(erwartet[i].second, gestueckelt[i].Y) << i;
  }
  // A column of one vertex fed four times.
  EXPECT_EQ(1u, LinieAusduennen({{2.5, 7}, {2.5, 7}, {2.5, 7}, {2.5, 7}}, a).size());
}

TEST(Ausduennung, TouchingMarkersMakeOneRunAndAGapMakesTwo) {
  Pixelabbildung a;
  a.Breite = 100;
  a.Hoehe = 100;
  // Centres at rows 10, 15 (touching at size 5), 21 (gap) in one column; one far outside.
  const auto l = PunkteAusduennen({{3, 10}, {3.2, 15}, {2.9, 21}, {3, 10}, {500, 10}}, a, 5);
  ASSERT_EQ(2u, l.size());
  EXPECT_EQ(10, l[0].YOben);
  EXPECT_EQ(15, l[0].YUnten);
  EXPECT_EQ(21, l[1].YOben);
  EXPECT_EQ(21, l[1].YUnten);
}

// Marker rows in one column against the runs they make: squares touch when their centres
// are at most one marker apart, wherever the rows lie in the decimator's bookkeeping.
struct Markenfall {
  const char* name;
  int groesse;
  std::vector<double> zeilen;  // marker centres, in the order fed
  std::vector<std::pair<double, double>> laeufe;
};

class Markenlaeufe : public ::testing::TestWithParam<Markenfall> {};

TEST_P(Markenlaeufe, TouchingMarkersShareARun) {
  const Markenfall& f = GetParam();
  Pixelabbildung a;
  a.Breite = 10;
  a.Hoehe = 300;
  std::vector<Zeichenpunkt> punkte;
  for (double z : f.zeilen) punkte.push_back({3, z});
  const auto l = PunkteAusduennen(punkte, a, f.groesse);
  ASSERT_EQ(f.laeufe.size(), l.size());
  for (std::size_t i = 0; i < l.size(); ++i) {
    EXPECT_EQ(3, l[i].X);
    EXPECT_EQ(f.laeufe[i].first, l[i].YOben) << i;
    EXPECT_EQ(f.laeufe[i].second, l[i].YUnten) << i;
  }
}

// Touching markers from the bottom up, then one a gap below them.
std::vector<double> DichtMitSprung() {
  std::vector<double> z;
  for (int i = 240; i >= 0; i -= 3) z.push_back(i);
  z.push_back(250);
  return z;
}

INSTANTIATE_TEST_SUITE_P(
    Spalte, Markenlaeufe,
    ::testing::Values(
        Markenfall{"RunAcrossABlockOfRows", 5, {50, 55, 60, 65, 70}, {{50, 70}}},
        Markenfall{"GapAtABlockEdge", 5, {61, 55}, {{55, 55}, {61, 61}}},
        Markenfall{"TouchingAtExactlyOneMarker", 5, {60, 55}, {{55, 60}}},
        Markenfall{
            "EdgesOfThePlotArea", 5, {-5, 0, 298, 305, 306}, {{-5, 0}, {298, 298}, {305, 305}}},
        Markenfall{"DenseColumnThenAJump", 5, DichtMitSprung(), {{0, 240}, {250, 250}}},
        Markenfall{"SparseJumps", 5, {10, 30, 50, 30}, {{10, 10}, {30, 30}, {50, 50}}},
        Markenfall{"MarkersWiderThanABlock", 70, {0, 70, 141, 211}, {{0, 70}, {141, 211}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
