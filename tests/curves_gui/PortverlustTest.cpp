// The port vanishing while the curve window writes or reads (the simulator's terminal
// closed mid-transfer, the line paced at 9600 baud so the transfer is still running): the
// transfer stops, its progress box closes, the error fields and the connection symbol say
// the port is gone, and the window's curves are as they were.
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <thread>

#include "Fensterhilfen.h"
#include "curves/transfer/Kurvenbild.h"
#include "device/Portverlust.h"
#include "device/Verbindung.h"
#include "support_sim/SimPort.h"

namespace kurvenfenster {
namespace {

using namespace std::chrono_literals;

struct Transferfall {
  const char* name;
  QPushButton* Ui::KURVENPNL::*knopf;
};

class PortverlustFensterTest : public FensterTest,
                               public ::testing::WithParamInterface<Transferfall> {
 protected:
  static testsupport::SimPortOptions Gebremst() {
    testsupport::SimPortOptions o;
    o.pacingBaud = 9600;
    return o;
  }
  void SetUp() override {
    FensterTest::SetUp();
    sim.attach(verbindung);
    verbindung.Port().lport = sim.port();
  }
  testsupport::SimPort sim{Gebremst()};
};

TEST_P(PortverlustFensterTest, TheTransferStopsCleanlyAndTheCurvesStayAsTheyWere) {
  // Long enough to take many seconds on the paced line.
  auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
  for (int i = 0; i < 2000; ++i) punkte.insert(punkte.end() - 1, {i % 2 ? 4000 : 100, 1, 1, {}});
  panel->KurvenpanelZeichnen();
  // The device holds the same curves, so a read that went through would change the points.
  std::vector<std::uint8_t> bild;
  int ende = 0;
  ASSERT_EQ(0, curves::KurvenbildErzeugen(sitzung, bild, ende));
  sim.engine().withDevice('1', [&](sim::Device& d) {
    std::copy(bild.begin(), bild.begin() + ende, d.memory4.begin());
  });
  const auto vorher = sitzung.gKurven.Kurven;
  const bool geaendert = sitzung.gKurven.KurvenGeaendert;

  std::thread ausloeser([this] {
    std::this_thread::sleep_for(400ms);
    sim.vanish();
  });
  QTest::mouseClick(panel->Ui().*GetParam().knopf, Qt::LeftButton);
  ausloeser.join();

  EXPECT_EQ(0, op.progressOpenCount);
  ASSERT_EQ(1u, op.progressTitles.size());
  EXPECT_TRUE(op.progressValues.empty() || op.progressValues.back() < 100);
  EXPECT_EQ(122700, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_EQ("122700", panel->Ui().FEHLERNR->text());
  EXPECT_TRUE(panel->Ui().FEHLERSTRING->text().startsWith("Serial port gone"));
  EXPECT_EQ(-1, verbindung.Companel().verbindungssymbol);
  EXPECT_EQ(device::Leitungszustand::Weg, verbindung.Leitung());
  for (int k = 0; k < 4; ++k) {
    ASSERT_EQ(vorher[k].Punkte.size(), sitzung.gKurven.Kurven[k].Punkte.size()) << k;
    for (std::size_t i = 0; i < vorher[k].Punkte.size(); ++i) {
      EXPECT_EQ(vorher[k].Punkte[i].Y, sitzung.gKurven.Kurven[k].Punkte[i].Y);
      EXPECT_EQ(vorher[k].Punkte[i].Laenge, sitzung.gKurven.Kurven[k].Punkte[i].Laenge);
    }
  }
  EXPECT_EQ(geaendert, sitzung.gKurven.KurvenGeaendert);
}

INSTANTIATE_TEST_SUITE_P(Transfers, PortverlustFensterTest,
                         ::testing::Values(Transferfall{"Write", &Ui::KURVENPNL::SCHREIBEN},
                                           Transferfall{"Read", &Ui::KURVENPNL::LESEN}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kurvenfenster
