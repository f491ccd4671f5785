// Reading settings files: line ends, chunk boundaries, malformed lines, long values.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "IniTestFiles.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"

using namespace ini;
using initest::Raw;
using initest::ReadText;

namespace {

class IniRead : public ::testing::Test {
 protected:
  initest::Store read(const std::string& bytes) { return ReadText(folder(), bytes); }
  std::string write(ini::IniStore* store) { return initest::WriteText(store, folder()); }
  std::string folder() const { return dir_.path().string(); }

 private:
  testsupport::TempDir dir_;
};

}  // namespace

TEST_F(IniRead, MissingFileLeavesStoreEmpty) {
  auto store = initest::NewStore();
  const std::string path = folder() + "/absent.ini";
  EXPECT_EQ(Ini_ReadFromFile(store.get(), path.c_str()), -5001);
  EXPECT_EQ(write(store.get()), "");
}

TEST_F(IniRead, FolderGivesReadError) {
  auto store = initest::NewStore();
  EXPECT_EQ(Ini_ReadFromFile(store.get(), folder().c_str()), -5002);
  EXPECT_EQ(write(store.get()), "");
}

TEST_F(IniRead, SameContentWithAnyLineEnds) {
  const std::string lines[] = {"; settings", "[kurven]",     "darstellung = 3",
                               "[com]",      "  adresse=49", "port = -1",
                               "",           "  \t ",        "lport = 1"};
  std::string reference;
  const std::string ends[] = {"\r\n", "\n", "\r", "\n\r", std::string(1, '\0')};
  for (const std::string& end : ends) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + end;
    auto store = read(bytes);
    const std::string written = write(store.get());
    if (reference.empty()) {
      reference = written;
      EXPECT_EQ(reference,
                "[com]\r\nadresse = 49\r\nlport = 1\r\nport = -1\r\n\r\n"
                "[kurven]\r\ndarstellung = 3\r\n\r\n");
    }
    EXPECT_EQ(written, reference);
  }
}

TEST_F(IniRead, ZeroByteEndsALine) {
  auto store = read(std::string("[s]\na = 1\0b = 2\nc = x\0y\n", 24));
  EXPECT_EQ(Raw(store.get(), "s", "a"), "1");
  EXPECT_EQ(Raw(store.get(), "s", "b"), "2");
  EXPECT_EQ(Raw(store.get(), "s", "c"), "x");
}

TEST_F(IniRead, LineEndsSplitAcrossChunks) {
  // Every kind of line end, shifted so that each falls on the 2048-byte chunk border.
  for (const std::string end : {"\r\n", "\n\r", "\r\r", "\n\n", "\r", "\n"}) {
    for (std::size_t shift = 0; shift < 8; ++shift) {
      std::string bytes = "[s]\r\n;" + std::string(2048 - 6 - 4 - shift, 'x') + "\n";
      for (int i = 0; i < 6; ++i) bytes += initest::Numbered("k", i) + "=v" + end;
      auto store = read(bytes);
      for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Raw(store.get(), "s", initest::Numbered("k", i)), "v") << shift;
      }
      EXPECT_EQ(write(store.get()).size(), 5 + 6 * 8 + 2u);
    }
  }
}

TEST_F(IniRead, LongLinesAreCutTo255Characters) {
  const std::string longValue(296, 'x');  // "k = " + 296 = 300 characters
  for (std::size_t lead = 2040; lead < 2052; ++lead) {
    // The long line crosses the chunk border at a different place each time.
    std::string bytes = "[s]\n;" + std::string(lead - 5, 'c') + "\n";
    bytes += "k = " + longValue + "\nnext = 1\n";
    bytes += "q = \"" + std::string(400, 'y') + "\"\n";
    auto store = read(bytes);
    EXPECT_EQ(Raw(store.get(), "s", "k"), std::string(251, 'x'));
    EXPECT_EQ(Raw(store.get(), "s", "next"), "1");
    // The closing quote is cut off, so the value keeps its opening quote.
    EXPECT_EQ(Raw(store.get(), "s", "q"), "\"" + std::string(250, 'y'));
  }
}

TEST_F(IniRead, MalformedLinesAreSkippedAndKeepTheCurrentSection) {
  auto store = read(
      "before = 1\n"
      "[ first ]  \n"
      "a = 1\n"
      "[second] trailing\n"
      "b = 2\n"
      "[]\n"
      "[   ]\n"
      "[open\n"
      "c = 3\n"
      "no separator\n"
      " = no tag\n"
      "no value =   \n"
      "  ; d = 4\n"
      ";[third]\n"
      "e == 5 = 6\n"
      "[x]]\n"
      "f = 7\n"
      "[ tab\t]\t\n"
      "g=8\n");
  EXPECT_EQ(Raw(store.get(), "first", "a"), "1");
  EXPECT_EQ(Raw(store.get(), "first", "b"), "2");
  EXPECT_EQ(Raw(store.get(), "first", "c"), "3");
  EXPECT_EQ(Raw(store.get(), "first", "e"), "= 5 = 6");
  EXPECT_EQ(Raw(store.get(), "x]", "f"), "7");
  EXPECT_EQ(Raw(store.get(), "tab", "g"), "8");
  EXPECT_FALSE(Raw(store.get(), "first", "before"));
  EXPECT_FALSE(Raw(store.get(), "second", "b"));
  EXPECT_FALSE(Raw(store.get(), "first", "d"));
  EXPECT_FALSE(Raw(store.get(), "first", "no value"));
  EXPECT_FALSE(Raw(store.get(), "first", "no separator"));
  EXPECT_EQ(write(store.get()),
            "[first]\r\na = 1\r\nb = 2\r\nc = 3\r\ne = = 5 = 6\r\n\r\n"
            "[tab]\r\ng = 8\r\n\r\n[x]]\r\nf = 7\r\n\r\n");
}

