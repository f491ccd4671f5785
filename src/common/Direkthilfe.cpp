#include "common/Direkthilfe.h"

#include "common/OperatorInterface.h"

namespace common {

unsigned char gHilfeAktiv = 0;

void Hilfetext(const std::string& text) {
  operatorInterface().help(text);
}

}  // namespace common
