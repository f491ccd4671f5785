// Editing the points of the current curve with the mouse: draw, move, the point dialog and
// delete. Positions are the graph cursor's: x in µs, y in raw codes. A refusal shows its
// message (title "Error") and changes nothing. Each returns 1 when the curve changed
// (the window then redraws), else 0. Positions that are not numbers change nothing.
#pragma once

namespace curves {

struct Kurvensitzung;

// Appends a point at the click: the former closing line becomes a line of `code` to the
// click, and a one-unit closing line of `code` leads back to the first point.
int PunktAnhaengen(Kurvensitzung& sitzung, double x, double y, int code);

// Moves point i (picked with NaechsterPunkt when the drag began) to the snapped release
// position, keeping the lines on their time grids.
int PunktVerschieben(Kurvensitzung& sitzung, int i, double x, double y);

// The point dialog for the point nearest to (x, y): shows its time and value and applies
// what the operator entered. A time change stays when the value is then refused.
int PunktKoordinatenAendern(Kurvensitzung& sitzung, double x, double y);
// What the point dialog applies, for point i: start time t1 µs and value yRoh (raw,
// rounded here), with the same refusals (the point table's cells).
int PunktSetzen(Kurvensitzung& sitzung, int i, double t1, double yRoh);

// Deletes the point nearest to (x, y). A middle point's two lines become one, so the
// curve keeps its length.
int PunktLoeschen(Kurvensitzung& sitzung, double x, double y);

}  // namespace curves
