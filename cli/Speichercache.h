// What miv3x remembers between runs of the device memories it wrote or read, so that
// 'send --changed' and 'char-send --changed' can send only what changed: one text file,
// $XDG_CACHE_HOME/miv3x/memory (else ~/.cache/miv3x/memory). Each line is one run of
// known bytes: port name, address, memory type, start address and the bytes in hex,
// separated by tabs, under a first line naming the format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

struct Cachezeile {
  std::string port;  // the port as given: a device path, or "COM <n>"
  char adresse = '1';
  int typ = 4;
  long start = 0;
  std::vector<std::uint8_t> bytes;
};

// The cache file's path; empty when neither XDG_CACHE_HOME nor HOME is set.
std::string CachePfad();

// Reads the cache. A missing file is an empty cache; false with the reason when the file
// is not one (the caller starts afresh: a cache only saves time).
bool CacheLesen(const std::string& pfad, std::vector<Cachezeile>& zeilen, std::string& grund);
// Replaces the cache file as a whole (the old one survives a failure), creating its folder.
bool CacheSchreiben(const std::string& pfad, const std::vector<Cachezeile>& zeilen);

}  // namespace cli
