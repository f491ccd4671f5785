// The written file's exact bytes and round trips of every kind of value.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>

#include "IniTestFiles.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"

using namespace ini;
using initest::NewStore;
using initest::Raw;

namespace {

std::string Letters(std::size_t count, char first = 'a') {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text.push_back(static_cast<char>(first + i % 26));
  return text;
}

}  // namespace

TEST(IniWrite, ExactBytes) {
  auto store = NewStore();
  Ini_PutInt(store.get(), "Zeta", "b", 7);
  Ini_PutRawString(store.get(), "alpha", "Name", "x y");
  Ini_PutInt(store.get(), "alpha", "count", -5);
  Ini_PutDouble(store.get(), "alpha", "ratio", 0.5);
  Ini_PutRawString(store.get(), "Mid", "empty", "");
  testsupport::TempDir dir;
  EXPECT_EQ(initest::WriteText(store.get(), dir.path().string()),
            "[alpha]\r\ncount = -5\r\nName = \"x y\"\r\nratio = 0.5\r\n\r\n"
            "[Mid]\r\nempty = \"\"\r\n\r\n"
            "[Zeta]\r\nb = 7\r\n\r\n");
}

TEST(IniWrite, EmptyStoreReplacesFileWithEmptyFile) {
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  initest::WriteBytes(path, "[old]\r\nx = 1\r\n\r\n");
  auto store = NewStore();
  ASSERT_EQ(Ini_WriteToFile(store.get(), path.c_str()), 0);
  EXPECT_EQ(initest::ReadBytes(path), "");
  EXPECT_TRUE(initest::LeftoverTempFiles(dir.path().string()).empty());
}

TEST(IniWrite, LongValuesGoOutInPiecesOf80) {
  auto store = NewStore();
  const std::string v80 = Letters(80), v81 = Letters(81), v160 = Letters(160, 'A'),
                    v161 = Letters(161);
  Ini_PutRawString(store.get(), "s", "a80", v80.c_str());
  Ini_PutRawString(store.get(), "s", "b81", v81.c_str());
  Ini_PutRawString(store.get(), "s", "c160", v160.c_str());
  Ini_PutRawString(store.get(), "s", "Text", v161.c_str());
  testsupport::TempDir dir;
  const std::string q = "\"";
  EXPECT_EQ(initest::WriteText(store.get(), dir.path().string()),
            "[s]\r\n"
            "a80 = " +
                q + v80 + q +
                "\r\n"
                "b81 Line0001 = " +
                q + v81.substr(0, 80) + q +
                "\r\n"
                "b81 Line0002 = " +
                q + v81.substr(80) + q +
                "\r\n"
                "c160 Line0001 = " +
                q + v160.substr(0, 80) + q +
                "\r\n"
                "c160 Line0002 = " +
                q + v160.substr(80) + q +
                "\r\n"
                "Text Line0001 = " +
                q + v161.substr(0, 80) + q +
                "\r\n"
                "Text Line0002 = " +
                q + v161.substr(80, 80) + q +
                "\r\n"
                "Text Line0003 = " +
                q + v161.substr(160) + q +
                "\r\n"
                "\r\n");

  auto back = initest::ReadText(dir.path().string(), initest::ReadBytes(dir.file("output.ini")));
  EXPECT_EQ(Raw(back.get(), "s", "a80"), v80);
  EXPECT_EQ(Raw(back.get(), "s", "b81"), v81);
  EXPECT_EQ(Raw(back.get(), "s", "c160"), v160);
  EXPECT_EQ(Raw(back.get(), "s", "text"), v161);
  EXPECT_FALSE(Raw(back.get(), "s", "Text Line0001"));
}

TEST(IniWrite, LongPlainValueGoesOutInPlainPieces) {
  testsupport::TempDir dir;
  const std::string value = Letters(200);
  auto store = initest::ReadText(dir.path().string(), "[s]\nv = " + value + "\n");
  EXPECT_EQ(initest::WriteText(store.get(), dir.path().string()),
            "[s]\r\nv Line0001 = " + value.substr(0, 80) + "\r\nv Line0002 = " +
                value.substr(80, 80) + "\r\nv Line0003 = " + value.substr(160) + "\r\n\r\n");
}

