#include "device/Statusbits.h"

namespace device {

std::vector<std::string> FehlerbitZeilen(int statusregister2) {
  static const char* const zeilen[5] = {"Memory error", "Checksumm error", "Eeprom not ready",
                                        "Data not valid", "Curve selection error"};
  std::vector<std::string> text;
  for (int bit = 0; bit < 5; ++bit)
    if ((statusregister2 >> bit) & 1) text.emplace_back(zeilen[bit]);
  return text;
}

std::vector<std::string> ModusZeilen(int modus) {
  std::vector<std::string> text;
  // Bit 0: the role of input 4 (COM window); bits 1 and 2: the characteristic slots' state
  // (set valid and cleared invalid after every slot write).
  text.emplace_back((modus & 1) ? "input 4 is the start/stop signal"
                                : "input 4 is an analog input");
  const bool gueltig = (modus & 2) != 0 && (modus & 4) == 0;
  text.emplace_back(gueltig ? "characteristic slots marked valid"
                            : "characteristic slots not marked valid");
  for (int bit = 3; bit < 8; ++bit)
    if ((modus >> bit) & 1) text.emplace_back("bit " + std::to_string(bit) + " set");
  return text;
}

}  // namespace device
