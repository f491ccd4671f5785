// The graph's scroll bar speaks in per cent of the bar: a thumb of 1 to 100 and a position
// of 0 to 100. QScrollBar draws its thumb as pageStep / (range + pageStep) of the bar, so
// the range is scaled to make a thumb of d per cent really cover d per cent.
#pragma once

class QScrollBar;

namespace widgets {

void ScrollbarZeigen(QScrollBar* bar, int daumen, int position);
// The thumb size and the position (0..100) the bar shows now; the position follows the
// slider while it is dragged.
int ScrollbarDaumen(const QScrollBar* bar);
int ScrollbarPosition(const QScrollBar* bar);

}  // namespace widgets
