// The curve window's drawing walks the model straight into the column decimation, taking
// whole pixel columns of lines at once, and paints what it kept per pixel column. Its
// picture against the full one Qt paints from every line, staircase and marker: within
// one pixel, for one-unit lines as a device read gives them, for long ramps of several
// units and for views that start inside a line. The overview, which goes along with the
// graph's walk when the view starts at the curve's start, against the one walked alone.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Spaltenausduennung.h"
#include "common/Spannenzug.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/Kurvenausduennung.h"
#include "curves/model/Kurvenmodell.h"
#include "support_gui/Bildvergleich.h"
#include "widgets/Pixelraster.h"
#include "widgets/Spaltenbild.h"

namespace {

using common::Pixelabbildung;
using common::Zeichenpunkt;
using testsupport::ErwarteGleich;

constexpr int kBreite = 1000, kHoehe = 500, kKleinHoehe = 100, kMarke = 5;

Pixelabbildung Abbildung(double von, double bis, int hoehe, double yBis = 4095.0,
                         int breite = kBreite) {
  Pixelabbildung a;
  a.Breite = breite;
  a.Hoehe = hoehe;
  a.Xs = breite / (bis - von);
  a.X0 = -von * a.Xs;
  a.Ys = -(hoehe - 1) / yBis;
  a.Y0 = hoehe - 1;
  return a;
}

QImage Leer(int hoehe) {
  QImage bild(kBreite, hoehe, QImage::Format_RGB32);
  bild.fill(Qt::white);
  return bild;
}

void Zug(QImage& bild, const std::vector<Zeichenpunkt>& punkte, const Pixelabbildung& a) {
  QPainter p(&bild);
  p.setPen(QPen(Qt::black, 0));
  p.drawPolyline(widgets::Pixelzug(punkte, a));
}

// As the window paints a kept polyline: spans per pixel column on a canvas.
void Spalten(QImage& bild, const std::vector<Zeichenpunkt>& punkte, const Pixelabbildung& a) {
  common::Spannenzug spannen;
  spannen.Groesse(bild.width(), bild.height());
  for (const auto& p : punkte) spannen.Punkt(a.Px(p.X), a.Py(p.Y));
  widgets::Pixelraster raster;
  raster.Groesse(bild.width(), bild.height());
  raster.Spannen(spannen, Qt::black);
  QPainter maler(&bild);
  raster.Malen(maler, {0, 0});
}

struct Bilder {
  QImage linien = Leer(kHoehe), marken = Leer(kHoehe), stufen = Leer(kHoehe),
         uebersicht = Leer(kKleinHoehe);
};

// Every line, staircase corner and marker as the model gives them.
Bilder Voll(const curves::Kurve& k, double von, double bis, const Pixelabbildung& g,
            const Pixelabbildung& u) {
  Bilder b;
  std::vector<Zeichenpunkt> linien, schluss, stufen, schlussstufen, alle;
  QPainter m(&b.marken);
  for (const curves::Geradenstueck& s : curves::SichtbareGeraden(k, von, bis)) {
    if (s.Schlusslinie) {
      schluss = {{s.X0, s.Y0}, {s.X1, s.Y1}};
    } else {
      linien.push_back({s.X0, s.Y0});
      linien.push_back({s.X1, s.Y1});
    }
    m.fillRect(widgets::Punktquadrat(s.X0, s.Y0, g, kMarke), Qt::black);
    const curves::Stufenzug z = curves::StufenZeichnen(s.X0, s.Y0, s.X1, s.Y1, s.Zeitbasis);
    auto& ziel = s.Schlusslinie ? schlussstufen : stufen;
    // Points of a step plot whose height comes from the right one, as corners.
    std::vector<Zeichenpunkt> treppe = {{z.AnfangX0, z.AnfangY}};
    for (std::size_t j = 0; j < z.X.size(); ++j) treppe.push_back({z.X[j], z.Y[j]});
    treppe.push_back({z.EndeX, z.EndeY1});
    double vorher = treppe.front().X;
    for (const auto& p : treppe) {
      ziel.push_back({vorher, p.Y});
      ziel.push_back(p);
      vorher = p.X;
    }
  }
  m.end();
  Zug(b.linien, linien, g);
  Zug(b.linien, schluss, g);
  Zug(b.stufen, stufen, g);
  Zug(b.stufen, schlussstufen, g);
  for (const curves::Geradenstueck& s : curves::AlleGeraden(k)) alle.push_back({s.X0, s.Y0});
  alle.push_back({curves::Kurvenlaenge(k), static_cast<double>(k.Punkte.front().Y)});
  Zug(b.uebersicht, alle, u);
  return b;
}

Bilder Duenn(const curves::Kurve& k, double von, double bis, const Pixelabbildung& g,
             const Pixelabbildung& u, std::size_t& behalten) {
  common::Spaltenreihen r;
  {
    // The overview mapped as the window maps it: by the length the walk finds.
    common::Reihenausduenner a(g, Pixelabbildung{}, kMarke, r);
    curves::KurveAusduennen(
        k, von, bis, curves::kDarstellungBeide, a,
        [&](double laenge) {
          EXPECT_EQ(curves::Kurvenlaenge(k), laenge);
          return u;
        },
        curves::Kurvenlaenge(k));
  }
  Bilder b;
  Spalten(b.linien, r.Linien, g);
  Spalten(b.linien, r.Schlusslinie, g);
  Spalten(b.stufen, r.Stufen, g);
  Spalten(b.stufen, r.Schlussstufen, g);
  Spalten(b.uebersicht, r.Uebersicht, u);
  QPainter m(&b.marken);
  widgets::PunktlaeufeMalen(m, r.Punkte, g, kMarke, Qt::black);
  behalten = r.Linien.size() + r.Stufen.size() + r.Uebersicht.size();
  return b;
}

struct Fall {
  const char* name;
  int punkte;
  int laenge;     // units per line; 0: varied
  int zeitbasis;  // time-base code; 0: varied
  std::int32_t (*wert)(int);
  double vonAnteil, bisAnteil;  // the visible part of the curve
  double yBis = 4095.0;         // the top of the value axis
};

std::int32_t Saegezahn(int i) {
  return (i * 37) % 4096;
}
std::int32_t Rampen(int i) {
  return (i % 7) * 600;
}
std::int32_t Rauschen(int i) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(i) * 2654435761u) >> 20);
}
// Beyond the device's codes, as a hand-edited text may hold them.
std::int32_t UeberDenRand(int i) {
  return (i * 53) % 6000 - 1000;
}

