// Running out of memory: every operation returns -12 or succeeds, and nothing is lost.
// This program's global operator new can be told to fail from a chosen allocation on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "IniTestFiles.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"

namespace {

long gAllocationsLeft = -1;  // -1: never fail

void* Allocate(std::size_t size) {
  if (gAllocationsLeft == 0) throw std::bad_alloc();
  if (gAllocationsLeft > 0) --gAllocationsLeft;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

// Allocations fail from the n-th one on while this lives.
class MemoryRunsOutAfter {
 public:
  explicit MemoryRunsOutAfter(long n) { gAllocationsLeft = n; }
  ~MemoryRunsOutAfter() { gAllocationsLeft = -1; }
  MemoryRunsOutAfter(const MemoryRunsOutAfter&) = delete;
  MemoryRunsOutAfter& operator=(const MemoryRunsOutAfter&) = delete;
};

const std::string kLong(300, 'L');  // several pieces, beyond any small-string buffer

initest::Store FilledStore() {
  auto store = initest::NewStore();
  ini::Ini_PutRawString(store.get(), "konfig", "outeinheit0", "old unit text, long enough");
  ini::Ini_PutRawString(store.get(), "konfig", "long text of the unit", kLong.c_str());
  ini::Ini_PutInt(store.get(), "com", "port", 3);
  return store;
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}

TEST(IniMemory, PutKeepsThePreviousItem) {
  int failures = 0;
  for (long n = 0;; ++n) {
    auto store = FilledStore();
    int replaced = 0;
    int added = 0;
    {
      MemoryRunsOutAfter limit(n);
      replaced = ini::Ini_PutRawString(store.get(), "KONFIG", " OutEinheit0 ",
                                       "a new unit text that does not fit inline");
      added = ini::Ini_PutDouble(store.get(), "a new section name", "a new tag name", 0.25);
    }
    ASSERT_TRUE(replaced == 0 || replaced == -12) << replaced;
    ASSERT_TRUE(added == 0 || added == -12) << added;
    EXPECT_EQ(
        initest::Raw(store.get(), "konfig", "outeinheit0"),
        replaced == 0 ? "a new unit text that does not fit inline" : "old unit text, long enough");
    EXPECT_EQ(initest::Raw(store.get(), "a new section name", "a new tag name").has_value(),
              added == 0);
    // Whatever happened, the store still writes and reads back whole.
    testsupport::TempDir dir;
    auto back = initest::ReadText(dir.path().string(),
                                  initest::WriteText(store.get(), dir.path().string()));
    EXPECT_EQ(initest::Raw(back.get(), "konfig", "long text of the unit"), kLong);
    EXPECT_EQ(initest::Raw(back.get(), "a new section name", "a new tag name").has_value(),
              added == 0);
    if (replaced == 0 && added == 0) break;
    ++failures;
  }
  EXPECT_GT(failures, 1);
}

TEST(IniMemory, ReadReportsAndKeepsTheStoreUsable) {
  testsupport::TempDir dir;
  // Sections and tags out of order, so a store left unsorted would hide some of them.
  std::string file;
  for (char section = 'k'; section >= 'a'; --section) {
    file += std::string("[") + section + "]\r\n";
    for (char tag = 'z'; tag >= 'u'; --tag) {
      file += std::string(1, tag) + " = value of " + section + tag + "\r\n";
    }
  }
  const std::string path = dir.file("settings.ini");
  initest::WriteBytes(path, file);
  int failures = 0;
  for (long n = 0;; ++n) {
    auto store = initest::NewStore();
    int result = 0;
    {
      MemoryRunsOutAfter limit(n);
      result = ini::Ini_ReadFromFile(store.get(), path.c_str());
    }
    ASSERT_TRUE(result == 0 || result == -12) << result;
    // Whatever was read before the failure is found by the lookups.
    auto present = initest::ReadText(dir.path().string(),
                                     initest::WriteText(store.get(), dir.path().string()));
    int found = 0;
    for (char section = 'a'; section <= 'k'; ++section) {
      for (char tag = 'u'; tag <= 'z'; ++tag) {
        const auto expected = initest::Raw(present.get(), {section}, {tag});
        EXPECT_EQ(initest::Raw(store.get(), {section}, {tag}), expected) << section << tag;
        found += expected.has_value();
      }
    }
    if (result == 0) {
      EXPECT_EQ(found, 66);
      break;
    }
    ++failures;
  }
  EXPECT_GT(failures, 10);
}

TEST(IniMemory, WriteKeepsThePreviousFile) {
  testsupport::TempDir dir;
  const std::string path = dir.file("settings.ini");
  initest::WriteBytes(path, "[old]\r\nx = 1\r\n\r\n");
  auto store = FilledStore();
  int failures = 0;
  for (long n = 0;; ++n) {
    int result = 0;
    {
      MemoryRunsOutAfter limit(n);
      result = ini::Ini_WriteToFile(store.get(), path.c_str());
    }
    ASSERT_TRUE(result == 0 || result == -12) << result;
    EXPECT_TRUE(initest::LeftoverTempFiles(dir.path().string()).empty());
    if (result == 0) break;
    EXPECT_EQ(initest::ReadBytes(path), "[old]\r\nx = 1\r\n\r\n");
    ++failures;
  }
  EXPECT_GT(failures, 0);
  auto back = initest::ReadText(dir.path().string(), initest::ReadBytes(path));
  EXPECT_EQ(initest::Raw(back.get(), "konfig", "long text of the unit"), kLong);
}
