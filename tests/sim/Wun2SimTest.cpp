// The wun2-sim program: started as a child, its first line read, talked to through the
// driver and the port numbering, and stopped with a signal.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "device/Portnummern.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"
#include "support/TempDir.h"
#include "support_sim/Leitung.h"
#include "support_sim/SimPort.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// One run of the program with its standard output and error on pipes.
class Programm {
 public:
  explicit Programm(std::vector<std::string> args) {
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    posix_spawn_file_actions_adddup2(&fa, err[1], 2);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    posix_spawn_file_actions_addclose(&fa, err[0]);
    args.insert(args.begin(), WUN2_SIM_PATH);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, WUN2_SIM_PATH, &fa, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    ::close(out[1]);
    ::close(err[1]);
    out_ = out[0];
    err_ = err[0];
  }
  ~Programm() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    ::close(out_);
    ::close(err_);
  }
  // The next line of standard output, without its newline.
  std::optional<std::string> zeile(std::chrono::milliseconds frist = 5000ms) {
    std::string s;
    const auto ende = std::chrono::steady_clock::now() + frist;
    while (std::chrono::steady_clock::now() < ende) {
      pollfd p{out_, POLLIN, 0};
      if (::poll(&p, 1, 100) <= 0) continue;
      char c;
      if (::read(out_, &c, 1) != 1) return std::nullopt;
      if (c == '\n') return s;
      s += c;
    }
    return std::nullopt;
  }
  std::string alles(int fd) {
    std::string s;
    char b[512];
    ssize_t n;
    while ((n = ::read(fd, b, sizeof b)) > 0) s.append(b, static_cast<std::size_t>(n));
    return s;
  }
  // Waits for the end; the exit status, or -1.
  int ende(int signal = 0) {
    if (signal) kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  void signal(int sig) { kill(pid_, sig); }
  std::string stdoutRest() { return alles(out_); }
  std::string stderrRest() { return alles(err_); }
  bool laeuft() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
};

class Umgebung {
 public:
  Umgebung(const char* name, const std::string& wert) : name_(name) {
    if (const char* v = std::getenv(name)) alt_ = v;
    setenv(name, wert.c_str(), 1);
  }
  ~Umgebung() {
    if (alt_)
      setenv(name_, alt_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> alt_;
};

class Dienst {
 public:
  explicit Dienst(std::map<int, std::string> pfade = {}) {
    testsupport::QtAnwendungSicherstellen();
    if (!pfade.empty()) dienst_.setPortPfade(std::move(pfade));
  }
  // The connection through the Qt service.
  device::Verbindung& v() { return verbindung_; }

 private:
  device::qtserial::QtSerialService dienst_;
  device::Verbindung verbindung_{&dienst_};
};

TEST(Wun2Sim, PrintsItsTerminalAndAnswersUntilTerminated) {
  Programm p({});
  ASSERT_TRUE(p.laeuft());
  const auto pfad = p.zeile();
  ASSERT_TRUE(pfad);
  EXPECT_EQ(pfad->rfind("/dev/pts/", 0), 0u) << *pfad;
  {
    Dienst d({{9, *pfad}});
    ASSERT_EQ(device::ZORFYD1_Open(d.v(), 9, 9600), 0);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 9, 0.5), 0);
    char id[32];
    ASSERT_EQ(device::ZORFYD1_IDLesen(d.v(), 9, '1', id), 0);
    EXPECT_STREQ(id, "ZOR-MIV3AXWUN-2V1.30");
    const std::uint8_t b[3] = {1, 2, 3};
    ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(d.v(), 9, '1', 5, 100, 3, b), 0);
    std::uint8_t z[3] = {};
    ASSERT_EQ(device::ZORFYD1_SpeicherLesen(d.v(), 9, '1', 5, 100, 3, z), 0);
    EXPECT_EQ(z[2], 3);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 9, 0.05), 0);
    EXPECT_EQ(device::ZORFYD1_IDLesen(d.v(), 9, '2', id), -403012);
    EXPECT_EQ(device::ZORFYD1_Close(d.v(), 9), 0);
  }
  EXPECT_EQ(p.ende(SIGTERM), 0);
  EXPECT_EQ(p.stdoutRest(), "");
}

