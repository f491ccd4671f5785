// A raw host end of a terminal line, plain POSIX, for tests that talk to the simulator
// byte by byte: set to a line rate as a host program would (tcsetattr), write frames, read
// answers with a deadline.
//
//   testsupport::Leitung host(runner.path(), 38400);
//   host.schreibe("#1IDR\r");
//   EXPECT_EQ(host.lies(26), "\x06#1ZOR-MIV3AX WUN-2 V1.30\r");
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace testsupport {

class Leitung {
 public:
  // Opens `pfad` raw at `baud` (0: leaves the rate as it is); ok() tells.
  explicit Leitung(const std::string& pfad, long baud = 0);
  // Takes over an open descriptor, raw.
  explicit Leitung(int fd);
  ~Leitung();
  Leitung(const Leitung&) = delete;
  Leitung& operator=(const Leitung&) = delete;

  bool ok() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  // Sets both directions of the line to a standard rate; false if it cannot.
  bool setzeRate(long baud);
  // Writes everything; a test failure when it does not get through.
  void schreibe(const std::string& s);
  // Reads until `n` bytes came, `frist` passed or the line ended.
  std::string lies(std::size_t n,
                   std::chrono::milliseconds frist = std::chrono::milliseconds(2000));

 private:
  int fd_ = -1;
};

}  // namespace testsupport
