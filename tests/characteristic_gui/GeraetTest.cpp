// The transfer buttons of the characteristic window against the simulated WUN-2 on a
// pseudo-terminal.
#include "Kennlfensterhilfen.h"
#include "support_sim/SimPort.h"
#include "widgets/Kurvengrafik.h"

namespace kennlfenster {
namespace {

class KennlGeraetTest : public KennlFensterTest {
 protected:
  void SetUp() override {
    KennlFensterTest::SetUp();
    sim.attach(verbindung);
  }
  testsupport::SimPort sim;
};

TEST_F(KennlGeraetTest, WriteReadBackUndoAndSelect) {
  Setze({{0, 4095}, {4095, 1}});
  panel->KennlinienpanelZeichnen();
  u().KURVENNR->setValue(2);
  u().BEGRENZUNG->setValue(5.0);
  u().ANSTIEGSZEIT->setValue(1000.0);
  emit u().ANSTIEGSZEIT->editingFinished();
  QTest::mouseClick(u().SCHREIBEN, Qt::LeftButton);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 0);
  EXPECT_EQ(op.progressTitles, std::vector<std::string>{"sending data"});

  // An emptied editor reads the slot back: one point per input value.
  sitzung.gKennl.KennlinieGeaendert = false;
  panel->Aktionen().Neu->trigger();
  u().KURVENNR->setValue(2);
  panel->Aktionen().ZoomPlus->trigger();
  QTest::mouseClick(u().LESEN, Qt::LeftButton);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 0);
  ASSERT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 4096);
  EXPECT_EQ(sitzung.gKennl.Kennl.Punkte[2000].Y, 2000);
  EXPECT_EQ(u().ANSTIEGSZEIT->value(), 819.0);
  EXPECT_NEAR(u().BEGRENZUNG->value(), 5.0, 0.01);
  EXPECT_EQ(panel->windowTitle(), "Characteristic controller");
  EXPECT_EQ(sitzung.gKennl.XStart, 0);
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094);
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  // The whole slot is drawn: the steps from the first input to the last, thinned to what
  // the graph's pixel columns show.
  const auto& stufen = *panel->Grafik().Aktuell().Stufen->data();
  ASSERT_FALSE(stufen.isEmpty());
  EXPECT_EQ(stufen.constBegin()->key, 0.0);
  EXPECT_GE((stufen.constEnd() - 1)->key, 4094.0);
  EXPECT_GT(stufen.size(), panel->Grafik().Graph()->axisRect()->width() / 2);

  // The read can be undone.
  ASSERT_TRUE(panel->Aktionen().Rueckgaengig->isEnabled());
  panel->Aktionen().Rueckgaengig->trigger();
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{0, 4095}}));

  // Slot 2 selected through output 4: 2 V.
  QTest::mouseClick(u().AUSGANG4SETZEN, Qt::LeftButton);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 0);
  EXPECT_NEAR(sim.engine().device('1').outputs[3], 2.0, 0.01);
}

TEST_F(KennlGeraetTest, ReadingInvalidSlotsShowsTheErrorAndKeepsThePoints) {
  Setze({{100, 10}, {200, 1}});
  QTest::mouseClick(u().LESEN, Qt::LeftButton);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 1026512);
  EXPECT_EQ(u().FEHLERNR->text(), "1026512");
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{0, 100}, {10, 200}}));
  EXPECT_FALSE(panel->Aktionen().Rueckgaengig->isEnabled());
}

TEST_F(KennlGeraetTest, WithoutAPortSelectingShowsTheError) {
  verbindung.Port().offen = -1;
  QTest::mouseClick(u().AUSGANG4SETZEN, Qt::LeftButton);
  EXPECT_EQ(u().FEHLERNR->text(), "122544");
  EXPECT_TRUE(op.messages.empty());
}

}  // namespace
}  // namespace kennlfenster
