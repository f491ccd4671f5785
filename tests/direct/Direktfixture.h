// What the direct input/output tests share: a clock with fixed answers and a fixture with
// its own session on that clock, the simulated WUN-2 at address 1 as the open port, a
// scripted operator and a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "config/Konfiguration.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/Uhr.h"
#include "support/ScriptedOperator.h"
#include "support/TempDir.h"
#include "support_sim/SimPort.h"

namespace directtest {

// Answers in order; the last answer stays. Records the timer's settings.
class FesteUhr : public direct::Uhr {
 public:
  std::string Datum() override { return Naechste(daten); }
  std::string Uhrzeit() override { return Naechste(zeiten); }
  void TimerSchalten(bool an) override { timerAn = an; }
  void TimerIntervallSetzen(double sekunden) override { intervall = sekunden; }

  std::deque<std::string> daten{"12-24-2023"};
  std::deque<std::string> zeiten{"18:30:05"};
  bool timerAn = false;
  double intervall = 0.0;

 private:
  static std::string Naechste(std::deque<std::string>& liste) {
    std::string s = liste.front();
    if (liste.size() > 1) liste.pop_front();
    return s;
  }
};

inline testsupport::SimPortOptions KurzeZeit() {
  testsupport::SimPortOptions o;
  o.timeout = 0.2;  // silence costs less
  return o;
}

class Direkt : public testing::Test {
 protected:
  void SetUp() override {
    config::KonfigurationStandardwerte(sitzung.Konfig);
    device::ZOR_Fehlersprache(2);
    sim.verbindung().Port().offen = sim.port();
    direct::DirektUhrSetzen(sitzung, &uhr);
    stripchart = sitzung.Stripchartmeldungen.Abonnieren(
        [this](const std::array<double, 4>& p) { punkte.push_back(p); });
    direct::DirektpanelInit(sitzung);
  }
  void TearDown() override { config::KonfigurationStandardwerte(sitzung.Konfig); }

  void EingaengeSetzen(double e1, double e2, double e3, double e4) {
    sim.engine().setInput('1', 1, e1);
    sim.engine().setInput('1', 2, e2);
    sim.engine().setInput('1', 3, e3);
    sim.engine().setInput('1', 4, e4);
  }
  int Fehlercode() {
    const auto& f = sim.verbindung().AktuelleFehlerfelder();
    return f.led ? -f.nummer : 0;
  }

  FesteUhr uhr;
  direct::Direktsitzung sitzung;
  testsupport::SimPort sim{KurzeZeit()};
  testsupport::ScriptedOperator bedienung;
  testsupport::TempDir ordner;
  std::vector<std::array<double, 4>> punkte;
  common::Meldeliste<const std::array<double, 4>&>::Abo stripchart;
};

}  // namespace directtest
