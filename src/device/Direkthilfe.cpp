#include "device/Direkthilfe.h"

#include "device/OperatorInterface.h"

namespace device {

unsigned char gHilfeAktiv = 0;

void Hilfetext(const std::string& text) {
  operatorInterface().help(text);
}

}  // namespace device
