// Cut, copy, paste and delete of the marked points (see Markierung.h) of the current
// curve, through the clipboard shared by the four curves.
#pragma once

namespace curves {

struct Kurvensitzung;

// Copies the marked points into the clipboard: 0, or -600460 with the clipboard unchanged
// when it cannot grow. A mark covering no point start leaves the clipboard as it was.
int MarkierteKopieren(Kurvensitzung& sitzung);

// Removes the marked points, after an undo snapshot when `sichern` is set. The lines
// before the range keep their lengths, so the curve gets shorter. Returns 1 when points
// were removed.
int MarkierteLoeschen(Kurvensitzung& sitzung, bool sichern);

// The Delete command: removes the marked points with a snapshot; the mark becomes inactive.
void MarkiertesEntfernen(Kurvensitzung& sitzung);

// The Cut command: copy, then delete with a snapshot; the mark becomes inactive. When the
// copy fails its code (-600460) is returned and nothing is deleted.
int MarkiertesAusschneiden(Kurvensitzung& sitzung);

// The Paste command, only with an active mark: the marked points are replaced by the
// clipboard, whose first point takes the value of the point it is inserted before; the
// mark then sits just behind the pasted block. Returns 0, or -600461 when the curve
// cannot grow (the marked points are then already removed; Undo brings them back).
int ZwischenspeicherEinfuegen(Kurvensitzung& sitzung);

}  // namespace curves
