// Port numbering on Linux: the fixed mapping from device names, the per-user link folder
// that overrides it, and the folder's location.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "device/Portnummern.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using device::PortEintrag;
using device::Portliste;
using device::PortnummerVonName;
using device::PortPfad;
using device::PortQuellen;

void datei(const fs::path& p, const std::string& inhalt = "") {
  fs::create_directories(p.parent_path());
  std::ofstream(p) << inhalt;
}

class Portnummern : public ::testing::Test {
 protected:
  void SetUp() override {
    q.dev = tmp.path() / "dev";
    q.sysTty = tmp.path() / "sys";
    q.linkOrdner = tmp.path() / "ports";
    fs::create_directories(q.dev);
    fs::create_directories(q.linkOrdner);
  }
  void geraet(const std::string& name, std::optional<int> uartTyp = std::nullopt) {
    datei(q.dev / name);
    if (uartTyp) datei(q.sysTty / name / "type", std::to_string(*uartTyp) + "\n");
  }
  std::vector<int> nummern() {
    std::vector<int> v;
    for (const PortEintrag& e : Portliste(q)) v.push_back(e.nummer);
    return v;
  }

  testsupport::TempDir tmp;
  PortQuellen q;
};

TEST(PortnummerVonNameTest, FixedMapping) {
  EXPECT_EQ(PortnummerVonName("ttyS0"), 1);
  EXPECT_EQ(PortnummerVonName("ttyS31"), 32);
  EXPECT_EQ(PortnummerVonName("ttyUSB0"), 33);
  EXPECT_EQ(PortnummerVonName("ttyUSB63"), 96);
  EXPECT_EQ(PortnummerVonName("ttyACM0"), 97);
  EXPECT_EQ(PortnummerVonName("ttyACM63"), 160);
  EXPECT_EQ(PortnummerVonName("ttyAMA0"), 161);
  EXPECT_EQ(PortnummerVonName("ttyAMA15"), 176);
  for (const char* n : {"ttyS32", "ttyUSB64", "ttyACM64", "ttyAMA16", "ttyS", "ttyS01", "ttyS-1",
                        "ttyS1a", "tty0", "ttyprintk", "console", "pts", "ttySAC0", ""})
    EXPECT_EQ(PortnummerVonName(n), 0) << n;
}

TEST_F(Portnummern, ListsPresentDevicesSortedByTheirNumber) {
  geraet("ttyUSB2");
  geraet("ttyS0", 4);
  geraet("ttyS1", 0);  // the driver made it, but no UART is there
  geraet("ttyS4", 4);
  geraet("ttyACM1");
  geraet("ttyAMA0");
  geraet("tty0");
  geraet("ttyUSB01");
  geraet("console");
  EXPECT_EQ(nummern(), (std::vector<int>{1, 5, 35, 98, 161}));
  EXPECT_EQ(PortPfad(35, q), (q.dev / "ttyUSB2").string());
  EXPECT_EQ(PortPfad(2, q), "");
  EXPECT_EQ(PortPfad(0, q), "");
}

TEST_F(Portnummern, ADeviceKeepsItsNumberWhenOthersComeAndGo) {
  geraet("ttyUSB1");
  EXPECT_EQ(nummern(), (std::vector<int>{34}));
  geraet("ttyUSB0");
  geraet("ttyACM0");
  EXPECT_EQ(nummern(), (std::vector<int>{33, 34, 97}));
  fs::remove(q.dev / "ttyUSB0");
  EXPECT_EQ(nummern(), (std::vector<int>{34, 97}));
  EXPECT_EQ(PortPfad(34, q), (q.dev / "ttyUSB1").string());
}

