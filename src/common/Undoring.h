// A ring of undo snapshots of a point array with its three counters. Undo and redo swap
// the arrays themselves: nothing is allocated, so a step cannot fail half-way and the slot
// ends up holding the state it replaced. The owner shows messages and command states.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "common/Allokationshaken.h"

namespace common {

template <class Punkt, int Tiefe>
struct Undoring {
  struct Eintrag {
    std::vector<Punkt> Punkte;
  };

  std::array<Eintrag, Tiefe> Slots;
  int AnzahlRueckgaengig = 0;
  int AnzahlWiederherstellen = 0;
  int HistorienIndex = 0;  // next slot to write

  // Copies the points into the next slot and discards every redo step. False when the slot
  // cannot be allocated: the ring then stays as it was.
  bool Sichern(const std::vector<Punkt>& punkte, Allokationshaken& haken) {
    auto& slot = Slots[HistorienIndex].Punkte;
    if (!FeldAnpassen(slot, punkte.size(), haken)) return false;
    std::copy(punkte.begin(), punkte.end(), slot.begin());
    AnzahlRueckgaengig = std::min(AnzahlRueckgaengig + 1, Tiefe);
    HistorienIndex = (HistorienIndex + 1) % Tiefe;
    AnzahlWiederherstellen = 0;
    return true;
  }

  // Swaps the points with the most recent snapshot; false when no undo step is left.
  bool Rueckgaengig(std::vector<Punkt>& punkte) {
    if (AnzahlRueckgaengig < 1) return false;
    const int a = HistorienIndex == 0 ? Tiefe - 1 : HistorienIndex - 1;
    punkte.swap(Slots[a].Punkte);
    HistorienIndex = a;
    --AnzahlRueckgaengig;
    AnzahlWiederherstellen = std::min(AnzahlWiederherstellen + 1, Tiefe);
    return true;
  }

  // Swaps back the most recently undone state; false when no redo step is left.
  bool Wiederherstellen(std::vector<Punkt>& punkte) {
    if (AnzahlWiederherstellen < 1) return false;
    const int a = HistorienIndex;
    punkte.swap(Slots[a].Punkte);
    HistorienIndex = a == Tiefe - 1 ? 0 : a + 1;
    --AnzahlWiederherstellen;
    AnzahlRueckgaengig = std::min(AnzahlRueckgaengig + 1, Tiefe);
    return true;
  }
};

}  // namespace common
