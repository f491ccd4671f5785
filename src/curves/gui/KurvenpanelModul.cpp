#include "curves/gui/KurvenpanelModul.h"

#include <string>

#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "ini/IniStore.h"

namespace curves::gui {

namespace {
constexpr const char* kAbschnitt = "kurven";
}

int ReadIniKurvenpanel(Kurvenpanel* panel, ini::IniStore* ini) {
  std::int32_t wert = kDarstellungBeide;
  if (ini::Ini_GetInt(ini, kAbschnitt, "darstellung", &wert) <= 0 || wert < 1 || wert > 3)
    wert = kDarstellungBeide;
  if (panel) panel->DarstellungSetzen(wert);
  for (int n = 0; n < 4; ++n) {
    std::int32_t an = 0;
    const std::string schluessel = "hintergrund" + std::to_string(n + 1);
    if (ini::Ini_GetInt(ini, kAbschnitt, schluessel.c_str(), &an) > 0 && panel)
      panel->HintergrundSetzen(n, an != 0);
  }
  return 0;
}

int WriteIniKurvenpanel(const Kurvenpanel* panel, ini::IniStore* ini) {
  const int wert = panel ? panel->Darstellung() : kDarstellungBeide;
  ini::Ini_PutInt(ini, kAbschnitt, "darstellung", wert);
  return 0;
}

}  // namespace curves::gui