TEST(IniWrite, EveryKindOfValueReadsBack) {
  const double doubles[] = {0.0,   -0.0, 0.1,  1.0 / 3.0,  1e300, -1e300,   1e-300,
                            4.095, 1e15, 1e16, 123456.789, -7.25, HUGE_VAL, -HUGE_VAL};
  const std::int32_t ints[] = {0, 1, -1, 49, INT32_MAX, INT32_MIN};
  const std::string texts[] = {
      "",
      " ",
      "  leading and trailing  ",
      "V",
      "\"",
      "\"quoted\"",
      "a = b; [c]",
      "; not a comment",
      "[not a section]",
      "tab\tinside",
      Letters(80),
      std::string(" ").append(Letters(79)).append(" ").append(Letters(80)).append(" "),
      Letters(160),
      Letters(161),
      std::string(1000, 'z')};
  auto store = NewStore();
  for (std::size_t i = 0; i < std::size(doubles); ++i) {
    ASSERT_EQ(
        Ini_PutDouble(store.get(), "doubles", (initest::Numbered("d", i)).c_str(), doubles[i]), 0);
  }
  Ini_PutDouble(store.get(), "doubles", "nan", std::nan(""));
  for (std::size_t i = 0; i < std::size(ints); ++i) {
    ASSERT_EQ(Ini_PutInt(store.get(), "ints", (initest::Numbered("i", i)).c_str(), ints[i]), 0);
  }
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    ASSERT_EQ(Ini_PutRawString(store.get(), "texts", (initest::Numbered("t", i)).c_str(),
                               texts[i].c_str()),
              0);
  }
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  ASSERT_EQ(Ini_WriteToFile(store.get(), path.c_str()), 0);
  auto back = NewStore();
  ASSERT_EQ(Ini_ReadFromFile(back.get(), path.c_str()), 0);

  for (std::size_t i = 0; i < std::size(doubles); ++i) {
    double value = 99;
    EXPECT_EQ(Ini_GetDouble(back.get(), "doubles", (initest::Numbered("d", i)).c_str(), &value), 1)
        << doubles[i];
    EXPECT_EQ(value, doubles[i]);
    EXPECT_EQ(std::signbit(value), std::signbit(doubles[i])) << doubles[i];
  }
  // The smallest normal number comes back with 16 digits, just below it: still a number.
  Ini_PutDouble(store.get(), "doubles", "min", 2.2250738585072014e-308);
  double tiny = 0;
  EXPECT_EQ(Ini_GetDouble(store.get(), "doubles", "min", &tiny), 1);
  EXPECT_NEAR(tiny / 2.2250738585072014e-308, 1.0, 1e-15);
  double nan = 0;
  EXPECT_EQ(Ini_GetDouble(back.get(), "doubles", "NAN", &nan), 1);
  EXPECT_TRUE(std::isnan(nan));
  for (std::size_t i = 0; i < std::size(ints); ++i) {
    std::int32_t value = 99;
    EXPECT_EQ(Ini_GetInt(back.get(), "ints", (initest::Numbered("i", i)).c_str(), &value), 1);
    EXPECT_EQ(value, ints[i]);
  }
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(Raw(back.get(), "texts", initest::Numbered("t", i)), texts[i]) << i;
  }
  // An empty raw string is found, and it is blank as a number.
  std::int32_t untouched = 5;
  EXPECT_EQ(Ini_GetInt(back.get(), "texts", "t0", &untouched), 0);
  EXPECT_EQ(untouched, 5);
}

