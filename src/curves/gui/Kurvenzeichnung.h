// What the curve window draws with its Kurvengrafik: the current curve (and curve 1 in the
// background when another curve is edited) within the view as lines, point markers and
// the digitized steps, the whole curve in the overview, the time-base markers and the mark.
// It turns the model, the view and the mark into point series and colours; the curves go
// straight from the model into the column decimation, without a full copy in between.
#pragma once

#include <QColor>

#include "curves/edit/Kurvenausduennung.h"
#include "widgets/Kurvengrafik.h"

namespace curves {
struct Kurvensitzung;
}

namespace curves::gui {

// Colours of the curves.
inline const QColor kRot{0xFF, 0x00, 0x00};
inline const QColor kBlau{0x00, 0x00, 0xFF};
inline const QColor kHellrot{255, 150, 150};
inline const QColor kHellblau{150, 150, 255};
inline const QColor kTuerkis{0x00, 0x80, 0x80};
inline const QColor kGelb{0xFF, 0xFF, 0x00};
inline const QColor kTransparent{Qt::transparent};

// Full redraw of both graphs with the session's model, view and mark. The Y axis must have
// been scaled before.
void KurvenZeichnen(widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung, int darstellung,
                    bool zeitbasismarken);
// The time-base markers of the current curve, or none.
void ZeitbasisMarkenZeichnen(widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung, bool an);
// The mark as it stands in the model.
void MarkierungZeichnen(widgets::Kurvengrafik& grafik, const Kurvensitzung& sitzung);

}  // namespace curves::gui
