// "Adapt to MIV-3X" against the simulated device on a pseudo-terminal.
#include "Transferhilfen.h"
#include "config/Konfigfelder.h"
#include "curves/transfer/Anpassen.h"
#include "device/Companel.h"
#include "support_sim/SimPort.h"

namespace transfertest {
namespace {

using namespace curves;

class AnpassenTest : public ModellTest {
 protected:
  void SetUp() override {
    ModellTest::SetUp();
    sim.verbindung().Port().offen = sim.port();
    sitzung.Konfig.gKonfig.outskalamax[0] = 10.0;
    abo = sitzung.Skalierungsmeldungen.Abonnieren([this] { ++skaliert; });
  }
  void Geraet(double kompatibel, double strom) {
    sim.engine().withDevice('1', [&](sim::Device& d) {
      d.compartibilityMode = kompatibel;
      d.maxCurrent = strom;
      return 0;
    });
  }
  testsupport::SimPort sim;
  int skaliert = 0;
  common::Meldeliste<>::Abo abo;
};

TEST_F(AnpassenTest, MaximumCurrentChoosesTheScale) {
  Geraet(0, 6);
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  EXPECT_DOUBLE_EQ(6.1425, sitzung.Konfig.gKonfig.outskalamax[0]);
  EXPECT_EQ(1, skaliert);
  EXPECT_EQ(0, sim.verbindung().AktuelleFehlerfelder().nummer);
  Geraet(0, 8);
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  EXPECT_DOUBLE_EQ(8.19, sitzung.Konfig.gKonfig.outskalamax[0]);
  Geraet(0, 1);
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  EXPECT_DOUBLE_EQ(4.095, sitzung.Konfig.gKonfig.outskalamax[0]);
  // Another current leaves the scale; the axis is still redrawn.
  Geraet(0, 10);
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  EXPECT_DOUBLE_EQ(4.095, sitzung.Konfig.gKonfig.outskalamax[0]);
  EXPECT_EQ(4, skaliert);
  // Only output 1 is touched.
  EXPECT_EQ(10.0, sitzung.Konfig.gKonfig.outskalamax[1]);
}

TEST_F(AnpassenTest, CompatibilityModeMeans4095WithoutAskingTheCurrent) {
  Geraet(1, 8);
  sim.engine().clearFrames();
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  EXPECT_DOUBLE_EQ(4.095, sitzung.Konfig.gKonfig.outskalamax[0]);
  for (const auto& frame : sim.engine().frames()) EXPECT_EQ(std::string::npos, frame.find("CbR"));
}

TEST_F(AnpassenTest, TheAdaptedDeviceItselfIsLeftAlone) {
  sim.engine().setId('1', "MIV3AX2");
  Geraet(0, 6);
  sim.engine().clearFrames();
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  EXPECT_EQ("MIV3AX2", device::IdFeld(sim.verbindung()));
  EXPECT_EQ(10.0, sitzung.Konfig.gKonfig.outskalamax[0]);
  EXPECT_EQ(0, skaliert);
  EXPECT_EQ(1u, sim.engine().frames().size());  // only the ID was read
}

TEST_F(AnpassenTest, FailedModeReadStillAsksTheCurrent) {
  Geraet(1, 6);
  sim.engine().inject({sim::FaultKind::Can, "S1R"});
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  // The mode stays unknown (0.0), so the current decides; its good read clears the fields.
  EXPECT_DOUBLE_EQ(6.1425, sitzung.Konfig.gKonfig.outskalamax[0]);
  EXPECT_EQ(0, sim.verbindung().AktuelleFehlerfelder().nummer);
  EXPECT_EQ(1, skaliert);
}

TEST_F(AnpassenTest, FailedCurrentReadStops) {
  Geraet(0, 6);
  sim.engine().inject({sim::FaultKind::Can, "CbR"});
  AusgangEinsAnpassen(sitzung, sim.verbindung());
  EXPECT_TRUE(sim.verbindung().AktuelleFehlerfelder().led);
  EXPECT_EQ(405, device::Fehlerkategorie(-sim.verbindung().AktuelleFehlerfelder().nummer));
  EXPECT_EQ(10.0, sitzung.Konfig.gKonfig.outskalamax[0]);
  EXPECT_EQ(0, skaliert);
}

TEST(AnpassenOhnePort, ReportsTheClosedPortAndChangesNothing) {
  device::Verbindung verbindung;  // no port
  curves::Kurvensitzung sitzung;
  sitzung.Konfig.gKonfig.outskalamax[0] = 10.0;
  AusgangEinsAnpassen(sitzung, verbindung);
  EXPECT_TRUE(verbindung.AktuelleFehlerfelder().led);
  EXPECT_EQ(10.0, sitzung.Konfig.gKonfig.outskalamax[0]);
}

}  // namespace
}  // namespace transfertest