// laenge, zeitbasis: 0 for varied ones.
curves::Kurve Bauen(int punkte, int laenge, int zeitbasis, std::int32_t (*wert)(int)) {
  curves::Kurve k;
  for (int i = 0; i < punkte; ++i) {
    const int l = laenge ? laenge : 1 + (i * 13) % 40;
    const int z = zeitbasis ? zeitbasis : 1 + i % 4;
    k.Punkte.push_back({wert(i), l, static_cast<std::int8_t>(z), {0, 0, 0}});
  }
  return k;
}

class KurveAusduennen : public ::testing::TestWithParam<Fall> {};

TEST_P(KurveAusduennen, PictureWithinOnePixelOfEveryLine) {
  const Fall& f = GetParam();
  const curves::Kurve k = Bauen(f.punkte, f.laenge, f.zeitbasis, f.wert);
  const double l = curves::Kurvenlaenge(k);
  const double von = l * f.vonAnteil, bis = l * f.bisAnteil;
  const Pixelabbildung g = Abbildung(von, bis, kHoehe, f.yBis), u = Abbildung(0, l, kKleinHoehe);
  std::size_t behalten = 0;
  const Bilder voll = Voll(k, von, bis, g, u), duenn = Duenn(k, von, bis, g, u, behalten);
  ErwarteGleich(voll.linien, duenn.linien, "lines");
  ErwarteGleich(voll.marken, duenn.marken, "markers");
  ErwarteGleich(voll.stufen, duenn.stufen, "steps");
  ErwarteGleich(voll.uebersicht, duenn.uebersicht, "overview");
  EXPECT_LE(behalten, 3u * 4u * (kBreite + 2) + 8u);  // bound by the columns, not the lines
}

