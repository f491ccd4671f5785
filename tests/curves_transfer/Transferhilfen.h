// What the transfer tests share: a fresh model, English messages, a scripted operator and
// the error fields cleared, plus helpers to put points and look at image bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "config/Konfiguration.h"
#include "curves/model/Kurvenmodell.h"
#include "support/Kurvenpunkte.h"
#include "curves/model/Kurvensitzung.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "support/ScriptedOperator.h"

namespace transfertest {

using curves::Kurvenpunkt;

inline Kurvenpunkt P(int y, int laenge, int zeitbasis) {
  return Kurvenpunkt{y, laenge, static_cast<std::int8_t>(zeitbasis), {0, 0, 0}};
}

inline int Wort(const std::vector<std::uint8_t>& b, int adresse) {
  return b.at(adresse) * 256 + b.at(adresse + 1);
}

using testsupport::Gleich;

class ModellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, curves::KurvenModellInitialisieren(sitzung));
    config::KonfigurationStandardwerte(sitzung.Konfig);
    device::ZOR_Fehlersprache(2);
  }
  void TearDown() override { curves::KurvenModellFreigeben(sitzung); }

  curves::Kurvensitzung sitzung;
  testsupport::ScriptedOperator op;
  device::Verbindung verbindung;  // no port open
};

}  // namespace transfertest