TEST_F(IniRead, QuotesAreRemovedOncePerValue) {
  auto store = read(
      "[s]\n"
      "empty = \"\"\n"
      "blanks = \"  two  \"\n"
      "inner = \"\"quoted\"\"\n"
      "single = \"\n"
      "half = \"open\n"
      "plain =   trimmed  \n");
  EXPECT_EQ(Raw(store.get(), "s", "empty"), "");
  EXPECT_EQ(Raw(store.get(), "s", "blanks"), "  two  ");
  EXPECT_EQ(Raw(store.get(), "s", "inner"), "\"quoted\"");
  EXPECT_EQ(Raw(store.get(), "s", "single"), "\"");
  EXPECT_EQ(Raw(store.get(), "s", "half"), "\"open");
  EXPECT_EQ(Raw(store.get(), "s", "plain"), "trimmed");
  // Quoted items are written quoted again, the others as they are.
  EXPECT_EQ(write(store.get()),
            "[s]\r\nblanks = \"  two  \"\r\nempty = \"\"\r\nhalf = \"open\r\n"
            "inner = \"\"quoted\"\"\r\nplain = trimmed\r\nsingle = \"\r\n\r\n");
}

TEST_F(IniRead, ContinuationLinesAreJoined) {
  auto store = read(
      "[s]\n"
      "Text Line0001 = abc\n"
      "Text Line0002 = def\n"
      "Gap Line1 = 1\n"
      "Gap Line0005 = 2\n"
      "Gap Line0 = 3\n"
      "Other Line0002 = 4\n"  // base names of one run are not compared
      "Two Line0001 = x\n"
      "Two Line0001 = y\n"  // number 1 starts a new run
      "Cut Line1 = a\n"
      "plain = b\n"
      "Cut Line2 = c\n"  // outside a run: stays as it is
      "Big Line1 = p\n"
      "Big Line2147483648 = q\n"  // does not fit: not a continuation, ends the run
      "Big Line2 = r\n"
      "lower line0001 = l\n"
      "Suffix Line0001x = s\n"
      "Quoted Line0001 = \"  a\"\n"
      "Quoted Line0002 = \"b  \"\n"
      "Late Line1 A Line0001 = z\n");
  EXPECT_EQ(Raw(store.get(), "s", "Text"), "abcdef");
  EXPECT_EQ(Raw(store.get(), "s", "Gap"), "1234");
  EXPECT_EQ(Raw(store.get(), "s", "Two"), "x");  // both runs make an item "Two"
  EXPECT_EQ(Raw(store.get(), "s", "Cut"), "a");
  EXPECT_EQ(Raw(store.get(), "s", "Cut Line2"), "c");
  EXPECT_EQ(Raw(store.get(), "s", "Big"), "p");
  EXPECT_EQ(Raw(store.get(), "s", "Big Line2147483648"), "q");
  EXPECT_EQ(Raw(store.get(), "s", "Big Line2"), "r");
  EXPECT_EQ(Raw(store.get(), "s", "lower line0001"), "l");
  EXPECT_EQ(Raw(store.get(), "s", "Suffix Line0001x"), "s");
  EXPECT_EQ(Raw(store.get(), "s", "Quoted"), "  ab  ");
  EXPECT_EQ(Raw(store.get(), "s", "Late Line1 A Line0001"), "z");
  EXPECT_FALSE(Raw(store.get(), "s", "Other"));
  EXPECT_FALSE(Raw(store.get(), "s", "Text Line0001"));
}

TEST_F(IniRead, ReadingAddsToTheStoreAndKeepsRepeatedSectionsApart) {
  auto store = read("[b]\nx = 1\n[a]\ny = 2\n[B]\nx = 3\nz = 4\n");
  const std::string path = folder() + "/more.ini";
  initest::WriteBytes(path, "[c]\nw = 5\n");
  ASSERT_EQ(Ini_ReadFromFile(store.get(), path.c_str()), 0);
  EXPECT_EQ(Raw(store.get(), "A", "y"), "2");
  EXPECT_EQ(Raw(store.get(), "c", "w"), "5");
  EXPECT_EQ(Raw(store.get(), "b", "x"), "1");  // the first of the two sections is found
  EXPECT_EQ(write(store.get()),
            "[a]\r\ny = 2\r\n\r\n[b]\r\nx = 1\r\n\r\n[B]\r\nx = 3\r\nz = 4\r\n\r\n"
            "[c]\r\nw = 5\r\n\r\n");
}

TEST_F(IniRead, UnsortedStoreKeepsFileOrder) {
  const std::string path = folder() + "/order.ini";
  initest::WriteBytes(path, "[z]\nb = 1\na = 2\n[y]\nc = 3\n");
  auto store = initest::NewStore(false);
  ASSERT_EQ(Ini_ReadFromFile(store.get(), path.c_str()), 0);
  EXPECT_EQ(write(store.get()), "[z]\r\nb = 1\r\na = 2\r\n\r\n[y]\r\nc = 3\r\n\r\n");
}
