// German number formatting for tests of locale independence.
#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace testsupport {

// Switches LC_NUMERIC to German (decimal comma), as a window toolkit does from the
// environment. Without an installed German locale one is built with localedef in the
// given folder; ok() is false when neither works.
class DeutscheZahlen {
 public:
  explicit DeutscheZahlen(const std::filesystem::path& ordner) {
    if (Setzen()) return;
    const std::string befehl =
        "localedef -i de_DE -f UTF-8 '" + (ordner / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(befehl.c_str()) == -1) return;
    if (!std::filesystem::exists(ordner / "de_DE.UTF-8" / "LC_NUMERIC")) return;
    setenv("LOCPATH", ordner.c_str(), 1);
    eigenerPfad_ = true;
    Setzen();
  }
  ~DeutscheZahlen() {
    std::setlocale(LC_NUMERIC, "C");
    if (eigenerPfad_) unsetenv("LOCPATH");
  }
  DeutscheZahlen(const DeutscheZahlen&) = delete;
  DeutscheZahlen& operator=(const DeutscheZahlen&) = delete;
  bool ok() const { return ok_; }

 private:
  bool Setzen() {
    ok_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr &&
          std::localeconv()->decimal_point[0] == ',';
    return ok_;
  }
  bool ok_ = false;
  bool eigenerPfad_ = false;
};

}  // namespace testsupport
