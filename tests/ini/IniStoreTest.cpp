// Puts, gets, the duplicate rule, ordering and argument checks of the store.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "IniTestFiles.h"
#include "ini/IniStore.h"
#include "support/DeutscheZahlen.h"
#include "support/TempDir.h"

using namespace ini;
using initest::NewStore;
using initest::Raw;

TEST(IniStorePut, SameTagReplacesIgnoringCaseAndBlanks) {
  auto store = NewStore();
  ASSERT_EQ(Ini_PutInt(store.get(), "com", "PORT", 1), 0);
  ASSERT_EQ(Ini_PutInt(store.get(), " COM ", "  port\t", 2), 0);
  std::int32_t port = 0;
  EXPECT_EQ(Ini_GetInt(store.get(), "Com", "Port", &port), 1);
  EXPECT_EQ(port, 2);

  testsupport::TempDir dir;
  // One section, one item, with the name and tag of the first put.
  EXPECT_EQ(initest::WriteText(store.get(), dir.path().string()), "[com]\r\nport = 2\r\n\r\n");
}

TEST(IniStorePut, ReplacingChangesKindOfValue) {
  auto store = NewStore();
  Ini_PutRawString(store.get(), "s", "v", "text");
  Ini_PutDouble(store.get(), "s", "V", 2.5);
  testsupport::TempDir dir;
  EXPECT_EQ(initest::WriteText(store.get(), dir.path().string()), "[s]\r\nV = 2.5\r\n\r\n");
}

TEST(IniStorePut, SortedStoreOrdersSectionsAndTagsIgnoringCase) {
  auto store = NewStore(true);
  Ini_PutInt(store.get(), "zeta", "b", 1);
  Ini_PutInt(store.get(), "Alpha", "Zed", 2);
  Ini_PutInt(store.get(), "alpha", "apple", 3);
  Ini_PutInt(store.get(), "Mid", "x", 4);
  Ini_PutInt(store.get(), "alpha", "Banana", 5);
  Ini_PutInt(store.get(), "zeta", "A", 6);
  testsupport::TempDir dir;
  EXPECT_EQ(initest::WriteText(store.get(), dir.path().string()),
            "[Alpha]\r\napple = 3\r\nBanana = 5\r\nZed = 2\r\n\r\n"
            "[Mid]\r\nx = 4\r\n\r\n"
            "[zeta]\r\nA = 6\r\nb = 1\r\n\r\n");
}

TEST(IniStorePut, UnsortedStoreAppendsAndReplacedItemKeepsItsPlace) {
  auto store = NewStore(false);
  Ini_PutInt(store.get(), "second", "z", 1);
  Ini_PutInt(store.get(), "first", "c", 2);
  Ini_PutInt(store.get(), "second", "a", 3);
  Ini_PutInt(store.get(), "second", "m", 4);
  Ini_PutInt(store.get(), "SECOND", "A", 5);  // replaces "a" in the middle
  std::int32_t value = 0;
  EXPECT_EQ(Ini_GetInt(store.get(), "second", "m", &value), 1);
  EXPECT_EQ(value, 4);
  testsupport::TempDir dir;
  EXPECT_EQ(initest::WriteText(store.get(), dir.path().string()),
            "[second]\r\nz = 1\r\nA = 5\r\nm = 4\r\n\r\n[first]\r\nc = 2\r\n\r\n");
}

TEST(IniStorePut, LookupsAcrossManySectionsAndTags) {
  // Binary search and the last-section cache must agree with the puts in any order.
  for (const bool sorted : {true, false}) {
    auto store = NewStore(sorted);
    for (int i = 0; i < 60; ++i) {
      const int s = (i * 37) % 60;
      for (int t = 0; t < 30; ++t) {
        const std::string section = initest::Numbered("Sec", s);
        const std::string tag = initest::Numbered("tag", (t * 7) % 30);
        ASSERT_EQ(Ini_PutInt(store.get(), section.c_str(), tag.c_str(), s * 100 + (t * 7) % 30), 0);
      }
    }
    for (int s = 59; s >= 0; --s) {
      for (int t = 0; t < 30; ++t) {
        const std::string section = initest::Numbered("SEC", s);
        const std::string tag = initest::Numbered("TAG", t);
        std::int32_t value = -1;
        ASSERT_EQ(Ini_GetInt(store.get(), section.c_str(), tag.c_str(), &value), 1)
            << section << " " << tag << " sorted=" << sorted;
        EXPECT_EQ(value, s * 100 + t);
      }
    }
    std::int32_t value = 0;
    EXPECT_EQ(Ini_GetInt(store.get(), "Sec60", "tag0", &value), 0);
    EXPECT_EQ(Ini_GetInt(store.get(), "Sec0", "tag30", &value), 0);
  }
}

