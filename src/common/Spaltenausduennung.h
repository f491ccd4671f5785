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
#include <cstdint>
#include <limits>
#include <vector>

namespace common {

// Curve coordinates to pixels of the plot area: px = X0 + x * Xs, py = Y0 + y * Ys.
struct Pixelabbildung {
  double X0 = 0.0, Xs = 1.0;
  double Y0 = 0.0, Ys = 1.0;
  int Breite = 0, Hoehe = 0;  // the plot area; columns outside it are gathered at its edges
  double Px(double x) const { return X0 + x * Xs; }
  double Py(double y) const { return Y0 + y * Ys; }
  // Where the pixel column of x ends, in curve coordinates (a column holds what rounds to
  // its pixel): left of the plot area where it begins, never right of it (that column is
  // open to the right).
  double Spaltenende(double x) const;
};

inline constexpr double kUnendlich = std::numeric_limits<double>::infinity();

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
  // Called for every vertex of a curve: the common case, one more vertex in the same
  // column, stays inline.
  void Punkt(double x, double y) {
    const double px = a_.X0 + x * a_.Xs;
    if (px >= links_ && px < rechts_ && y == y) {
      const double py = a_.Y0 + y * a_.Ys;
      letzte_ = {x, y, py, nr_++};
      if (py > tiefste_.Py) tiefste_ = letzte_;
      if (py < hoechste_.Py) hoechste_ = letzte_;
      return;
    }
    NeueSpalte(x, y, px);
  }
  // Whether x falls into the open column: a piece that starts and ends there adds only its
  // end to what the column keeps, whatever lies between (as long as it stays between them).
  bool InSpalte(double x) const {
    const double px = a_.X0 + x * a_.Xs;
    return px >= links_ && px < rechts_;
  }
  // Ends the polyline: the last column goes to the target. Called by the destructor too.
  void Abschliessen();
  // Starts anew under another mapping: what was kept so far is dropped.
  void Abbilden(const Pixelabbildung& abbildung) {
    Abschliessen();
    ziel_.clear();
    a_ = abbildung;
  }
  ~Linienausduenner();
  Linienausduenner(const Linienausduenner&) = delete;
  Linienausduenner& operator=(const Linienausduenner&) = delete;

 private:
  struct Ecke {
    double X, Y, Py;
    std::size_t Nr;
  };
  void NeueSpalte(double x, double y, double px);
  void SpalteAbgeben();

  Pixelabbildung a_;
  std::vector<Zeichenpunkt>& ziel_;
  // Pixel bounds of the open column; empty while none is open.
  double links_ = 1.0, rechts_ = 0.0;
  bool offen_ = false;
  std::size_t nr_ = 0;
  Ecke erste_{}, tiefste_{}, hoechste_{}, letzte_{};
};

// The rows of one marker column: a marker marks the row of its centre, counted from one
// marker above the plot area. A plain copy, so that a long walk over the markers of one
// column keeps it in registers: marking is two stores, no test, no read.
struct Markenzeilen {
  double Y0 = 0.0, Ys = 1.0, Versatz = 0.0, Zahl = 0.0;
  // A row that is never drawn: a caller that looks rows up in a table of its own marks
  // markers that are not seen there, without a test.
  int Abseits = 0;
  unsigned char* Belegt = nullptr;
  // Per row the y of a marker there. Any marker of the row will do, and the rows keep it
  // from column to column: a caller that gives the rows their y beforehand marks with
  // Belegt alone.
  double* ZeilenY = nullptr;
  void Markieren(int zeile, double y) const {
    Belegt[zeile] = 1;
    ZeilenY[zeile] = y;
  }
  // The row of a marker at y; Abseits for one wholly above or below the plot area.
  int Zeile(double y) const {
    const double z = Y0 + y * Ys + Versatz;
    return z >= 0.0 && z < Zahl ? static_cast<int>(z) : Abseits;
  }
  // A marker of the open column, by its curve value; one wholly above or below is not seen.
  void Punkt(double y) const {
    const double z = Y0 + y * Ys + Versatz;
    if (z >= 0.0 && z < Zahl) Markieren(static_cast<int>(z), y);
  }
};

