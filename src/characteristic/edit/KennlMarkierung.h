// The marked X range of the characteristic graph, as the selection tool and "Alles
// Markieren" set it (raw input steps, whole numbers).
#pragma once

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// The first movement of a drag: start := end := floor(x + 0.5), the mark is active.
void KennlMarkierungBeginnen(Kennliniensitzung& sitzung, double x);
// Later movements: end := floor(x + 0.5).
void KennlMarkierungZiehen(Kennliniensitzung& sitzung, double x);
// The release: left of the start the range turns round (end := start, start := x);
// otherwise end := x.
void KennlMarkierungAbschliessen(Kennliniensitzung& sitzung, double x);
// "Alles Markieren": 0 .. 4095, active.
void KennlAllesMarkieren(Kennliniensitzung& sitzung);
// Escape during a drag: the mark as it was before the press.
void KennlMarkierungZuruecknehmen(Kennliniensitzung& sitzung, const Markierung& vorher);
// Any tool other than the selection: the mark goes.
void KennlMarkierungAufheben(Kennliniensitzung& sitzung);

}  // namespace characteristic
