// Byte-level access to files for the file tests, and a write limit that makes writes come
// up short on purpose.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testsupport {

inline std::vector<std::uint8_t> Bytes(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void BytesSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void TextSchreiben(const std::string& pfad, const std::string& text) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f << text;
}

inline std::string Text(const std::string& pfad) {
  auto b = Bytes(pfad);
  return {b.begin(), b.end()};
}

inline std::int32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
  return static_cast<std::int32_t>(v);
}

inline void Le32Setzen(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t wert) {
  const auto v = static_cast<std::uint32_t>(wert);
  for (std::size_t i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

inline double LeDouble(const std::vector<std::uint8_t>& b, std::size_t at) {
  double d = 0.0;
  std::memcpy(&d, b.data() + at, sizeof(d));
  return d;
}

inline void LeDoubleSetzen(std::vector<std::uint8_t>& b, std::size_t at, double d) {
  std::memcpy(b.data() + at, &d, sizeof(d));
}

// Limits the size of files this process may write; the signal the kernel sends on reaching
// it is ignored so the write just comes up short.
class Schreibgrenze {
 public:
  explicit Schreibgrenze(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &alt_);
    vorher_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit neu = alt_;
    neu.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &neu);
  }
  ~Schreibgrenze() {
    setrlimit(RLIMIT_FSIZE, &alt_);
    std::signal(SIGXFSZ, vorher_);
  }
  Schreibgrenze(const Schreibgrenze&) = delete;
  Schreibgrenze& operator=(const Schreibgrenze&) = delete;

 private:
  rlimit alt_{};
  void (*vorher_)(int) = nullptr;
};

}  // namespace testsupport