TEST(Wun2Sim, RegistersAsANumberedPortAndRemovesTheLink) {
  testsupport::TempDir tmp;
  Umgebung ordner("MIV3X_PORT_DIR", (tmp.path() / "ports").string());
  const fs::path log = tmp.path() / "frames.log";
  Programm p({"--port", "17", "--address", "13", "--id", "3=OTHER ID", "--log", log.string(),
              "--fault", "nak,cmd=DF,addr=3", "--max-current", "3=8", "--s1r-status"});
  const auto pfad = p.zeile();
  ASSERT_TRUE(pfad) << p.stderrRest();
  const fs::path link = tmp.path() / "ports" / "COM17";
  ASSERT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(device::PortPfad(17), fs::canonical(*pfad).string());
  {
    // Opened by number alone, through the port numbering.
    Dienst d;
    ASSERT_EQ(device::ZORFYD1_Open(d.v(), 17, 9600), 0);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 17, 0.5), 0);
    char id[32];
    ASSERT_EQ(device::ZORFYD1_IDLesen(d.v(), 17, '3', id), 0);
    EXPECT_STREQ(id, "OTHERID");
    EXPECT_EQ(device::ZORFYD1_DeviceFunction(d.v(), 17, '1', "start"), 0);
    EXPECT_EQ(device::ZORFYD1_DeviceFunction(d.v(), 17, '3', "start"), -402039);
    EXPECT_EQ(device::ZORFYD1_DeviceFunction(d.v(), 17, '3', "start"), 0);
    double v = 0;
    ASSERT_EQ(device::ZORWUN2_ParameterLesen(d.v(), 17, '3', "max_current", &v), 0);
    EXPECT_DOUBLE_EQ(v, 8);
    int s = -1;
    EXPECT_EQ(device::ZORFYD1_StatusLesen(d.v(), 17, '1', 1, &s), 0);
    EXPECT_EQ(device::ZORFYD1_Close(d.v(), 17), 0);
  }
  EXPECT_EQ(p.ende(SIGINT), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
  std::ifstream f(log);
  std::stringstream inhalt;
  inhalt << f.rdbuf();
  EXPECT_EQ(inhalt.str(), "#3IDR\n#1DF1\n#3DF1\n#3DF1\n#3CbR\n#1S1R\n");
}

TEST(Wun2Sim, HelpAndBadOptions) {
  {
    Programm p({"--help"});
    const std::string text = p.stdoutRest();
    EXPECT_EQ(p.ende(), 0);
    for (const char* o :
         {"--address", "--id", "--input", "--signal", "--port", "--baud", "--log", "--device",
          "--fault", "--max-baud", "--no-pacing", "--vanish-after", "corrupt"})
      EXPECT_NE(text.find(o), std::string::npos) << o;
  }
  const std::vector<std::vector<std::string>> schlecht = {{"--bogus"},
                                                          {"--port"},
                                                          {"--port", "0"},
                                                          {"--port", "257"},
                                                          {"--port", "x"},
                                                          {"--baud", "fast"},
                                                          {"--baud", "1200"},
                                                          {"--max-baud", "57600"},
                                                          {"--vanish-after", "x"},
                                                          {"--vanish-after", "-1"},
                                                          {"--vanish-after", "1,back=2"},
                                                          {"--vanish-after", "1,back-after=x"},
                                                          {"--fault", "boom"},
                                                          {"--fault", "nak,every"},
                                                          {"--address", "1G"},
                                                          {"--id", "2=X"},
                                                          {"--input", "1:5=3"},
                                                          {"--input", "1:1=nan"},
                                                          {"--max-current", "1=inf"},
                                                          {"--signal", "1:1=5,2"},
                                                          {"--signal", "1:1=5,2,0"},
                                                          {"--signal", "1:1=5,x,1"},
                                                          {"--signal", "2:1=5,2,1"},
                                                          {"--device", "/nonexistent/tty"},
                                                          {"--log", "/nonexistent/dir/log"},
                                                          {"--mode", "1=256"},
                                                          {"--mode", "1=2.5"},
                                                          {"--mode", "2=2"}};
  for (const auto& args : schlecht) {
    Programm p(args);
    const std::string err = p.stderrRest();
    EXPECT_EQ(p.ende(), 2) << args[0];
    EXPECT_EQ(err.rfind("wun2-sim: ", 0), 0u) << args[0] << ": " << err;
    EXPECT_EQ(p.stdoutRest(), "") << args[0];
  }
}

