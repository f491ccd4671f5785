#include "curves/gui/KurvenpanelModul.h"

#include <string>

#include "curves/gui/Kurvengrafik.h"
#include "curves/gui/Kurvenpanel.h"
#include "ini/IniStore.h"

namespace curves::gui {

namespace {
constexpr const char* kAbschnitt = "kurven";
}

Kurvenpanel* gKurvenpanel = nullptr;

Kurvenpanel* KurvenpanelLaden(QWidget* hauptfenster) {
  gKurvenpanel = new Kurvenpanel(hauptfenster);
  QObject::connect(gKurvenpanel, &QObject::destroyed, [] { gKurvenpanel = nullptr; });
  return gKurvenpanel;
}

int KurvenpanelInit() {
  return gKurvenpanel ? gKurvenpanel->KurvenpanelInit() : -1;
}

void KurvenpanelClear() {
  if (gKurvenpanel) gKurvenpanel->KurvenpanelClear();
}

int ReadIniKurvenpanel(ini::IniStore* ini) {
  std::int32_t wert = kDarstellungBeide;
  if (ini::Ini_GetInt(ini, kAbschnitt, "darstellung", &wert) <= 0 || wert < 1 || wert > 3)
    wert = kDarstellungBeide;
  if (gKurvenpanel) gKurvenpanel->DarstellungSetzen(wert);
  for (int n = 0; n < 4; ++n) {
    std::int32_t an = 0;
    const std::string schluessel = "hintergrund" + std::to_string(n + 1);
    if (ini::Ini_GetInt(ini, kAbschnitt, schluessel.c_str(), &an) > 0 && gKurvenpanel)
      gKurvenpanel->HintergrundSetzen(n, an != 0);
  }
  return 0;
}

int WriteIniKurvenpanel(ini::IniStore* ini) {
  const int wert = gKurvenpanel ? gKurvenpanel->Darstellung() : kDarstellungBeide;
  ini::Ini_PutInt(ini, kAbschnitt, "darstellung", wert);
  return 0;
}

}  // namespace curves::gui
