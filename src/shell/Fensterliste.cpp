// The windows of this build. The characteristic window is not part of it; the direct
// input/output window takes part with its logic alone (its settings section, start-up,
// rescaling and save question) until its window joins.
#include <memory>

#include "config/KonfigIni.h"
#include "config/Konfigfenster.h"
#include "config/gui/KonfigpanelFenster.h"
#include "config/gui/Neuskalierung.h"
#include "curves/files/KurvendateiMenue.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/KurvenpanelModul.h"
#include "device/Companel.h"
#include "device/gui/CompanelFenster.h"
#include "direct/DirektIni.h"
#include "direct/Direktpanel.h"
#include "shell/Fenstermodul.h"

namespace shell {

namespace {

Fenstermodul ComModul() {
  auto fenster = std::make_shared<device::gui::CompanelFenster*>(nullptr);
  Fenstermodul m;
  m.fenster = Fenster::Com;
  m.laden = [fenster](QWidget* haupt) {
    *fenster = new device::gui::CompanelFenster(haupt);
    return *fenster;
  };
  m.init = [fenster] { return *fenster ? (*fenster)->init() : device::CompanelInit(); };
  m.clear = [fenster] {
    if (*fenster)
      (*fenster)->clear();
    else
      device::CompanelClear();
  };
  m.readIni = [](ini::IniStore* s) { return device::ReadIniCompanel(s); };
  m.writeIni = [](ini::IniStore* s) { return device::WriteIniCompanel(s); };
  return m;
}

Fenstermodul KonfigModul() {
  auto fenster = std::make_shared<config::gui::KonfigpanelFenster*>(nullptr);
  Fenstermodul m;
  m.fenster = Fenster::Konfig;
  m.laden = [fenster](QWidget* haupt) {
    *fenster = new config::gui::KonfigpanelFenster(haupt);
    return *fenster;
  };
  m.init = [fenster] { return *fenster ? (*fenster)->init() : config::InitialisiereKonfigPanel(); };
  m.readIni = [](ini::IniStore* s) { return config::ReadIniKonfigpanel(s); };
  m.writeIni = [](ini::IniStore* s) { return config::WriteIniKonfigpanel(s); };
  return m;
}

Fenstermodul KurvenModul() {
  Fenstermodul m;
  m.fenster = Fenster::Kurven;
  m.laden = [](QWidget* haupt) -> QWidget* { return curves::gui::KurvenpanelLaden(haupt); };
  m.init = [] { return curves::gui::KurvenpanelInit(); };
  m.clear = [] { curves::gui::KurvenpanelClear(); };
  m.readIni = [](ini::IniStore* s) { return curves::gui::ReadIniKurvenpanel(s); };
  m.writeIni = [](ini::IniStore* s) { return curves::gui::WriteIniKurvenpanel(s); };
  m.abbruchWeilNichtGespeichert = [] { return curves::AbbruchWeilKurvenNichtGespeichert(); };
  return m;
}

Fenstermodul DirektModul() {
  auto ticket = std::make_shared<int>(-1);
  Fenstermodul m;
  m.fenster = Fenster::Direkt;
  m.init = [ticket] {
    *ticket = config::gui::NeuskalierungAnmelden([] { direct::Direktpanel_SkaliereElemente(); });
    return direct::DirektpanelInit();
  };
  m.clear = [ticket] {
    if (*ticket >= 0) config::gui::NeuskalierungAbmelden(*ticket);
    *ticket = -1;
    direct::DirektpanelClear();
  };
  m.readIni = [](ini::IniStore* s) { return direct::ReadIniDirektpanel(s); };
  m.writeIni = [](ini::IniStore* s) { return direct::WriteIniDirektpanel(s); };
  m.abbruchWeilNichtGespeichert = [] { return direct::AbbruchWeilDirektpanelNichtGespeichert(); };
  return m;
}

}  // namespace

std::vector<Fenstermodul> StandardFenstermodule() {
  return {ComModul(), KonfigModul(), DirektModul(), KurvenModul()};
}

}  // namespace shell
