// The window's fields the core reads (grids, output 2, rise time, slot, plot size) and the
// display type: the window hands what the operator entered to these, never to the model.
#pragma once

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// The grids, the output-2 value, the rise time and the slot as the controls show them.
// The plot size stays.
void KennlFelderSetzen(Kennliniensitzung& sitzung, double xRaster, double yRaster, double ausgang2,
                       double anstiegszeit, int kurveNr);
void KennlAusgang2Setzen(Kennliniensitzung& sitzung, double ausgang2);
// The rise time the device holds for what was entered (through its code); returns it.
double KennlAnstiegszeitSetzen(Kennliniensitzung& sitzung, double eingabe);
// The large graph's plot area in pixels, for the nearest point.
void KennlZeichenflaecheSetzen(Kennliniensitzung& sitzung, double breitePx, double hoehePx);
// 1 lines, 2 steps, 3 both; anything else is taken as 3. Returns what was taken.
int KennlDarstellungSetzen(Kennliniensitzung& sitzung, int darstellung);

}  // namespace characteristic
