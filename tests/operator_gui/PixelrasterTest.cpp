// The hand-painted curve canvas against QPainter: a polyline as spans per column lies
// within one pixel of the aliased cosmetic line Qt draws, and plots painted from the top
// one down give exactly the picture of painting them bottom up.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/Spannenzug.h"
#include "support_gui/Bildvergleich.h"
#include "widgets/Pixelraster.h"

namespace {

constexpr int kBreite = 1000, kHoehe = 500;
constexpr double kLuecke = std::numeric_limits<double>::quiet_NaN();

QImage Weiss() {
  QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
  bild.fill(Qt::white);
  return bild;
}

// The canvas put on white, as the plot shows it.
QImage AufWeiss(const widgets::Pixelraster& raster) {
  QImage bild = Weiss();
  QPainter p(&bild);
  raster.Malen(p, {0, 0});
  return bild;
}

struct Zugfall {
  const char* name;
  std::vector<QPointF> punkte;  // a NaN point breaks the polyline
};

std::vector<QPointF> Saegezahn() {
  std::vector<QPointF> z;
  for (int i = 0; i < 3400; ++i) z.push_back({i * 0.3, double((i * 37) % 499)});
  return z;
}

class Spannen : public ::testing::TestWithParam<Zugfall> {};

TEST_P(Spannen, WithinOnePixelOfQtsAliasedLine) {
  const auto& punkte = GetParam().punkte;
  QImage qt = Weiss();
  {
    QPainter p(&qt);
    p.setPen(QPen(Qt::black, 0));
    QPolygonF zug;
    for (const QPointF& q : punkte) {
      if (!std::isnan(q.x())) {
        zug << q;
        continue;
      }
      p.drawPolyline(zug);
      zug.clear();
    }
    p.drawPolyline(zug);
  }
  common::Spannenzug spannen;
  spannen.Groesse(kBreite, kHoehe);
  for (const QPointF& q : punkte) spannen.Punkt(q.x(), q.y());
  widgets::Pixelraster raster;
  raster.Groesse(kBreite, kHoehe);
  raster.Spannen(spannen, Qt::black);
  testsupport::ErwarteGleich(qt, AufWeiss(raster), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Zuege, Spannen,
    ::testing::Values(
        Zugfall{"SteepAndShallow",
                {{0, 0}, {10, 400}, {30, 410}, {31, 5}, {500, 250}, {999, 499}, {998, 0}}},
        Zugfall{"HalfPixelCoordinates", {{0.5, 0.5}, {3.5, 100.5}, {200.5, 100.5}, {201.5, 2.5}}},
        Zugfall{"StepsUpAndDown", {{5, 400}, {5, 20}, {300, 20}, {300, 480}, {301, 480}}},
        Zugfall{"DenseSawTooth", Saegezahn()},
        Zugfall{"FarOutside", {{-1e5, 100}, {-5e4, -1e5}, {300, 250}, {1e5, 400}}},
        Zugfall{"BrokenByAGap", {{10, 10}, {20, 200}, {kLuecke, kLuecke}, {30, 300}, {90, 310}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Painted on its own canvas, or straight into a part of a white image (a plot's buffer).
class Malweise : public ::testing::TestWithParam<bool> {
 protected:
  static constexpr int kRand = 7;  // around the part painted into
  bool Fremd() const { return GetParam(); }
  void Anfangen() {
    if (!Fremd()) {
      raster.Groesse(kBreite, kHoehe);
      return;
    }
    fremd = QImage(kBreite + 2 * kRand, kHoehe + 2 * kRand, QImage::Format_ARGB32_Premultiplied);
    fremd.fill(Qt::white);
    raster.Auf(fremd, QRect(kRand, kRand, kBreite, kHoehe));
  }
  QImage Bild() {
    if (!Fremd()) return AufWeiss(raster);
    QImage rand = fremd.copy();
    QPainter(&rand).fillRect(QRect(kRand, kRand, kBreite, kHoehe), Qt::white);
    QImage weiss(rand.size(), rand.format());
    weiss.fill(Qt::white);
    EXPECT_EQ(weiss, rand) << "painted outside its part";
    return fremd.copy(kRand, kRand, kBreite, kHoehe).convertToFormat(QImage::Format_RGB32);
  }
  widgets::Pixelraster raster;
  QImage fremd;
};

TEST_P(Malweise, PaintedTopDownEqualsBottomUp) {
  // Top: a line over rows 100..300 of column 40 and a short one above it; then two marker
  // bars in that column apart from each other (what is painted there is no longer one
  // stretch); at the bottom an outline over the full height.
  common::Spannenzug oben, unten;
  oben.Groesse(kBreite, kHoehe);
  unten.Groesse(kBreite, kHoehe);
  for (QPointF q : {QPointF(40, 100), QPointF(40, 300), QPointF(80, 300)}) oben.Punkt(q.x(), q.y());
  for (QPointF q : {QPointF(41, 0), QPointF(41, 499)}) unten.Punkt(q.x(), q.y());
  const QVector<QRect> balken = {QRect(38, 10, 5, 20), QRect(38, 350, 5, 40),
                                 QRect(38, 200, 5, 3)};

  Anfangen();
  raster.Spannen(oben, Qt::red);
  raster.Rechtecke(balken, Qt::green);
  raster.Spannen(unten, Qt::blue, 1);

  QImage erwartet = Weiss();
  {
    QPainter p(&erwartet);
    p.fillRect(QRect(40, 0, 3, kHoehe), Qt::blue);
    for (const QRect& r : balken) p.fillRect(r, Qt::green);
    p.fillRect(QRect(40, 100, 1, 201), Qt::red);
    p.fillRect(QRect(41, 300, 40, 1), Qt::red);
  }
  EXPECT_EQ(erwartet, Bild());

  // Cleared, the canvas is empty again and paints anew.
  if (Fremd()) {
    Anfangen();
  } else {
    raster.Leeren();
    EXPECT_TRUE(raster.Bemalt().isEmpty());
    QImage leer(kBreite, kHoehe, QImage::Format_ARGB32_Premultiplied);
    leer.fill(Qt::transparent);
    EXPECT_EQ(leer, raster.Bild());
  }
  raster.Spannen(unten, Qt::blue);
  erwartet = Weiss();
  QPainter(&erwartet).fillRect(QRect(41, 0, 1, kHoehe), Qt::blue);
  EXPECT_EQ(erwartet, Bild());
}

INSTANTIATE_TEST_SUITE_P(Pixelraster, Malweise, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "IntoAForeignImage" : "OnItsCanvas"; });

}  // namespace
