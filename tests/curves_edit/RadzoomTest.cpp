// Wheel zoom around the mouse and wheel scrolling of the curve graph's time window.
#include <gtest/gtest.h>

#include "Kurvenfixture.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/Radzoom.h"

namespace {

using curves::gSicht;

class Radzoom : public testsupport::Kurvenfixture {
 protected:
  void SetUp() override {
    testsupport::Kurvenfixture::SetUp();
    gSicht = {};
    Setze({{0, 100, 1, {}}, {100, 1, 1, {}}});  // 101 ms
  }
};

TEST_F(Radzoom, ZoomInKeepsTheTimeUnderTheMouseAndTheCommandsWidth) {
  curves::ZoomUmZeit(2500.0, true);                 // a quarter into 0 .. 10000
  EXPECT_DOUBLE_EQ(6668.0, curves::Sichtbreite());  // as Zoom + gives it
  EXPECT_NEAR(0.25, (2500.0 - gSicht.XStart) / curves::Sichtbreite(), 1e-3);
  // Out again: one and a half times, still around the mouse.
  const double vorher = curves::Sichtbreite();
  curves::ZoomUmZeit(2500.0, false);
  EXPECT_NEAR(1.5 * vorher, curves::Sichtbreite(), 1.0);
  EXPECT_NEAR(0.25, (2500.0 - gSicht.XStart) / curves::Sichtbreite(), 1e-3);
}

TEST_F(Radzoom, ZoomOutNearTheStartStopsAtZeroAndInStopsAtOneMicrosecond) {
  curves::ZoomUmZeit(9000.0, false);
  EXPECT_DOUBLE_EQ(0.0, gSicht.XStart);
  for (int i = 0; i < 40; ++i) curves::ZoomUmZeit(500.0, true);
  EXPECT_GE(curves::Sichtbreite(), 1.0);
  EXPECT_GE(gSicht.XStart, 0.0);
  EXPECT_LE(gSicht.XStart, 500.0);
}

TEST_F(Radzoom, ScrollingStaysWithinTheCurve) {
  curves::SichtVerschieben(3);  // three tenths of 10001 µs
  EXPECT_DOUBLE_EQ(3000.0, gSicht.XStart);
  EXPECT_DOUBLE_EQ(10001.0, curves::Sichtbreite());
  curves::SichtVerschieben(-10);
  EXPECT_DOUBLE_EQ(0.0, gSicht.XStart);
  curves::SichtVerschieben(1000);
  EXPECT_DOUBLE_EQ(101000.0 - 10001.0, gSicht.XStart);
  EXPECT_DOUBLE_EQ(100999.0, gSicht.XEnde);
  // A window wider than the curve stays at 0.
  curves::ZoomVoll();
  curves::ZoomMinus();
  curves::SichtVerschieben(5);
  EXPECT_DOUBLE_EQ(0.0, gSicht.XStart);
}

}  // namespace
