#include "Engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace sim {

namespace {

constexpr char kCR = 13;
constexpr char kACK = 6;
constexpr char kNAK = 21;
constexpr char kCAN = 24;
constexpr std::size_t kMaxFrame = 512;
constexpr std::size_t kKeptFrames = 1000;
constexpr char kHex[] = "0123456789ABCDEF";

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `digits` hex digits at `pos`; -1 if any is not one.
long hexAt(const std::string& s, std::size_t pos, int digits) {
  if (pos + static_cast<std::size_t>(digits) > s.size()) return -1;
  long v = 0;
  for (int i = 0; i < digits; ++i) {
    const int d = hexDigit(s[pos + static_cast<std::size_t>(i)]);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

void hex(std::string& s, unsigned v, int digits) {
  for (int i = digits - 1; i >= 0; --i) s += kHex[(v >> (4 * i)) & 0xF];
}

std::string fixed3(double v) {
  char b[32];
  const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed, 3);
  return std::string(b, r.ptr);
}

std::string decimal(double v) {
  char b[32];
  const auto r = std::to_chars(b, b + sizeof b, v);
  return std::string(b, r.ptr);
}

bool parseNumber(std::string_view s, double* v) {
  if (s.empty()) return false;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), *v);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(*v);
}

char otherAddress(char a) {
  return a == '1' ? '2' : '1';
}

void wrongEcho(const std::string& body, std::string& data) {
  if (data.size() < 4) return;
  if (body.rfind("IDR", 0) == 0) {
    data[1] = otherAddress(data[1]);
  } else if (body.rfind("BDR", 0) == 0) {
    data[5] = data[5] == '4' ? '5' : '4';
  } else {
    char& c = data[3];
    if (c >= '0' && c <= '9')
      c = c == '1' ? '2' : c == '2' ? '1' : c == '3' ? '4' : '3';
    else if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    else
      c = static_cast<char>(c - 'A' + 'a');
  }
}

// After an accepted block write "BDW t SSSS NNNN ...": inverts the stored byte at `position`
// of the block (negative: from the end), as a device whose memory cell failed would.
void corruptStored(Device& dev, const std::string& body, int position) {
  const long start = hexAt(body, 4, 4);
  const long count = hexAt(body, 8, 4);
  const long p = position >= 0 ? position : count + position;
  if (p < 0 || p >= count) return;
  dev.memory(body[3] - '0')[static_cast<std::size_t>(start + p)] ^= 0xFF;
}

}  // namespace

Engine::Engine(const std::string& addresses) {
  for (char a : addresses) addDevice(a);
}

void Engine::addDevice(char address) {
  std::lock_guard<std::mutex> lock(mutex_);
  devices_.try_emplace(address);
}

bool Engine::plays(char address) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return devices_.count(address) != 0;
}

std::string Engine::addresses() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string s;
  for (const auto& [a, d] : devices_) s += a;
  return s;
}

Device& Engine::deviceLocked(char address) {
  const auto it = devices_.find(address);
  if (it == devices_.end()) throw std::out_of_range(std::string("no device at ") + address);
  return it->second;
}

Device Engine::device(char address) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto it = devices_.find(address);
  if (it == devices_.end()) throw std::out_of_range(std::string("no device at ") + address);
  return it->second;
}

void Engine::setId(char address, const std::string& id) {
  withDevice(address, [&](Device& d) { d.id = id; });
}

void Engine::setInput(char address, int input, double volts) {
  withDevice(address, [&](Device& d) {
    d.inputs.at(static_cast<std::size_t>(input - 1)) = Signal{volts, 0.0, 0.0};
  });
}

void Engine::inject(const Fault& fault) {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.push_back({fault, 0});
}

void Engine::clearFaults() {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.clear();
}

void Engine::setLog(std::ostream* log) {
  std::lock_guard<std::mutex> lock(mutex_);
  log_ = log;
}

std::vector<std::string> Engine::frames() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return {frames_.begin(), frames_.end()};
}

void Engine::clearFrames() {
  std::lock_guard<std::mutex> lock(mutex_);
  frames_.clear();
}

std::optional<Reply> Engine::feed(char byte, long lineBaud) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (byte == '#') {
    // A new frame begins; whatever came before it unterminated is noise.
    pending_.assign(1, '#');
    inFrame_ = true;
    return std::nullopt;
  }
  if (!inFrame_) return std::nullopt;
  pending_ += byte;
  if (byte == kCR) {
    inFrame_ = false;
    return handleFrame(pending_, lineBaud);
  }
  if (pending_.size() > kMaxFrame) inFrame_ = false;
  return std::nullopt;
}

