#include "device/Verbindung.h"

namespace device {

ComPortZustand sgComPort;

namespace {
char adresse = '1';
}

int OffenerComPort() {
  return sgComPort.offen;
}

char Geraeteadresse() {
  return adresse;
}

void GeraeteadresseSetzen(char neu) {
  adresse = neu;
}

void VerbindungZuruecksetzen() {
  sgComPort = ComPortZustand{};
  adresse = '1';
}

}  // namespace device
