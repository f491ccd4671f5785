// The connection symbol (PICTURERING) that every window carries: a plug, drawn apart when
// no port is open, plugged in with the port number for COM1 to COM8, and plugged in with
// "COM>8" above. A left click opens the last port or closes the open one; in direct-help
// mode it shows its help text instead.
#pragma once

#include <QLabel>

#include "device/Verbindung.h"

namespace widgets {

class Verbindungssymbol : public QLabel {
  Q_OBJECT
 public:
  explicit Verbindungssymbol(QWidget* parent = nullptr);

  // The connection the symbol shows and a click opens or closes; it repaints whenever the
  // connection's COM state changes. Without one it shows "not connected" and ignores clicks.
  void VerbindungSetzen(device::Verbindung* verbindung);

  // -1 not connected, 0 connected to a port above 8, 1..8 the port; read from the
  // connection each time it is drawn.
  int Wert() const;

  QSize sizeHint() const override { return {72, 56}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void TooltipSetzen();

  device::Verbindung* verbindung_ = nullptr;
  device::Verbindung::AnzeigeAbo abo_;
};

}  // namespace widgets