// Feeds point markers (squares `groesse` pixels wide, centred on the rounded pixel) in any
// order of columns; each column's runs go to the target when the column changes.
class Punktausduenner {
 public:
  Punktausduenner(const Pixelabbildung& abbildung, int groesse, std::vector<Punktlauf>& ziel);
  void Punkt(double x, double y) {
    const double px = a_.X0 + x * a_.Xs, py = a_.Y0 + y * a_.Ys;
    if (px >= pxVon_ && px < pxBis_) {
      // The same column; in a drawn shape often the same pixel as the marker before.
      if (py >= pyVon_ && py < pyBis_) return;
      const double z = py + zeilen_.Versatz;
      if (z >= 0.0 && z < zeilen_.Zahl) {
        const int zeile = static_cast<int>(z);
        pyVon_ = zeile - zeilen_.Versatz;
        pyBis_ = pyVon_ + 1.0;
        zeilen_.Markieren(zeile, y);
      }
      return;
    }
    NeuerPunkt(x, y, px, py);
  }
  // Where the open marker column ends, in curve coordinates, when x lies in it; else
  // minus infinity.
  double Spaltenende(double x) const {
    const double px = a_.X0 + x * a_.Xs;
    if (!(a_.Xs > 0.0) || !(px >= pxVon_ && px < pxBis_)) return -kUnendlich;
    return (pxBis_ - a_.X0) / a_.Xs;
  }
  // A marker the caller knows to lie in the open column (before its Spaltenende).
  void InSpalte(double y) { zeilen_.Punkt(y); }
  // The rows of the open column, for markers the caller knows to lie in it. Valid as long
  // as the decimator lives.
  const Markenzeilen& Zeilen() const { return zeilen_; }
  void Abschliessen();
  ~Punktausduenner();
  Punktausduenner(const Punktausduenner&) = delete;
  Punktausduenner& operator=(const Punktausduenner&) = delete;

 private:
  void NeuerPunkt(double x, double y, double px, double py);
  void SpalteAbgeben();

  Pixelabbildung a_;
  int groesse_;
  // The column and the row of the marker before, as ranges that round to them; empty at
  // the start.
  double pxVon_ = 1.0, pxBis_ = 0.0, pyVon_ = 1.0, pyBis_ = 0.0;
  std::vector<Punktlauf>& ziel_;
  long spalte_ = 0;
  bool offen_ = false;
  double x_ = 0.0;
  // Per row of the plot area (with a margin of one marker), up to the rows of bits_ and
  // then Abseits: whether a marker is centred there and the y of one that is. All rows are
  // cleared after each column.
  std::vector<double> zeilenY_;
  std::vector<unsigned char> belegt_;
  // The rows as bits, for finding the runs: one word more than the rows, so that a run
  // widened by a marker always ends inside.
  std::vector<std::uint64_t> bits_;
  Markenzeilen zeilen_;
};

// One curve as the graphs draw it after the decimation: the large graph's polylines and
// marker runs, and the overview's polyline. Kept between drawings, so the buffers stay.
struct Spaltenreihen {
  std::vector<Zeichenpunkt> Linien, Schlusslinie, Stufen, Schlussstufen, Uebersicht;
  std::vector<Punktlauf> Punkte;
  void Leeren();
};

// The decimators of one curve's series, fed vertex by vertex in time order: the large
// graph's with its mapping, the overview's with its own. The target starts empty.
struct Reihenausduenner {
  Reihenausduenner(const Pixelabbildung& graph, const Pixelabbildung& uebersicht, int markengroesse,
                   Spaltenreihen& ziel);
  const Pixelabbildung GraphAbbildung;
  Pixelabbildung UebersichtAbbildung;
  // Another mapping for the overview (a walk that learns the overview's range on its way);
  // what the overview kept so far is dropped.
  void UebersichtAbbilden(const Pixelabbildung& abbildung);
  // Hands every open column to the target.
  void Abschliessen();

  Linienausduenner Linien, Schlusslinie, Stufen, Schlussstufen, Uebersicht;
  Punktausduenner Punkte;
};

// The same as pure functions over whole arrays.
std::vector<Zeichenpunkt> LinieAusduennen(const std::vector<Zeichenpunkt>& linie,
                                          const Pixelabbildung& abbildung);
std::vector<Punktlauf> PunkteAusduennen(const std::vector<Zeichenpunkt>& punkte,
                                        const Pixelabbildung& abbildung, int groesse);

}  // namespace common
