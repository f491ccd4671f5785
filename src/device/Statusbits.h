// What the bits of the device's registers mean, as the COM settings window explains them:
// the error bits of status register 2 and the mode bits the program itself sets.
#pragma once

#include <string>
#include <vector>

namespace device {

// The "Error bits" box's lines for the set bits 0..4 of status register 2, in bit order.
std::vector<std::string> FehlerbitZeilen(int statusregister2);

// One line per mode bit the program uses (0, 1, 2), saying what its state means, then
// "bit n set" for any other set bit.
std::vector<std::string> ModusZeilen(int modus);

}  // namespace device
