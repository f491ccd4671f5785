#include "ini/IniWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Speicherdatei.h"
#include "ini/IniErrors.h"

namespace ini {

namespace {

constexpr std::size_t kPieceLength = 80;
constexpr std::string_view kLineEnd = "\r\n";

// Code for a failed write, flush or close of the new file.
int WriteFailure(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return kErrAccessDenied;
    case ENOMEM:
      return kErrNoMemory;
    default:
      return kErrInputOutput;
  }
}

int RenameFailure(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
      return kErrAccessDenied;
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    case ENOMEM:
      return kErrNoMemory;
    case ENOENT:
    case ENOTDIR:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
      return kErrRenameFailed;
    default:
      return kErrRenameOther;
  }
}

// The folder of path with its trailing slash, or "" for a bare file name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The target must be replaceable: an existing file must open for reading and writing and its
// folder must take new files; a missing file must be creatable.
int CheckWritable(const std::string& path) {
  if (path.empty()) return kErrPathUnusable;
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
      if (errno == ENOMEM) return kErrNoMemory;
      if (errno == EMFILE || errno == ENFILE || errno == EIO) return kErrInputOutput;
      return kErrAccessDenied;
    }
    ::close(fd);
    const std::string folder = FolderOf(path);
    if (::faccessat(AT_FDCWD, folder.empty() ? "." : folder.c_str(), W_OK | X_OK, AT_EACCESS) !=
        0) {
      return errno == EIO ? kErrInputOutput : kErrAccessDenied;
    }
    return 0;
  }
  switch (errno) {
    case ENOENT:
      break;
    case ENOMEM:
      return kErrNoMemory;
    case EACCES:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kErrPathUnusable;
    default:
      return kErrInputOutput;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) {
    if (errno == ENOSPC || errno == EDQUOT) return kErrDiskFull;
    if (errno == ENOMEM) return kErrNoMemory;
    return kErrAccessDenied;
  }
  ::close(fd);
  ::unlink(path.c_str());
  return 0;
}

void AppendItemLine(common::Speicherdatei& file, std::string_view tag, std::string_view value,
                    bool quoted) {
  file.Schreiben(tag);
  file.Schreiben(" = ");
  if (quoted) file.Schreiben("\"");
  file.Schreiben(value);
  if (quoted) file.Schreiben("\"");
  file.Schreiben(kLineEnd);
}

void AppendStore(common::Speicherdatei& file, const IniStore& store) {
  for (const auto& section : store.sections) {
    file.Schreiben("[");
    file.Schreiben(section->name);
    file.Schreiben("]");
    file.Schreiben(kLineEnd);
    for (const IniItem& item : section->items) {
      const std::string_view value = item.value;
      if (value.size() <= kPieceLength) {
        AppendItemLine(file, item.tag, value, item.quoted);
        continue;
      }
      // Long values go out in pieces, so no line grows beyond what a reader takes.
      int counter = 1;
      for (std::size_t at = 0; at < value.size(); at += kPieceLength, ++counter) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, " Line%04d", counter);
        AppendItemLine(file, item.tag + suffix, value.substr(at, kPieceLength), item.quoted);
      }
    }
    file.Schreiben(kLineEnd);
  }
}

// The helper's failures in the store's codes.
int OpenFailure(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EINVAL:  // the target is no regular file
      return kErrAccessDenied;
    default:
      return kErrTempNotCreated;
  }
}

}  // namespace

int WriteIniFile(const IniStore& store, const char* path) {
  common::Speicherdatei file(path ? path : "");
  if (const int checked = CheckWritable(file.Ziel()); checked != 0) return checked;
  if (file.Oeffnen() != common::Speicherdatei::Ergebnis::Ok)
    return OpenFailure(file.Fehlernummer());
  AppendStore(file, store);
  // The rename replaces the old file in one step: no moment without a settings file.
  switch (file.Abschliessen()) {
    case common::Speicherdatei::Ergebnis::Ok:
      return 0;
    case common::Speicherdatei::Ergebnis::Ersetzfehler:
      return RenameFailure(file.Fehlernummer());
    default:
      return WriteFailure(file.Fehlernummer());
  }
}

}  // namespace ini
