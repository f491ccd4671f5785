#include "Speichercache.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Speicherdatei.h"

namespace cli {
namespace {

constexpr const char* kKopf = "miv3x device memory 1";
constexpr long kSpeicher = 65536;

int Hexziffer(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Zahl(const std::string& text, long& wert) {
  const auto [rest, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  return !text.empty() && fehler == std::errc() && rest == text.data() + text.size();
}

bool ZeileLesen(const std::string& zeile, Cachezeile& z) {
  std::vector<std::string> felder;
  std::istringstream ein(zeile);
  for (std::string feld; std::getline(ein, feld, '\t');) felder.push_back(feld);
  long typ = 0;
  if (felder.size() != 5 || felder[0].empty() || felder[1].size() != 1 || !Zahl(felder[2], typ) ||
      (typ != 4 && typ != 5) || !Zahl(felder[3], z.start) || felder[4].size() % 2 != 0)
    return false;
  z.port = felder[0];
  z.adresse = felder[1][0];
  z.typ = static_cast<int>(typ);
  const long anzahl = static_cast<long>(felder[4].size() / 2);
  if (z.start < 0 || anzahl == 0 || z.start + anzahl > kSpeicher) return false;
  z.bytes.clear();
  for (long i = 0; i < anzahl; ++i) {
    const int hoch = Hexziffer(felder[4][static_cast<std::size_t>(2 * i)]);
    const int tief = Hexziffer(felder[4][static_cast<std::size_t>(2 * i + 1)]);
    if (hoch < 0 || tief < 0) return false;
    z.bytes.push_back(static_cast<std::uint8_t>(hoch * 16 + tief));
  }
  return true;
}

}  // namespace

std::string CachePfad() {
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg && *xdg) return std::string(xdg) + "/miv3x/memory";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.cache/miv3x/memory";
  return {};
}

bool CacheLesen(const std::string& pfad, std::vector<Cachezeile>& zeilen, std::string& grund) {
  zeilen.clear();
  std::ifstream ein(pfad, std::ios::binary);
  if (!ein) return true;
  std::string zeile;
  if (!std::getline(ein, zeile) || zeile != kKopf) {
    grund = "it does not begin with \"" + std::string(kKopf) + "\"";
    return false;
  }
  for (int nummer = 2; std::getline(ein, zeile); ++nummer) {
    Cachezeile z;
    if (!ZeileLesen(zeile, z)) {
      zeilen.clear();
      grund = "line " + std::to_string(nummer) + " is not a run of device memory";
      return false;
    }
    zeilen.push_back(std::move(z));
  }
  return true;
}

bool CacheSchreiben(const std::string& pfad, const std::vector<Cachezeile>& zeilen) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(pfad).parent_path(), ec);
  common::Speicherdatei datei(pfad);
  if (datei.Oeffnen() != common::Speicherdatei::Ergebnis::Ok) return false;
  static const char kHex[] = "0123456789ABCDEF";
  datei.Schreiben(std::string(kKopf) + "\n");
  for (const Cachezeile& z : zeilen) {
    // A port name that would break the line is not kept.
    if (z.port.find_first_of("\t\n\r") != std::string::npos) continue;
    std::string text = z.port + '\t' + z.adresse + '\t' + std::to_string(z.typ) + '\t' +
                       std::to_string(z.start) + '\t';
    for (std::uint8_t b : z.bytes) {
      text += kHex[b >> 4];
      text += kHex[b & 0xF];
    }
    datei.Schreiben(text + "\n");
  }
  return datei.Abschliessen() == common::Speicherdatei::Ergebnis::Ok;
}

}  // namespace cli
