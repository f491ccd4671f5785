#include "curves/Meldungen.h"

#include "device/OperatorInterface.h"

namespace curves {

void Fehlermeldung(const std::string& text, const std::string& titel) {
  device::showMessage(titel, text);
}

}  // namespace curves
