// The marked range of the curve window (green), set with the Select tool, and the points
// it covers for cut, copy, paste and delete.
#pragma once

namespace curves {

struct Markierung {
  double Start = 0.0;  // microseconds
  double Ende = -1.0;
  bool Aktiv = false;
};

extern Markierung gMarkierung;

// The points a..z the mark covers on the current curve: the points whose lines start at or
// after the mark start, up to the point before the one whose line holds the mark end.
// Leer when the mark is inactive or covers no point start.
struct MarkierteSpanne {
  int a = 0;
  int z = -1;
  bool Leer() const { return z < a; }
  int Anzahl() const { return Leer() ? 0 : z - a + 1; }
};
MarkierteSpanne MarkierteBereich();

// Select all: the mark covers the whole current curve and is active.
void AllesMarkieren();

// The Select tool, in whole microseconds (x rounded half up): a press starts a new active
// mark at x, a drag moves its end, and the release sets the end, turning a mark drawn
// leftwards round so that it runs from the left.
void MarkierungBeginnen(double x);
void MarkierungZiehen(double x);
void MarkierungAbschliessen(double x);
// The mark keeps its range but is no longer shown or used (another tool, cut, delete).
void MarkierungAufheben();
// No mark, as at start-up.
void MarkierungZuruecksetzen();

}  // namespace curves
