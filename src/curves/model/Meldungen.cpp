#include "curves/model/Meldungen.h"

#include "common/OperatorInterface.h"

namespace curves {

void Fehlermeldung(const std::string& text, const std::string& titel) {
  common::showMessage(titel, text);
}

}  // namespace curves
