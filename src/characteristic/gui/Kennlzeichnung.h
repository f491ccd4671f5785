// What the characteristic window draws with its Kurvengrafik: the lines that reach into the
// view with their points and digitized steps, the last point's section to the end of the
// input range in the light colours, the whole characteristic in the overview with the frame
// of the view, and the mark. It turns the model, the view and the mark into point series.
#pragma once

#include <QColor>

#include "characteristic/model/Kennliniensitzung.h"
#include "widgets/Kurvengrafik.h"

namespace characteristic::gui {

// Display types.
inline constexpr int kDarstellungLinien = 1;
inline constexpr int kDarstellungStufen = 2;
inline constexpr int kDarstellungBeide = 3;

inline const QColor kKennlRot{0xFF, 0x00, 0x00};
inline const QColor kKennlBlau{0x00, 0x00, 0xFF};
inline const QColor kKennlHellrot{0xFF, 0x96, 0x96};
inline const QColor kKennlHellblau{0x96, 0x96, 0xFF};

// The series for the view xStart .. xEnde + 1: lines when the display type has lines, the
// steps when it has steps, the points and the overview always.
widgets::Kurvenreihen KennlReihenBilden(Kennliniensitzung& sitzung, double xStart, double xEnde,
                                        int darstellung);

// Full redraw of both graphs with the present model, view and mark. The axes must have
// been scaled before.
void KennlinieZeichnen(Kennliniensitzung& sitzung, widgets::Kurvengrafik& grafik, int darstellung);
// The mark as it stands in the model, in both graphs.
void MarkierungZeichnen(Kennliniensitzung& sitzung, widgets::Kurvengrafik& grafik);

}  // namespace characteristic::gui