INSTANTIATE_TEST_SUITE_P(
    Kurven, KurveAusduennen,
    ::testing::Values(Fall{"SawToothFullDevice", 30704, 1, 1, Saegezahn, 0.0, 1.0},
                      Fall{"NoiseFullDevice250us", 30704, 1, 9, Rauschen, 0.0, 1.0},
                      Fall{"RampsOfManyUnits", 3000, 0, 0, Rampen, 0.0, 1.0},
                      Fall{"RampsZoomedIntoALine", 3000, 0, 0, Rampen, 0.4003, 0.4011},
                      Fall{"SawToothViewStartsInside", 30704, 1, 1, Saegezahn, 0.3333, 0.71},
                      Fall{"FewerLinesThanColumns", 300, 0, 0, Rauschen, 0.0, 1.0},
                      Fall{"SawToothValueAxisZoomed", 30704, 1, 1, Saegezahn, 0.0, 1.0, 1500.0},
                      Fall{"ValuesBeyondTheCodes", 30704, 1, 1, UeberDenRand, 0.0, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

// The overview along the graph's walk against the overview walked on its own (no length
// expected): the same series, and the graph's series unchanged.
enum class Erwartet { Laenge, Weniger, OhneAbbildung };

struct Uebersichtsfall {
  const char* name;
  int punkte, laenge, zeitbasis;
  std::int32_t (*wert)(int);
  double vonAnteil, bisAnteil;
  int uebersichtBreite;
  Erwartet erwartet;
};

struct Lauf {
  common::Spaltenreihen r;
  std::vector<double> laengen;  // the lengths the overview was mapped for
};

void Ausduennen(const curves::Kurve& k, double von, double bis, const Pixelabbildung& g, int breite,
                Erwartet erwartet, double laengeErwartet, Lauf& lauf) {
  auto abbilden = [&](double laenge) {
    lauf.laengen.push_back(laenge);
    return Abbildung(0, laenge, kKleinHoehe, 4095.0, breite);
  };
  const double l = curves::Kurvenlaenge(k);
  const Pixelabbildung u = erwartet == Erwartet::OhneAbbildung ? abbilden(l) : Pixelabbildung{};
  common::Reihenausduenner a(g, u, kMarke, lauf.r);
  if (erwartet == Erwartet::OhneAbbildung)
    curves::KurveAusduennen(k, von, bis, curves::kDarstellungBeide, a);
  else
    curves::KurveAusduennen(k, von, bis, curves::kDarstellungBeide, a, abbilden, laengeErwartet);
}

void ErwarteGleicheReihe(const std::vector<Zeichenpunkt>& a, const std::vector<Zeichenpunkt>& b,
                         const char* was) {
  ASSERT_EQ(a.size(), b.size()) << was;
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].X, b[i].X) << was << " " << i;
    ASSERT_EQ(a[i].Y, b[i].Y) << was << " " << i;
  }
}

class UebersichtImGraphenlauf : public ::testing::TestWithParam<Uebersichtsfall> {};

