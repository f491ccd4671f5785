// What the curve window draws with its Kurvengrafik: the current curve (and curve 1 in the
// background when another curve is edited) within the view as lines, point markers and
// the digitized steps, the whole curve in the overview, the time-base markers and the mark.
// It turns the model, the view and the mark into point series and colours; the curves go
// straight from the model into the column decimation, without a full copy in between.
#pragma once

#include <QColor>
#include <functional>

#include "common/Spaltenausduennung.h"
#include "widgets/Kurvengrafik.h"

namespace curves {
struct Kurve;
}

namespace curves::gui {

// Display types of the curves.
inline constexpr int kDarstellungLinien = 1;
inline constexpr int kDarstellungStufen = 2;
inline constexpr int kDarstellungBeide = 3;

// Colours of the curves.
inline const QColor kRot{0xFF, 0x00, 0x00};
inline const QColor kBlau{0x00, 0x00, 0xFF};
inline const QColor kHellrot{255, 150, 150};
inline const QColor kHellblau{150, 150, 255};
inline const QColor kTuerkis{0x00, 0x80, 0x80};
inline const QColor kGelb{0xFF, 0xFF, 0x00};
inline const QColor kTransparent{Qt::transparent};

// The overview's mapping for a curve of the given length (in µs).
using Uebersichtsabbildung = std::function<common::Pixelabbildung(double laenge)>;

// The series of curve k for the view xStart..xEnde, fed into the decimators: the lines
// when the display type has lines, the steps when it has steps, the point markers and the
// overview always. With `uebersicht` the overview is mapped by what it gives for the
// curve's length, which the walk learns on its way (so a drawing need not measure the
// curve first); without it, as the target's mapping stands. A view from the curve's start
// reads the points once for both graphs when the overview's mapping is known before the
// walk: always without `uebersicht`, with it when `laengeErwartet` is the curve's length
// (any other guess costs a second walk for the overview, none is lost).
void KurveAusduennen(const Kurve& k, double xStart, double xEnde, int darstellung,
                     common::Reihenausduenner& ziel, const Uebersichtsabbildung& uebersicht = {},
                     double laengeErwartet = 0.0);

// Full redraw of both graphs with the present model, view and mark. The Y axis must have
// been scaled before.
void KurvenZeichnen(widgets::Kurvengrafik& grafik, int darstellung, bool zeitbasismarken);
// The time-base markers of the current curve, or none.
void ZeitbasisMarkenZeichnen(widgets::Kurvengrafik& grafik, bool an);
// The mark as it stands in the model.
void MarkierungZeichnen(widgets::Kurvengrafik& grafik);

}  // namespace curves::gui
