// A write that fails reports why, keeps the previous file and leaves no temporary file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "IniTestFiles.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"

using namespace ini;
using initest::LeftoverTempFiles;
using initest::ReadBytes;
using initest::WriteBytes;

namespace {

const std::string kOldFile = "[com]\r\nport = 1\r\n\r\n";

initest::Store NewSettings() {
  auto store = initest::NewStore();
  Ini_PutInt(store.get(), "com", "port", 2);
  Ini_PutRawString(store.get(), "konfig", "outeinheit0", "bar");
  return store;
}

// Root ignores permission bits; the write then runs with the rights of "nobody".
class WithoutRootRights {
 public:
  WithoutRootRights() {
    if (::geteuid() == 0) dropped_ = ::seteuid(65534) == 0;
    ok_ = ::geteuid() != 0;
  }
  ~WithoutRootRights() {
    if (dropped_) {
      EXPECT_EQ(::seteuid(0), 0);
    }
  }
  WithoutRootRights(const WithoutRootRights&) = delete;
  WithoutRootRights& operator=(const WithoutRootRights&) = delete;
  bool ok() const { return ok_; }

 private:
  bool dropped_ = false;
  bool ok_ = false;
};

// A folder inside a temporary folder that anybody may enter and, until locked, write.
std::string OpenFolder(const testsupport::TempDir& dir) {
  ::chmod(dir.path().c_str(), 0777);
  const std::string folder = dir.file("settings");
  ::mkdir(folder.c_str(), 0777);
  ::chmod(folder.c_str(), 0777);
  return folder;
}

bool WriteProcFile(const char* path, const std::string& text) {
  std::ofstream out(path);
  out << text;
  out.flush();
  return static_cast<bool>(out);
}

// Gives the calling process its own mount table with a small tmpfs over folder.
std::string MountSmallFilesystem(const std::string& folder, const char* options) {
  if (::unshare(CLONE_NEWNS) != 0) {
    // Without root, a user namespace of our own may still allow the mount.
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
      return std::string("no mount namespace: ") + std::strerror(errno);
    }
    if (!WriteProcFile("/proc/self/setgroups", "deny") ||
        !WriteProcFile("/proc/self/uid_map", initest::Numbered("0 ", uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", initest::Numbered("0 ", gid) + " 1")) {
      return "cannot map the user namespace";
    }
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return std::string("cannot make mounts private: ") + std::strerror(errno);
  }
  if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options) != 0) {
    return std::string("cannot mount tmpfs: ") + std::strerror(errno);
  }
  return "";
}

// Runs body in a child process that sees a small tmpfs at folder; returns the body's report,
// or "SKIP: reason" when this system does not allow such a mount.
std::string InSmallFilesystem(const std::string& folder, const char* options,
                              const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "SKIP: no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    const std::string problem = MountSmallFilesystem(folder, options);
    const std::string report = problem.empty() ? body() : "SKIP: " + problem;
    ssize_t ignored = ::write(channel[1], report.data(), report.size());
    (void)ignored;
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string report;
  char buffer[256];
  ssize_t got;
  while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0) {
    report.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "child died";
  return report;
}

std::string Outcome(int code, const std::string& path, const std::string& folder) {
  return initest::Numbered("code ", code) +
         (ReadBytes(path) == kOldFile ? ", old file" : ", changed") + ", temporary files " +
         std::to_string(LeftoverTempFiles(folder).size());
}

}  // namespace

TEST(IniWriteFailure, TargetThatIsAFolder) {
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
  auto store = NewSettings();
  EXPECT_EQ(Ini_WriteToFile(store.get(), path.c_str()), -95);
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_TRUE(LeftoverTempFiles(dir.path().string()).empty());
}

TEST(IniWriteFailure, PathThatCannotBeExamined) {
  testsupport::TempDir dir;
  WriteBytes(dir.file("plain"), kOldFile);
  auto store = NewSettings();
  // A file in place of a folder.
  EXPECT_EQ(Ini_WriteToFile(store.get(), dir.file("plain/settings.ini").c_str()), -91);
  EXPECT_EQ(Ini_WriteToFile(store.get(), ""), -91);
  EXPECT_EQ(Ini_WriteToFile(store.get(), dir.file(std::string(5000, 'n')).c_str()), -91);
  EXPECT_EQ(ReadBytes(dir.file("plain")), kOldFile);
}

TEST(IniWriteFailure, MissingFolder) {
  testsupport::TempDir dir;
  auto store = NewSettings();
  EXPECT_EQ(Ini_WriteToFile(store.get(), dir.file("absent/settings.ini").c_str()), -95);
  EXPECT_FALSE(std::ifstream(dir.file("absent")).good());
}

