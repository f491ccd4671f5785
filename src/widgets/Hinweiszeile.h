// A window's status line as a listener of the connection's notices (a transfer that fell
// back to 9600 baud, a device found at another rate, a cancel): each shows there for a
// while, as long as the returned subscription lives.
#pragma once

#include "device/Verbindung.h"

class QMainWindow;

namespace widgets {

// How long a notice stays in the status line.
inline constexpr int kHinweisDauerMs = 20000;

[[nodiscard]] device::Verbindung::HinweisAbo HinweiseZeigen(device::Verbindung& verbindung,
                                                            QMainWindow* fenster);

}  // namespace widgets