TEST(IniWrite, StoreLargerThanTheOutputBufferReadsBack) {
  auto store = NewStore();
  for (int s = 0; s < 20; ++s) {
    for (int t = 0; t < 50; ++t) {
      const std::string value = Letters(static_cast<std::size_t>((s * 50 + t) % 230), 'a' + s);
      Ini_PutRawString(store.get(), (initest::Numbered("section", s)).c_str(),
                       (initest::Numbered("tag", t)).c_str(), value.c_str());
    }
  }
  testsupport::TempDir dir;
  const std::string path = dir.file("big.ini");
  ASSERT_EQ(Ini_WriteToFile(store.get(), path.c_str()), 0);
  ASSERT_GT(initest::ReadBytes(path).size(), 4 * 16384u);
  auto back = NewStore();
  ASSERT_EQ(Ini_ReadFromFile(back.get(), path.c_str()), 0);
  for (int s = 0; s < 20; ++s) {
    for (int t = 0; t < 50; ++t) {
      EXPECT_EQ(Raw(back.get(), initest::Numbered("section", s), initest::Numbered("tag", t)),
                Letters(static_cast<std::size_t>((s * 50 + t) % 230), 'a' + s));
    }
  }
}

TEST(IniWrite, LeavesOtherFilesAlone) {
  testsupport::TempDir dir;
  for (int n = 0; n < 5; ++n) {
    initest::WriteBytes(dir.file(initest::Numbered("ini$$", n) + ".TMP"),
                        initest::Numbered("keep ", n));
  }
  auto store = NewStore();
  Ini_PutInt(store.get(), "s", "t", 1);
  const std::string path = dir.file("settings.ini");
  ASSERT_EQ(Ini_WriteToFile(store.get(), path.c_str()), 0);
  EXPECT_EQ(initest::ReadBytes(path), "[s]\r\nt = 1\r\n\r\n");
  EXPECT_TRUE(initest::LeftoverTempFiles(dir.path().string()).empty());
  for (int n = 0; n < 5; ++n) {
    EXPECT_EQ(initest::ReadBytes(dir.file(initest::Numbered("ini$$", n) + ".TMP")),
              initest::Numbered("keep ", n));
  }
}

TEST(IniWrite, BareFileNameGoesToTheCurrentFolder) {
  testsupport::TempDir dir;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  initest::WriteBytes("miv3XKurvengenerator.ini", "[old]\r\n");
  auto store = NewStore();
  Ini_PutInt(store.get(), "kurven", "darstellung", 3);
  const int result = Ini_WriteToFile(store.get(), "miv3XKurvengenerator.ini");
  const std::string bytes = initest::ReadBytes("miv3XKurvengenerator.ini");
  std::filesystem::current_path(previous);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(bytes, "[kurven]\r\ndarstellung = 3\r\n\r\n");
  EXPECT_TRUE(initest::LeftoverTempFiles(dir.path().string()).empty());
}

TEST(IniWrite, ALinkedSettingsFileIsReplacedWhereTheLinkPoints) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.path() / "real");
  const std::string real = dir.file("real/settings.ini");
  const std::string link = dir.file("settings.ini");
  initest::WriteBytes(real, "[old]\r\n");
  std::filesystem::create_symlink(real, link);
  auto store = NewStore();
  Ini_PutInt(store.get(), "com", "port", 3);
  ASSERT_EQ(Ini_WriteToFile(store.get(), link.c_str()), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(initest::ReadBytes(real), "[com]\r\nport = 3\r\n\r\n");
  EXPECT_TRUE(initest::LeftoverTempFiles(dir.path().string()).empty());
  EXPECT_TRUE(initest::LeftoverTempFiles(dir.file("real")).empty());
}

TEST(IniWrite, TheReplacedFileKeepsItsAccessRights) {
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  initest::WriteBytes(path, "[old]\r\n");
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  auto store = NewStore();
  Ini_PutInt(store.get(), "com", "lport", 2);
  ASSERT_EQ(Ini_WriteToFile(store.get(), path.c_str()), 0);
  EXPECT_EQ(initest::ReadBytes(path), "[com]\r\nlport = 2\r\n\r\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}
