#include "characteristic/gui/KennlinienpanelModul.h"

#include "characteristic/edit/KennlFelder.h"
#include "characteristic/gui/Kennlinienpanel.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "ini/IniStore.h"

namespace characteristic::gui {

namespace {
constexpr const char* kAbschnitt = "kennlinie";
}

int ReadIniKennlinienpanel(Kennliniensitzung& sitzung, Kennlinienpanel* panel, ini::IniStore* ini) {
  std::int32_t wert = kDarstellungBeide;
  if (ini::Ini_GetInt(ini, kAbschnitt, "darstellung", &wert) <= 0 || wert < 1 || wert > 3)
    wert = kDarstellungBeide;
  if (panel)
    panel->DarstellungSetzen(wert);
  else
    KennlDarstellungSetzen(sitzung, wert);
  return 0;
}

int WriteIniKennlinienpanel(const Kennliniensitzung& sitzung, const Kennlinienpanel* panel,
                            ini::IniStore* ini) {
  ini::Ini_PutInt(ini, kAbschnitt, "darstellung",
                  panel ? panel->Darstellung() : sitzung.gKennl.Darstellung);
  return 0;
}

}  // namespace characteristic::gui
