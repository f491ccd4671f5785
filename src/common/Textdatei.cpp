#include "common/Textdatei.h"

#include <cstdarg>

#include "common/Lesedatei.h"
#include "common/OperatorInterface.h"

namespace common {

bool ZeileSchreiben(Speicherdatei& datei, const char* text) {
  return datei.Schreiben(text) && datei.Schreiben("\n");
}

int TextexportBeginnen(Speicherdatei& datei, std::span<const char* const> kopfzeilen,
                       int fehlerOeffnen, int fehlerKopf) {
  if (datei.Oeffnen() != Speicherdatei::Ergebnis::Ok) return fehlerOeffnen;
  for (const char* zeile : kopfzeilen)
    if (!ZeileSchreiben(datei, zeile)) return fehlerKopf;
  // Each part written out before the next, so a failure keeps the code of its part.
  return datei.Leeren() ? 0 : fehlerKopf;
}

Textzeile TextzeileLesen(std::FILE* f, std::string& zeile, std::int64_t& gelesen,
                         std::size_t hoechstlaenge) {
  zeile.clear();
  int z = getc_unlocked(f);
  if (z == EOF) return std::ferror(f) ? Textzeile::Fehler : Textzeile::Ende;
  for (; z != EOF && z != '\n'; z = getc_unlocked(f)) {
    if (++gelesen > kLesedateiHoechstgroesse) return Textzeile::Fehler;
    if (zeile.size() < hoechstlaenge) zeile.push_back(static_cast<char>(z));
  }
  if (z == '\n' && ++gelesen > kLesedateiHoechstgroesse) return Textzeile::Fehler;
  if (std::ferror(f)) return Textzeile::Fehler;
  // A line written on another system may still carry its carriage return.
  if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
  return Textzeile::Gelesen;
}

int ImportAblehnen(int code, const char* format, ...) {
  char text[512];
  va_list argumente;
  va_start(argumente, format);
  std::vsnprintf(text, sizeof(text), format, argumente);
  va_end(argumente);
  showMessage("Error while importing", text);
  return code;
}

}  // namespace common
