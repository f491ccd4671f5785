// The check box "Verify after writing" beside an editor's write buttons: it shows and sets
// the connection's choice, so every window that carries one agrees, and the settings file
// keeps it with the other transfer choices.
#pragma once

#include <QCheckBox>

#include "device/Verbindung.h"

namespace widgets {

class Nachpruefwahl : public QCheckBox {
 public:
  Nachpruefwahl(device::Verbindung& verbindung, QWidget* parent);

 private:
  void Zeigen();

  device::Verbindung& verbindung_;
  device::Verbindung::AnzeigeAbo abo_;
};

}  // namespace widgets
