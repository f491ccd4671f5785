#include "ini/IniWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ini/IniErrors.h"

namespace ini {

namespace {

constexpr std::size_t kBufferSize = 16384;
constexpr std::size_t kPieceLength = 80;
constexpr int kTempNames = 1000;
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

// The new file, written through a fixed buffer. Removed again unless committed.
class TempFile {
 public:
  TempFile() { buffer_.reserve(kBufferSize); }
  ~TempFile() { discard(); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  // Creates "ini$$N.TMP" beside the target with the first free N.
  int create(const std::string& folder) {
    for (int n = 0; n < kTempNames; ++n) {
      std::string name = folder + "ini$$" + std::to_string(n) + ".TMP";
      const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
      if (fd >= 0) {
        fd_ = fd;
        name_ = std::move(name);
        return 0;
      }
      if (errno != EEXIST) return kErrTempNotCreated;
    }
    return kErrNoTempName;
  }

  // The new file takes the access rights of the one it replaces, so a private settings
  // file stays private.
  void keepModeOf(const std::string& target) {
    struct stat info;
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      ::fchmod(fd_, info.st_mode & 07777);
    }
  }

  void append(std::string_view text) {
    while (!text.empty() && error_ == 0) {
      const std::size_t room = kBufferSize - buffer_.size();
      const std::size_t take = text.size() < room ? text.size() : room;
      buffer_.append(text.data(), take);
      text.remove_prefix(take);
      if (buffer_.size() == kBufferSize) flush();
    }
  }

  // Writes out the buffer and makes the data durable before the file takes the target's name.
  int finish() {
    flush();
    if (error_ == 0 && ::fsync(fd_) != 0) error_ = WriteFailure(errno);
    if (::close(fd_) != 0 && error_ == 0) error_ = WriteFailure(errno);
    fd_ = -1;
    return error_;
  }

  int commit(const std::string& target) {
    if (::rename(name_.c_str(), target.c_str()) != 0) return RenameFailure(errno);
    name_.clear();
    return 0;
  }

 private:
  void flush() {
    std::size_t done = 0;
    while (done < buffer_.size() && error_ == 0) {
      const ssize_t put = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
      if (put < 0) {
        if (errno != EINTR) error_ = WriteFailure(errno);
        continue;
      }
      done += static_cast<std::size_t>(put);
    }
    buffer_.clear();
  }

  void discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!name_.empty()) ::unlink(name_.c_str());
    name_.clear();
  }

  int fd_ = -1;
  std::string name_;
  std::string buffer_;
  int error_ = 0;
};

void AppendItemLine(TempFile& file, std::string_view tag, std::string_view value, bool quoted) {
  file.append(tag);
  file.append(" = ");
  if (quoted) file.append("\"");
  file.append(value);
  if (quoted) file.append("\"");
  file.append(kLineEnd);
}

void AppendStore(TempFile& file, const IniStore& store) {
  for (const auto& section : store.sections) {
    file.append("[");
    file.append(section->name);
    file.append("]");
    file.append(kLineEnd);
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
    file.append(kLineEnd);
  }
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // only durability of the new name; the file itself is already complete
  ::close(fd);
}

// A settings file kept as a link to elsewhere: the rename must replace the file the link
// names, not the link, or later writes would no longer reach that file.
std::string LinkedFile(const std::string& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

}  // namespace

int WriteIniFile(const IniStore& store, const char* path) {
  const std::string target = LinkedFile(path);
  if (const int checked = CheckWritable(target); checked != 0) return checked;

  const std::string folder = FolderOf(target);
  TempFile file;
  if (const int created = file.create(folder); created != 0) return created;
  file.keepModeOf(target);
  AppendStore(file, store);
  if (const int finished = file.finish(); finished != 0) return finished;
  // rename replaces the old file in one step: no moment without a settings file.
  if (const int committed = file.commit(target); committed != 0) return committed;
  SyncFolder(folder);
  return 0;
}

}  // namespace ini
