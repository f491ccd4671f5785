#include "common/Dateiname.h"

namespace common {

std::string DateinamenTeil(const std::string& pfad) {
  const auto trenner = pfad.find_last_of('/');
  return trenner == std::string::npos ? pfad : pfad.substr(trenner + 1);
}

}  // namespace common
