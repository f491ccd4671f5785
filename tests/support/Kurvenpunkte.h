// Comparing curve points as the files and the device keep them: value, length and time
// base (the drawing cache beside them does not count).
#pragma once

#include <cstddef>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace testsupport {

inline bool Gleich(const std::vector<curves::Kurvenpunkt>& a,
                   const std::vector<curves::Kurvenpunkt>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Y != b[i].Y || a[i].Laenge != b[i].Laenge || a[i].Zeitbasis != b[i].Zeitbasis)
      return false;
  return true;
}

}  // namespace testsupport
