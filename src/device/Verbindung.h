// The connection state that the COM settings window owns and every module reads at each
// device command: the open port and the chosen device address.
#pragma once

namespace device {

struct ComPortZustand {
  int offen = -1;  // the open port, -1 when none
  int lport = -1;  // the last port opened successfully, -1 if none
};

extern ComPortZustand sgComPort;

// The open port number, -1 if none.
int OffenerComPort();

// The device address chosen in the COM settings window: '1'..'8' (or '&').
char Geraeteadresse();
void GeraeteadresseSetzen(char adresse);

// No port open or remembered, address '1', as at start-up.
void VerbindungZuruecksetzen();

}  // namespace device