TEST_P(UebersichtImGraphenlauf, KeepsTheSameSeriesAsItsOwnWalk) {
  const Uebersichtsfall& f = GetParam();
  const curves::Kurve k = Bauen(f.punkte, f.laenge, f.zeitbasis, f.wert);
  const double l = curves::Kurvenlaenge(k);
  const double von = l * f.vonAnteil, bis = l * f.bisAnteil;
  const Pixelabbildung g = Abbildung(von, bis, kHoehe);
  // A wrong guess as a zoomed view from the start would give it.
  const double geraten = f.erwartet == Erwartet::Weniger ? bis : l;
  Lauf allein, mit;
  Ausduennen(k, von, bis, g, f.uebersichtBreite, Erwartet::Laenge, 0.0, allein);
  Ausduennen(k, von, bis, g, f.uebersichtBreite, f.erwartet, geraten, mit);

  ErwarteGleicheReihe(allein.r.Uebersicht, mit.r.Uebersicht, "overview");
  ASSERT_FALSE(mit.r.Uebersicht.empty());
  EXPECT_EQ(l, mit.r.Uebersicht.back().X);  // the closing line ends the overview
  EXPECT_EQ(k.Punkte.front().Y, mit.r.Uebersicht.back().Y);
  ErwarteGleicheReihe(allein.r.Linien, mit.r.Linien, "lines");
  ErwarteGleicheReihe(allein.r.Schlusslinie, mit.r.Schlusslinie, "closing line");
  ErwarteGleicheReihe(allein.r.Stufen, mit.r.Stufen, "steps");
  ErwarteGleicheReihe(allein.r.Schlussstufen, mit.r.Schlussstufen, "closing steps");
  // A marker run ends at the row of some marker there, whichever it is.
  auto zeile = [&](double y) { return std::floor(g.Py(y) + 0.5); };
  ASSERT_EQ(allein.r.Punkte.size(), mit.r.Punkte.size());
  for (std::size_t i = 0; i < mit.r.Punkte.size(); ++i) {
    EXPECT_EQ(allein.r.Punkte[i].X, mit.r.Punkte[i].X) << i;
    EXPECT_EQ(zeile(allein.r.Punkte[i].YOben), zeile(mit.r.Punkte[i].YOben)) << i;
    EXPECT_EQ(zeile(allein.r.Punkte[i].YUnten), zeile(mit.r.Punkte[i].YUnten)) << i;
  }
  // Mapped once when the expected length holds, again by the true one when it does not.
  const std::vector<double> laengen =
      geraten == l ? std::vector<double>{l} : std::vector<double>{geraten, l};
  EXPECT_EQ(laengen, mit.laengen);
}

INSTANTIATE_TEST_SUITE_P(
    Sichten, UebersichtImGraphenlauf,
    ::testing::Values(
        Uebersichtsfall{"SawToothSameWidths", 30704, 1, 1, Saegezahn, 0.0, 1.0, 1000,
                        Erwartet::Laenge},
        Uebersichtsfall{"SawToothNarrowerOverview", 30704, 1, 1, Saegezahn, 0.0, 1.0, 937,
                        Erwartet::Laenge},
        Uebersichtsfall{"NoiseWiderOverview", 30704, 1, 9, Rauschen, 0.0, 1.0, 1237,
                        Erwartet::Laenge},
        Uebersichtsfall{"RampsOfManyUnits", 3000, 0, 0, Rampen, 0.0, 1.0, 991, Erwartet::Laenge},
        Uebersichtsfall{"FewerLinesThanColumns", 300, 0, 0, Rauschen, 0.0, 1.0, 977,
                        Erwartet::Laenge},
        Uebersichtsfall{"ZoomedFromTheStart", 30704, 1, 1, Saegezahn, 0.0, 0.37, 983,
                        Erwartet::Laenge},
        Uebersichtsfall{"ZoomedGuessWrong", 30704, 1, 1, Saegezahn, 0.0, 0.37, 983,
                        Erwartet::Weniger},
        Uebersichtsfall{"PartOfTheCurve", 30704, 1, 1, Saegezahn, 0.31, 0.77, 983,
                        Erwartet::Laenge},
        Uebersichtsfall{"BackgroundCurveMappedBefore", 30704, 1, 1, Rauschen, 0.0, 1.0, 983,
                        Erwartet::OhneAbbildung},
        Uebersichtsfall{"OnePoint", 1, 7, 3, Saegezahn, 0.0, 1.0, 983, Erwartet::Laenge}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
