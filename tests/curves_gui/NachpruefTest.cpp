// "Verify after writing" in the curve window against the simulated WUN-2 on a
// pseudo-terminal that stores other bytes than it acknowledges.
#include <QCheckBox>
#include <QPushButton>

#include "Geraetfenster.h"
#include "curves/model/Kurvenmodell.h"
#include "device/Nachpruefung.h"
#include "device/Verbindung.h"
#include "support_sim/SimPort.h"

namespace kurvenfenster {
namespace {

using curves::gui::Werkzeug;

using NachpruefFensterTest = GeraetFensterTest;

TEST_F(NachpruefFensterTest, AMismatchIsMarkedUntilTheNextEdit) {
  auto* wahl = panel->findChild<QCheckBox*>("NACHPRUEFEN");
  ASSERT_NE(nullptr, wahl);
  EXPECT_FALSE(wahl->isChecked());
  wahl->click();
  EXPECT_TRUE(verbindung.Uebertragung().nachpruefen);

  Werkzeug(Werkzeug::Zeichnen);
  Zeitbasis("1ms");
  Klicken(Pixel(4000, 3000));
  // The curve's only block is stored otherwise: it holds the header, so the whole curve.
  sim.engine().inject({sim::FaultKind::Corrupt, "BDW"});
  QTest::mouseClick(panel->Ui().SCHREIBEN, Qt::LeftButton);
  EXPECT_EQ(-device::kFehlerNachpruefung, verbindung.AktuelleFehlerfelder().nummer);
  const auto& baender = panel->Grafik().Abweichungen().Gross();
  ASSERT_EQ(1u, baender.size());
  EXPECT_DOUBLE_EQ(0.0, baender[0]->topLeft->coords().x());
  EXPECT_DOUBLE_EQ(curves::Kurvenlaenge(sitzung, 0), baender[0]->bottomRight->coords().x());
  EXPECT_EQ(1u, panel->Grafik().Abweichungen().Klein().size());

  Klicken(Pixel(6000, 1000));
  EXPECT_TRUE(panel->Grafik().Abweichungen().Gross().empty());
  EXPECT_TRUE(panel->Grafik().Abweichungen().Klein().empty());
}

}  // namespace
}  // namespace kurvenfenster
