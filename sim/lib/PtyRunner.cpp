#include "PtyRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "LineRate.h"

namespace sim {

namespace {

void makeRaw(int fd, speed_t speed, bool sevenOdd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  t.c_cflag |= CLOCAL | CREAD;
  if (sevenOdd) {
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB);
    t.c_cflag |= CS7 | PARENB | PARODD;
  }
  cfsetispeed(&t, speed);
  cfsetospeed(&t, speed);
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  // A pseudo-terminal ignores what it cannot do; a refusal here changes nothing served.
  tcsetattr(fd, TCSANOW, &t);
}

speed_t speedOf(long baud) {
  switch (baud) {
    case 4800:
      return B4800;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 9600:
      return B9600;
    case 115200:
      return B115200;
    default:
      return B0;
  }
}

}  // namespace

PtyRunner::PtyRunner(Engine& engine) : engine_(engine) {}

PtyRunner::~PtyRunner() {
  stop();
  closeAll();
}

void PtyRunner::closeAll() {
  for (int* fd : {&fd_, &slaveFd_, &wake_[0], &wake_[1]}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

void PtyRunner::close() {
  stop();
  closeAll();
}

long PtyRunner::hostBaud() const {
  return slaveFd_ >= 0 ? lineRateOf(slaveFd_) : 0;
}

bool PtyRunner::openPty() {
  stop();
  closeAll();
  // Close-on-exec: a program the host process starts must not keep the line open, or
  // closing it would never hang up the program's end.
  fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
    error_ = std::string("no pseudo-terminal: ") + std::strerror(errno);
    closeAll();
    return false;
  }
  char name[128];
  if (ptsname_r(fd_, name, sizeof name) != 0) {
    error_ = std::string("ptsname: ") + std::strerror(errno);
    closeAll();
    return false;
  }
  path_ = name;
  slaveFd_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slaveFd_ < 0) {
    error_ = std::string("cannot open ") + name + ": " + std::strerror(errno);
    closeAll();
    return false;
  }
  makeRaw(slaveFd_, B9600, false);
  fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
  return true;
}

bool PtyRunner::openDevice(const std::string& path, long lineBaud) {
  stop();
  closeAll();
  // A rate the line cannot be set to is refused, not served at another rate.
  const speed_t speed = speedOf(lineBaud);
  if (speed == B0) {
    error_ = "cannot serve " + path + " at " + std::to_string(lineBaud) + " baud";
    return false;
  }
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    error_ = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  makeRaw(fd_, speed, true);
  path_ = path;
  return true;
}

bool PtyRunner::start() {
  if (fd_ < 0 || thread_.joinable()) return false;
  if (wake_[0] < 0 && pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
    error_ = std::string("pipe: ") + std::strerror(errno);
    return false;
  }
  stop_ = false;
  thread_ = std::thread([this] { loop(); });
  return true;
}

void PtyRunner::stop() {
  if (!thread_.joinable()) return;
  stop_ = true;
  const char c = 's';
  if (::write(wake_[1], &c, 1) < 0) {
    // The pipe is full of earlier wake-ups: the thread wakes anyway.
  }
  thread_.join();
  char buf[64];
  while (::read(wake_[0], buf, sizeof buf) > 0) {
  }
}

bool PtyRunner::waitUntil(Clock::time_point t) {
  for (;;) {
    if (stop_) return false;
    const auto now = Clock::now();
    if (now >= t) return true;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(t - now).count();
    if (left > 2000) {
      // Sleep most of the way in poll (wakes on stop), the last stretch precisely.
      pollfd p{wake_[0], POLLIN, 0};
      ::poll(&p, 1, static_cast<int>((left - 1000) / 1000));
    } else {
      std::this_thread::sleep_until(t);
    }
  }
}

bool PtyRunner::writeAll(const char* data, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd_, data, n);
    if (w > 0) {
      data += w;
      n -= static_cast<std::size_t>(w);
      continue;
    }
    if (w < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd p[2] = {{fd_, POLLOUT, 0}, {wake_[0], POLLIN, 0}};
    ::poll(p, 2, 100);
    if (stop_) return false;
  }
  return true;
}

bool PtyRunner::sendReply(const Reply& reply, Clock::time_point received, long baud) {
  Clock::time_point t = received;
  if (reply.delayMs > 0) {
    t += std::chrono::milliseconds(reply.delayMs);
    if (!waitUntil(t)) return false;
  }
  if (reply.bytes.empty()) return true;
  if (baud <= 0) return writeAll(reply.bytes.data(), reply.bytes.size());
  const auto charTime = std::chrono::nanoseconds(10'000'000'000LL / baud);
  for (char c : reply.bytes) {
    t += charTime;
    if (!waitUntil(t)) return false;
    if (!writeAll(&c, 1)) return false;
  }
  return true;
}

void PtyRunner::loop() {
  // Paced characters are timed to a few microseconds; the default 50 us of timer slack
  // would add up over every character.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  std::vector<char> buf(4096);
  Clock::time_point lineFree = Clock::now();
  const bool follow = followRates_ && slaveFd_ >= 0;
  const auto charTimeAt = [this](long baud) {
    return pacingBaud_ > 0 && baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud)
                                       : std::chrono::nanoseconds(0);
  };
  while (!stop_) {
    pollfd p[2] = {{fd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(p, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (stop_) break;
    if (p[0].revents & (POLLERR | POLLNVAL)) break;
    if (p[0].revents & POLLHUP && !(p[0].revents & POLLIN)) {
      // A device whose other end is gone: wait a little instead of spinning.
      pollfd w{wake_[0], POLLIN, 0};
      ::poll(&w, 1, 50);
      continue;
    }
    if (!(p[0].revents & POLLIN)) continue;
    const ssize_t n = ::read(fd_, buf.data(), buf.size());
    if (n <= 0) {
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      pollfd w{wake_[0], POLLIN, 0};
      ::poll(&w, 1, 50);
      continue;
    }
    const auto readAt = Clock::now();
    // Read once per chunk: a host changes its rate only between its own writes.
    const long host = follow ? hostBaud() : 0;
    const auto charTime = charTimeAt(follow ? host : pacingBaud_);
    for (ssize_t i = 0; i < n; ++i) {
      // On a paced line a byte is there one character time after the line was free.
      lineFree = std::max(lineFree, readAt) + charTime;
      // A rate that cannot be read (0) would switch the check off: count it a mismatch.
      if (auto reply =
              engine_.feed(buf[static_cast<std::size_t>(i)], follow ? (host > 0 ? host : -1) : 0)) {
        // On a paced line the answer's first character is timed from the moment the frame
        // has fully arrived (sendReply waits for it).
        const auto received = pacingBaud_ > 0 ? lineFree : Clock::now();
        const long out = pacingBaud_ <= 0 ? 0 : follow ? reply->baud : pacingBaud_;
        if (!sendReply(*reply, received, out)) return;
        if (pacingBaud_ > 0) lineFree = std::max(lineFree, Clock::now());
      }
    }
  }
}

}  // namespace sim
