// The visible time window of the curve graph: zoom, scroll bar and scrolling, and the
// geometry the window draws (visible lines, digitized steps, previews, time-base markers,
// Y axis). Plain numbers only; the window turns them into plots.
#pragma once

#include <string>
#include <vector>

#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {

// The start view, 0 .. 10000 µs: at start-up and after "New".
void SichtZuruecksetzen(Kurvensitzung& sitzung);
// The window reports the plot area's size at each press of the mouse.
void ZeichenflaecheSetzen(Kurvensitzung& sitzung, double breitePx, double hoehePx);
// The start view and the start plot-area size.
void AnsichtZuruecksetzen(Kurvensitzung& sitzung);

// ---- Zoom and scrolling (each zoom is followed by a redraw and ScrollbarAnpassen) ----

// The visible width XEnde - XStart + 1.
double Sichtbreite(Kurvensitzung& sitzung);
// Two thirds of the width around the middle (at least 1 µs).
void ZoomPlus(Kurvensitzung& sitzung);
// One and a half times the width, a sixth of it added on the left (not before 0); the
// window may reach past the curve's end.
void ZoomMinus(Kurvensitzung& sitzung);
// The marked range becomes the window when it is not empty; the mark becomes inactive
// whenever it was active. Returns true when the window changed.
bool ZoomAufMarkierung(Kurvensitzung& sitzung);
// The whole current curve: 0 .. length - 1.
void ZoomVoll(Kurvensitzung& sitzung);

// The scroll bar: thumb size 1..100 per cent of the bar, position 0..100.
struct Scrollbalken {
  int Daumen;
  int Position;
};
Scrollbalken ScrollbarAnpassen(Kurvensitzung& sitzung);
// The operator let go of the scroll bar at `position` (0..100); the view moves only when a
// movement was reported during the drag. Returns true when the window moved.
bool ScrollbarLosgelassen(Kurvensitzung& sitzung, int position, bool bewegt);

// ---- What the graphs show ----

// One straight line i of a curve, from (T(i), Y(i)) to (T(i) + D(i), Y(i + 1)); the
// closing line (last point) runs to Y(0).
struct Geradenstueck {
  int Index;
  double X0, Y0, X1, Y1;
  int Zeitbasis;
  bool Schlusslinie;
};
// The lines to draw for the window xStart..xEnde: from the first line ending at or after
// xStart to the first line ending after xEnde (or the last). Empty when no line reaches
// xStart.
std::vector<Geradenstueck> SichtbareGeraden(const Kurve& k, double xStart, double xEnde);
// Every line, for the overview graph.
std::vector<Geradenstueck> AlleGeraden(const Kurve& k);

// The digitized output of one line as the device plays it: a first horizontal piece from
// (x0, y0) to (x0 + h, y0), then one step per unit (value at the unit's start, drawn to
// the unit's end), then a vertical piece at x1 from the last step value to y1.
struct Stufenzug {
  double AnfangX0 = 0, AnfangX1 = 0, AnfangY = 0;
  std::vector<double> X, Y;
  double EndeX = 0, EndeY0 = 0, EndeY1 = 0;
  bool Leer() const { return X.empty(); }
};
// Empty for an unknown time base, a line without length, or when the arrays cannot be
// allocated ("Memory allocation failed" is shown then).
Stufenzug StufenZeichnen(double x0, double y0, double x1, double y1, int code);

// Preview while drawing: from the last point (T0, Y0) to the snapped click (X, Y).
struct Zeichenvorschau {
  double X0, Y0, X, Y;
};
Zeichenvorschau ZeichenVorschau(Kurvensitzung& sitzung, double x, double y, int code);

// Preview while moving point i: the snapped position and the lines from the previous and
// to the next point (absent for the first and the last point).
struct Verschiebevorschau {
  double X, Y;
  bool MitLinks;
  double LinksX, LinksY;
  bool MitRechts;
  double RechtsX, RechtsY;
};
Verschiebevorschau VerschiebeVorschau(Kurvensitzung& sitzung, int i, double x, double y);

// Time-base markers: a label with point 0's time base at 0 (no line), then a vertical line
// and a label wherever the time base changes.
struct Zeitbasismarke {
  double X;
  int Zeitbasis;
  bool MitLinie;
};
std::vector<Zeitbasismarke> ZeitbasisMarken(const Kurve& k);

// The Y axis of curve c: labels show raw * Verstaerkung + Versatz; the range is the
// curve's Y zoom; the zoom fields show the limits in the output's unit.
struct YAchse {
  double Verstaerkung;
  double Versatz;
  std::string Einheit;
  int Min, Max;
  double FeldMin, FeldMax;
  // What an unchanged zoom field stands for: the middle of its code, which truncates back
  // to the code whatever the rounding of the unit conversion (for YZoomSetzen).
  double FeldMinGenau, FeldMaxGenau;
  std::string RuhezustandBeschriftung;  // "inactive state [V]"
  double Ruhezustand;                   // in the output's unit
};
YAchse YAchseSkalieren(Kurvensitzung& sitzung, int c);

// The Y zoom fields of the current curve were committed (output unit). The limits are
// taken when the lower one is below the upper one after conversion to raw codes (cut to
// 0..4095); otherwise the fields must be rewritten from the stored limits. Returns true
// when taken.
bool YZoomSetzen(Kurvensitzung& sitzung, double feldMin, double feldMax);

}  // namespace curves
