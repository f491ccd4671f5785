// A control that only shows: outside direct-help mode the operator's clicks, wheel turns
// and keys never reach it, while the program still sets it.
#pragma once

class QWidget;

namespace widgets {

// Installs the filter on the control (after any help filter, so it sees the events first).
void NurAnzeigen(QWidget* feld);

}  // namespace widgets
