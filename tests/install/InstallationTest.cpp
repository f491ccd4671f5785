// The installation as an operator gets it: "cmake --install" into a temporary prefix, the
// installed programs run from another folder, the desktop entry, the icon and the manual
// pages; and the Debian package with its dependencies.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ManPage.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct Lauf {
  int status = -1;
  std::string aus;  // standard output and standard error
};

Lauf Ausfuehren(const std::string& befehl) {
  Lauf lauf;
  FILE* rohr = popen((befehl + " 2>&1").c_str(), "r");
  if (!rohr) return lauf;
  char puffer[4096];
  for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0;)
    lauf.aus.append(puffer, n);
  const int status = pclose(rohr);
  if (status != -1 && WIFEXITED(status)) lauf.status = WEXITSTATUS(status);
  return lauf;
}

bool Vorhanden(const std::string& programm) {
  return Ausfuehren("command -v " + programm).status == 0;
}

std::string Inhalt(const fs::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  std::ostringstream s;
  s << ein.rdbuf();
  return s.str();
}

class InstallationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const Lauf lauf = Ausfuehren(std::string("'") + MIV_CMAKE + "' --install '" + MIV_BUILD_DIR +
                                 "' --prefix '" + prefix() + "'");
    ASSERT_EQ(0, lauf.status) << lauf.aus;
  }
  // Runs an installed program in a folder of its own, with nothing of the build around.
  Lauf Installiert(const std::string& programm, const std::string& argumente) {
    return Ausfuehren("cd '" + anderswo.path().string() + "' && '" +
                      (fs::path(prefix()) / "bin" / programm).string() + "' " + argumente);
  }
  std::string prefix() const { return (tmp.path() / "prefix").string(); }
  fs::path Datei(const std::string& relativ) const { return fs::path(prefix()) / relativ; }

  testsupport::TempDir tmp;
  testsupport::TempDir anderswo;
};

TEST_F(InstallationTest, InstalledProgramsAnswerHelpFromAnotherFolder) {
  for (const char* programm : {"miv3x", "wun2-sim", "miv3x-curvegen"}) {
    const Lauf lauf = Installiert(programm, "--help");
    EXPECT_EQ(0, lauf.status) << programm << ": " << lauf.aus;
    EXPECT_EQ(0u, lauf.aus.find(std::string("usage: ") + programm)) << lauf.aus;
  }
  // Nothing was left beside the programs for them to lean on.
  EXPECT_FALSE(fs::exists(Datei("bin/buttons")));
  EXPECT_TRUE(fs::is_empty(anderswo.path()));
}

