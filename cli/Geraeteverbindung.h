// The serial connection of one command: the port the user named, opened exactly as the
// COM settings window opens it (9600 baud, read time-out 0.5 s), at the address given.
// A device path gets a port number only inside this process: the service is told the
// path, the user's folder of port links is left alone.
#pragma once

#include "Aufruf.h"
#include "Leitungszaehler.h"
#include "device/qtserial/QtSerialService.h"

namespace cli {

class Geraeteverbindung {
 public:
  Geraeteverbindung(const Portangabe& port, char adresse);
  ~Geraeteverbindung();  // closes the port and uninstalls the service
  Geraeteverbindung(const Geraeteverbindung&) = delete;
  Geraeteverbindung& operator=(const Geraeteverbindung&) = delete;

  // 0 or the driver's code (-100003 when the port cannot be opened).
  int oeffnen();

 private:
  device::qtserial::QtSerialService service_;
  Leitungszaehler zaehler_{service_};  // what the driver talks through
  int nummer_;
};

}  // namespace cli
