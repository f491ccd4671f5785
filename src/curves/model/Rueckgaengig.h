// The undo ring of the curve being edited: ten snapshots per curve, with the undo and redo
// commands' enabled state that the window's menu items and toolbar buttons show.
#pragma once

#include "curves/model/Kurvensitzung.h"

namespace curves {

// Stores the current curve's points in the next ring slot before an edit changes them;
// sets KurvenGeaendert, discards every redo step, enables Undo and dims Redo. When the
// slot cannot be allocated, "Memory allocation failed" is shown (title "Error") and the
// ring stays as it was; the edit may still go ahead.
void RueckgaengigSichern(Kurvensitzung& sitzung);
// The same without the message: false when the slot cannot be allocated.
bool RueckgaengigSichernOhneMeldung(Kurvensitzung& sitzung);
// Swaps the current curve with the most recent snapshot. Nothing when no undo step is left.
void Rueckgaengig(Kurvensitzung& sitzung);
// Swaps back the most recently undone state. Nothing when no redo step is left.
void Wiederherstellen(Kurvensitzung& sitzung);

const Befehlszustand& UndoBefehle(Kurvensitzung& sitzung);
// After the edited curve has changed to c: the buttons follow c's counters, the menu items
// are enabled (undo and redo of an empty ring do nothing).
void UndoKnoepfeFuerKurve(Kurvensitzung& sitzung, int c);
// Start-up: both commands dimmed.
void UndoBefehleZuruecksetzen(Kurvensitzung& sitzung);

}  // namespace curves