TEST(IniStorePut, MissingArgumentsAreRefused) {
  auto store = NewStore();
  EXPECT_EQ(Ini_PutInt(nullptr, "s", "t", 1), -65);
  EXPECT_EQ(Ini_PutDouble(store.get(), nullptr, "t", 1.0), -65);
  EXPECT_EQ(Ini_PutRawString(store.get(), "s", nullptr, "x"), -65);
  EXPECT_EQ(Ini_WriteToFile(nullptr, "x.ini"), -65);
  EXPECT_EQ(Ini_WriteToFile(store.get(), nullptr), -65);
  EXPECT_EQ(Ini_ReadFromFile(nullptr, "x.ini"), -65);

  // A missing text counts as the empty text.
  ASSERT_EQ(Ini_PutRawString(store.get(), "s", "t", nullptr), 0);
  EXPECT_EQ(Raw(store.get(), "s", "t"), "");

  std::int32_t i = 77;
  double d = 7.5;
  EXPECT_EQ(Ini_GetInt(store.get(), "s", "t", nullptr), -65);
  EXPECT_EQ(Ini_GetInt(nullptr, "s", "t", &i), -65);
  EXPECT_EQ(Ini_GetDouble(store.get(), "s", nullptr, &d), -65);
  EXPECT_EQ(i, 77);
  EXPECT_EQ(d, 7.5);
  char buffer[4] = "abc";
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(nullptr, "s", "t", buffer, sizeof buffer), -65);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(store.get(), "s", "t", nullptr, 8), -65);
  Ini_Dispose(nullptr);
}

TEST(IniStoreGet, RawStringIntoBufferCutsAndClears) {
  auto store = NewStore();
  Ini_PutRawString(store.get(), "konfig", "outeinheit0", "twelve chars");
  char buffer[9];
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(store.get(), "konfig", "outeinheit0", buffer, 9), 1);
  EXPECT_STREQ(buffer, "twelve c");

  char exact[13];
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(store.get(), "konfig", "outeinheit0", exact, 13), 1);
  EXPECT_STREQ(exact, "twelve chars");

  char one[1] = {'x'};
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(store.get(), "konfig", "outeinheit0", one, 1), 1);
  EXPECT_EQ(one[0], '\0');

  char missing[8] = "stale";
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(store.get(), "konfig", "ineinheit0", missing, 8), 0);
  EXPECT_STREQ(missing, "");
  std::snprintf(missing, sizeof missing, "stale");
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(store.get(), "nosuch", "outeinheit0", missing, 8), 0);
  EXPECT_STREQ(missing, "");
}

TEST(IniStoreGet, IntegerText) {
  auto store = NewStore();
  struct Case {
    const char* text;
    int result;
    std::int32_t value;  // expected value; 999 means untouched
  };
  const Case cases[] = {
      {"42", 1, 42},
      {" \t-17  ", 1, -17},
      {"+7", 1, 7},
      {"007", 1, 7},
      {"0", 1, 0},
      {"-0", 1, 0},
      {"2147483647", 1, 2147483647},
      {"-2147483648", 1, INT32_MIN},
      {"2147483648", -5021, 999},
      {"-2147483649", -5021, 999},
      {"4294967295", -5021, 999},
      {"4294967296", -5021, 999},
      {"99999999999999999999", -5021, 999},
      {"12ab", -5021, 999},
      {"1 2", -5021, 999},
      {"- 5", -5021, 999},
      {"+-5", -5021, 999},
      {"--5", -5021, 999},
      {"+", -5021, 999},
      {"0x10", -5021, 999},
      {"1.5", -5021, 999},
      {"", 0, 999},
      {"   ", 0, 999},
  };
  for (const Case& c : cases) {
    Ini_PutRawString(store.get(), "s", "n", c.text);
    std::int32_t value = 999;
    EXPECT_EQ(Ini_GetInt(store.get(), "s", "n", &value), c.result) << "'" << c.text << "'";
    EXPECT_EQ(value, c.value) << "'" << c.text << "'";
  }
  std::int32_t value = 999;
  EXPECT_EQ(Ini_GetInt(store.get(), "s", "absent", &value), 0);
  EXPECT_EQ(value, 999);
}

