// Helpers shared by the editing operations and the window: rounding as the curve tools
// do it, the Y grid, the point nearest to the mouse, time fields and the time grid of a
// point being moved.
#pragma once

#include "curves/edit/Editordialoge.h"

namespace curves {

struct Kurvensitzung;

// round(v): add 0.5, drop the fraction toward zero. truncate: drop the fraction.
double Runden(double v);
double Abschneiden(double v);

// The y value (raw, double) snapped to curve c's Y grid (YRaster, in the output's unit;
// 0 = no grid), limited to 0..4095 and rounded. A grid the scaling cannot express in raw
// codes is ignored; a y that is not a number gives 0.
int YAufRaster(Kurvensitzung& sitzung, int c, double y);

// The point of the current curve nearest to (x µs, y raw) on the screen, for a graph whose
// X axis shows xStart..xEnde + 1 on breitePx pixels and 0..4095 on hoehePx pixels. Ties go
// to the first point.
int NaechsterPunkt(Kurvensitzung& sitzung, double x, double y, double xStart, double xEnde,
                   double breitePx, double hoehePx);
// The same with the visible window and the plot size the window last reported.
int NaechsterPunkt(Kurvensitzung& sitzung, double x, double y);

// Hours, minutes, seconds (whole) and milliseconds (with fraction) of t µs; and back.
Zeitfelder ZeitInStunden(double t);
double ZeitAusFeldern(const Zeitfelder& f);

// Where point i of the current curve lands when dragged to (x, y), between its
// neighbours prev and next: x on the larger time grid of the two lines, y on the Y grid.
struct Rasterpunkt {
  double x;
  int y;
};
Rasterpunkt ZeitAufRaster(Kurvensitzung& sitzung, int prev, int i, int next, double x, double y);

}  // namespace curves
