// The curve window's drawing walks the model straight into the column decimation, taking
// whole pixel columns of lines at once, and paints what it kept per pixel column. Its
// picture against the full one Qt paints from every line, staircase and marker: within
// one pixel, for one-unit lines as a device read gives them, for long ramps of several
// units and for views that start inside a line.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Spaltenausduennung.h"
#include "common/Spannenzug.h"
#include "curves/edit/Ansicht.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "curves/model/Kurvenmodell.h"
#include "support_gui/Bildvergleich.h"
#include "widgets/Pixelraster.h"
#include "widgets/Spaltenbild.h"

namespace {

using common::Pixelabbildung;
using common::Zeichenpunkt;
using testsupport::ErwarteGleich;

constexpr int kBreite = 1000, kHoehe = 500, kKleinHoehe = 100, kMarke = 5;

Pixelabbildung Abbildung(double von, double bis, int hoehe, double yBis = 4095.0) {
  Pixelabbildung a;
  a.Breite = kBreite;
  a.Hoehe = hoehe;
  a.Xs = kBreite / (bis - von);
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
    curves::gui::KurveAusduennen(k, von, bis, curves::gui::kDarstellungBeide, a,
                                 [&](double laenge) {
                                   EXPECT_EQ(curves::Kurvenlaenge(k), laenge);
                                   return u;
                                 });
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

class KurveAusduennen : public ::testing::TestWithParam<Fall> {};

TEST_P(KurveAusduennen, PictureWithinOnePixelOfEveryLine) {
  const Fall& f = GetParam();
  curves::Kurve k;
  for (int i = 0; i < f.punkte; ++i) {
    const int laenge = f.laenge ? f.laenge : 1 + (i * 13) % 40;
    const int zeitbasis = f.zeitbasis ? f.zeitbasis : 1 + i % 4;
    k.Punkte.push_back({f.wert(i), laenge, static_cast<std::int8_t>(zeitbasis), {0, 0, 0}});
  }
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

}  // namespace
