// Lamps drawn by styled labels: a round light in its on-colour, grey when off, faded
// when dimmed.
#pragma once

#include <cstdint>

class QLabel;

namespace widgets {

void LampeSetzen(QLabel* lampe, bool an, std::uint32_t farbe, bool gedimmt = false);

}  // namespace widgets
