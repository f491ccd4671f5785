// The windows of this build.
#include <QPointer>
#include <memory>

#include "characteristic/files/KennlDateiMenue.h"
#include "characteristic/gui/Kennlinienpanel.h"
#include "characteristic/gui/KennlinienpanelModul.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "config/KonfigIni.h"
#include "config/Konfigfelder.h"
#include "config/gui/KonfigpanelFenster.h"
#include "curves/files/KurvendateiMenue.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/KurvenpanelModul.h"
#include "curves/model/Kurvensitzung.h"
#include "device/Companel.h"
#include "device/gui/CompanelFenster.h"
#include "direct/DirektIni.h"
#include "direct/Direktpanel.h"
#include "direct/gui/DirektpanelModul.h"
#include "shell/Fenstermodul.h"

namespace shell {

namespace {

// Every window is wired the same way: its entry builds the window object when the window
// is loaded and keeps it (forgotten when Qt destroys it); start, end and settings go to
// that object, and to the core alone while there is none.
template <class W>
using Fensterobjekt = std::shared_ptr<QPointer<W>>;

// A window that shows a session gets it first in its constructor.
template <class W, class... Sitzung>
Fensterobjekt<W> FensterobjektAnlegen(Fenstermodul& m, Fenster art,
                                      std::shared_ptr<Sitzung>... sitzung) {
  auto fenster = std::make_shared<QPointer<W>>();
  m.fenster = art;
  m.laden = [fenster, sitzung...](QWidget* haupt,
                                  const widgets::Fensterumgebung& umgebung) -> QWidget* {
    *fenster = new W(*sitzung..., haupt, umgebung);
    return fenster->data();
  };
  return fenster;
}

Fenstermodul ComModul(device::Verbindung& v) {
  Fenstermodul m;
  auto fenster = FensterobjektAnlegen<device::gui::CompanelFenster>(m, Fenster::Com);
  m.init = [fenster, &v] { return *fenster ? (*fenster)->Init() : device::CompanelInit(v); };
  m.clear = [fenster, &v] {
    if (*fenster)
      (*fenster)->Clear();
    else
      device::CompanelClear(v);
  };
  m.readIni = [&v](ini::IniStore* s) { return device::ReadIniCompanel(v, s); };
  m.writeIni = [&v](ini::IniStore* s) { return device::WriteIniCompanel(v, s); };
  return m;
}

Fenstermodul KonfigModul(std::shared_ptr<config::Konfigsitzung> konfig) {
  Fenstermodul m;
  auto fenster = FensterobjektAnlegen<config::gui::KonfigpanelFenster>(m, Fenster::Konfig, konfig);
  m.init = [fenster, konfig] {
    return *fenster ? (*fenster)->Init() : config::InitialisiereKonfigPanel(*konfig);
  };
  m.readIni = [konfig](ini::IniStore* s) { return config::ReadIniKonfigpanel(*konfig, s); };
  m.writeIni = [konfig](ini::IniStore* s) { return config::WriteIniKonfigpanel(*konfig, s); };
  return m;
}

Fenstermodul KurvenModul(std::shared_ptr<config::Konfigsitzung> konfig) {
  Fenstermodul m;
  // The curve session lives as long as the module: the window shows it, the end of the
  // run asks it whether the curves were saved. It holds the configuration as long.
  auto sitzung = std::shared_ptr<curves::Kurvensitzung>(new curves::Kurvensitzung(*konfig),
                                                        [konfig](auto* p) { delete p; });
  auto fenster = FensterobjektAnlegen<curves::gui::Kurvenpanel>(m, Fenster::Kurven, sitzung);
  m.init = [fenster] { return *fenster ? (*fenster)->KurvenpanelInit() : -1; };
  m.clear = [fenster] {
    if (*fenster) (*fenster)->KurvenpanelClear();
  };
  m.readIni = [fenster](ini::IniStore* s) {
    return curves::gui::ReadIniKurvenpanel(fenster->data(), s);
  };
  m.writeIni = [fenster](ini::IniStore* s) {
    return curves::gui::WriteIniKurvenpanel(fenster->data(), s);
  };
  m.abbruchWeilNichtGespeichert = [sitzung] {
    return curves::AbbruchWeilKurvenNichtGespeichert(*sitzung);
  };
  return m;
}

Fenstermodul DirektModul(std::shared_ptr<config::Konfigsitzung> konfig) {
  Fenstermodul m;
  m.fenster = Fenster::Direkt;
  // The entry holds the configuration as long as its session refers to it.
  auto e = std::shared_ptr<direct::gui::Direktpaneleintrag>(
      new direct::gui::Direktpaneleintrag(*konfig), [konfig](auto* p) { delete p; });
  m.laden = [e](QWidget* haupt, const widgets::Fensterumgebung& umgebung) {
    return direct::gui::DirektpanelLaden(*e, haupt, umgebung);
  };
  m.init = [e] { return direct::gui::DirektpanelFensterInit(*e); };
  m.clear = [e] { direct::gui::DirektpanelFensterClear(*e); };
  m.readIni = [e](ini::IniStore* s) { return direct::ReadIniDirektpanel(e->sitzung, s); };
  m.writeIni = [e](ini::IniStore* s) { return direct::WriteIniDirektpanel(e->sitzung, s); };
  m.abbruchWeilNichtGespeichert = [] { return direct::AbbruchWeilDirektpanelNichtGespeichert(); };
  return m;
}

Fenstermodul KennlinienModul(std::shared_ptr<config::Konfigsitzung> konfig) {
  Fenstermodul m;
  // The characteristic session lives as long as the module, like the curve session.
  auto sitzung = std::shared_ptr<characteristic::Kennliniensitzung>(
      new characteristic::Kennliniensitzung(*konfig), [konfig](auto* p) { delete p; });
  auto fenster =
      FensterobjektAnlegen<characteristic::gui::Kennlinienpanel>(m, Fenster::Kennlinie, sitzung);
  m.init = [fenster] { return *fenster ? (*fenster)->KennlinienpanelInit() : -1; };
  m.clear = [fenster] {
    if (*fenster) (*fenster)->KennlinienpanelClear();
  };
  m.readIni = [fenster, sitzung](ini::IniStore* s) {
    return characteristic::gui::ReadIniKennlinienpanel(*sitzung, fenster->data(), s);
  };
  m.writeIni = [fenster, sitzung](ini::IniStore* s) {
    return characteristic::gui::WriteIniKennlinienpanel(*sitzung, fenster->data(), s);
  };
  m.abbruchWeilNichtGespeichert = [sitzung] {
    return characteristic::AbbruchWeilKennlinieNichtGespeichert(*sitzung);
  };
  return m;
}

}  // namespace

std::vector<Fenstermodul> StandardFenstermodule(device::Verbindung& verbindung) {
  // One configuration for every window of the run; the entries that use it share it.
  auto konfig = std::make_shared<config::Konfigsitzung>();
  return {ComModul(verbindung), KonfigModul(konfig), DirektModul(konfig), KurvenModul(konfig),
          KennlinienModul(konfig)};
}

}  // namespace shell
