// Input polling across a vanished port: polling stops with the first reading that finds
// the port gone; once the line is back, polling that ran when it went starts again.
#pragma once

#include "device/Verbindung.h"

namespace direct {

struct Direktsitzung;

class Abfragewache {
 public:
  // Both outlive the watch.
  Abfragewache(Direktsitzung& s, device::Verbindung& v);
  Abfragewache(const Abfragewache&) = delete;
  Abfragewache& operator=(const Abfragewache&) = delete;

  // Polling starts again when the line returns.
  bool Fortsetzen() const { return fortsetzen_; }

 private:
  void Gemeldet(device::Leitungszustand zustand);

  Direktsitzung& s_;
  device::Verbindung& v_;
  bool fortsetzen_ = false;
  device::Verbindung::LeitungsAbo abo_;
};

}  // namespace direct
