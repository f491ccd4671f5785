// The undo ring of the curve being edited: ten snapshots per curve, with the undo and redo
// commands' enabled state that the window's menu items and toolbar buttons show.
#pragma once

#include <functional>

namespace curves {

// Stores the current curve's points in the next ring slot before an edit changes them;
// sets KurvenGeaendert, discards every redo step, enables Undo and dims Redo. When the
// slot cannot be allocated, "Memory allocation failed" is shown (title "Error") and the
// ring stays as it was; the edit may still go ahead.
void RueckgaengigSichern();
// The same without the message: false when the slot cannot be allocated.
bool RueckgaengigSichernOhneMeldung();
// Swaps the current curve with the most recent snapshot. Nothing when no undo step is left.
void Rueckgaengig();
// Swaps back the most recently undone state. Nothing when no redo step is left.
void Wiederherstellen();

// Enabled state of the Undo and Redo commands. The menu items and the toolbar buttons
// usually agree; they differ after another curve has been selected, which sets only the
// buttons from that curve's counters.
struct Befehlszustand {
  bool RueckgaengigMenue = false;
  bool RueckgaengigKnopf = false;
  bool WiederherstellenMenue = false;
  bool WiederherstellenKnopf = false;
};
const Befehlszustand& UndoBefehle();
// The window binds its menu items and buttons here: called at once and after every change.
// An empty function unbinds.
void UndoBefehleBinden(std::function<void(const Befehlszustand&)> anzeige);
// After the edited curve has changed to c: the buttons follow c's counters, the menu items
// are enabled (undo and redo of an empty ring do nothing).
void UndoKnoepfeFuerKurve(int c);
// Start-up: both commands dimmed.
void UndoBefehleZuruecksetzen();

}  // namespace curves
