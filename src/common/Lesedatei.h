// Opening a file for reading without ever hanging on it: only a regular file is opened (a
// FIFO, a terminal or an endless device such as /dev/zero is refused before a byte is read),
// and a file far larger than any the program writes is refused as well.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace common {

// Far above any legal settings, curve, text or configuration file.
inline constexpr std::int64_t kLesedateiHoechstgroesse = 64LL * 1024 * 1024;

class Lesedatei {
 public:
  enum class Grund { Ok, Fehlt, Ordner, KeineGewoehnlicheDatei, ZuGross, NichtLesbar };

  explicit Lesedatei(const std::string& pfad, bool textmodus = false,
                     std::int64_t hoechstgroesse = kLesedateiHoechstgroesse);
  ~Lesedatei();
  Lesedatei(const Lesedatei&) = delete;
  Lesedatei& operator=(const Lesedatei&) = delete;

  // The open file, or nullptr when it was refused (see Grund).
  std::FILE* Datei() const { return datei_; }
  explicit operator bool() const { return datei_ != nullptr; }
  Grund Ablehnung() const { return grund_; }
  // The size when opened.
  std::int64_t Groesse() const { return groesse_; }

 private:
  std::FILE* datei_ = nullptr;
  Grund grund_ = Grund::Ok;
  std::int64_t groesse_ = 0;
};

}  // namespace common
