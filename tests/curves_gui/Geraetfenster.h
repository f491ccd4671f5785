// The curve window with the simulated WUN-2 on a pseudo-terminal as its open port.
#pragma once

#include "Fensterhilfen.h"
#include "device/Verbindung.h"
#include "support_sim/SimPort.h"

namespace kurvenfenster {

class GeraetFensterTest : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    sim.attach(verbindung);
  }
  testsupport::SimPort sim;
};

}  // namespace kurvenfenster
