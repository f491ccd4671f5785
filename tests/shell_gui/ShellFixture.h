// A Programm on a settings file in a temporary folder, with the scripted operator, and
// fake windows for the parts of the program this build does not have.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "characteristic/model/KennlAllokation.h"
#include "widgets/Direkthilfe.h"
#include "config/Konfiguration.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/model/Kurvensitzung.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "direct/Direktsitzung.h"
#include "direct/gui/DirektpanelFenster.h"
#include "shell/Einstellungsdatei.h"
#include "shell/Programm.h"
#include "support/ScriptedOperator.h"
#include "support/TempDir.h"
#include "widgets/Navigation.h"

namespace shelltest {

// A stand-in window: a plain widget whose save question answers what the test says.
struct FakeFenster {
  shell::Fenster fenster;
  int initErgebnis = 0;
  int speicherfrage = 0;
  bool ladenScheitert = false;
  std::vector<std::string>* protokoll = nullptr;
  QWidget* widget = nullptr;

  shell::Fenstermodul modul() {
    shell::Fenstermodul m;
    m.fenster = fenster;
    m.laden = [this](QWidget* haupt, const widgets::Fensterumgebung&) -> QWidget* {
      if (ladenScheitert) return nullptr;
      widget = new QWidget(haupt);
      return widget;
    };
    m.init = [this] {
      if (protokoll) protokoll->push_back("init " + name());
      return initErgebnis;
    };
    m.clear = [this] {
      if (protokoll) protokoll->push_back("clear " + name());
    };
    m.abbruchWeilNichtGespeichert = [this] {
      if (protokoll) protokoll->push_back("frage " + name());
      return speicherfrage;
    };
    return m;
  }
  std::string name() const { return std::to_string(static_cast<int>(fenster)); }
};

inline void globalesZuruecksetzen() {
  widgets::DirekthilfeSchalten(false);
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  characteristic::KennlAllokationsHaken().Ausloesen(0);
}

inline std::string dateiInhalt(const std::string& pfad) {
  std::ifstream f(pfad);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

inline void dateiSchreiben(const std::string& pfad, const std::string& text) {
  std::ofstream f(pfad);
  f << text;
}

// The section names of a written settings file, in file order.
inline std::vector<std::string> sektionen(const std::string& pfad) {
  std::vector<std::string> namen;
  std::istringstream s(dateiInhalt(pfad));
  std::string zeile;
  while (std::getline(s, zeile))
    if (!zeile.empty() && zeile.front() == '[')
      namen.push_back(zeile.substr(1, zeile.find(']') - 1));
  return namen;
}

// Lets queued events run until the condition holds (at most two seconds).
template <class F>
bool warteBis(F bedingung) {
  QElapsedTimer t;
  t.start();
  while (!bedingung() && t.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return bedingung();
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    globalesZuruecksetzen();
    verbindung.PortquelleSetzen([] { return std::vector<int>{}; });
  }
  void TearDown() override {
    programm.reset();
    globalesZuruecksetzen();
  }

  // The curves of the started program, as its curve window shows them.
  curves::Kurvensitzung& Kurven() {
    return static_cast<curves::gui::Kurvenpanel*>(programm->Panel(shell::Fenster::Kurven))
        ->Sitzung();
  }

  // The direct input/output session of the started program, as its window shows it.
  direct::Direktsitzung& Direkt() {
    return static_cast<direct::gui::DirektpanelFenster*>(programm->Panel(shell::Fenster::Direkt))
        ->Sitzung();
  }

  // The program with the windows of this build; a fake takes the place of the real
  // window of its kind, and the windows in `ohne` are left out.
  void erzeugen(std::vector<FakeFenster*> fakes = {}, std::vector<shell::Fenster> ohne = {}) {
    std::vector<shell::Fenstermodul> module;
    for (auto& m : shell::StandardFenstermodule(verbindung)) {
      bool ersetzt = std::find(ohne.begin(), ohne.end(), m.fenster) != ohne.end();
      for (auto* f : fakes) ersetzt = ersetzt || f->fenster == m.fenster;
      if (!ersetzt) module.push_back(std::move(m));
    }
    for (auto* f : fakes) module.push_back(f->modul());
    programm = std::make_unique<shell::Programm>(verbindung, std::move(module), ini);
    programm->beendenLassen = [this] { ++beendenAufrufe; };
  }

  testsupport::ScriptedOperator op;
  testsupport::TempDir tmp;
  std::string ini = tmp.file("miv3XKurvengenerator.ini");
  device::Verbindung verbindung;  // what the program's windows are handed
  std::unique_ptr<shell::Programm> programm;
  int beendenAufrufe = 0;
};

}  // namespace shelltest
