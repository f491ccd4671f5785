// Editing the straight lines of the current curve: divide a line, change its time base,
// change its length. x is the graph cursor's time in µs; the line is the one holding x.
// A refusal shows its message and changes nothing. Each returns 1 when the curve changed,
// else 0.
#pragma once

namespace curves {

struct Kurvensitzung;

// Inserts a point on the line at x, on the line's grid; the closing line is not divided.
int GeradeTeilen(Kurvensitzung& sitzung, double x);

// Gives the line at x the time base `code` keeping its duration (its length in units
// changes). The closing line only takes the new code: its units stay, its duration
// changes. When the last drawn line changes, the closing line follows its code.
int ZeitbasisAendern(Kurvensitzung& sitzung, double x, int code);
// The same after asking the time-base pop-up menu (nothing when nothing is chosen).
int ZeitbasisAendernMitMenue(Kurvensitzung& sitzung, double x);

// The line dialog for the line at x: the entered duration becomes the line's length in
// units of its unchanged time base. The closing line has no dialog.
int GeradenlaengeAendern(Kurvensitzung& sitzung, double x);
// The same for line i with the duration given (the point table's length cell).
int GeradenlaengeSetzen(Kurvensitzung& sitzung, int i, double dauerMikro);

}  // namespace curves