std::string Engine::feed(std::string_view bytes) {
  std::string out;
  for (char c : bytes)
    if (auto r = feed(c)) out += r->bytes;
  return out;
}

double Engine::inputValue(const Device& dev, int input) const {
  const Signal& s = dev.inputs[static_cast<std::size_t>(input)];
  double v = s.offset;
  if (s.periodSeconds > 0.0) {
    const double t =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    v += s.amplitude * std::sin(2.0 * 3.14159265358979323846 * t / s.periodSeconds);
  }
  return std::clamp(v, 0.0, 10.0);
}

std::optional<Fault> Engine::takeFault(char address, const std::string& body) {
  std::optional<Fault> fired;
  for (auto it = faults_.begin(); it != faults_.end();) {
    const Fault& f = it->fault;
    const bool matches = (f.address == 0 || f.address == address) && body.rfind(f.command, 0) == 0;
    if (!matches) {
      ++it;
      continue;
    }
    ++it->seen;
    if (f.everyNth <= 0) {
      if (!fired) {
        fired = f;
        it = faults_.erase(it);
        continue;
      }
    } else if (it->seen % f.everyNth == 0 && !fired) {
      fired = f;
    }
    ++it;
  }
  return fired;
}

Reply Engine::handleFrame(const std::string& frame, long lineBaud) {
  if (log_) {
    log_->write(frame.data(), static_cast<std::streamsize>(frame.size() - 1));
    *log_ << '\n';
    log_->flush();
  }
  frames_.push_back(frame);
  if (frames_.size() > kKeptFrames) frames_.pop_front();
  if (frame.size() < 3) return {};
  const char address = frame[1];
  const std::string body = frame.substr(2, frame.size() - 3);
  const auto hears = [lineBaud](const Device& d) {
    return lineBaud == 0 || lineBaud == d.baudRate;
  };

  // Broadcasts are executed by every device and answered by none.
  if (address == '&' || (address == '9' && body.rfind("BRW", 0) == 0)) {
    for (auto& [a, d] : devices_) {
      bool ok = true;
      if (body.rfind("DAW", 0) != 0 && hears(d)) execute(d, a, body, ok);
    }
    return {};
  }
  if (devices_.count(address) == 0 || !hears(devices_.at(address))) return {};
  const long spokenAt = devices_.at(address).baudRate;

  const std::optional<Fault> fault = takeFault(address, body);
  Reply reply;
  if (fault) {
    switch (fault->kind) {
      case FaultKind::Silence:
        return {};
      case FaultKind::Nak:
        return {std::string(1, kNAK), 0, spokenAt};
      case FaultKind::Can:
        return {std::string(1, kCAN), 0, spokenAt};
      case FaultKind::WrongByte:
        return {std::string(1, static_cast<char>(fault->byte)), 0, spokenAt};
      default:
        break;
    }
  }

  bool ok = true;
  Device& dev = devices_.at(address);
  std::string data = execute(dev, address, body, ok);
  if (!ok)
    return {std::string(1, kNAK), fault && fault->kind == FaultKind::Delay ? fault->delayMs : 0,
            spokenAt};
  if (fault && fault->kind == FaultKind::Corrupt && body.rfind("BDW", 0) == 0)
    corruptStored(dev, body, fault->position);

  // The address command moves the device once it has acknowledged.
  if (body.size() == 4 && body.rfind("DAW", 0) == 0 && body[3] != address) {
    Device moved = std::move(devices_.at(address));
    devices_.erase(address);
    devices_[body[3]] = std::move(moved);
  }

  if (fault && !data.empty()) {
    switch (fault->kind) {
      case FaultKind::Garble: {
        const long n = static_cast<long>(data.size());
        const long p = fault->position >= 0 ? fault->position : n + fault->position;
        if (p >= 0 && p < n) data[static_cast<std::size_t>(p)] = static_cast<char>(fault->byte);
        break;
      }
      case FaultKind::Truncate: {
        const std::size_t cut = std::min<std::size_t>(
            static_cast<std::size_t>(std::max(fault->length, 0)), data.size() - 1);
        data.erase(data.size() - 1 - cut, cut);
        break;
      }
      case FaultKind::WrongEcho:
        wrongEcho(body, data);
        break;
      case FaultKind::WrongChecksum:
        if (body.rfind("BDR", 0) == 0 && data.size() >= 5) {
          const long c = hexAt(data, data.size() - 5, 4);
          data.resize(data.size() - 5);
          hex(data, static_cast<unsigned>((c + 1) & 0xFFFF), 4);
          data += kCR;
        }
        break;
      default:
        break;
    }
  }
  reply.bytes = std::string(1, kACK) + data;
  reply.baud = spokenAt;
  if (fault && fault->kind == FaultKind::Delay) reply.delayMs = fault->delayMs;
  return reply;
}