TEST_F(Portnummern, LinksAddPortsAndOverrideTheMapping) {
  geraet("ttyS0", 4);
  geraet("ttyUSB0");
  datei(tmp.path() / "elsewhere" / "pts7");
  datei(tmp.path() / "elsewhere" / "adapter");
  fs::create_symlink(tmp.path() / "elsewhere" / "pts7", q.linkOrdner / "COM9");
  fs::create_symlink(tmp.path() / "elsewhere" / "adapter", q.linkOrdner / "COM1");
  fs::create_symlink(tmp.path() / "elsewhere" / "adapter", q.linkOrdner / "COM256");
  // Not a port number, out of range, or dangling: not listed.
  fs::create_symlink(tmp.path() / "elsewhere" / "pts7", q.linkOrdner / "COM0");
  fs::create_symlink(tmp.path() / "elsewhere" / "pts7", q.linkOrdner / "COM257");
  fs::create_symlink(tmp.path() / "elsewhere" / "pts7", q.linkOrdner / "COMx");
  fs::create_symlink(tmp.path() / "elsewhere" / "pts7", q.linkOrdner / "com5");
  // A second spelling of a number would compete with the first.
  fs::create_symlink(tmp.path() / "elsewhere" / "pts7", q.linkOrdner / "COM01");
  fs::create_symlink(tmp.path() / "elsewhere" / "pts7", q.linkOrdner / "COM033");
  fs::create_symlink(tmp.path() / "elsewhere" / "gone", q.linkOrdner / "COM12");
  EXPECT_EQ(nummern(), (std::vector<int>{1, 9, 33, 256}));
  EXPECT_EQ(PortPfad(1, q), fs::canonical(tmp.path() / "elsewhere" / "adapter").string());
  EXPECT_EQ(PortPfad(9, q), fs::canonical(tmp.path() / "elsewhere" / "pts7").string());
  EXPECT_EQ(PortPfad(12, q), "");
  EXPECT_EQ(PortPfad(33, q), (q.dev / "ttyUSB0").string());
  // The link's target appearing makes the port appear.
  datei(tmp.path() / "elsewhere" / "gone");
  EXPECT_EQ(nummern(), (std::vector<int>{1, 9, 12, 33, 256}));
}

TEST_F(Portnummern, MissingFoldersGiveAnEmptyList) {
  q.dev = tmp.path() / "nodev";
  q.linkOrdner = tmp.path() / "noports";
  EXPECT_TRUE(Portliste(q).empty());
  EXPECT_EQ(PortPfad(1, q), "");
}

class Umgebung {
 public:
  explicit Umgebung(const char* name) : name_(name) {
    if (const char* v = std::getenv(name)) alt_ = v;
  }
  ~Umgebung() {
    if (alt_)
      setenv(name_, alt_->c_str(), 1);
    else
      unsetenv(name_);
  }
  void setze(const char* v) {
    if (v)
      setenv(name_, v, 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> alt_;
};

TEST(PortLinkOrdnerTest, EnvironmentDecidesTheFolder) {
  Umgebung dir("MIV3X_PORT_DIR"), xdg("XDG_CONFIG_HOME"), home("HOME");
  dir.setze("/tmp/a");
  xdg.setze("/tmp/x");
  home.setze("/tmp/h");
  EXPECT_EQ(device::PortLinkOrdner(), fs::path("/tmp/a"));
  dir.setze("");
  EXPECT_EQ(device::PortLinkOrdner(), fs::path("/tmp/x/miv3x/ports"));
  dir.setze(nullptr);
  xdg.setze(nullptr);
  EXPECT_EQ(device::PortLinkOrdner(), fs::path("/tmp/h/.config/miv3x/ports"));
}

TEST(PortLinkOrdnerTest, DefaultSourcesUseTheLinkFolder) {
  testsupport::TempDir tmp;
  Umgebung dir("MIV3X_PORT_DIR");
  dir.setze(tmp.path().c_str());
  fs::create_symlink("/dev/null", tmp.path() / "COM200");
  EXPECT_EQ(PortPfad(200), "/dev/null");
  bool gefunden = false;
  for (const auto& e : Portliste())
    if (e.nummer == 200) gefunden = e.pfad == "/dev/null";
  EXPECT_TRUE(gefunden);
}

}  // namespace
