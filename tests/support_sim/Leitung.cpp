#include "support_sim/Leitung.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

namespace testsupport {

namespace {

void roh(int fd) {
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);
}

}  // namespace

Leitung::Leitung(const std::string& pfad, long baud)
    : fd_(::open(pfad.c_str(), O_RDWR | O_NOCTTY)) {
  if (fd_ < 0) return;
  roh(fd_);
  if (baud > 0 && !setzeRate(baud)) {
    ::close(fd_);
    fd_ = -1;
  }
}

Leitung::Leitung(int fd) : fd_(fd) {
  if (fd_ >= 0) roh(fd_);
}

Leitung::~Leitung() {
  if (fd_ >= 0) ::close(fd_);
}

bool Leitung::setzeRate(long baud) {
  speed_t s = B0;
  switch (baud) {
    case 4800:
      s = B4800;
      break;
    case 9600:
      s = B9600;
      break;
    case 19200:
      s = B19200;
      break;
    case 38400:
      s = B38400;
      break;
    case 115200:
      s = B115200;
      break;
    default:
      return false;
  }
  termios t{};
  if (tcgetattr(fd_, &t) != 0) return false;
  cfsetispeed(&t, s);
  cfsetospeed(&t, s);
  return tcsetattr(fd_, TCSANOW, &t) == 0;
}

void Leitung::schreibe(const std::string& s) {
  ASSERT_EQ(::write(fd_, s.data(), s.size()), static_cast<ssize_t>(s.size()));
}

std::string Leitung::lies(std::size_t n, std::chrono::milliseconds frist) {
  using Clock = std::chrono::steady_clock;
  std::string r;
  const auto ende = Clock::now() + frist;
  while (r.size() < n) {
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Clock::now());
    if (rest.count() <= 0) break;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(rest.count())) <= 0) break;
    char b[256];
    const ssize_t k = ::read(fd_, b, std::min(sizeof b, n - r.size()));
    if (k <= 0) break;
    r.append(b, static_cast<std::size_t>(k));
  }
  return r;
}

}  // namespace testsupport
