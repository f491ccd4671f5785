// What the characteristic graph shows: the straight lines between the points, the extra
// section of the last point up to the end of the input range, and the digitized steps the
// device outputs for each line. Raw units on both axes.
#pragma once

#include <cmath>
#include <vector>

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// Line i from (X(i), Y(i)) to (X(i + 1), Y(i + 1)); the last point's section runs from
// (X(N - 1), Y) to (4095, Y).
struct KennlGerade {
  int Index;
  double X0, Y0, X1, Y1;
  bool Letzte;  // the last point's section
};

// Every line, in order.
std::vector<KennlGerade> KennlAlleGeraden(Kennliniensitzung& sitzung);
// The lines that reach into xStart .. xEnde + 1.
std::vector<KennlGerade> KennlSichtbareGeraden(Kennliniensitzung& sitzung, double xStart,
                                               double xEnde);

// The steps of a line as the corners of a staircase whose height comes from the right
// corner: a first step at Y0 from X0 to X0 + 1, one step per further input value with the
// value floor(line(x) + 0.5) from x to x + 1, and the final rise at X1 to Y1. Nothing for
// a line without width.
template <class F>
void KennlStufenDurchlaufen(const KennlGerade& g, F&& ecke) {
  const double breite = g.X1 - g.X0;
  if (!(breite > 0.0)) return;
  const double steigung = (g.Y1 - g.Y0) / breite;
  ecke(g.X0, g.Y0);
  for (double x = g.X0; x < g.X1; x += 1.0) {
    const double wert = x == g.X0 ? g.Y0 : std::floor(g.Y0 + steigung * (x - g.X0) + 0.5);
    ecke(x + 1.0, wert);
  }
  ecke(g.X1, g.Y1);
}

}  // namespace characteristic
