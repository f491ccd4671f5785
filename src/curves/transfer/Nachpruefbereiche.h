// Where in time a block of the curve image lies, so that blocks the device holds
// differently can be shown on the curve.
#pragma once

#include <cstdint>
#include <vector>

#include "curves/model/Kurvensitzung.h"
#include "device/Speichertransfer.h"

namespace curves {

// The stretches of curve 1's time that the given blocks of the image hold (bild and ende as
// KurvenbildErzeugen gives them), neighbours joined, in time order. A block with header
// bytes stands for the whole curve: the device reads every sample through them.
std::vector<Zeitbereich> BloeckeInZeiten(const std::vector<std::uint8_t>& bild, int ende,
                                         const std::vector<device::Speicherblock>& bloecke);

}  // namespace curves