TEST(IniStoreGet, DoubleText) {
  auto store = NewStore();
  auto get = [&](const char* text, double& value) {
    Ini_PutRawString(store.get(), "s", "d", text);
    return Ini_GetDouble(store.get(), "s", "d", &value);
  };
  double value = 0;
  EXPECT_EQ(get("2.5", value), 1);
  EXPECT_EQ(value, 2.5);
  EXPECT_EQ(get("  -1e3 \t", value), 1);
  EXPECT_EQ(value, -1000.0);
  EXPECT_EQ(get("+.5", value), 1);
  EXPECT_EQ(value, 0.5);
  for (const char* inf : {"Inf", "inf", "INF", "+iNf", " Inf "}) {
    value = 0;
    EXPECT_EQ(get(inf, value), 1) << inf;
    EXPECT_EQ(value, HUGE_VAL) << inf;
  }
  EXPECT_EQ(get("-INF", value), 1);
  EXPECT_EQ(value, -HUGE_VAL);
  EXPECT_EQ(get("NaN", value), 1);
  EXPECT_TRUE(std::isnan(value));

  // Not all consumed: the number before the letter is still stored.
  value = 0;
  EXPECT_EQ(get("3.25V", value), -5023);
  EXPECT_EQ(value, 3.25);
  EXPECT_EQ(get("Infinite", value), -5023);
  value = 9;
  EXPECT_EQ(get("abc", value), -5023);
  EXPECT_EQ(value, 0.0);
  // Only decimal notation: of a hexadecimal text just the leading zero is a number.
  value = 9;
  EXPECT_EQ(get("0x10", value), -5023);
  EXPECT_EQ(value, 0.0);
  value = 9;
  EXPECT_EQ(get(" -0X1p4", value), -5023);
  EXPECT_EQ(value, 0.0);
  EXPECT_TRUE(std::signbit(value));
  // Range errors: overflow and underflow to zero.
  EXPECT_EQ(get("1e999", value), -5023);
  EXPECT_EQ(value, HUGE_VAL);
  EXPECT_EQ(get("-1e999", value), -5023);
  EXPECT_EQ(value, -HUGE_VAL);
  EXPECT_EQ(get("1e-999", value), -5023);
  EXPECT_EQ(value, 0.0);

  value = 4.5;
  EXPECT_EQ(get("", value), 0);
  EXPECT_EQ(get("  ", value), 0);
  EXPECT_EQ(Ini_GetDouble(store.get(), "s", "absent", &value), 0);
  EXPECT_EQ(value, 4.5);
}

TEST(IniStoreGet, NumbersAreWrittenInTheirShortestForm) {
  auto store = NewStore();
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {10.0, "10"},
      {0.5, "0.5"},
      {0.1, "0.1"},
      {1.0 / 3.0, "0.3333333333333333"},
      {-2.0 / 3.0, "-0.6666666666666666"},
      {1e15, "1000000000000000"},
      {1e16, "1e+16"},
      {1e-4, "0.0001"},
      {1e-5, "1e-05"},
      {1e300, "1e+300"},
      {-0.0, "-0"},
      {4.095, "4.095"},
      {HUGE_VAL, "Inf"},
      {-HUGE_VAL, "-Inf"},
      {std::nan(""), "NaN"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Ini_PutDouble(store.get(), "s", "d", c.value), 0);
    EXPECT_EQ(Raw(store.get(), "s", "d"), c.text);
  }
  Ini_PutInt(store.get(), "s", "i", INT32_MIN);
  EXPECT_EQ(Raw(store.get(), "s", "i"), "-2147483648");
  Ini_PutInt(store.get(), "s", "i", 49);
  EXPECT_EQ(Raw(store.get(), "s", "i"), "49");
}

TEST(IniStoreGet, NumbersIgnoreTheProcessLocale) {
  testsupport::TempDir ort;
  testsupport::DeutscheZahlen german(ort.path());
  if (!german.ok()) GTEST_SKIP() << "no German locale to set a decimal comma";
  auto store = NewStore();
  Ini_PutDouble(store.get(), "s", "d", 0.25);
  const auto text = Raw(store.get(), "s", "d");
  Ini_PutRawString(store.get(), "s", "e", "1.75");
  double value = 0;
  const int result = Ini_GetDouble(store.get(), "s", "e", &value);
  EXPECT_EQ(text, "0.25");
  EXPECT_EQ(result, 1);
  EXPECT_EQ(value, 1.75);
}
