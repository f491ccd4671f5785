// Which input values a block of a slot image holds, so that blocks the device holds
// differently can be shown on the characteristic.
#pragma once

#include <vector>

#include "characteristic/model/Kennliniensitzung.h"
#include "device/Speichertransfer.h"

namespace characteristic {

// The input values (raw X steps) that the given blocks of the slot from address platz
// hold, neighbours joined, in order. A block with head bytes stands for every input value:
// the device reads the samples through them.
std::vector<KennlXBereich> BloeckeInXBereiche(long platz,
                                              const std::vector<device::Speicherblock>& bloecke);

}  // namespace characteristic
