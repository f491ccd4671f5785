// The strip chart's measuring cursor: one line on a sample, reading the four inputs'
// values there and how long before the newest sample it was taken.
#pragma once

#include <QString>
#include <array>
#include <optional>

class QCustomPlot;
namespace widgets {
class Cursorpaar;
}

namespace direct {
struct Direktsitzung;
}

namespace direct::gui {

// werte: per cent of full scale, none where the trace holds no sample there; alter: seconds
// before the newest sample.
QString StripchartAblesungText(long abtastung, double alter,
                               const std::array<std::optional<double>, 4>& werte);

// On the chart whose graphs 0..3 are the inputs' traces, keyed by sample number; its tool
// is on from the start (the chart has no other).
widgets::Cursorpaar* StripchartCursorAnlegen(QCustomPlot* chart, const Direktsitzung& sitzung);

}  // namespace direct::gui
