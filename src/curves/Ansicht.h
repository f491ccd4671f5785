// The visible time window of the curve graph: zoom, scroll bar and scrolling, and the
// geometry the window draws (visible lines, digitized steps, previews). Plain numbers
// only; the window turns them into plots.
#pragma once

namespace curves {

// The large graph's X axis runs from XStart to XEnde + 1 (microseconds).
struct Sichtfenster {
  double XStart = 0.0;
  double XEnde = 10000.0;
};

extern Sichtfenster gSicht;

// Size of the large graph's plot area in pixels, as the window last reported it; used to
// find the point nearest to the mouse.
struct Zeichenflaeche {
  double BreitePx = 800.0;
  double HoehePx = 400.0;
};

extern Zeichenflaeche gZeichenflaeche;

}  // namespace curves
