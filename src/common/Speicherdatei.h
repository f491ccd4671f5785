// Saving a file so that the old one survives any failure, a full disk or a crash in the
// middle: the bytes go to a new temporary file in the target's folder, which replaces the
// target by one rename only once everything is written, flushed and on the disk.
//
// Temporary names are short and unique (".miv" + a hash of the target's name + six random
// characters), so a legal file name of any length can be saved and saving never runs out of
// names. A save that was killed leaves its temporary file behind; the next successful save
// of the same target removes such leftovers. A save in progress holds a lock on its file,
// which the operating system drops when the process dies, so a leftover is told from a
// save still running in another program.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace common {

class Speicherdatei {
 public:
  enum class Ergebnis { Ok, NichtAnlegbar, Schreibfehler, Ersetzfehler };

  // ziel: the file to replace; a link is followed, so the file it names is replaced.
  explicit Speicherdatei(const std::string& ziel);
  ~Speicherdatei();  // removes the temporary file unless it replaced the target
  Speicherdatei(const Speicherdatei&) = delete;
  Speicherdatei& operator=(const Speicherdatei&) = delete;

  // Creates the temporary file. NichtAnlegbar when the folder takes no new file, or when the
  // target exists but is not a regular file the caller may write.
  Ergebnis Oeffnen();
  // Writes all bytes; false on a short write (the failure is kept for Abschliessen).
  bool Schreiben(const void* daten, std::size_t anzahl);
  bool Schreiben(std::string_view text) { return Schreiben(text.data(), text.size()); }
  // Writes out what is buffered, so a failure shows where it happened; false on failure.
  bool Leeren();
  // Flushes the data to the disk and renames the temporary file onto the target, then
  // removes leftovers of earlier saves of the same target. On failure the temporary file
  // is removed and the target is untouched.
  Ergebnis Abschliessen();
  // Abschliessen as the callers' codes: 0, ersetzfehler when the target could not be
  // replaced, schreibfehler when the data did not reach the disk.
  int AbschliessenMitCode(int ersetzfehler, int schreibfehler);
  // Closes and removes the temporary file; the target is untouched.
  void Verwerfen();

  // The system's error number of the first failure (0 if none), for callers that tell
  // failures apart.
  int Fehlernummer() const { return fehlernummer_; }
  const std::string& Ziel() const { return ziel_; }
  const std::string& TemporaererPfad() const { return temporaer_; }

  // The start of the temporary names made for `ziel` in its folder (without the folder).
  static std::string Namensanfang(const std::string& ziel);

 private:
  std::string ziel_;
  std::string temporaer_;
  int fd_ = -1;
  std::string puffer_;
  int fehlernummer_ = 0;
};

}  // namespace common
