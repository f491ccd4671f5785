// The marked X range of the characteristic graph, as the selection tool and "Alles
// Markieren" set it (raw input steps, whole numbers).
#pragma once

namespace characteristic {

// The first movement of a drag: start := end := floor(x + 0.5), the mark is active.
void KennlMarkierungBeginnen(double x);
// Later movements: end := floor(x + 0.5).
void KennlMarkierungZiehen(double x);
// The release: left of the start the range turns round (end := start, start := x);
// otherwise end := x.
void KennlMarkierungAbschliessen(double x);
// "Alles Markieren": 0 .. 4095, active.
void KennlAllesMarkieren();
// Any tool other than the selection: the mark goes.
void KennlMarkierungAufheben();

}  // namespace characteristic
