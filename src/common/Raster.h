// Rounding and grid snapping of raw device codes as the editors do it, and the search for
// the point nearest to the mouse on a graph.
#pragma once

namespace common {

// round(v): add 0.5, drop the fraction toward zero. Abschneiden: drop the fraction.
double Runden(double v);
double Abschneiden(double v);

// The code of a per-cent value of full scale (4095) in 0 … 100 read from text: the nearest
// code, the lower one exactly between two, so that what truncation gave stays within one
// code and a value written with two decimals comes back to its code.
int ProzentInCode(double prozent);

// v limited to 0..max and rounded to the nearest whole code (floor(v + 0.5)); a v that is
// not a number gives 0.
int AufCodeBegrenzen(double v, double max);

// y snapped to the grid of step s through o (y := floor((y - o) / s + 0.5) * s + o), then
// limited and rounded as AufCodeBegrenzen. A step the scaling cannot express (zero, not
// finite) leaves y off the grid.
int AufRasterRunden(double y, double o, double s, double max);

// The point nearest to a graph position in screen distance: each point's distance in raw
// units is truncated, then scaled to pixels (x over the visible width, y over the Y span).
// Points are offered in index order; a later point must be strictly nearer.
class NaechsterPunktSuche {
 public:
  NaechsterPunktSuche(double x, double y, double sichtbreite, double breitePx, double yspanne,
                      double hoehePx);
  void Pruefen(int index, double px, double py);
  int Ergebnis() const { return bester_; }

 private:
  double x_, y_, sichtbreite_, breitePx_, yspanne_, hoehePx_;
  int bester_ = 0;
  double besterAbstand_ = 0.0;
  bool erster_ = true;
};

}  // namespace common
