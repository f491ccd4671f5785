// The mouse wheel on the curve graph: zoom around the mouse and scroll, through the same
// widths as the zoom commands and within the range the scroll bar allows.
#pragma once

namespace curves {

struct Kurvensitzung;

// Zoom + (hinein) or Zoom − with the time x (µs) staying where it is on the screen; the
// window does not start before 0.
void ZoomUmZeit(Kurvensitzung& sitzung, double x, bool hinein);
// Scrolls by `schritte` tenths of the visible width (negative: to the left), within 0 and
// the end of the current curve; a window wider than the curve stays at 0.
void SichtVerschieben(Kurvensitzung& sitzung, double schritte);

}  // namespace curves
