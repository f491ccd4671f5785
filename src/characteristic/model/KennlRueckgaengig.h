// The characteristic's undo ring: ten snapshots of the point array, with the undo and redo
// commands' enabled state that the window's menu items and toolbar buttons show.
#pragma once

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// Stores the points in the next ring slot before an edit changes them; sets
// KennlinieGeaendert, discards every redo step, enables Undo and dims Redo. When the slot
// cannot be allocated, "Memory allocation failed" is shown (title "Error") and the ring
// stays as it was; the edit still goes ahead.
void RueckgaengigSichern(Kennliniensitzung& sitzung);
// Swaps the points with the most recent snapshot. Nothing when no undo step is left.
void Rueckgaengig(Kennliniensitzung& sitzung);
// Swaps back the most recently undone state. Nothing when no redo step is left.
void Wiederherstellen(Kennliniensitzung& sitzung);

const KennlBefehlszustand& KennlUndoBefehle(Kennliniensitzung& sitzung);
// Start-up: both commands dimmed.
void KennlUndoBefehleZuruecksetzen(Kennliniensitzung& sitzung);

}  // namespace characteristic
