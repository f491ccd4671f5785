#include "characteristic/model/KennlAllokation.h"

namespace characteristic {

common::Allokationshaken& KennlAllokationsHaken() noexcept {
  static common::Allokationshaken haken;
  return haken;
}

}  // namespace characteristic
