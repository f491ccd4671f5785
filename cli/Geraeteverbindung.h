// The serial connection of one command: the port the user named, opened exactly as the
// COM settings window opens it (9600 baud, read time-out 0.5 s), at the address given.
// A device path gets a port number only inside this process: the service is told the
// path, the user's folder of port links is left alone.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Aufruf.h"
#include "Leitungszaehler.h"
#include "Speichercache.h"
#include "common/Speicherdatei.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"

namespace cli {

class Geraeteverbindung {
 public:
  // spur: where the frame log goes when the connection closes (--trace), empty for none.
  Geraeteverbindung(const Portangabe& port, char adresse, const std::string& spur = {});
  ~Geraeteverbindung();  // closes the port, writes the frame log
  Geraeteverbindung(const Geraeteverbindung&) = delete;
  Geraeteverbindung& operator=(const Geraeteverbindung&) = delete;

  // 0 or the driver's code (-100003 when the port cannot be opened); a trace file that
  // cannot be made fails before anything is sent (device::kFehlerLogOeffnen).
  int Oeffnen();
  // The connection every device command of this run goes through.
  device::Verbindung& Verbindung() { return verbindung_; }

  // Before a memory transfer: the command line's choices, and what earlier runs remember
  // of the device memories behind this port, which goes back to the cache with what this
  // run learns when the connection closes.
  void SpeichertransferVorbereiten(bool schnell, bool geaendert);

 private:
  void CacheZurueckschreiben();
  void SpurSchreiben();

  device::qtserial::QtSerialService service_;
  Leitungszaehler zaehler_{service_};  // what the driver talks through
  device::Verbindung verbindung_{&zaehler_};
  int nummer_;
  std::string portname_;
  device::Verbindung::HinweisAbo hinweisAbo_;
  std::string cachePfad_;                 // empty: no cache in this run
  std::vector<Cachezeile> fremdeZeilen_;  // other ports', written back unchanged
  std::string spurPfad_;
  std::unique_ptr<common::Speicherdatei> spur_;  // open from Oeffnen on
};

}  // namespace cli
