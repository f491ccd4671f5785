// Fixtures that put a simulated WUN-2 behind the driver.
//
// SimPort: the simulator on a real pseudo-terminal, reached through the Qt serial-port
// service as port 9, opened at 9600 baud with a read time-out of 0.5 s:
//
//   #include "support_sim/SimPort.h"      // link miv_testsupport_sim
//   testsupport::SimPort sim;              // device '1' answers on port sim.port() == 9
//   char id[32];
//   ASSERT_EQ(device::ZORFYD1_IDLesen(sim.verbindung(), sim.port(), '1', id), 0);
//   sim.engine().inject({sim::FaultKind::Nak, "BDW"});   // the next memory write gets NAK
//   auto mem = sim.engine().device('1').memory4;         // inspect the device's memory
//
// Options: more addresses ("138"), IDs per address, a shorter time-out for tests of
// silence, pacing at a baud rate, line rates that must match the device's. The connection
// (sim.verbindung()) talks through the simulator's service; its open port is left for the
// test to set. The destructor closes the port and stops the simulator.
//
// SimMemory: the same device engine wired straight into a MemorySerialService (no pty, no
// Qt, no waiting: silence is an immediate time-out) for fast tests, with port 9 opened on
// its connection.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "Engine.h"
#include "PtyRunner.h"
#include "device/MemorySerialService.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"
#include "support/TempDir.h"

namespace testsupport {

// QSerialPort wants an application object for its notifiers; a test program without
// windows gets a QCoreApplication here (once; nothing happens when one exists).
void QtAnwendungSicherstellen();

struct SimPortOptions {
  std::string addresses = "1";
  std::map<char, std::string> ids;
  int port = 9;
  long baud = 9600;
  double timeout = 0.5;
  long pacingBaud = 0;  // 0: the line is as fast as the pty
  // The devices hear and answer only a host whose line runs at their rate (9600 at start;
  // a baud-rate write changes it after its ACK); with pacing on, paced at the real rates.
  bool lineRates = false;
  // The port's path is a symbolic link in a temporary folder, so that after vanish() and
  // comeBack() the port opens at the same path again.
  bool viaLink = false;
};

// The devices at `adressen` with a short time-out, for tests that wait for silence.
inline SimPortOptions KurzeWartezeit(std::string adressen = "1") {
  SimPortOptions o;
  o.addresses = std::move(adressen);
  o.timeout = 0.1;
  return o;
}

class SimPort {
 public:
  explicit SimPort(SimPortOptions options = {});
  ~SimPort();
  SimPort(const SimPort&) = delete;
  SimPort& operator=(const SimPort&) = delete;

  int port() const { return options_.port; }
  const std::string& path() const { return link_.empty() ? runner_.path() : link_; }
  // The pseudo-terminal closes: the host's end is hung up (reads give end of file, writes
  // EIO), and the link goes as a removed adapter's device node does, so a reopen cannot
  // reach another test's terminal that got the freed number. comeBack() serves a new one
  // behind the same link, the devices unchanged.
  void vanish();
  void comeBack();
  sim::Engine& engine() { return engine_; }
  device::qtserial::QtSerialService& service() { return service_; }
  device::Verbindung& verbindung() { return verbindung_; }
  // Puts another connection (a window's, a fixture's) on this port, open.
  void attach(device::Verbindung& v) {
    v.DienstSetzen(&service_);
    v.Port().offen = port();
  }

 private:
  SimPortOptions options_;
  sim::Engine engine_;
  sim::PtyRunner runner_;
  device::qtserial::QtSerialService service_;
  device::Verbindung verbindung_{&service_};
  std::optional<TempDir> ordner_;
  std::string link_;
};

class SimMemory {
 public:
  explicit SimMemory(const std::string& addresses = "1", int port = 9);
  ~SimMemory();
  SimMemory(const SimMemory&) = delete;
  SimMemory& operator=(const SimMemory&) = delete;

  int port() const { return port_; }
  sim::Engine& engine() { return engine_; }
  device::MemorySerialService& service() { return service_; }
  device::Verbindung& verbindung() { return verbindung_; }
  // Puts another connection on this port, open.
  void attach(device::Verbindung& v) {
    v.DienstSetzen(&service_);
    v.Port().offen = port();
  }

 private:
  int port_;
  sim::Engine engine_;
  device::MemorySerialService service_;
  device::Verbindung verbindung_{&service_};
};

}  // namespace testsupport
