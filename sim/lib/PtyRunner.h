// Serves an Engine on a line: a new pseudo-terminal (the program under test opens its
// slave path like a serial port) or a device path it is given. A background thread reads
// the line with poll and answers; stop() ends it at once.
//
// Pacing: with a baud rate set, every character takes 10 bit times on the line in both
// directions, so a frame counts as received only after its line time and replies leave
// one character time after another, as on a real link.
//
// Line rates: when followed, the host's rate is read from the pseudo-terminal's settings
// (what the host set with tcsetattr on its end) at every read; a device listening at
// another rate neither executes nor answers, as a real line would carry it garbage.
// Pacing then runs at the real rates: the host's for what comes in, the answering
// device's for what goes out.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "Engine.h"

namespace sim {

class PtyRunner {
 public:
  explicit PtyRunner(Engine& engine);
  ~PtyRunner();
  PtyRunner(const PtyRunner&) = delete;
  PtyRunner& operator=(const PtyRunner&) = delete;

  // Opens a new pseudo-terminal in raw mode. It keeps a slave descriptor open itself, so the
  // master never sees a hang-up while the program closes and reopens the port.
  bool openPty();
  // Serves an existing device: raw, 7 data bits, odd parity, 1 stop bit at `lineBaud`
  // (settings a pseudo-terminal refuses are let pass).
  bool openDevice(const std::string& path, long lineBaud = 9600);

  // 0: no pacing. Set before start().
  void setPacing(long baud) { pacingBaud_ = baud; }
  // Only on a pseudo-terminal; with pacing on, any pacing rate > 0 turns it on. Set
  // before start().
  void followLineRates(bool on) { followRates_ = on; }
  // The host's line rate as its end of the pseudo-terminal is set (0 when not known, -1
  // for a rate that is not a whole standard one).
  long hostBaud() const;

  // Stops serving and closes the line. A host with the pseudo-terminal open sees a
  // hang-up: its reads return 0 (end of file), its writes fail with EIO, and opening the
  // old path fails with ENOENT. openPty() then serves a new one, the engine unchanged.
  void close();

  bool start();
  void stop();
  bool running() const { return thread_.joinable(); }

  // The path the program under test opens.
  const std::string& path() const { return path_; }
  // Why the last open failed.
  const std::string& error() const { return error_; }

 private:
  using Clock = std::chrono::steady_clock;
  void loop();
  // Waits until `t`; false when a stop was asked for meanwhile.
  bool waitUntil(Clock::time_point t);
  bool writeAll(const char* data, std::size_t n);
  bool sendReply(const Reply& reply, Clock::time_point received, long baud);
  void closeAll();

  Engine& engine_;
  int fd_ = -1;
  int slaveFd_ = -1;
  int wake_[2] = {-1, -1};
  std::string path_;
  std::string error_;
  long pacingBaud_ = 0;
  bool followRates_ = false;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace sim
