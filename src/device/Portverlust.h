// A port whose device vanishes and returns. When the serial service says the device is
// gone, the driver hands over to PortVerschwunden: the port is closed, the line marked gone,
// every connection symbol goes offline and the error fields name the loss, so nothing waits
// out time-outs on a dead line. Wiederverbindung, driven by a timer, tries the same port
// now and then and reopens it with the same line settings and address when it is back.
#pragma once

#include <chrono>
#include <optional>

#include "device/Protokollfehler.h"

namespace device {

class Verbindung;

// The port's device is gone (unplugged, hung up); not a time-out.
inline constexpr int kFehlerPortWeg = Protokollfehler(kKatNichtOffen, 700);

// Closes `port`, marks the line gone and shows it; kFehlerPortWeg. Until the port opens
// again every exchange on it gives that code at once; nothing more is shown meanwhile.
int PortVerschwunden(Verbindung& v, int port);

// One attempt to open the vanished port again at the rate and read time-out it had. On
// success the port is the open one, the symbols show it, the error fields are cleared, a
// notice says so and the line's listeners hear it is back: 0. Otherwise the driver's code
// and nothing changes (the error fields keep saying the port is gone).
int PortWiederOeffnen(Verbindung& v);

// Asks the open port whether its device is still there (an exchange-free query), so a
// loss shows while no command runs: kFehlerPortWeg when it is gone, else 0.
int PortPruefen(Verbindung& v);

// After an open the operator asked for: a line that was gone is there again.
void PortGeoeffnetMelden(Verbindung& v, int port);

// Once per interval, on the clock it is given: while the line is there, asks the open port
// whether it still is (PortPruefen); while it is gone, tries to reopen it.
class Wiederverbindung {
 public:
  using Zeitpunkt = std::chrono::steady_clock::time_point;
  static constexpr std::chrono::milliseconds kAbstand{1000};

  explicit Wiederverbindung(Verbindung& v, std::chrono::milliseconds abstand = kAbstand)
      : v_(v), abstand_(abstand) {}

  // Call often (the first call starts the clock); true when this call brought the port back.
  bool Takt(Zeitpunkt jetzt);

 private:
  Verbindung& v_;
  std::chrono::milliseconds abstand_;
  std::optional<Zeitpunkt> naechster_;
};

}  // namespace device
