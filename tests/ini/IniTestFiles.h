// Helpers for the store's tests: stores that dispose themselves, raw file bytes, lookups.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ini/IniStore.h"

namespace initest {

struct StoreDeleter {
  void operator()(ini::IniStore* store) const { ini::Ini_Dispose(store); }
};
using Store = std::unique_ptr<ini::IniStore, StoreDeleter>;

inline Store NewStore(bool sorted = true) {
  return Store(ini::Ini_New(sorted ? 1 : 0));
}

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// prefix followed by the number in decimal ("tag" and 7 give "tag7").
std::string Numbered(const char* prefix, long long number);

// The value of an item as text, or nothing when it is not found.
std::optional<std::string> Raw(ini::IniStore* store, const std::string& section,
                               const std::string& tag);

// Names of temporary files ("ini$$...") left in a folder.
std::vector<std::string> LeftoverTempFiles(const std::string& folder);

// Reads bytes through a file into a new sorted store; expects success.
Store ReadText(const std::string& folder, const std::string& bytes);
// Writes a store and returns the file's bytes; expects success.
std::string WriteText(ini::IniStore* store, const std::string& folder);

}  // namespace initest