TEST(Wun2Sim, PacedLineAndFaultsFromTheCommandLine) {
  Programm p({"--baud", "115200", "--fault", "silence,cmd=V1R,every=2", "--input", "1:1=2.5"});
  const auto pfad = p.zeile();
  ASSERT_TRUE(pfad);
  {
    Dienst d({{9, *pfad}});
    ASSERT_EQ(device::ZORFYD1_Open(d.v(), 9, 115200), 0);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 9, 0.2), 0);
    double v = 0;
    EXPECT_EQ(device::ZORFYD1_EingangLesen(d.v(), 9, '1', "e1", &v), 0);
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_EQ(device::ZORFYD1_EingangLesen(d.v(), 9, '1', "e1", &v), -403051);
    EXPECT_EQ(device::ZORFYD1_EingangLesen(d.v(), 9, '1', "e1", &v), 0);
  }
  EXPECT_EQ(p.ende(SIGHUP), 0);
}

TEST(Wun2Sim, LineRatesAndWriteFaultsFromTheCommandLine) {
  Programm p({"--baud", "19200", "--max-baud", "19200", "--no-pacing", "--fault", "nak,cmd=BRW",
              "--fault", "corrupt,cmd=BDW,pos=-1"});
  const auto pfad = p.zeile();
  ASSERT_TRUE(pfad) << p.stderrRest();
  {
    Dienst d({{9, *pfad}});
    ASSERT_EQ(device::ZORFYD1_Open(d.v(), 9, 9600), 0);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 9, 0.1), 0);
    char id[32];
    EXPECT_EQ(device::ZORFYD1_IDLesen(d.v(), 9, '1', id), -403012);  // the device is at 19200
    ASSERT_EQ(device::ZORFYD1_Open(d.v(), 9, 19200), 0);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 9, 0.5), 0);
    EXPECT_EQ(device::ZORMIV1_BaudrateSchreiben(d.v(), 9, 1, 9600), -402021);   // the fault
    EXPECT_EQ(device::ZORMIV1_BaudrateSchreiben(d.v(), 9, 1, 38400), -402021);  // above the limit
    const std::uint8_t b[3] = {1, 2, 3};
    ASSERT_EQ(device::ZORFYD1_SpeicherSchreiben(d.v(), 9, '1', 4, 7, 3, b), 0);
    std::uint8_t z[3] = {};
    ASSERT_EQ(device::ZORFYD1_SpeicherLesen(d.v(), 9, '1', 4, 7, 3, z), 0);
    EXPECT_EQ(z[0], 1);
    EXPECT_EQ(z[1], 2);
    EXPECT_EQ(z[2], 3 ^ 0xFF);
    ASSERT_EQ(device::ZORMIV1_BaudrateSchreiben(d.v(), 9, 1, 4800), 0);
    EXPECT_EQ(device::ZORFYD1_IDLesen(d.v(), 9, '1', id), -403012);
  }
  EXPECT_EQ(p.ende(SIGTERM), 0);
}

// How the port is made to vanish and come back: by signals, or by the clock.
class Verschwinden : public testing::TestWithParam<bool> {};

