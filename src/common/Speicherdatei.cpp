#include "common/Speicherdatei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace common {

namespace {

constexpr std::size_t kPuffergroesse = 16384;
constexpr char kZufallsteil[] = "XXXXXX";

// A link is followed, so the rename replaces the file the link names, not the link.
std::string Aufgeloest(const std::string& pfad) {
  struct stat info;
  if (::lstat(pfad.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return pfad;
  char* echt = ::realpath(pfad.c_str(), nullptr);
  if (!echt) return pfad;
  std::string ergebnis(echt);
  std::free(echt);
  return ergebnis;
}

// The folder with its trailing slash, or "" for a bare name.
std::string OrdnerVon(const std::string& pfad) {
  const std::size_t schraeg = pfad.rfind('/');
  return schraeg == std::string::npos ? std::string() : pfad.substr(0, schraeg + 1);
}

std::string NameVon(const std::string& pfad) {
  const std::size_t schraeg = pfad.rfind('/');
  return schraeg == std::string::npos ? pfad : pfad.substr(schraeg + 1);
}

mode_t NeueRechte() {
  const mode_t maske = ::umask(0);
  ::umask(maske);
  return 0666 & ~maske;
}

bool AllesSchreiben(int fd, const char* daten, std::size_t anzahl, int& fehler) {
  while (anzahl > 0) {
    const ssize_t n = ::write(fd, daten, anzahl);
    if (n < 0) {
      if (errno == EINTR) continue;
      fehler = errno;
      return false;
    }
    daten += n;
    anzahl -= static_cast<std::size_t>(n);
  }
  return true;
}

void OrdnerSichern(const std::string& ordner) {
  const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // makes the new name durable; the data already is
  ::close(fd);
}

// Removes temporary files of earlier saves of the same target that no running save holds:
// our own pattern, a regular file of ours, and its lock free.
void ResteEntfernen(const std::string& ordner, const std::string& anfang) {
  DIR* d = ::opendir(ordner.empty() ? "." : ordner.c_str());
  if (!d) return;
  std::vector<std::string> reste;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name.size() == anfang.size() + sizeof kZufallsteil - 1 &&
        name.compare(0, anfang.size(), anfang) == 0)
      reste.push_back(name);
  }
  ::closedir(d);
  for (const std::string& name : reste) {
    const std::string pfad = ordner + name;
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) continue;
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(pfad.c_str());
    ::close(fd);
  }
}

}  // namespace

std::string Speicherdatei::Namensanfang(const std::string& ziel) {
  // FNV-1a over the target's name: the leftovers of one target are told from another's
  // without the name itself, whose length could push the temporary name over the limit.
  std::uint32_t h = 2166136261u;
  for (unsigned char z : NameVon(ziel)) {
    h ^= z;
    h *= 16777619u;
  }
  static const char kHex[] = "0123456789abcdef";
  std::string anfang = ".miv";
  for (int i = 7; i >= 0; --i) anfang += kHex[(h >> (4 * i)) & 0xF];
  anfang += '.';
  return anfang;
}

Speicherdatei::Speicherdatei(const std::string& ziel) : ziel_(Aufgeloest(ziel)) {}

Speicherdatei::~Speicherdatei() {
  Verwerfen();
}

Speicherdatei::Ergebnis Speicherdatei::Oeffnen() {
  Verwerfen();
  fehlernummer_ = 0;
  if (ziel_.empty()) {
    fehlernummer_ = ENOENT;
    return Ergebnis::NichtAnlegbar;
  }
  struct stat alt;
  const bool vorhanden = ::stat(ziel_.c_str(), &alt) == 0;
  if (vorhanden) {
    // A folder, a FIFO or a device is not replaced by a file; nor is a file the caller may
    // not write, which the rename alone would replace all the same.
    if (!S_ISREG(alt.st_mode)) {
      fehlernummer_ = S_ISDIR(alt.st_mode) ? EISDIR : EINVAL;
      return Ergebnis::NichtAnlegbar;
    }
    // A file without any write permission is protected, even from a user who could
    // write it all the same.
    if ((alt.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      fehlernummer_ = EACCES;
      return Ergebnis::NichtAnlegbar;
    }
    if (::faccessat(AT_FDCWD, ziel_.c_str(), W_OK, AT_EACCESS) != 0) {
      fehlernummer_ = errno;
      return Ergebnis::NichtAnlegbar;
    }
  } else if (errno != ENOENT) {
    fehlernummer_ = errno;
    return Ergebnis::NichtAnlegbar;
  }
  std::string name = OrdnerVon(ziel_) + Namensanfang(ziel_) + kZufallsteil;
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    fehlernummer_ = errno;
    return Ergebnis::NichtAnlegbar;
  }
  fd_ = fd;
  temporaer_ = std::move(name);
  ::flock(fd_, LOCK_EX);
  // The replacement keeps the rights the old file had; a new file gets the usual ones
  // (mkostemp makes it private).
  ::fchmod(fd_, vorhanden ? (alt.st_mode & 07777) : NeueRechte());
  puffer_.reserve(kPuffergroesse);
  return Ergebnis::Ok;
}

bool Speicherdatei::Leeren() {
  if (puffer_.empty()) return fehlernummer_ == 0;
  int fehler = 0;
  const bool ok = AllesSchreiben(fd_, puffer_.data(), puffer_.size(), fehler);
  puffer_.clear();
  if (!ok && fehlernummer_ == 0) fehlernummer_ = fehler;
  return ok;
}

bool Speicherdatei::Schreiben(const void* daten, std::size_t anzahl) {
  if (fd_ < 0 || fehlernummer_ != 0) return false;
  const char* p = static_cast<const char*>(daten);
  while (anzahl > 0) {
    const std::size_t platz = kPuffergroesse - puffer_.size();
    const std::size_t teil = anzahl < platz ? anzahl : platz;
    puffer_.append(p, teil);
    p += teil;
    anzahl -= teil;
    if (puffer_.size() == kPuffergroesse && !Leeren()) return false;
  }
  return true;
}

int Speicherdatei::AbschliessenMitCode(int ersetzfehler, int schreibfehler) {
  switch (Abschliessen()) {
    case Ergebnis::Ok:
      return 0;
    case Ergebnis::Ersetzfehler:
      return ersetzfehler;
    default:
      return schreibfehler;
  }
}

Speicherdatei::Ergebnis Speicherdatei::Abschliessen() {
  if (fd_ < 0) return Ergebnis::Schreibfehler;
  if (!Leeren() || ::fsync(fd_) != 0) {
    if (fehlernummer_ == 0) fehlernummer_ = errno;
    Verwerfen();
    return Ergebnis::Schreibfehler;
  }
  // The file stays open, and locked, until it carries the target's name.
  if (::rename(temporaer_.c_str(), ziel_.c_str()) != 0) {
    fehlernummer_ = errno;
    Verwerfen();
    return Ergebnis::Ersetzfehler;
  }
  temporaer_.clear();
  ::close(fd_);
  fd_ = -1;
  // The save has succeeded; what follows is tidying up and must not turn it into a failure.
  try {
    const std::string ordner = OrdnerVon(ziel_);
    OrdnerSichern(ordner);
    ResteEntfernen(ordner, Namensanfang(ziel_));
  } catch (...) {
  }
  return Ergebnis::Ok;
}

void Speicherdatei::Verwerfen() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporaer_.empty()) ::unlink(temporaer_.c_str());
  temporaer_.clear();
  puffer_.clear();
}

}  // namespace common
