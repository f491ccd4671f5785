#include "config/Konfigdatei.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "common/Lesedatei.h"
#include "common/OperatorInterface.h"
#include "common/Speicherdatei.h"
#include "config/Konfigfelder.h"
#include "config/Konfigsitzung.h"
#include "config/Konfiguration.h"

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

int ImOrtSchreiben(const std::string& ziel, const Bytes& bytes) {
  Datei datei(std::fopen(ziel.c_str(), "wb"));
  if (!datei) return kKonfigdateiNichtAnlegbar;
  bool ganz = std::fwrite(bytes.data(), 1, bytes.size(), datei.get()) == bytes.size();
  ganz = std::fflush(datei.get()) == 0 && ganz;
  ganz = std::fclose(datei.release()) == 0 && ganz;
  return ganz ? 0 : kKonfigdateiKurzGeschrieben;
}

}  // namespace

int KonfigdateiSpeichernNach(const Konfigsitzung& s, const std::string& pfad) {
  if (pfad.empty()) return kKonfigdateiNichtAnlegbar;
  const Bytes bytes = Aufbauen(s.gKonfig);
  common::Speicherdatei datei(pfad);
  if (datei.Oeffnen() != common::Speicherdatei::Ergebnis::Ok) {
    // A folder that takes no new files may still hold a file that may be rewritten; that
    // file is then written in place, the one way left to save.
    std::error_code ec;
    const fs::file_status ziel = fs::status(datei.Ziel(), ec);
    const bool geschuetzt = (ziel.permissions() & (fs::perms::owner_write | fs::perms::group_write |
                                                   fs::perms::others_write)) == fs::perms::none;
    const bool umschreibbar = fs::is_regular_file(ziel) && !geschuetzt &&
                              ::faccessat(AT_FDCWD, datei.Ziel().c_str(), W_OK, AT_EACCESS) == 0;
    return umschreibbar ? ImOrtSchreiben(datei.Ziel(), bytes) : kKonfigdateiNichtAnlegbar;
  }
  datei.Schreiben(bytes.data(), bytes.size());
  return datei.AbschliessenMitCode(kKonfigdateiNichtAnlegbar, kKonfigdateiKurzGeschrieben);
}

int KonfigdateiLadenVon(Konfigsitzung& s, const std::string& pfad) {
  // Only a regular file: a FIFO or a device would hang the program.
  common::Lesedatei datei(pfad);
  if (!datei) return kKonfigdateiNichtOeffenbar;
  Bytes b{};
  if (std::fread(b.data(), 1, b.size(), datei.Datei()) != b.size()) return kKonfigdateiZuKurz;

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
  s.gKonfig = k;
  KonfigfelderAusStrukturLaden(s);
  return 0;
}

namespace {

std::optional<std::string> DateiWaehlen(const char* titel, common::FileRequest::Mode modus,
                                        const char* bestaetigen) {
  common::FileRequest anfrage;
  anfrage.title = titel;
  anfrage.pattern = "*.wuo";
  anfrage.mode = modus;
  anfrage.forceExtension = true;
  anfrage.confirmButton = bestaetigen;
  return common::operatorInterface().selectFile(anfrage);
}

}  // namespace

int KonfigdateiSpeichern(Konfigsitzung& s) {
  auto pfad = DateiWaehlen("Save configuration", common::FileRequest::Mode::Save, "Save");
  if (!pfad) return 0;
  KonfigfelderInStrukturSpeichern(s);
  return KonfigdateiSpeichernNach(s, *pfad);
}

int KonfigdateiLaden(Konfigsitzung& s) {
  auto pfad = DateiWaehlen("Load configuration", common::FileRequest::Mode::Load, "Load");
  if (!pfad) return 0;
  return KonfigdateiLadenVon(s, *pfad);
}

}  // namespace config
