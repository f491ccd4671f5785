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

}  // namespace curves
