// The shared save helper: short unique temporary names, leftovers of killed saves removed,
// saves in progress and other files left alone, and the old file kept on every failure.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "common/Speicherdatei.h"
#include "support/TempDir.h"

namespace {

using common::Speicherdatei;
namespace fs = std::filesystem;

std::string Lesen(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Anlegen(const std::string& pfad, const std::string& text) {
  std::ofstream(pfad, std::ios::binary) << text;
}

std::set<std::string> Namen(const fs::path& ordner) {
  std::set<std::string> n;
  for (const auto& e : fs::directory_iterator(ordner)) n.insert(e.path().filename().string());
  return n;
}

Speicherdatei::Ergebnis Speichern(const std::string& pfad, const std::string& text) {
  Speicherdatei d(pfad);
  if (const auto e = d.Oeffnen(); e != Speicherdatei::Ergebnis::Ok) return e;
  d.Schreiben(text);
  return d.Abschliessen();
}

TEST(Speicherdatei, ErsetztDasZielUndLaesstNichtsZurueck) {
  testsupport::TempDir dir;
  const std::string ziel = dir.file("a.wur");
  Anlegen(ziel, "alt");
  ::chmod(ziel.c_str(), 0640);
  ASSERT_EQ(Speichern(ziel, "neu"), Speicherdatei::Ergebnis::Ok);
  EXPECT_EQ(Lesen(ziel), "neu");
  EXPECT_EQ(Namen(dir.path()), std::set<std::string>{"a.wur"});
  struct stat info;
  ASSERT_EQ(::stat(ziel.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(Speicherdatei, VerworfenBleibtDasAlte) {
  testsupport::TempDir dir;
  const std::string ziel = dir.file("a.txt");
  Anlegen(ziel, "alt");
  {
    Speicherdatei d(ziel);
    ASSERT_EQ(d.Oeffnen(), Speicherdatei::Ergebnis::Ok);
    d.Schreiben("halb");
  }
  EXPECT_EQ(Lesen(ziel), "alt");
  EXPECT_EQ(Namen(dir.path()), std::set<std::string>{"a.txt"});
}

TEST(Speicherdatei, NamenBis255ZeichenLassenSichSpeichern) {
  testsupport::TempDir dir;
  for (std::size_t laenge : {251u, 255u}) {
    const std::string ziel = dir.file(std::string(laenge - 4, 'n') + ".wur");
    ASSERT_EQ(Speichern(ziel, "x"), Speicherdatei::Ergebnis::Ok) << laenge;
    EXPECT_EQ(Lesen(ziel), "x");
  }
  EXPECT_LT(Speicherdatei::Namensanfang(std::string(255, 'n')).size() + 6, 32u);
}

// A save killed in the middle leaves its temporary file; the next save of the same target
// removes it, whatever the number of such leftovers.
TEST(Speicherdatei, ResteAbgebrochenerSpeicherungenVerschwinden) {
  testsupport::TempDir dir;
  const std::string ziel = dir.file("k.wur");
  const std::string anderes = dir.file("andere.wur");
  for (int i = 0; i < 3; ++i) {
    for (const std::string& pfad : {ziel, anderes}) {
      const pid_t kind = ::fork();
      ASSERT_GE(kind, 0);
      if (kind == 0) {
        Speicherdatei d(pfad);
        d.Oeffnen();
        d.Schreiben("halb");
        ::_exit(0);  // no destructor runs: as if the program had been killed
      }
      int status = 0;
      ::waitpid(kind, &status, 0);
    }
  }
  EXPECT_EQ(Namen(dir.path()).size(), 6u);
  Anlegen(dir.file("k.wur.tmp0"), "fremd");
  ASSERT_EQ(Speichern(ziel, "ganz"), Speicherdatei::Ergebnis::Ok);
  // Only the leftovers of the other target and the foreign file stay.
  std::set<std::string> bleiben;
  for (const auto& n : Namen(dir.path()))
    if (n.rfind(Speicherdatei::Namensanfang(anderes), 0) == 0) bleiben.insert(n);
  EXPECT_EQ(bleiben.size(), 3u);
  EXPECT_EQ(Namen(dir.path()).size(), 3u + 2u);
  EXPECT_EQ(Lesen(dir.file("k.wur.tmp0")), "fremd");
  EXPECT_EQ(Lesen(ziel), "ganz");
}

TEST(Speicherdatei, EineLaufendeSpeicherungBleibtUnberuehrt) {
  testsupport::TempDir dir;
  const std::string ziel = dir.file("k.wur");
  Speicherdatei laufend(ziel);
  ASSERT_EQ(laufend.Oeffnen(), Speicherdatei::Ergebnis::Ok);
  laufend.Schreiben("spaeter");
  ASSERT_EQ(Speichern(ziel, "jetzt"), Speicherdatei::Ergebnis::Ok);
  ASSERT_EQ(laufend.Abschliessen(), Speicherdatei::Ergebnis::Ok);
  EXPECT_EQ(Lesen(ziel), "spaeter");
}

TEST(Speicherdatei, KeinOrdnerKeineFifoUndKeinOrdnerAlsZiel) {
  testsupport::TempDir dir;
  EXPECT_EQ(Speichern(dir.file("fehlt/a.wur"), "x"), Speicherdatei::Ergebnis::NichtAnlegbar);
  EXPECT_EQ(Speichern(dir.path().string(), "x"), Speicherdatei::Ergebnis::NichtAnlegbar);
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Speichern(fifo, "x"), Speicherdatei::Ergebnis::NichtAnlegbar);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(Namen(dir.path()), std::set<std::string>{"fifo"});
}

TEST(Speicherdatei, EinLinkBleibtEinLink) {
  testsupport::TempDir dir;
  Anlegen(dir.file("echt.ini"), "alt");
  fs::create_symlink("echt.ini", dir.file("link.ini"));
  ASSERT_EQ(Speichern(dir.file("link.ini"), "neu"), Speicherdatei::Ergebnis::Ok);
  EXPECT_TRUE(fs::is_symlink(dir.file("link.ini")));
  EXPECT_EQ(Lesen(dir.file("echt.ini")), "neu");
}

}  // namespace