TEST_F(InstallationTest, DesktopEntryAndIconAreWhereTheDesktopLooks) {
  const fs::path eintrag = Datei("share/applications/miv3x-curvegen.desktop");
  ASSERT_TRUE(fs::exists(eintrag));
  const std::string text = Inhalt(eintrag);
  EXPECT_NE(std::string::npos, text.find("\nName=MIV-3X curve generator\n"));
  EXPECT_NE(std::string::npos, text.find("\nExec=miv3x-curvegen\n"));
  EXPECT_NE(std::string::npos, text.find("\nIcon=miv3x-curvegen\n"));
  EXPECT_TRUE(fs::exists(Datei("bin/miv3x-curvegen")));
  EXPECT_NE(std::string::npos,
            Inhalt(Datei("share/icons/hicolor/scalable/apps/miv3x-curvegen.svg")).find("<svg"));
  // A PNG of 48 x 48 pixels: signature, then width and height in the IHDR chunk.
  const std::string png = Inhalt(Datei("share/icons/hicolor/48x48/apps/miv3x-curvegen.png"));
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ("\x89PNG", png.substr(0, 4));
  EXPECT_EQ(std::string("\0\0\0\x30\0\0\0\x30", 8), png.substr(16, 8));

  if (!Vorhanden("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate is missing";
  const Lauf lauf = Ausfuehren("desktop-file-validate '" + eintrag.string() + "'");
  EXPECT_EQ(0, lauf.status) << lauf.aus;
  EXPECT_EQ("", lauf.aus);
}

TEST_F(InstallationTest, ManualPagesFollowTheHelpOfTheInstalledPrograms) {
  for (const char* programm : {"miv3x", "wun2-sim", "miv3x-curvegen"}) {
    const std::string seite = Inhalt(Datei(std::string("share/man/man1/") + programm + ".1"));
    EXPECT_EQ(0u, seite.find(".TH ")) << programm;
    // Every option the help names is in the page.
    const std::string hilfe = Installiert(programm, "--help").aus;
    int optionen = 0;
    for (auto p = hilfe.find("--"); p != std::string::npos; p = hilfe.find("--", p + 2)) {
      auto e = p + 2;
      while (e < hilfe.size() &&
             (std::isalnum(static_cast<unsigned char>(hilfe[e])) || hilfe[e] == '-'))
        ++e;
      EXPECT_NE(std::string::npos, seite.find(manpage::Escape(hilfe.substr(p, e - p))))
          << programm << ": " << hilfe.substr(p, e - p);
      ++optionen;
    }
    EXPECT_GT(optionen, 0) << programm;
  }
  const std::string seite = Inhalt(Datei("share/man/man1/miv3x.1"));
  const auto befehle = manpage::ListedCommands(Installiert("miv3x", "--help").aus);
  ASSERT_FALSE(befehle.empty());
  for (const std::string& befehl : befehle) {
    EXPECT_NE(std::string::npos, seite.find(".SS " + manpage::Escape(befehl) + "\n")) << befehl;
    // The command's own usage line stands in its section.
    const Lauf lauf = Installiert("miv3x", befehl + " --help");
    ASSERT_EQ(0, lauf.status) << lauf.aus;
    EXPECT_NE(std::string::npos,
              seite.find(manpage::Escape(lauf.aus.substr(0, lauf.aus.find('\n')))))
        << befehl;
  }
}

// The installed completion in a plain bash: what it offers after each typed line.
TEST_F(InstallationTest, BashCompletionOffersCommandsOptionsAndPorts) {
  if (!Vorhanden("bash")) GTEST_SKIP() << "bash is missing";
  const fs::path skript = Datei("share/bash-completion/completions/miv3x");
  ASSERT_TRUE(fs::exists(skript));
  // A port folder with COM7 as the only port.
  const fs::path ports = anderswo.path() / "ports";
  fs::create_directories(ports);
  fs::create_symlink("/dev/null", ports / "COM7");
  auto Angebot = [&](const std::string& zeile) {
    return Ausfuehren("cd '" + anderswo.path().string() + "' && MIV3X_PORT_DIR='" + ports.string() +
                      "' PATH='" + Datei("bin").string() +
                      ":/usr/bin:/bin' bash --norc -c 'source \"" + skript.string() +
                      "\"; COMP_WORDS=(" + zeile + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); " +
                      "_miv3x; echo \"${COMPREPLY[*]}\"'")
        .aus;
  };
  EXPECT_EQ("stats start stop status\n", Angebot("miv3x st"));
  EXPECT_EQ("--curve --from --to --json --help\n", Angebot("miv3x stats k.wur --"));
  // The machine's own ports come too.
  EXPECT_NE(std::string::npos, Angebot("miv3x status --port \"\"").find("7 /dev/null"));
  EXPECT_EQ("mode\n", Angebot("miv3x help mo"));
}

TEST(PaketTest, DebianPackageInstallsToUsrWithItsRuntimeDependencies) {
  for (const char* werkzeug : {"dpkg-deb", "dpkg-shlibdeps", "file"})
    if (!Vorhanden(werkzeug)) GTEST_SKIP() << werkzeug << " is missing";
  testsupport::TempDir tmp;
  const Lauf lauf =
      Ausfuehren("cd '" + std::string(MIV_BUILD_DIR) + "' && '" + MIV_CPACK + "' -G DEB -B '" +
                 tmp.path().string() + "' -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip");
  ASSERT_EQ(0, lauf.status) << lauf.aus;
  fs::path paket;
  for (const auto& e : fs::directory_iterator(tmp.path()))
    if (e.path().extension() == ".deb") paket = e.path();
  ASSERT_FALSE(paket.empty()) << lauf.aus;

  const std::string abhaengig = Ausfuehren("dpkg-deb -f '" + paket.string() + "' Depends").aus;
  for (const char* p :
       {"libqt6widgets6", "libqt6serialport6", "libqcustomplot2.1-qt6", "qt6-qpa-plugins", "libc6"})
    EXPECT_NE(std::string::npos, abhaengig.find(p)) << abhaengig;

  const std::string inhalt = Ausfuehren("dpkg-deb -c '" + paket.string() + "'").aus;
  for (const char* datei :
       {"./usr/bin/miv3x-curvegen", "./usr/bin/miv3x", "./usr/bin/wun2-sim",
        "./usr/share/applications/miv3x-curvegen.desktop",
        "./usr/share/icons/hicolor/48x48/apps/miv3x-curvegen.png",
        "./usr/share/icons/hicolor/scalable/apps/miv3x-curvegen.svg",
        "./usr/share/man/man1/miv3x.1", "./usr/share/man/man1/wun2-sim.1",
        "./usr/share/man/man1/miv3x-curvegen.1", "./usr/share/bash-completion/completions/miv3x"})
    EXPECT_NE(std::string::npos, inhalt.find(std::string(datei) + "\n")) << datei << "\n" << inhalt;
}

}  // namespace
