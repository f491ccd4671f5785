#include "direct/DirektIni.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "ini/IniStore.h"

namespace direct {
namespace {

std::string Schluessel(const char* stamm, int n) {
  return stamm + std::to_string(n + 1);
}

}  // namespace

int WriteIniDirektpanel(const Direktsitzung& s, ini::IniStore* store) {
  const Direktpanelzustand& z = Direktpanel(s);
  for (int n = 0; n < 4; ++n)
    ini::Ini_PutInt(store, kDirektSektion, Schluessel("kurve", n).c_str(), z.plot[n] != 0);
  for (int n = 0; n < 4; ++n)
    ini::Ini_PutDouble(store, kDirektSektion, Schluessel("grenze", n).c_str(), z.begrenzung[n]);
  return 0;
}

int ReadIniDirektpanel(Direktsitzung& s, ini::IniStore* store) {
  Direktpanelzustand& z = DirektpanelBearbeiten(s);
  for (int n = 0; n < 4; ++n) {
    std::int32_t wert = 0;
    if (ini::Ini_GetInt(store, kDirektSektion, Schluessel("kurve", n).c_str(), &wert) <= 0)
      continue;
    z.plot[n] = wert != 0;
    if (wert == 0) z.spurSichtbar[n] = false;
  }
  for (int n = 0; n < 4; ++n) {
    double wert = 0.0;
    if (ini::Ini_GetDouble(store, kDirektSektion, Schluessel("grenze", n).c_str(), &wert) == 1 &&
        std::isfinite(wert))
      BegrenzungSetzen(s, n, wert);
  }
  DirektpanelAnzeigen(s);
  return 0;
}

}  // namespace direct