TEST(IniWriteFailure, FolderThatRefusesWriting) {
  testsupport::TempDir dir;
  const std::string folder = OpenFolder(dir);
  const std::string path = folder + "/settings.ini";
  WriteBytes(path, kOldFile);
  ::chmod(path.c_str(), 0666);  // the file itself would let anybody write
  ::chmod(folder.c_str(), 0555);
  auto store = NewSettings();
  int existing = 0;
  int fresh = 0;
  {
    WithoutRootRights unprivileged;
    if (!unprivileged.ok()) {
      ::chmod(folder.c_str(), 0755);
      GTEST_SKIP() << "cannot give up root's rights to provoke a refusal";
    }
    existing = Ini_WriteToFile(store.get(), path.c_str());
    fresh = Ini_WriteToFile(store.get(), (folder + "/new.ini").c_str());
  }
  ::chmod(folder.c_str(), 0755);
  EXPECT_EQ(Outcome(existing, path, folder), "code -95, old file, temporary files 0");
  EXPECT_EQ(fresh, -95);
  EXPECT_FALSE(std::ifstream(folder + "/new.ini").good());
}

TEST(IniWriteFailure, FileThatRefusesWriting) {
  testsupport::TempDir dir;
  const std::string folder = OpenFolder(dir);
  const std::string path = folder + "/settings.ini";
  WriteBytes(path, kOldFile);
  ::chmod(path.c_str(), 0444);
  auto store = NewSettings();
  int code = 0;
  {
    WithoutRootRights unprivileged;
    if (!unprivileged.ok()) GTEST_SKIP() << "cannot give up root's rights to provoke a refusal";
    code = Ini_WriteToFile(store.get(), path.c_str());
  }
  EXPECT_EQ(Outcome(code, path, folder), "code -95, old file, temporary files 0");
}

// Saving never runs out of temporary names, whatever lies in the folder.
TEST(IniWriteFailure, ThousandOldTemporaryFilesDoNotStopSaving) {
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  WriteBytes(path, kOldFile);
  for (int n = 0; n < 1000; ++n) WriteBytes(dir.file(initest::Numbered("ini$$", n) + ".TMP"), "");
  auto store = NewSettings();
  EXPECT_EQ(Ini_WriteToFile(store.get(), path.c_str()), 0);
  EXPECT_NE(ReadBytes(path), kOldFile);
  EXPECT_TRUE(LeftoverTempFiles(dir.path().string()).empty());
}

// A FIFO in the settings file's place is neither read (it would hang) nor replaced.
TEST(IniWriteFailure, AFifoIsNoSettingsFile) {
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  auto store = NewSettings();
  EXPECT_EQ(Ini_ReadFromFile(store.get(), path.c_str()), -5001);
  EXPECT_EQ(Ini_WriteToFile(store.get(), path.c_str()), -95);
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(IniWriteFailure, DiskFullWhileWriting) {
  testsupport::TempDir dir;
  const std::string folder = dir.file("small");
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  const std::string report = InSmallFilesystem(folder, "size=16k", [&folder] {
    const std::string path = folder + "/settings.ini";
    WriteBytes(path, kOldFile);
    auto big = initest::NewStore();
    const std::string value(1000, 'v');
    for (int i = 0; i < 64; ++i) {
      Ini_PutRawString(big.get(), "s", (initest::Numbered("t", i)).c_str(), value.c_str());
    }
    std::string outcome = Outcome(Ini_WriteToFile(big.get(), path.c_str()), path, folder);
    // The space of the failed attempt is free again for a write that fits.
    auto small = NewSettings();
    outcome += "; then code " + std::to_string(Ini_WriteToFile(small.get(), path.c_str()));
    outcome += ", " + ReadBytes(path);
    return outcome;
  });
  if (report.rfind("SKIP", 0) == 0) GTEST_SKIP() << report;
  EXPECT_EQ(report,
            "code -97, old file, temporary files 0; then code 0, "
            "[com]\r\nport = 2\r\n\r\n[konfig]\r\nouteinheit0 = \"bar\"\r\n\r\n");
}

TEST(IniWriteFailure, NoRoomForTheTemporaryFile) {
  testsupport::TempDir dir;
  const std::string folder = dir.file("small");
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  // Two inodes: the folder itself and the existing settings file.
  const std::string report = InSmallFilesystem(folder, "size=64k,nr_inodes=2", [&folder] {
    const std::string path = folder + "/settings.ini";
    WriteBytes(path, kOldFile);
    auto store = NewSettings();
    std::string outcome = Outcome(Ini_WriteToFile(store.get(), path.c_str()), path, folder);
    // A file that does not exist yet cannot even be created.
    outcome += "; new file code " +
               std::to_string(Ini_WriteToFile(store.get(), (folder + "/new.ini").c_str()));
    return outcome;
  });
  if (report.rfind("SKIP", 0) == 0) GTEST_SKIP() << report;
  EXPECT_EQ(report, "code -5004, old file, temporary files 0; new file code -97");
}
