// Opening for reading never hangs: only regular files of sane size are opened.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/Lesedatei.h"
#include "support/TempDir.h"

namespace {

using common::Lesedatei;
using Grund = common::Lesedatei::Grund;

TEST(Lesedatei, NurGewoehnlicheDateien) {
  testsupport::TempDir dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Fall {
    std::string pfad;
    Grund grund;
  };
  for (const Fall& f :
       {Fall{fifo, Grund::KeineGewoehnlicheDatei}, Fall{"/dev/zero", Grund::KeineGewoehnlicheDatei},
        Fall{dir.path().string(), Grund::Ordner},
        Fall{dir.file("fehlt"), Grund::Fehlt}}) {
    Lesedatei d(f.pfad);
    EXPECT_FALSE(d) << f.pfad;
    EXPECT_EQ(d.Ablehnung(), f.grund) << f.pfad;
  }
  std::ofstream(dir.file("gut"), std::ios::binary) << "abc";
  Lesedatei gut(dir.file("gut"));
  ASSERT_TRUE(gut);
  EXPECT_EQ(gut.Groesse(), 3);
  char b[4] = {};
  EXPECT_EQ(std::fread(b, 1, 4, gut.Datei()), 3u);
}

TEST(Lesedatei, EineRiesigeDateiWirdAbgelehnt) {
  testsupport::TempDir dir;
  const std::string gross = dir.file("gross");
  std::ofstream(gross, std::ios::binary) << "x";
  std::filesystem::resize_file(gross, common::kLesedateiHoechstgroesse + 1);  // sparse
  Lesedatei d(gross);
  EXPECT_FALSE(d);
  EXPECT_EQ(d.Ablehnung(), Grund::ZuGross);
  std::filesystem::resize_file(gross, common::kLesedateiHoechstgroesse);
  EXPECT_TRUE(Lesedatei(gross));
}

}  // namespace
