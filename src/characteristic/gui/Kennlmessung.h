// The measuring cursors of the characteristic window: a pair on the large graph's X axis
// (the raw input), reading the level the device puts out at each, in the window's units.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "characteristic/model/KennlAblesung.h"

class QCustomPlot;
namespace widgets {
class Cursorpaar;
}

namespace characteristic::gui {

using KennlPunktquelle = std::function<const std::vector<Kennlinienpunkt>&()>;

QString KennlCursorText(const config::Konfiguration& k, const KennlCursorablesung& c, int gesetzt);

// The pair on the graph, reading the points the source gives at each move; snapping to
// the points' X positions. Its tool is off until the window turns it on.
// The record is the session's and outlives the cursors.
widgets::Cursorpaar* KennlCursorAnlegen(QCustomPlot* graph, const config::Konfiguration& k,
                                        KennlPunktquelle punkte);

}  // namespace characteristic::gui
