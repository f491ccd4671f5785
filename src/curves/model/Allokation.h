// Growing the curve model's arrays without throwing, through the curve generator's own
// allocation hook (see common/Allokationshaken.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/Allokationshaken.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

// Resizes v to n points. Shrinking always succeeds; growing may fail, and then v is left
// exactly as it was.
bool PunktfeldAnpassen(std::vector<Kurvenpunkt>& v, std::size_t n) noexcept;
// Reserves room for n characters in s; false (s unchanged) on failure.
bool TextReservieren(std::string& s, std::size_t n) noexcept;

// The curve generator's hook, for the shared pieces that allocate through it.
common::Allokationshaken& AllokationsHaken() noexcept;

// For other allocations: false when the test hook wants this one to fail.
bool AllokationZulassen() noexcept;

// Test hook: after `ueberspringen` further allocations have succeeded, the next `anzahl`
// fail. AllokationsfehlerAusloesen(0) switches it off.
void AllokationsfehlerAusloesen(int anzahl, int ueberspringen = 0);
// Allocations the hook still has to fail.
int AusstehendeAllokationsfehler();

}  // namespace curves
