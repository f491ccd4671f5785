#include "IniTestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace initest {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Numbered(const char* prefix, long long number) {
  std::string text(prefix);
  text.append(std::to_string(number));
  return text;
}

std::optional<std::string> Raw(ini::IniStore* store, const std::string& section,
                               const std::string& tag) {
  std::vector<char> buffer(4096);
  const int found = ini::Ini_GetRawStringIntoBuffer(store, section.c_str(), tag.c_str(),
                                                    buffer.data(), buffer.size());
  if (found != 1) return std::nullopt;
  return std::string(buffer.data());
}

std::vector<std::string> LeftoverTempFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(".miv", 0) == 0) names.push_back(name);
  }
  return names;
}

Store ReadText(const std::string& folder, const std::string& bytes) {
  const std::string path = folder + "/input.ini";
  WriteBytes(path, bytes);
  Store store = NewStore();
  EXPECT_EQ(ini::Ini_ReadFromFile(store.get(), path.c_str()), 0);
  return store;
}

std::string WriteText(ini::IniStore* store, const std::string& folder) {
  const std::string path = folder + "/output.ini";
  EXPECT_EQ(ini::Ini_WriteToFile(store, path.c_str()), 0);
  return ReadBytes(path);
}

}  // namespace initest
