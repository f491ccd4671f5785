// Drawing work bound by the pixels, not the points: of a polyline or a row of point markers
// only what one pixel column can show is kept, so a curve of a million lines costs what a
// few thousand would, and the picture stays the same to within one pixel.
// - Polylines (straight lines, steps): per pixel column the first, the lowest, the highest
//   and the last vertex, in their order. The pieces between columns stay exact; inside a
//   column the kept vertices span the same rows as all of them.
// - Point markers (squares of a fixed size): per pixel column the rows their squares cover,
//   as runs from the top marker's centre to the bottom one's. Markers hidden by others add
//   nothing.
// Pure arithmetic over the given points and the linear pixel mapping; no window system.
#pragma once

#include <cstddef>
#include <vector>

namespace curves::gui {

// Curve coordinates to pixels of the plot area: px = X0 + x * Xs, py = Y0 + y * Ys.
struct Pixelabbildung {
  double X0 = 0.0, Xs = 1.0;
  double Y0 = 0.0, Ys = 1.0;
  int Breite = 0, Hoehe = 0;  // the plot area; columns outside it are gathered at its edges
  double Px(double x) const { return X0 + x * Xs; }
  double Py(double y) const { return Y0 + y * Ys; }
};

struct Zeichenpunkt {
  double X = 0.0, Y = 0.0;
};

// Markers of one column whose squares touch or overlap: drawn as one bar of the marker's
// width from the centre (X, YOben) down to the centre (X, YUnten), plus half a marker
// above and below. The coordinates are those of the markers themselves.
struct Punktlauf {
  double X = 0.0, YOben = 0.0, YUnten = 0.0;
};

// Feeds a polyline vertex by vertex; the kept vertices go to the target in drawing order.
class Linienausduenner {
 public:
  Linienausduenner(const Pixelabbildung& abbildung, std::vector<Zeichenpunkt>& ziel);
  void Punkt(double x, double y);
  // Ends the polyline: the last column goes to the target. Called by the destructor too.
  void Abschliessen();
  ~Linienausduenner();
  Linienausduenner(const Linienausduenner&) = delete;
  Linienausduenner& operator=(const Linienausduenner&) = delete;

 private:
  struct Ecke {
    double X, Y, Py;
    std::size_t Nr;
  };
  void SpalteAbgeben();

  Pixelabbildung a_;
  std::vector<Zeichenpunkt>& ziel_;
  long spalte_ = 0;
  bool offen_ = false;
  std::size_t nr_ = 0;
  Ecke erste_{}, tiefste_{}, hoechste_{}, letzte_{};
};

// Feeds point markers (squares `groesse` pixels wide, centred on the rounded pixel) in any
// order of columns; each column's runs go to the target when the column changes.
class Punktausduenner {
 public:
  Punktausduenner(const Pixelabbildung& abbildung, int groesse, std::vector<Punktlauf>& ziel);
  void Punkt(double x, double y);
  void Abschliessen();
  ~Punktausduenner();
  Punktausduenner(const Punktausduenner&) = delete;
  Punktausduenner& operator=(const Punktausduenner&) = delete;

 private:
  void SpalteAbgeben();

  Pixelabbildung a_;
  int groesse_;
  std::vector<Punktlauf>& ziel_;
  long spalte_ = 0;
  bool offen_ = false;
  double x_ = 0.0;
  // Per row of the plot area (with a margin of one marker): the y of a marker centred
  // there, and whether there is one; the touched range is cleared after each column.
  std::vector<double> zeilenY_;
  std::vector<unsigned char> belegt_;
  int von_ = 0, bis_ = -1;
};

// The same as pure functions over whole arrays.
std::vector<Zeichenpunkt> LinieAusduennen(const std::vector<Zeichenpunkt>& linie,
                                          const Pixelabbildung& abbildung);
std::vector<Punktlauf> PunkteAusduennen(const std::vector<Zeichenpunkt>& punkte,
                                        const Pixelabbildung& abbildung, int groesse);

}  // namespace curves::gui
