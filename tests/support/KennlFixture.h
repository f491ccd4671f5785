// What the characteristic tests share: a fresh session with the standard configuration,
// English messages, a scripted operator, cleared error fields and no open port, plus
// helpers to put points and to make the scaling of input 2 and output 1 raw codes.
// Header only; the test program links miv_characteristic.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/KennlTitel.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "config/Konfiguration.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "support/ScriptedOperator.h"

namespace testsupport {

class KennlFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    device::ZOR_Fehlersprache(2);
    characteristic::KennlAllokationsHaken().Ausloesen(0);
    ASSERT_EQ(0, characteristic::KennlModellInitialisieren(sitzung));
  }
  void TearDown() override {
    characteristic::KennlAllokationsHaken().Ausloesen(0);
    characteristic::KennlModellFreigeben(sitzung);
  }

  characteristic::Kennliniensitzung sitzung;
  device::Verbindung verbindung;  // no port open unless a test opens one

  // The points as (Y, Laenge) pairs, Reserve 0.
  void Setze(const std::vector<std::pair<int, int>>& punkte) {
    auto& p = sitzung.gKennl.Kennl.Punkte;
    p.clear();
    for (const auto& [y, laenge] : punkte) p.push_back({y, laenge, 0, {0, 0, 0}});
  }
  std::vector<std::pair<int, int>> Punkte() {
    std::vector<std::pair<int, int>> r;
    for (const auto& p : sitzung.gKennl.Kennl.Punkte) r.emplace_back(p.Y, p.Laenge);
    return r;
  }
  // Input 2 and output 1 in raw codes: a field value is the raw code itself.
  void RohEinheiten() {
    auto& k = sitzung.Konfig.gKonfig;
    k.vinmax = 4095.0;
    k.inmin[1] = 0.0;
    k.inmax[1] = 4095.0;
    k.inskalamin[1] = 0.0;
    k.inskalamax[1] = 4095.0;
    k.voutmax = 4095.0;
    k.outmin[0] = 0.0;
    k.outmax[0] = 4095.0;
    k.outskalamin[0] = 0.0;
    k.outskalamax[0] = 4095.0;
  }

  ScriptedOperator op;
};

}  // namespace testsupport
