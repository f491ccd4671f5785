#include "common/Lesedatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace common {

Lesedatei::Lesedatei(const std::string& pfad, bool textmodus, std::int64_t hoechstgroesse) {
  // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
  const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    grund_ = errno == ENOENT ? Grund::Fehlt : Grund::NichtLesbar;
    return;
  }
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    grund_ = Grund::NichtLesbar;
    return;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    grund_ = S_ISDIR(info.st_mode) ? Grund::Ordner : Grund::KeineGewoehnlicheDatei;
    return;
  }
  if (info.st_size > hoechstgroesse) {
    ::close(fd);
    grund_ = Grund::ZuGross;
    return;
  }
  groesse_ = info.st_size;
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  datei_ = ::fdopen(fd, textmodus ? "r" : "rb");
  if (!datei_) {
    ::close(fd);
    grund_ = Grund::NichtLesbar;
  }
}

Lesedatei::~Lesedatei() {
  if (datei_) std::fclose(datei_);
}

}  // namespace common
