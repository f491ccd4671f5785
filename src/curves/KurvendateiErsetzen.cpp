#include "curves/KurvendateiErsetzen.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <utility>

namespace curves {

Ersatzdatei::Ersatzdatei(std::string ziel) : ziel_(std::move(ziel)) {}

Ersatzdatei::~Ersatzdatei() {
  verwerfen();
}

bool Ersatzdatei::oeffnen(bool textmodus) {
  verwerfen();
  // Renaming would replace even a file the operator may not write; such a file stays.
  if (faccessat(AT_FDCWD, ziel_.c_str(), F_OK, AT_EACCESS) == 0 &&
      faccessat(AT_FDCWD, ziel_.c_str(), W_OK, AT_EACCESS) != 0)
    return false;
  // "x": never reuse a file that is already there (another save, a stale leftover).
  const char* modus = textmodus ? "wx" : "wbx";
  for (int n = 0; n < 100 && !datei_; ++n) {
    temporaer_ = ziel_ + ".tmp" + std::to_string(n);
    datei_ = std::fopen(temporaer_.c_str(), modus);
  }
  if (!datei_) {
    temporaer_.clear();
    return false;
  }
  // The replacement keeps the access rights the operator gave the old file.
  std::error_code fehler;
  const auto rechte = std::filesystem::status(ziel_, fehler).permissions();
  if (!fehler && rechte != std::filesystem::perms::unknown)
    std::filesystem::permissions(temporaer_, rechte, fehler);
  return true;
}

bool Ersatzdatei::schreiben(const void* daten, std::size_t anzahl) {
  if (!datei_) return false;
  return std::fwrite(daten, 1, anzahl, datei_) == anzahl;
}

Ersatzdatei::Ergebnis Ersatzdatei::abschliessen() {
  if (!datei_) return Ergebnis::Schreibfehler;
  const bool geschrieben = std::fflush(datei_) == 0 && !std::ferror(datei_);
  const bool geschlossen = std::fclose(datei_) == 0;
  datei_ = nullptr;
  if (!geschrieben || !geschlossen) {
    verwerfen();
    return Ergebnis::Schreibfehler;
  }
  if (std::rename(temporaer_.c_str(), ziel_.c_str()) != 0) {
    verwerfen();
    return Ergebnis::Ersetzfehler;
  }
  temporaer_.clear();
  return Ergebnis::Ok;
}

void Ersatzdatei::verwerfen() {
  if (datei_) {
    std::fclose(datei_);
    datei_ = nullptr;
  }
  if (!temporaer_.empty()) {
    std::remove(temporaer_.c_str());
    temporaer_.clear();
  }
}

}  // namespace curves
