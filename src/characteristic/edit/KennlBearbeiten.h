// The operations that change the characteristic's points, called by the editor window with
// the graph cursor's position (x in raw input steps, y in raw output codes). A refusal shows
// a message box and changes nothing; every check comes before the undo snapshot.
#pragma once

#include <cstdint>

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// The point dialog "Point %d": X in the second input's unit, Y in the first output's unit,
// an OK button and no cancel. The window places it at the mouse and marks the point
// meanwhile; tests use a scripted one.
struct KennlPunktfelder {
  double X = 0.0;
  double Y = 0.0;
};

class KennlPunktdialog {
 public:
  virtual ~KennlPunktdialog() = default;
  // punktIndex is 0-based (the title shows punktIndex + 1); returns the fields at OK.
  virtual KennlPunktfelder Zeigen(int punktIndex, const KennlPunktfelder& felder) = 0;
};

// The dialog in use is the session's Punktdialog; without one the fields are confirmed unchanged.

// Where point i lands when moved to (x, y) between prev and next: y on the Y grid, x on the
// X grid strictly between the neighbours, or -1.0 when the grid has no line there. The
// first point stays at X 0.
struct KennlPosition {
  double x;
  int y;
};
KennlPosition KennlXBegrenzen(Kennliniensitzung& sitzung, int prev, int i, int next, double x,
                              double y);

// Where KennlPunktAnhaengen puts the new point for the mouse at (x, y): from the last
// point (X0, Y0) a line of Laenge steps to (X, Y); not Gueltig when the point would lie
// beyond the input range. The draw tool's preview shows the same.
struct KennlAnhaengeposition {
  bool Gueltig;
  double X0, Y0;
  double X;
  int Y;
  std::int32_t Laenge;
};
KennlAnhaengeposition KennlAnhaengenBei(Kennliniensitzung& sitzung, double x, double y);
// Appends a point right of the last one (one grid or raw step right of it when x is not).
void KennlPunktAnhaengen(Kennliniensitzung& sitzung, double x, double y);

// The move tool's preview of point i at (x, y): the position KennlXBegrenzen gives (the
// point's own X when it gives none) and the neighbours the two lines come from and go to.
struct KennlVerschiebevorschau {
  double X = 0.0, Y = 0.0;
  bool MitLinks = false, MitRechts = false;
  double LinksX = 0.0, LinksY = 0.0, RechtsX = 0.0, RechtsY = 0.0;
};
KennlVerschiebevorschau KennlVerschiebenBei(Kennliniensitzung& sitzung, int i, double x, double y);
// Moves point i (picked at the start of the drag) to the release position.
void KennlPunktVerschieben(Kennliniensitzung& sitzung, int i, double x, double y);
// Shows the nearest point's coordinates in the point dialog and takes the change. 1 when
// the characteristic changed, else 0.
int KennlPunktKoordinatenAendern(Kennliniensitzung& sitzung, double x, double y);
// Deletes the nearest point; the last remaining point cannot be deleted.
void KennlPunktLoeschen(Kennliniensitzung& sitzung, double x, double y);
// Divides the line under x by a new point on it.
void KennlGeradeTeilen(Kennliniensitzung& sitzung, double x);

}  // namespace characteristic
