// The WUN-2 devices the simulator plays, independent of any transport: it is fed the
// bytes received on the line and returns the bytes to send back. Thread-safe, so a test
// can inject faults or look at a device while a runner serves the line.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Device.h"
#include "Fault.h"

namespace sim {

// The answer to one frame: ACK (or another byte) and any data reply, sent after a delay.
struct Reply {
  std::string bytes;
  int delayMs = 0;
  // The line rate the answer leaves at: the device's rate when the frame came, so the
  // acknowledgement of a baud-rate write still goes at the old rate.
  long baud = 0;
};

class Engine {
 public:
  // Plays one device at each address character given ("1" by default).
  explicit Engine(const std::string& addresses = "1");

  void addDevice(char address);
  bool plays(char address) const;
  std::string addresses() const;

  // Runs f on the device's state under the engine's lock; the device must be played.
  template <class F>
  auto withDevice(char address, F f) {
    std::lock_guard<std::mutex> lock(mutex_);
    return f(deviceLocked(address));
  }
  // A copy of the device's state.
  Device device(char address) const;
  void setId(char address, const std::string& id);
  void setInput(char address, int input, double volts);

  // Faults apply in the order given, at most one per frame.
  void inject(const Fault& fault);
  void clearFaults();

  // Every frame received (with CR) goes to the stream as one text line.
  void setLog(std::ostream* log);
  // The frames received so far (the last 1000), and forgetting them.
  std::vector<std::string> frames() const;
  void clearFrames();

  // Feeds one received byte; a completed frame gives the reply (empty bytes: silence).
  // `lineBaud` is the host's line rate when the frame completes: a device listening at
  // another rate hears only garbage, so it neither executes nor answers. 0: not checked.
  std::optional<Reply> feed(char byte, long lineBaud = 0);
  // Feeds a run of bytes and returns every reply's bytes, delays ignored.
  std::string feed(std::string_view bytes);

 private:
  Device& deviceLocked(char address);
  Reply handleFrame(const std::string& frame, long lineBaud);
  std::string execute(Device& dev, char address, const std::string& body, bool& ok);
  double inputValue(const Device& dev, int input) const;
  std::optional<Fault> takeFault(char address, const std::string& body);

  mutable std::mutex mutex_;
  std::map<char, Device> devices_;
  struct Armed {
    Fault fault;
    long seen = 0;
  };
  std::vector<Armed> faults_;
  std::ostream* log_ = nullptr;
  std::deque<std::string> frames_;
  std::string pending_;
  bool inFrame_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace sim