std::string Engine::execute(Device& dev, char address, const std::string& body, bool& ok) {
  const std::string head = std::string("#") + address;
  const auto is = [&](const char* cmd) { return body.rfind(cmd, 0) == 0; };

  if (body == "IDR") return head + dev.id + kCR;
  if (body == "DF1" || body == "DF2") {
    dev.running = body == "DF1";
    return {};
  }
  if (body.size() >= 3 && body[0] == 'V' && body[1] >= '1' && body[1] <= '4') {
    const int n = body[1] - '1';
    if (body.size() == 3 && body[2] == 'R') return head + body + fixed3(inputValue(dev, n)) + kCR;
    double v = 0;
    if (body[2] == 'W' && parseNumber(std::string_view(body).substr(3), &v) && v >= 0.0 &&
        v <= 10.0) {
      dev.outputs[static_cast<std::size_t>(n)] = v;
      return {};
    }
  }
  if (body == "M1R") {
    std::string r = head + body;
    if (dev.m1rAsSpeicherinhalt) {
      r += decimal(dev.speicherinhalt);
    } else {
      r += '$';
      hex(r, dev.mode, 2);
    }
    return r + kCR;
  }
  if (body == "CbR") return head + body + decimal(dev.maxCurrent) + kCR;
  if (body == "S1R") {
    std::string r = head + body;
    if (dev.s1rAsStatus) {
      r += '$';
      hex(r, dev.status1, 2);
    } else {
      r += decimal(dev.compartibilityMode);
    }
    return r + kCR;
  }
  if (body == "S2R") {
    std::string r = head + body + '$';
    hex(r, dev.status2, 2);
    return r + kCR;
  }
  if ((is("M1S") || is("M1C")) && body.size() == 5) {
    const long m = hexAt(body, 3, 2);
    if (m >= 0) {
      if (body[2] == 'S')
        dev.mode = static_cast<std::uint8_t>(dev.mode | m);
      else
        dev.mode = static_cast<std::uint8_t>(dev.mode & ~m);
      return {};
    }
  }
  if ((is("BDR") || is("BDW")) && body.size() >= 12 && (body[3] == '4' || body[3] == '5')) {
    const int type = body[3] - '0';
    const long start = hexAt(body, 4, 4);
    const long count = hexAt(body, 8, 4);
    auto& mem = dev.memory(type);
    const bool inRange =
        start >= 0 && count >= 0 && static_cast<std::size_t>(start + count) <= Device::kMemorySize;
    if (is("BDR") && body.size() == 12 && inRange) {
      std::string r = head + "BDR";
      r += body[3];
      hex(r, static_cast<unsigned>(start), 4);
      hex(r, static_cast<unsigned>(count), 4);
      unsigned sum = 1;
      for (long i = 0; i < count; ++i) {
        const std::uint8_t b = mem[static_cast<std::size_t>(start + i)];
        hex(r, b, 2);
        sum += b;
      }
      hex(r, sum & 0xFFFF, 4);
      return r + kCR;
    }
    if (is("BDW") && inRange && body.size() == static_cast<std::size_t>(16 + 2 * count)) {
      std::vector<std::uint8_t> bytes;
      unsigned sum = 1;
      for (long i = 0; i < count; ++i) {
        const long b = hexAt(body, static_cast<std::size_t>(12 + 2 * i), 2);
        if (b < 0) break;
        bytes.push_back(static_cast<std::uint8_t>(b));
        sum += static_cast<unsigned>(b);
      }
      const long check = hexAt(body, static_cast<std::size_t>(12 + 2 * count), 4);
      if (static_cast<long>(bytes.size()) == count && check == static_cast<long>(sum & 0xFFFF)) {
        std::copy(bytes.begin(), bytes.end(), mem.begin() + start);
        return {};
      }
    }
  }
  if (is("BRW")) {
    const std::string rate = body.substr(3);
    double baud = 0;
    if (rate.find_first_not_of("0123456789") == std::string::npos && parseNumber(rate, &baud) &&
        (baud == 4800 || baud == 9600 || baud == 19200 || baud == 38400) &&
        (dev.maxBaud <= 0 || baud <= static_cast<double>(dev.maxBaud))) {
      dev.baudRate = static_cast<long>(baud);
      return {};
    }
  }
  if (is("DAW") && body.size() == 4 && body[3] >= '0' && body[3] <= '8' &&
      (body[3] == address || devices_.count(body[3]) == 0))
    return {};
  ok = false;
  return {};
}

}  // namespace sim
