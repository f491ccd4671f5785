#include "common/Spannenzug.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace common {

namespace {

// floor() and ceil() of values held near the canvas, without a library call: a dense curve
// needs them a few times per pixel column.
int Ab(double v) {
  const int i = static_cast<int>(v);
  return i > v ? i - 1 : i;
}
int Auf(double v) {
  const int i = static_cast<int>(v);
  return i < v ? i + 1 : i;
}

// The nearest pixel to a coordinate, for any double: far values are held just outside the
// canvas, where they still bound a span that crosses it.
int Pixel(double v, int anzahl) {
  return Ab(std::clamp(v, -2.0, anzahl + 1.0) + 0.5);
}

}  // namespace

void Spannenzug::Groesse(int breite, int hoehe) {
  breite_ = std::max(breite, 0);
  hoehe_ = std::max(hoehe, 0);
  oben_.assign(static_cast<std::size_t>(breite_), INT_MAX);
  unten_.assign(static_cast<std::size_t>(breite_), INT_MIN);
  von_ = 0;
  bis_ = -1;
  offen_ = false;
}

void Spannenzug::Leeren() {
  for (int s = von_; s <= bis_; ++s) {
    oben_[s] = INT_MAX;
    unten_[s] = INT_MIN;
  }
  von_ = 0;
  bis_ = -1;
  offen_ = false;
}

void Spannenzug::Punkt(double px, double py) {
  if (std::isnan(px) || std::isnan(py)) {
    offen_ = false;
    return;
  }
  // An aliased line sets the pixel a point lies in (pixel x covers x .. x+1), so the
  // nearest pixel centre is half a pixel up and left.
  px -= 0.5;
  py -= 0.5;
  if (offen_) {
    Strecke(x_, y_, px, py);
  } else {
    Strecke(px, py, px, py);
  }
  offen_ = true;
  x_ = px;
  y_ = py;
}

void Spannenzug::Spanne(int spalte, double y0, double y1) {
  int a = Pixel(y0, hoehe_), b = Pixel(y1, hoehe_);
  if (a > b) std::swap(a, b);
  if (b < 0 || a >= hoehe_) return;
  a = std::max(a, 0);
  b = std::min(b, hoehe_ - 1);
  oben_[spalte] = std::min(oben_[spalte], a);
  unten_[spalte] = std::max(unten_[spalte], b);
  if (von_ > bis_) {
    von_ = bis_ = spalte;
  } else {
    von_ = std::min(von_, spalte);
    bis_ = std::max(bis_, spalte);
  }
}

void Spannenzug::Strecke(double x0, double y0, double x1, double y1) {
  if (x1 < x0) {
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  const int c0 = Pixel(x0, breite_), c1 = Pixel(x1, breite_);
  if (c1 < 0 || c0 >= breite_) return;
  if (c0 == c1) {
    Spanne(c0, y0, y1);
    return;
  }
  const double dx = x1 - x0, dy = y1 - y0;
  const auto hoehe = [&](double x) { return y0 + (std::clamp(x, x0, x1) - x0) * dy / dx; };
  const int von = std::max(c0, 0), bis = std::min(c1, breite_ - 1);
  if (std::abs(dy) <= dx) {
    // Mostly horizontal: one row per column, where the line crosses the column's centre.
    for (int c = von; c <= bis; ++c) {
      const double y = hoehe(c);
      Spanne(c, y, y);
    }
    return;
  }
  // Steep: the rows whose centres the line passes while in the column. The row where it
  // leaves the column belongs to the next one, so neighbouring columns do not share a row.
  const double richtung = dy > 0 ? 1.0 : -1.0;
  for (int c = von; c <= bis; ++c) {
    double ya = y0;
    if (c != c0) {
      // The first row centre at or after the boundary.
      ya = std::clamp(hoehe(c - 0.5), -2.0, hoehe_ + 1.0);
      ya = richtung > 0 ? Auf(ya) : Ab(ya);
    }
    double yb = c == c1 ? y1 : hoehe(c + 0.5);
    if (c != c1) {
      // The last row centre strictly before the boundary.
      yb = std::clamp(yb, -2.0, hoehe_ + 1.0);
      const double r = richtung > 0 ? Auf(yb) - 1.0 : Ab(yb) + 1.0;
      yb = (r - ya) * richtung < 0 ? ya : r;
    }
    Spanne(c, ya, yb);
  }
}

}  // namespace common
