// The characteristic controller's allocation hook (see common/Allokationshaken.h): every
// array of this subsystem grows through it, and its tests make chosen allocations fail.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "characteristic/model/Kennlinienmodell.h"
#include "common/Allokationshaken.h"

namespace characteristic {

common::Allokationshaken& KennlAllokationsHaken() noexcept;

inline bool PunktfeldAnpassen(std::vector<Kennlinienpunkt>& v, std::size_t n) noexcept {
  return common::FeldAnpassen(v, n, KennlAllokationsHaken());
}

}  // namespace characteristic
