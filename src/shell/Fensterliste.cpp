// The windows of this build. The direct input/output and characteristic windows are not
// part of it; the curve generator adds its entry here.
#include <memory>

#include "config/KonfigIni.h"
#include "config/Konfigfenster.h"
#include "config/gui/KonfigpanelFenster.h"
#include "curves/KurvendateiMenue.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/KurvenpanelModul.h"
#include "device/Companel.h"
#include "device/gui/CompanelFenster.h"
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

}  // namespace

std::vector<Fenstermodul> StandardFenstermodule() {
  return {ComModul(), KonfigModul(), KurvenModul()};
}

}  // namespace shell
