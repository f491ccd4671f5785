// The device buttons of the curve window against the simulated WUN-2 on a pseudo-terminal.
#include <QPushButton>

#include "Geraetfenster.h"
#include "config/Konfigfelder.h"
#include "curves/transfer/Kurvenbild.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "support_sim/SimPort.h"

namespace kurvenfenster {
namespace {

using curves::gui::Werkzeug;

TEST_F(GeraetFensterTest, DrawWriteAndReadBack) {
  Werkzeug(Werkzeug::Zeichnen);
  Zeitbasis("1ms");
  Klicken(Pixel(4000, 3000));
  Zeitbasis("250us");
  Klicken(Pixel(6000, 1000));
  ASSERT_EQ(3, Kurve1().Punktanzahl());
  const auto gezeichnet = Kurve1().Punkte;

  std::vector<std::uint8_t> bild;
  int ende = 0;
  ASSERT_EQ(0, curves::KurvenbildErzeugen(sitzung, bild, ende));
  QTest::mouseClick(panel->Ui().SCHREIBEN, Qt::LeftButton);
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_EQ(std::vector<std::string>{"Send data"}, op.progressTitles);
  const auto& speicher = sim.engine().device('1').memory4;
  EXPECT_EQ(std::vector<std::uint8_t>(bild.begin() + 4096, bild.begin() + ende),
            std::vector<std::uint8_t>(speicher.begin() + 4096, speicher.begin() + ende));

  // An emptied editor reads the same curve back as one point per sample.
  sitzung.gKurven.KurvenGeaendert = false;
  panel->Aktionen().Neu->trigger();
  ASSERT_EQ(1, Kurve1().Punktanzahl());
  QTest::mouseClick(panel->Ui().LESEN, Qt::LeftButton);
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
  int einheiten = 0;
  for (const auto& p : gezeichnet) einheiten += p.Laenge;
  ASSERT_EQ(einheiten, Kurve1().Punktanzahl());
  int k = 0;
  for (const auto& p : gezeichnet)
    for (int j = 0; j < p.Laenge; ++j, ++k) {
      EXPECT_EQ(1, Kurve1().Punkte[k].Laenge);
      EXPECT_EQ(p.Zeitbasis, Kurve1().Punkte[k].Zeitbasis);
    }
  EXPECT_EQ(gezeichnet[0].Y, Kurve1().Punkte[0].Y);
  EXPECT_EQ(gezeichnet[1].Y, Kurve1().Punkte[4].Y);
  EXPECT_DOUBLE_EQ(curves::Kurvenlaenge(sitzung, 0) - 1, sitzung.gSicht.XEnde);  // the whole curve
  EXPECT_EQ("Curve generator", panel->windowTitle());
  for (auto* a : panel->Aktionen().KurveWaehlen) EXPECT_TRUE(a->isEnabled());
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);

  // Another curve can now be chosen; curve 1 stays in the background.
  panel->Aktionen().KurveWaehlen[1]->trigger();
  EXPECT_EQ(1, sitzung.gKurven.AktuelleKurve);
  EXPECT_FALSE(panel->Grafik().Hintergrund().Stufen->data()->isEmpty());
  EXPECT_EQ(curves::gui::kTuerkis, panel->Grafik().Hintergrund().Stufen->pen().color());
}

TEST_F(GeraetFensterTest, DeviceFaultShowsItsCodeAndKeepsTheCurve) {
  Werkzeug(Werkzeug::Zeichnen);
  Zeitbasis("1ms");
  Klicken(Pixel(4000, 3000));
  const auto vorher = Kurve1().Punkte;
  sim.engine().inject({sim::FaultKind::Nak, "BDR"});
  QTest::mouseClick(panel->Ui().LESEN, Qt::LeftButton);
  const int nummer = verbindung.AktuelleFehlerfelder().nummer;
  EXPECT_NE(0, nummer);
  EXPECT_EQ(QString::number(nummer), panel->Ui().FEHLERNR->text());
  EXPECT_FALSE(panel->Ui().FEHLERSTRING->text().isEmpty());
  ASSERT_EQ(vorher.size(), Kurve1().Punkte.size());
  EXPECT_EQ(vorher[1].Y, Kurve1().Punkte[1].Y);
  for (auto* a : panel->Aktionen().KurveWaehlen) EXPECT_FALSE(a->isEnabled());
}

TEST_F(GeraetFensterTest, UnequalLengthsAskBeforeWriting) {
  sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {100, 1, 1, {}}};
  sitzung.gKurven.Kurven[1].Punkte = {{0, 2, 1, {}}, {100, 1, 1, {}}};
  sim.engine().clearFrames();
  op.answerMessage(2);  // "go back"
  QTest::mouseClick(panel->Ui().SCHREIBEN, Qt::LeftButton);
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Warning", op.messages[0].title);
  EXPECT_TRUE(op.progressTitles.empty());  // nothing sent
}

TEST_F(GeraetFensterTest, AdaptRescalesTheYAxis) {
  sitzung.Konfig.gKonfig.outskalamax[0] = 10.0;
  panel->KurvenpanelZeichnen();
  const auto& ticker = panel->Grafik().Ticker();
  EXPECT_EQ("10", ticker.Beschriftung(4095));
  sim.engine().withDevice('1', [](sim::Device& d) {
    d.compartibilityMode = 0;
    d.maxCurrent = 8;
    return 0;
  });
  QTest::mouseClick(panel->Ui().ANPASSEN_1, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(8.19, sitzung.Konfig.gKonfig.outskalamax[0]);
  EXPECT_EQ("8.19", ticker.Beschriftung(4095));
  EXPECT_NEAR(8.19, panel->Ui().YZOOMMAX->value(), 1e-4);
  sitzung.Konfig.gKonfig.outskalamax[0] = 10.0;
}

TEST_F(GeraetFensterTest, StartAndStopReachTheDevice) {
  sim.engine().clearFrames();
  QTest::mouseClick(panel->Ui().START, Qt::LeftButton);
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
  QTest::mouseClick(panel->Ui().STOPP, Qt::LeftButton);
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
  const auto frames = sim.engine().frames();
  ASSERT_EQ(2u, frames.size());
  EXPECT_NE(frames[0], frames[1]);
}

TEST_F(GeraetFensterTest, WithoutAnOpenPortTheErrorFieldsSaySo) {
  verbindung.Port().offen = -1;
  QTest::mouseClick(panel->Ui().START, Qt::LeftButton);
  EXPECT_NE(0, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_EQ(QString::number(verbindung.AktuelleFehlerfelder().nummer),
            panel->Ui().FEHLERNR->text());
  verbindung.ComFehlerSetzen(0);
  const auto vorher = Kurve1().Punkte;
  QTest::mouseClick(panel->Ui().SCHREIBEN, Qt::LeftButton);
  EXPECT_EQ(122430, verbindung.AktuelleFehlerfelder().nummer);
  QTest::mouseClick(panel->Ui().LESEN, Qt::LeftButton);
  EXPECT_EQ(122431, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_EQ(vorher.size(), Kurve1().Punkte.size());
}

}  // namespace
}  // namespace kurvenfenster
