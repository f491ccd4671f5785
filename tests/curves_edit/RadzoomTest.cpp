// Wheel zoom around the mouse and wheel scrolling of the curve graph's time window.
#include <gtest/gtest.h>

#include "Kurvenfixture.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/Radzoom.h"

namespace {

class Radzoom : public testsupport::Kurvenfixture {
 protected:
  void SetUp() override {
    testsupport::Kurvenfixture::SetUp();
    sitzung.gSicht = {};
    Setze({{0, 100, 1, {}}, {100, 1, 1, {}}});  // 101 ms
  }
};

TEST_F(Radzoom, ZoomInKeepsTheTimeUnderTheMouseAndTheCommandsWidth) {
  curves::ZoomUmZeit(sitzung, 2500.0, true);               // a quarter into 0 .. 10000
  EXPECT_DOUBLE_EQ(6668.0, curves::Sichtbreite(sitzung));  // as Zoom + gives it
  EXPECT_NEAR(0.25, (2500.0 - sitzung.gSicht.XStart) / curves::Sichtbreite(sitzung), 1e-3);
  // Out again: one and a half times, still around the mouse.
  const double vorher = curves::Sichtbreite(sitzung);
  curves::ZoomUmZeit(sitzung, 2500.0, false);
  EXPECT_NEAR(1.5 * vorher, curves::Sichtbreite(sitzung), 1.0);
  EXPECT_NEAR(0.25, (2500.0 - sitzung.gSicht.XStart) / curves::Sichtbreite(sitzung), 1e-3);
}

TEST_F(Radzoom, ZoomOutNearTheStartStopsAtZeroAndInStopsAtOneMicrosecond) {
  curves::ZoomUmZeit(sitzung, 9000.0, false);
  EXPECT_DOUBLE_EQ(0.0, sitzung.gSicht.XStart);
  for (int i = 0; i < 40; ++i) curves::ZoomUmZeit(sitzung, 500.0, true);
  EXPECT_GE(curves::Sichtbreite(sitzung), 1.0);
  EXPECT_GE(sitzung.gSicht.XStart, 0.0);
  EXPECT_LE(sitzung.gSicht.XStart, 500.0);
}

TEST_F(Radzoom, ScrollingStaysWithinTheCurve) {
  curves::SichtVerschieben(sitzung, 3);  // three tenths of 10001 µs
  EXPECT_DOUBLE_EQ(3000.0, sitzung.gSicht.XStart);
  EXPECT_DOUBLE_EQ(10001.0, curves::Sichtbreite(sitzung));
  curves::SichtVerschieben(sitzung, -10);
  EXPECT_DOUBLE_EQ(0.0, sitzung.gSicht.XStart);
  curves::SichtVerschieben(sitzung, 1000);
  EXPECT_DOUBLE_EQ(101000.0 - 10001.0, sitzung.gSicht.XStart);
  EXPECT_DOUBLE_EQ(100999.0, sitzung.gSicht.XEnde);
  // A window wider than the curve stays at 0.
  curves::ZoomVoll(sitzung);
  curves::ZoomMinus(sitzung);
  curves::SichtVerschieben(sitzung, 5);
  EXPECT_DOUBLE_EQ(0.0, sitzung.gSicht.XStart);
}

}  // namespace
