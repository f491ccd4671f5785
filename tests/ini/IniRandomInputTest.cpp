// Arbitrary and truncated files: reading never fails on content and never crashes, and what is
// read can always be written and read again.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "IniTestFiles.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"

using namespace ini;

namespace {

// Bytes with many of the characters that matter to the reader, line ends split anywhere.
std::string RandomBytes(std::mt19937& random) {
  static const std::string kPieces[] = {
      "[",    "]",         "=",         ";",    "\"",   " ",
      "\t",   "\r",        "\n",        "\r\n", "\n\r", std::string(1, '\0'),
      "Line", " Line0001", " Line0002", "a",    "Z",    "7",
      "-",    "\xff",      "\x80"};
  std::uniform_int_distribution<std::size_t> length(0, 6000);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) + 2);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<std::size_t> run(1, 400);
  std::string bytes;
  const std::size_t target = length(random);
  while (bytes.size() < target) {
    const std::size_t which = pick(random);
    if (which < std::size(kPieces)) {
      bytes += kPieces[which];
    } else if (which == std::size(kPieces)) {
      bytes += std::string(run(random), static_cast<char>('a' + byte(random) % 26));
    } else {
      bytes.push_back(static_cast<char>(byte(random)));
    }
  }
  return bytes;
}

// The written file has the shape of a section list: header, items, an empty line.
::testing::AssertionResult WellFormed(const std::string& bytes) {
  std::size_t at = 0;
  enum { kHeader, kItemOrEnd } expect = kHeader;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) return ::testing::AssertionFailure() << "no CR LF at " << at;
    const std::string line = bytes.substr(at, end - at);
    if (line.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      return ::testing::AssertionFailure() << "line end inside line at " << at;
    }
    if (expect == kHeader) {
      if (line.size() < 3 || line.front() != '[' || line.back() != ']') {
        return ::testing::AssertionFailure() << "header expected: " << line;
      }
      expect = kItemOrEnd;
    } else if (line.empty()) {
      expect = kHeader;
    } else if (line.find(" = ") == std::string::npos) {
      return ::testing::AssertionFailure() << "item expected: " << line;
    }
    at = end + 2;
  }
  if (expect != kHeader) return ::testing::AssertionFailure() << "last section not closed";
  return ::testing::AssertionSuccess();
}

std::string RandomText(std::mt19937& random, std::size_t maxLength, bool withQuotes) {
  const std::string alphabet = withQuotes ? "abcXYZ019 =;[]-_.\"\t" : "abcXYZ019 =;[]-_.\t";
  std::uniform_int_distribution<std::size_t> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string text(length(random), ' ');
  for (char& c : text) c = alphabet[pick(random)];
  return text;
}

std::string RandomName(std::mt19937& random) {
  std::uniform_int_distribution<int> length(1, 12);
  std::uniform_int_distribution<int> letter(0, 25);
  std::uniform_int_distribution<int> upper(0, 3);
  std::string name;
  for (int i = length(random); i > 0; --i) {
    name.push_back(static_cast<char>((upper(random) == 0 ? 'A' : 'a') + letter(random)));
  }
  return name;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string WithoutQuotes(std::string text) {
  std::erase(text, '"');
  return text;
}

}  // namespace

TEST(IniRandomInput, ArbitraryBytesAreReadWithoutFailure) {
  testsupport::TempDir dir;
  const std::string folder = dir.path().string();
  std::mt19937 random(20240611);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    const std::string input = RandomBytes(random);
    auto store = initest::ReadText(folder, input);
    const std::string written = initest::WriteText(store.get(), folder);
    EXPECT_TRUE(WellFormed(written));
    initest::ReadText(folder, written);  // expects the written file to read again
  }
  EXPECT_TRUE(initest::LeftoverTempFiles(folder).empty());
}

TEST(IniRandomInput, RandomStoresReadBackExactly) {
  testsupport::TempDir dir;
  const std::string folder = dir.path().string();
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    SCOPED_TRACE(round);
    auto store = initest::NewStore(round % 2 == 0);
    std::map<std::pair<std::string, std::string>, std::string> expected;  // last put wins
    std::uniform_int_distribution<int> puts(0, 60);
    for (int i = puts(random); i > 0; --i) {
      const std::string section = RandomName(random).substr(0, 3);
      const std::string tag = RandomName(random);
      const std::string value = RandomText(random, 300, true);
      ASSERT_EQ(Ini_PutRawString(store.get(), section.c_str(), tag.c_str(), value.c_str()), 0);
      expected[{Lower(section), Lower(tag)}] = value;
    }
    auto back = initest::ReadText(folder, initest::WriteText(store.get(), folder));
    for (const auto& [key, value] : expected) {
      EXPECT_EQ(initest::Raw(back.get(), key.first, key.second), value);
      EXPECT_EQ(initest::Raw(store.get(), key.first, key.second), value);
    }
  }
}

TEST(IniRandomInput, TruncatedFilesGiveOnlyWholeOrCutValues) {
  testsupport::TempDir dir;
  const std::string folder = dir.path().string();
  std::mt19937 random(99);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    auto store = initest::NewStore();
    std::map<std::pair<std::string, std::string>, std::string> full;
    for (int i = 0; i < 12; ++i) {
      const std::string section = RandomName(random).substr(0, 2);
      const std::string tag = RandomName(random);
      const std::string value = RandomText(random, 250, false);
      Ini_PutRawString(store.get(), section.c_str(), tag.c_str(), value.c_str());
      full[{Lower(section), Lower(tag)}] = value;
    }
    const std::string bytes = initest::WriteText(store.get(), folder);
    std::uniform_int_distribution<std::size_t> cut(0, bytes.size());
    auto partial = initest::ReadText(folder, bytes.substr(0, cut(random)));
    for (const auto& [key, value] : full) {
      const auto found = initest::Raw(partial.get(), key.first, key.second);
      if (!found) continue;
      // A cut value may have lost its closing quote, nothing else.
      const std::string seen = WithoutQuotes(*found);
      EXPECT_EQ(value.compare(0, seen.size(), seen), 0)
          << "'" << *found << "' of '" << value << "'";
    }
  }
}
