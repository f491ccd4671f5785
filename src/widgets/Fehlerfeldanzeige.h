// A window's error fields (lamp, number, text) as a listener of the connection: they show
// the present content at once and every change while the returned subscription lives.
#pragma once

#include "device/Verbindung.h"

class QLabel;
class QLineEdit;

namespace widgets {

[[nodiscard]] device::Verbindung::FehlerAbo FehlerfelderZeigen(device::Verbindung& verbindung,
                                                               QLabel* lampe, QLineEdit* text,
                                                               QLineEdit* nummer);

}  // namespace widgets
