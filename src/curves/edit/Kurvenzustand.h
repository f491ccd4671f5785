// The curve generator's global state as a whole: what the model, the view, the mark, the
// title and the window bindings keep between two uses. A fresh start puts every piece
// back, so that no test sees what another one left behind.
#pragma once

namespace curves {

// The model as KurvenModellInitialisieren leaves it, the start view and plot-area size,
// no mark, no file name, nothing bound to the title, the undo commands, the curve reading
// or the Y rescaling, and no injected allocation failures. The editor dialogs stay with
// whoever installed them.
// Returns 0 or the model's allocation code.
int KurvenZustandZuruecksetzen();

}  // namespace curves
