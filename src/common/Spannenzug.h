// The pixels a one pixel wide polyline covers, as one span of rows per pixel column: what
// an aliased line drawing sets, but kept per column, so a dense curve is painted as a few
// thousand vertical runs instead of stroked pixel by pixel. As in Qt's aliased drawing a
// vertex sets the pixel it lies in; a line that is mostly horizontal sets one row per
// column, a steep one the rows it passes in that column. The polylines of a curve run left to right and
// are connected, so what one covers in a column is one span.
#pragma once

#include <vector>

namespace common {

class Spannenzug {
 public:
  // The canvas: columns 0 .. breite-1, rows 0 .. hoehe-1. Clears every span.
  void Groesse(int breite, int hoehe);
  int Breite() const { return breite_; }
  int Hoehe() const { return hoehe_; }

  // Clears the spans, keeping the canvas.
  void Leeren();
  // The next vertex of the polyline, in pixel coordinates; NaN breaks it.
  void Punkt(double px, double py);
  // Ends the polyline: the next vertex starts a new one.
  void Absetzen() { offen_ = false; }

  // The columns touched since the last clearing (Von > Bis: none), and each one's rows.
  int Von() const { return von_; }
  int Bis() const { return bis_; }
  bool Belegt(int spalte) const { return oben_[spalte] <= unten_[spalte]; }
  int Oben(int spalte) const { return oben_[spalte]; }
  int Unten(int spalte) const { return unten_[spalte]; }

 private:
  void Strecke(double x0, double y0, double x1, double y1);
  void Spanne(int spalte, double y0, double y1);

  int breite_ = 0, hoehe_ = 0;
  std::vector<int> oben_, unten_;
  int von_ = 0, bis_ = -1;
  bool offen_ = false;
  double x_ = 0.0, y_ = 0.0;
};

}  // namespace common
