// Comparing two pictures drawn on white: every painted pixel of one needs a painted pixel
// within one pixel in the other, so that no column differs by more than one pixel.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <string>

namespace testsupport {

// Painted pixels of `a` without a painted pixel within one pixel in `b`; the first one's
// position goes to `beispiel`.
inline int Abweichungen(const QImage& a, const QImage& b, std::string& beispiel) {
  int n = 0;
  const QRgb weiss = qRgb(255, 255, 255);
  auto gemalt = [&](int u, int v) {
    return u >= 0 && v >= 0 && u < b.width() && v < b.height() &&
           reinterpret_cast<const QRgb*>(b.constScanLine(v))[u] != weiss;
  };
  for (int y = 0; y < a.height(); ++y) {
    const auto* zeile = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      if (zeile[x] == weiss) continue;
      bool gefunden = false;
      for (int dy = -1; dy <= 1 && !gefunden; ++dy)
        for (int dx = -1; dx <= 1 && !gefunden; ++dx) gefunden = gemalt(x + dx, y + dy);
      if (!gefunden && n++ == 0)
        beispiel = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  }
  return n;
}

inline void ErwarteGleich(const QImage& voll, const QImage& duenn, const char* was) {
  std::string wo;
  EXPECT_EQ(0, Abweichungen(voll, duenn, wo)) << was << ", missing first at " << wo;
  EXPECT_EQ(0, Abweichungen(duenn, voll, wo)) << was << ", added first at " << wo;
}

}  // namespace testsupport
