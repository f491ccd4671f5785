// The marked range of the curve window (green), set with the Select tool, and the points
// it covers for cut, copy, paste and delete.
#pragma once

#include "curves/model/Kurvensitzung.h"

namespace curves {

// The points a..z the mark covers on the current curve: the points whose lines start at or
// after the mark start, up to the point before the one whose line holds the mark end.
// Leer when the mark is inactive or covers no point start.
struct MarkierteSpanne {
  int a = 0;
  int z = -1;
  bool Leer() const { return z < a; }
  int Anzahl() const { return Leer() ? 0 : z - a + 1; }
};
MarkierteSpanne MarkierteBereich(Kurvensitzung& sitzung);

// Select all: the mark covers the whole current curve and is active.
void AllesMarkieren(Kurvensitzung& sitzung);

// The Select tool, in whole microseconds (x rounded half up): a press starts a new active
// mark at x, a drag moves its end, and the release sets the end, turning a mark drawn
// leftwards round so that it runs from the left.
void MarkierungBeginnen(Kurvensitzung& sitzung, double x);
void MarkierungZiehen(Kurvensitzung& sitzung, double x);
void MarkierungAbschliessen(Kurvensitzung& sitzung, double x);
// The mark keeps its range but is no longer shown or used (another tool, cut, delete).
void MarkierungAufheben(Kurvensitzung& sitzung);
// A drag cancelled: the mark as it was before the drag began.
void MarkierungZuruecknehmen(Kurvensitzung& sitzung, const Markierung& vorher);
// No mark, as at start-up.
void MarkierungZuruecksetzen(Kurvensitzung& sitzung);

}  // namespace curves
