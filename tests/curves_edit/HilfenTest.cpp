#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Kurvenfixture.h"
#include "curves/edit/BearbeitenHilfen.h"

namespace {

class Hilfen : public testsupport::Kurvenfixture {};

TEST_F(Hilfen, TimeFieldsAndBack) {
  auto f = curves::ZeitInStunden(250.0);
  EXPECT_EQ(f.Stunden, 0);
  EXPECT_EQ(f.Minuten, 0);
  EXPECT_EQ(f.Sekunden, 0);
  EXPECT_EQ(f.Millisekunden, 0.25);

  const double t = 3600000000.0 + 2 * 60000000.0 + 3 * 1000000.0 + 4250.0;
  f = curves::ZeitInStunden(t);
  EXPECT_EQ(f.Stunden, 1);
  EXPECT_EQ(f.Minuten, 2);
  EXPECT_EQ(f.Sekunden, 3);
  EXPECT_EQ(f.Millisekunden, 4.25);
  EXPECT_EQ(curves::ZeitAusFeldern(f), t);
  EXPECT_EQ(curves::ZeitAusFeldern({0, 90, 0, 0.0}), 5400000000.0);
}

TEST_F(Hilfen, TimeFieldsOfAFarZoomedOutCursor) {
  // Zooming out has no limit, so the cursor's time can hold more hours than an int.
  const auto f = curves::ZeitInStunden(1e22);
  EXPECT_EQ(f.Stunden, std::numeric_limits<int>::max());
  EXPECT_GE(f.Minuten, -59);
  EXPECT_LE(f.Minuten, 59);
  const auto n = curves::ZeitInStunden(std::nan(""));
  EXPECT_EQ(n.Stunden, 0);
  EXPECT_EQ(n.Minuten, 0);
  EXPECT_EQ(n.Sekunden, 0);
}

TEST_F(Hilfen, YGridInTheOutputsUnit) {
  // Standard scaling: 0..4095 is 0..10 V, so a 1 V grid is 409.5 raw codes.
  EXPECT_EQ(curves::YAufRaster(sitzung, 0, 1000.4), 1000);
  sitzung.gKurven.YRaster[0] = 1.0;
  EXPECT_EQ(curves::YAufRaster(sitzung, 0, 1000.0), 819);   // 2 x 409.5 = 819
  EXPECT_EQ(curves::YAufRaster(sitzung, 0, 1100.0), 1229);  // 3 x 409.5 = 1228.5, rounded
  EXPECT_EQ(curves::YAufRaster(sitzung, 0, 5000.0), 4095);
  EXPECT_EQ(curves::YAufRaster(sitzung, 0, -300.0), 0);
  EXPECT_EQ(curves::YAufRaster(sitzung, 1, 1000.0), 1000);  // each curve has its own grid
}

TEST_F(Hilfen, MoveGridOfTheCoarserOwnLine) {
  // P0 4 x 1 ms (0..4000), P1 2 x 5 ms (4000..14000), P2: the grid counts back from 14000.
  Setze({{0, 4, 1, {}}, {100, 2, 3, {}}, {200, 1, 1, {}}});
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 1, 2, 8200.0, 100.0).x, 9000.0);
  // Before the previous point: back onto the grid, one step right of it.
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 1, 2, -3000.0, 100.0).x, 4000.0);
  // At or past the next point: one step before it.
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 1, 2, 20000.0, 100.0).x, 9000.0);
  // The last point has no next point to stop at: on the 5 ms grid from 4000.
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 1, 2, 2, 20300.0, 100.0).x, 19000.0);
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 1, 2, 2, 50000.0, 100.0).x, 49000.0);
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 0, 1, 3000.0, 100.0).x,
            0.0);  // the first point stays
}

TEST_F(Hilfen, MoveGridOfThePreviousLine) {
  // P0 3 x 1 ms, P1 2 x 1 ms (3000..5000), P2.
  Setze({{0, 3, 1, {}}, {100, 2, 1, {}}, {200, 1, 1, {}}});
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 1, 2, 1400.0, 100.0).x, 1000.0);
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 1, 2, -800.0, 100.0).x, 1000.0);
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 1, 2, 7000.0, 100.0).x, 4000.0);
  sitzung.gKurven.YRaster[0] = 1.0;
  EXPECT_EQ(curves::ZeitAufRaster(sitzung, 0, 1, 2, 1400.0, 1000.0).y, 819);
}

}  // namespace
