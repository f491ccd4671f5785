#include "config/Konfigdatei.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <system_error>

#include "config/Konfigfenster.h"
#include "config/Konfiguration.h"
#include "device/OperatorInterface.h"

namespace config {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kKennungGroesse = 32;
constexpr std::size_t kVersionOffset = 32;
constexpr std::size_t kRecordOffset = 40;
static_assert(kRecordOffset + sizeof(Konfiguration) == kKonfigdateiGroesse);

using Bytes = std::array<unsigned char, kKonfigdateiGroesse>;

struct DateiSchliessen {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Datei = std::unique_ptr<std::FILE, DateiSchliessen>;

Bytes Aufbauen(const Konfiguration& k) {
  Bytes b{};
  std::memcpy(b.data(), kKonfigdateiKennung, std::strlen(kKonfigdateiKennung));
  auto v = static_cast<std::uint32_t>(kKonfigdateiVersion);
  for (int i = 0; i < 4; ++i) b[kVersionOffset + i] = static_cast<unsigned char>(v >> (8 * i));
  Konfiguration kopie = k;
  std::memset(kopie.padding1, 0, sizeof kopie.padding1);
  std::memset(kopie.padding2, 0, sizeof kopie.padding2);
  EinheitenAbschliessen(kopie);
  std::memcpy(b.data() + kRecordOffset, &kopie, sizeof kopie);
  return b;
}

// Where the bytes really go: a link is followed, so saving replaces the file it names.
fs::path Ziel(const std::string& pfad) {
  std::error_code ec;
  fs::path p(pfad);
  if (fs::is_symlink(fs::symlink_status(p, ec))) {
    fs::path echt = fs::weakly_canonical(p, ec);
    if (!ec) return echt;
  }
  return p;
}

bool Schreibgeschuetzt(const fs::file_status& s) {
  using fs::perms;
  return (s.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) ==
         perms::none;
}

// A new, exclusively created file in the target's folder.
std::optional<fs::path> TemporaerAnlegen(const fs::path& ordner, Datei& datei) {
  std::random_device zufall;
  for (int versuch = 0; versuch < 16; ++versuch) {
    char name[32];
    std::snprintf(name, sizeof name, ".wuo-%08x.tmp", static_cast<unsigned>(zufall()));
    fs::path p = ordner / name;
    datei.reset(std::fopen(p.c_str(), "wbx"));
    if (datei) return p;
    std::error_code ec;
    if (!fs::exists(p, ec)) return std::nullopt;  // not a name clash: the folder refuses
  }
  return std::nullopt;
}

int ImOrtSchreiben(const fs::path& ziel, const Bytes& bytes) {
  Datei datei(std::fopen(ziel.c_str(), "wb"));
  if (!datei) return kKonfigdateiNichtAnlegbar;
  bool ganz = std::fwrite(bytes.data(), 1, bytes.size(), datei.get()) == bytes.size();
  ganz = std::fflush(datei.get()) == 0 && ganz;
  ganz = std::fclose(datei.release()) == 0 && ganz;
  return ganz ? 0 : kKonfigdateiKurzGeschrieben;
}

void Entfernen(const fs::path& p) {
  std::error_code ec;
  fs::remove(p, ec);
}

}  // namespace

int KonfigdateiSpeichernNach(const std::string& pfad) {
  if (pfad.empty()) return kKonfigdateiNichtAnlegbar;
  const fs::path ziel = Ziel(pfad);
  std::error_code ec;
  const fs::file_status vorher = fs::status(ziel, ec);
  const bool vorhanden = fs::exists(vorher);
  if (vorhanden && (!fs::is_regular_file(vorher) || Schreibgeschuetzt(vorher)))
    return kKonfigdateiNichtAnlegbar;

  fs::path ordner = ziel.parent_path();
  if (ordner.empty()) ordner = ".";
  const Bytes bytes = Aufbauen(gKonfig);
  Datei datei;
  auto temp = TemporaerAnlegen(ordner, datei);
  if (!temp) {
    // A folder that takes no new files may still hold a file that may be rewritten; that
    // file is then written in place, the one way left to save.
    return vorhanden ? ImOrtSchreiben(ziel, bytes) : kKonfigdateiNichtAnlegbar;
  }

  bool ganz = std::fwrite(bytes.data(), 1, bytes.size(), datei.get()) == bytes.size();
  ganz = std::fflush(datei.get()) == 0 && ganz;
  ganz = std::fclose(datei.release()) == 0 && ganz;
  if (!ganz) {
    Entfernen(*temp);
    return kKonfigdateiKurzGeschrieben;
  }
  if (vorhanden) fs::permissions(*temp, vorher.permissions(), ec);
  fs::rename(*temp, ziel, ec);
  if (ec) {
    Entfernen(*temp);
    return kKonfigdateiNichtAnlegbar;
  }
  return 0;
}

int KonfigdateiLadenVon(const std::string& pfad) {
  std::error_code ec;
  if (fs::is_directory(pfad, ec)) return kKonfigdateiNichtOeffenbar;  // fopen would accept it
  Datei datei(std::fopen(pfad.c_str(), "rb"));
  if (!datei) return kKonfigdateiNichtOeffenbar;
  Bytes b{};
  if (std::fread(b.data(), 1, b.size(), datei.get()) != b.size()) return kKonfigdateiZuKurz;
  datei.reset();

  const char* kennung = reinterpret_cast<const char*>(b.data());
  if (!std::memchr(kennung, '\0', kKennungGroesse) ||
      std::strcmp(kennung, kKonfigdateiKennung) != 0)
    return kKonfigdateiFremd;
  std::uint32_t version = 0;
  for (int i = 0; i < 4; ++i) version |= std::uint32_t{b[kVersionOffset + i]} << (8 * i);
  if (version != static_cast<std::uint32_t>(kKonfigdateiVersion)) return kKonfigdateiFalscheVersion;

  Konfiguration k;
  std::memcpy(&k, b.data() + kRecordOffset, sizeof k);
  EinheitenAbschliessen(k);
  gKonfig = k;
  KonfigfelderAusStrukturLaden();
  return 0;
}

namespace {

std::optional<std::string> DateiWaehlen(const char* titel, device::FileRequest::Mode modus,
                                        const char* bestaetigen) {
  device::FileRequest anfrage;
  anfrage.title = titel;
  anfrage.pattern = "*.wuo";
  anfrage.mode = modus;
  anfrage.forceExtension = true;
  anfrage.confirmButton = bestaetigen;
  return device::operatorInterface().selectFile(anfrage);
}

}  // namespace

int KonfigdateiSpeichern() {
  auto pfad = DateiWaehlen("Save configuration", device::FileRequest::Mode::Save, "Save");
  if (!pfad) return 0;
  KonfigfelderInStrukturSpeichern();
  return KonfigdateiSpeichernNach(*pfad);
}

int KonfigdateiLaden() {
  auto pfad = DateiWaehlen("Load configuration", device::FileRequest::Mode::Load, "Load");
  if (!pfad) return 0;
  return KonfigdateiLadenVon(*pfad);
}

}  // namespace config
