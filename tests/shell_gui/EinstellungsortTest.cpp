// Where the settings file lives: in the start folder as always, but in the configuration
// folder when the program starts in the home folder without a settings file (a start from
// the desktop menu) or in a folder it cannot write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "shell/Einstellungsdatei.h"
#include "shell/Einstellungsort.h"
#include "support/TempDir.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

constexpr const char* kName = "miv3XKurvengenerator.ini";

enum class Ordner { Pruefstand, Heim, HeimUeberLink, Schreibgeschuetzt };

struct Fall {
  const char* name;
  Ordner ordner;
  bool dateiDa;
  bool homeGesetzt;
  const char* xdg;       // nullptr: not set; "" set but empty; "X": <tmp>/xdg
  const char* erwartet;  // "": the file name alone; else relative to <tmp>
};

class EinstellungsortTest : public ::testing::TestWithParam<Fall> {
 protected:
  void SetUp() override {
    fs::create_directories(tmp.path() / "home");
    fs::create_directories(tmp.path() / "bank");
    fs::create_directories(tmp.path() / "fest");
    fs::create_symlink(tmp.path() / "home", tmp.path() / "link");
  }
  fs::path Pfad(Ordner o) const {
    switch (o) {
      case Ordner::Heim:
        return tmp.path() / "home";
      case Ordner::HeimUeberLink:
        return tmp.path() / "link";
      case Ordner::Schreibgeschuetzt:
        return tmp.path() / "fest";
      default:
        return tmp.path() / "bank";
    }
  }
  testsupport::TempDir tmp;
};

TEST_P(EinstellungsortTest, ChoosesTheFolderOfTheSettingsFile) {
  const Fall& f = GetParam();
  const fs::path ordner = Pfad(f.ordner);
  if (f.dateiDa) std::ofstream(ordner / kName) << "[kurven]\ndarstellung = 1\n";
  const std::string home = (tmp.path() / "home").string();
  const std::string xdg = f.xdg && *f.xdg ? (tmp.path() / f.xdg).string() : "";
  const std::string pfad = shell::EinstellungsdateiFuer(
      ordner, f.ordner != Ordner::Schreibgeschuetzt, f.homeGesetzt ? home.c_str() : nullptr,
      f.xdg ? xdg.c_str() : nullptr);
  if (*f.erwartet == '\0')
    EXPECT_EQ(kName, pfad);
  else
    EXPECT_EQ((tmp.path() / f.erwartet).string(), pfad);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, EinstellungsortTest,
    ::testing::Values(Fall{"BenchFolderWithFile", Ordner::Pruefstand, true, true, nullptr, ""},
                      Fall{"BenchFolderWithoutFile", Ordner::Pruefstand, false, true, nullptr, ""},
                      Fall{"HomeWithEarlierFile", Ordner::Heim, true, true, "xdg", ""},
                      Fall{"HomeWithoutFile", Ordner::Heim, false, true, nullptr,
                           "home/.config/miv3x/miv3XKurvengenerator.ini"},
                      Fall{"HomeWithoutFileEmptyXdg", Ordner::Heim, false, true, "",
                           "home/.config/miv3x/miv3XKurvengenerator.ini"},
                      Fall{"HomeWithoutFileOwnXdg", Ordner::Heim, false, true, "xdg",
                           "xdg/miv3x/miv3XKurvengenerator.ini"},
                      Fall{"HomeThroughALink", Ordner::HeimUeberLink, false, true, nullptr,
                           "home/.config/miv3x/miv3XKurvengenerator.ini"},
                      Fall{"WriteProtectedWithFile", Ordner::Schreibgeschuetzt, true, true, nullptr,
                           ""},
                      Fall{"WriteProtectedWithoutFile", Ordner::Schreibgeschuetzt, false, true,
                           nullptr, "home/.config/miv3x/miv3XKurvengenerator.ini"},
                      Fall{"WriteProtectedWithoutAnyVariable", Ordner::Schreibgeschuetzt, false,
                           false, nullptr, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The run's own choice: started in the home folder, the configuration folder is made so
// that the file can be written at the end.
class EinstellungsdateipfadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    vorher = fs::current_path();
    Merken("HOME", home);
    Merken("XDG_CONFIG_HOME", xdg);
  }
  void TearDown() override {
    fs::current_path(vorher);
    Zurueck("HOME", home);
    Zurueck("XDG_CONFIG_HOME", xdg);
  }
  static void Merken(const char* name, std::optional<std::string>& wert) {
    if (const char* w = std::getenv(name)) wert = w;
  }
  static void Zurueck(const char* name, const std::optional<std::string>& wert) {
    if (wert)
      setenv(name, wert->c_str(), 1);
    else
      unsetenv(name);
  }
  testsupport::TempDir tmp;
  fs::path vorher;
  std::optional<std::string> home, xdg;
};

TEST_F(EinstellungsdateipfadTest, StartInTheHomeFolderMakesTheConfigurationFolder) {
  setenv("HOME", tmp.path().c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  fs::current_path(tmp.path());
  const fs::path erwartet = tmp.path() / ".config" / "miv3x" / kName;
  EXPECT_EQ(erwartet.string(), shell::Einstellungsdateipfad());
  EXPECT_TRUE(fs::is_directory(erwartet.parent_path()));
}

TEST_F(EinstellungsdateipfadTest, StartInAnotherFolderKeepsTheFileThere) {
  setenv("HOME", (tmp.path() / "home").c_str(), 1);
  fs::current_path(tmp.path());
  EXPECT_EQ(kName, shell::Einstellungsdateipfad());
  EXPECT_FALSE(fs::exists(tmp.path() / "home"));
}

}  // namespace
}  // namespace shelltest
