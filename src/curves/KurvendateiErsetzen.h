// Writing a file so that the old one survives a failed or interrupted write: the bytes
// go to a temporary file in the target's folder, which replaces the target by renaming
// only when everything has been written and closed.
#pragma once

#include <cstdio>
#include <string>

namespace curves {

class Ersatzdatei {
 public:
  enum class Ergebnis { Ok, Schreibfehler, Ersetzfehler };

  explicit Ersatzdatei(std::string ziel);
  ~Ersatzdatei();  // removes the temporary file unless it replaced the target
  Ersatzdatei(const Ersatzdatei&) = delete;
  Ersatzdatei& operator=(const Ersatzdatei&) = delete;

  // Creates the temporary file; false when that is impossible (no folder, no rights) or
  // when the target exists but may not be written.
  bool oeffnen(bool textmodus);
  std::FILE* datei() const { return datei_; }
  // Writes the whole text; false on a short write.
  bool schreiben(const void* daten, std::size_t anzahl);
  // Flushes and closes the temporary file and renames it onto the target. On failure the
  // temporary file is removed and the target is untouched.
  Ergebnis abschliessen();
  // Closes and removes the temporary file; the target is untouched.
  void verwerfen();

  const std::string& temporaererPfad() const { return temporaer_; }

 private:
  std::string ziel_;
  std::string temporaer_;
  std::FILE* datei_ = nullptr;
};

}  // namespace curves