TEST_P(Verschwinden, ThePortHangsUpAndComesBackAtTheSameLinkWithItsState) {
  const bool perSignal = GetParam();
  testsupport::TempDir tmp;
  Umgebung ordner("MIV3X_PORT_DIR", (tmp.path() / "ports").string());
  const std::string link = (tmp.path() / "ports" / "COM17").string();
  std::vector<std::string> args = {"--port", "17", "--no-pacing"};
  if (!perSignal) args.insert(args.end(), {"--vanish-after", "1.5,back-after=0.3"});
  Programm p(args);
  const auto pfad = p.zeile();
  ASSERT_TRUE(pfad) << p.stderrRest();
  {
    testsupport::Leitung host(link, 9600);
    ASSERT_TRUE(host.ok());
    host.schreibe("#1BDW5006400015A005B\r");  // 5Ah to 0064h of memory 5
    ASSERT_EQ(host.lies(1), "\x06");
    if (perSignal) p.signal(SIGUSR1);
    // Gone: the host's end is hung up, reads see the end of the file, writes fail with EIO.
    pollfd pf{host.fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&pf, 1, 5000), 1);
    EXPECT_NE(pf.revents & POLLHUP, 0);
    char c;
    EXPECT_EQ(::read(host.fd(), &c, 1), 0);
    errno = 0;
    EXPECT_EQ(::write(host.fd(), "#", 1), -1);
    EXPECT_EQ(errno, EIO);
  }
  if (perSignal) p.signal(SIGUSR2);
  const auto neu = p.zeile();
  ASSERT_TRUE(neu);
  EXPECT_EQ(fs::read_symlink(link).string(), *neu);
  testsupport::Leitung host(link, 9600);
  ASSERT_TRUE(host.ok());
  host.schreibe("#1BDR500640001\r");
  EXPECT_EQ(host.lies(22),
            "\x06#1BDR500640001"
            "5A005B\r");
  EXPECT_EQ(p.ende(SIGTERM), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

INSTANTIATE_TEST_SUITE_P(Wun2Sim, Verschwinden, testing::Values(true, false),
                         [](const auto& info) { return info.param ? "BySignal" : "ByClock"; });

TEST(Wun2Sim, ModeRegisterAtStart) {
  Programm p({"--address", "13", "--mode", "3=2"});
  const auto pfad = p.zeile();
  ASSERT_TRUE(pfad) << p.stderrRest();
  {
    Dienst d({{9, *pfad}});
    ASSERT_EQ(device::ZORFYD1_Open(d.v(), 9, 9600), 0);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 9, 0.5), 0);
    int modus = -1;
    ASSERT_EQ(device::ZORFYD1_ModusLesen(d.v(), 9, '3', &modus), 0);
    EXPECT_EQ(modus, 2);
    ASSERT_EQ(device::ZORFYD1_ModusLesen(d.v(), 9, '1', &modus), 0);
    EXPECT_EQ(modus, 0);
  }
  EXPECT_EQ(p.ende(SIGTERM), 0);
}

TEST(Wun2Sim, AnInputFollowsASignal) {
  Programm p({"--baud", "115200", "--signal", "1:2=5,2,0.05"});
  const auto pfad = p.zeile();
  ASSERT_TRUE(pfad) << p.stderrRest();
  {
    Dienst d({{9, *pfad}});
    ASSERT_EQ(device::ZORFYD1_Open(d.v(), 9, 115200), 0);
    ASSERT_EQ(device::ZORFYD1_Timeout(d.v(), 9, 0.5), 0);
    double kleinst = 10, groesst = 0;
    for (int i = 0; i < 40; ++i) {
      double v = -1;
      ASSERT_EQ(device::ZORFYD1_EingangLesen(d.v(), 9, '1', "e2", &v), 0);
      kleinst = std::min(kleinst, v);
      groesst = std::max(groesst, v);
      std::this_thread::sleep_for(3ms);
    }
    EXPECT_GE(kleinst, 3.0);
    EXPECT_LE(groesst, 7.0);
    EXPECT_GT(groesst - kleinst, 1.0);
    double v = -1;
    ASSERT_EQ(device::ZORFYD1_EingangLesen(d.v(), 9, '1', "e1", &v), 0);
    EXPECT_EQ(v, 0.0);
  }
  EXPECT_EQ(p.ende(SIGTERM), 0);
}

}  // namespace
