// The window offscreen against the simulator whose inputs follow sines: polling fills the
// instruments and the chart and writes the log, the knobs send within their limits,
// Escape zeroes the outputs, input 4 as start/stop input is dimmed.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QCheckBox>
#include <QDial>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>

#include "widgets/Direkthilfe.h"
#include "config/Konfiguration.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/gui/Direkthilfetexte.h"
#include "direct/gui/DirektpanelFenster.h"
#include "direct/gui/Zeigerinstrument.h"
#include "support/ScriptedOperator.h"
#include "support/TempDir.h"
#include "support_sim/SimPort.h"
#include "widgets/Navigation.h"

namespace directguitest {
namespace {

using direct::gui::DirektpanelFenster;

class Fenster : public testing::Test {
 protected:
  void SetUp() override {
    config::KonfigurationStandardwerte(sitzung.Konfig);
    sprache_ = device::Fehlersprache();
    device::ZOR_Fehlersprache(2);  // English, as the program runs
    widgets::DirekthilfeSchalten(false);
    sim.verbindung().Port().offen = sim.port();
    sim.engine().withDevice('1', [](sim::Device& d) {
      for (int n = 0; n < 4; ++n) d.inputs[n] = sim::Signal{2.0 + n, 1.5, 0.5 + 0.25 * n};
    });
    fenster = std::make_unique<DirektpanelFenster>(
        sitzung, nullptr, widgets::Fensterumgebung{sim.verbindung(), nullptr, &navigation});
    fenster->resize(900, 700);
    ASSERT_EQ(0, fenster->Init());
  }
  void TearDown() override {
    fenster.reset();
    device::ZOR_Fehlersprache(sprache_);
    config::KonfigurationStandardwerte(sitzung.Konfig);
  }
  std::string Log() const {
    std::stringstream s;
    s << std::ifstream(ordner.file("log.txt")).rdbuf();
    return s.str();
  }

  direct::Direktsitzung sitzung;
  widgets::Fensternavigation navigation;
  testsupport::SimPort sim;
  testsupport::ScriptedOperator bedienung;
  testsupport::TempDir ordner;
  std::unique_ptr<DirektpanelFenster> fenster;
  int sprache_ = 0;
};

TEST_F(Fenster, AnInputAtZeroShowsAlongTheChartsBottomEdge) {
  fenster->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
  for (int i = 0; i < 60; ++i) direct::StripchartPunkte(sitzung, {0.0, 50.0, 50.0, 50.0});
  QCustomPlot* chart = fenster->Stripchart();
  chart->replot();
  const QImage bild = chart->grab().toImage();
  // The lower end of the Y range lies on the X axis line, at the rect's lower edge.
  const int unten = chart->axisRect()->rect().bottom();
  int rot = 0;
  for (int y = unten; y <= unten + 1; ++y)
    for (int x = 0; x < bild.width(); ++x) rot += (bild.pixel(x, y) & 0xFFFFFF) == 0xDC0000 ? 1 : 0;
  EXPECT_GT(rot, 20);
}

TEST_F(Fenster, PollingFillsInstrumentsAndChartAndStoppingClosesTheLog) {
  fenster->show();
  fenster->Dateispeichern()->click();
  bedienung.answerFile(ordner.file("log.txt"));
  fenster->Abtastzeit()->setValue(0.1);
  emit fenster->Abtastzeit()->editingFinished();
  EXPECT_EQ(200, fenster->Timer()->interval());
  fenster->Abfragen()->click();
  EXPECT_TRUE(fenster->Timer()->isActive());
  EXPECT_EQ("Abfragen beenden", fenster->Abfragen()->text());
  EXPECT_FALSE(fenster->Dateispeichern()->isEnabled());
  EXPECT_TRUE(direct::Direktpanel(sitzung).dateispeichernLed);

  QCPGraph* spur = fenster->Stripchart()->graph(0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return spur->dataCount() >= 4; }, 5000));
  for (int n = 0; n < 4; ++n) {
    const double wert = fenster->Kanaele()[n].eingang->Wert();
    EXPECT_GE(wert, 0.5 + n - 1e-9) << n;
    EXPECT_LE(wert, 3.5 + n + 1e-9) << n;
    EXPECT_FALSE(fenster->Kanaele()[n].max->text().isEmpty());
  }
  // The traces are in per cent of the input range.
  const double letzter = (spur->data()->end() - 1)->value;
  EXPECT_GE(letzter, 5.0 - 1e-9);
  EXPECT_LE(letzter, 35.0 + 1e-9);

  fenster->Abfragen()->click();
  EXPECT_FALSE(fenster->Timer()->isActive());
  EXPECT_EQ("Eingänge abfragen", fenster->Abfragen()->text());
  EXPECT_TRUE(fenster->Dateispeichern()->isEnabled());
  EXPECT_FALSE(direct::Direktpanel(sitzung).dateispeichernLed);
  const std::string log = Log();
  EXPECT_EQ(0u, log.find("\n\nStarted data logging\n"));
  EXPECT_NE(std::string::npos, log.find("Date\tTime\tIn1[V]"));
  EXPECT_EQ("Data logging finished\n", log.substr(log.size() - 22));
}

// Inside the main window at its first size every instrument and knob gets the room it asks
// for, and nothing is cut off by the box it sits in.
TEST_F(Fenster, InstrumentsAndKnobsKeepTheirSizeInTheMainWindow) {
  direct::Direktsitzung eigene;  // declared before the window, so it outlives it
  QWidget haupt;
  haupt.resize(900, 640);
  auto* kind = new DirektpanelFenster(eigene, &haupt, widgets::Fensterumgebung{sim.verbindung()});
  kind->setGeometry(1, 17, 898, 622);
  haupt.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&haupt));
  for (const auto& k : kind->Kanaele()) {
    EXPECT_GE(k.eingang->height(), k.eingang->minimumSizeHint().height());
    EXPECT_GE(k.knopf->height(), k.knopf->minimumSizeHint().height());
    for (QWidget* w : {static_cast<QWidget*>(k.eingang), static_cast<QWidget*>(k.knopf)}) {
      const QRect imKasten(w->mapTo(w->parentWidget(), QPoint(0, 0)), w->size());
      EXPECT_TRUE(w->parentWidget()->contentsRect().contains(imKasten))
          << w->objectName().toStdString();
    }
  }
}

TEST_F(Fenster, AKnobSendsWithinItsLimit) {
  auto& k = fenster->Kanaele()[1];
  k.ausgang->setValue(7.5);
  EXPECT_DOUBLE_EQ(7.5, sim.engine().device('1').outputs[1]);
  k.begrenzung->setValue(5.0);
  k.ausgang->setValue(7.0);
  EXPECT_DOUBLE_EQ(5.0, k.ausgang->value());
  EXPECT_DOUBLE_EQ(5.0, sim.engine().device('1').outputs[1]);
  // Turning the knob sends while it turns.
  k.knopf->setValue(200);
  EXPECT_NEAR(2.0, sim.engine().device('1').outputs[1], 1e-9);
  EXPECT_NEAR(2.0, k.ausgang->value(), 1e-9);
}

TEST_F(Fenster, EscapeSetsTheOutputsToZeroWhileShown) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.outputs = {3, 3, 3, 3}; });
  sitzung.Konfig.gKonfig.outskalamin[0] = -5.0;
  sitzung.Konfig.gKonfig.outskalamax[0] = 5.0;
  direct::Direktpanel_SkaliereElemente(sitzung);
  fenster->show();
  fenster->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
  QTest::keyClick(fenster->Kanaele()[2].begrenzung, Qt::Key_Escape);
  EXPECT_EQ((std::array<double, 4>{5, 0, 0, 0}), sim.engine().device('1').outputs);
  EXPECT_EQ("0.000", fenster->Kanaele()[0].ausgang->text());
}

TEST_F(Fenster, InputFourAsStartStopInputIsDimmed) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.mode = 0x01; });
  fenster->Abfragen()->click();
  EXPECT_FALSE(fenster->Kanaele()[3].eingang->isEnabled());
  EXPECT_FALSE(fenster->Kanaele()[3].plot->isEnabled());
  EXPECT_FALSE(fenster->Kanaele()[3].plot->isChecked());
  EXPECT_TRUE(fenster->Kanaele()[2].eingang->isEnabled());
}

TEST_F(Fenster, ZoomFieldsAndTraceBoxesShapeTheChart) {
  fenster->ZoomX()->setValue(0);
  fenster->ZoomY()->setValue(5);
  emit fenster->ZoomY()->editingFinished();
  QCustomPlot* chart = fenster->Stripchart();
  EXPECT_DOUBLE_EQ(10.0, chart->xAxis->range().size());
  EXPECT_DOUBLE_EQ(0.0, chart->yAxis->range().lower);
  EXPECT_DOUBLE_EQ(10.0, chart->yAxis->range().upper);
  // The fields keep what was typed.
  EXPECT_EQ(0, fenster->ZoomX()->value());
  EXPECT_EQ(5, fenster->ZoomY()->value());

  fenster->Kanaele()[2].plot->click();
  EXPECT_FALSE(chart->graph(2)->visible());
  EXPECT_TRUE(chart->graph(1)->visible());
  fenster->Kanaele()[2].plot->click();
  EXPECT_TRUE(chart->graph(2)->visible());
}

TEST_F(Fenster, AFailedReadingShowsItsCodeAndStopsPolling) {
  fenster->Abfragen()->click();
  sim.engine().inject({sim::FaultKind::Nak, "V2R"});
  fenster->Timer()->setInterval(0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !fenster->Timer()->isActive(); }, 5000));
  EXPECT_EQ("Errormessage (NAK) received from device", fenster->FehlerText()->text());
  EXPECT_FALSE(fenster->Abfragen()->isChecked());
}

// Leaving the window stops polling and closes the log, whichever way it is left; the
// window menu's own entry as well.
class Verlassen : public Fenster, public testing::WithParamInterface<const char*> {};

TEST_P(Verlassen, StopsPollingAndClosesTheLog) {
  std::vector<widgets::Fenster> gezeigt;
  auto abo = navigation.Fensterwahl.Abonnieren([&](widgets::Fenster f) { gezeigt.push_back(f); });
  bedienung.answerFile(ordner.file("log.txt"));
  fenster->Dateispeichern()->click();
  fenster->Abfragen()->click();
  ASSERT_TRUE(fenster->Timer()->isActive());

  const QString weg = GetParam();
  if (weg == "ZURUECK") {
    fenster->Zurueck()->click();
  } else {
    QAction* eintrag = nullptr;
    for (QAction* a : fenster->menuBar()->actions()[1]->menu()->actions())
      if (a->text() == weg) eintrag = a;
    ASSERT_NE(nullptr, eintrag);
    eintrag->trigger();
  }
  abo.Beenden();
  EXPECT_FALSE(fenster->Timer()->isActive());
  EXPECT_FALSE(fenster->Abfragen()->isChecked());
  EXPECT_FALSE(direct::Direktpanel(sitzung).dateispeichernLed);
  EXPECT_EQ(1u, gezeigt.size());
  // The log was open while polling ran.
  EXPECT_EQ(0u, Log().find("\n\nStarted data logging\n"));
}

INSTANTIATE_TEST_SUITE_P(Wege, Verlassen,
                         testing::Values("ZURUECK", "Hauptfenster", "Direkte Ein-/Ausgabe",
                                         "Kurvengenerator"));

// The line log opens beside the window: polling goes on, so the log can be watched.
TEST_F(Fenster, TheLineLogEntryLeavesPollingRunning) {
  std::vector<widgets::Fenster> gezeigt;
  auto abo = navigation.Fensterwahl.Abonnieren([&](widgets::Fenster f) { gezeigt.push_back(f); });
  fenster->Abfragen()->click();
  ASSERT_TRUE(fenster->Timer()->isActive());
  QAction* eintrag = nullptr;
  for (QAction* a : fenster->menuBar()->actions()[1]->menu()->actions())
    if (a->text() == "Line log") eintrag = a;
  ASSERT_NE(nullptr, eintrag);
  eintrag->trigger();
  EXPECT_EQ(gezeigt, std::vector<widgets::Fenster>{widgets::Fenster::Leitungslog});
  EXPECT_TRUE(fenster->Timer()->isActive());
  EXPECT_TRUE(fenster->Abfragen()->isChecked());
  fenster->Abfragen()->click();
}

// In direct-help mode a left click on a control shows its help text and does nothing else.
struct Hilfefall {
  const char* name;
  QWidget* (*control)(const DirektpanelFenster&);
  const char* text;
};

class Direkthilfe : public Fenster, public testing::WithParamInterface<Hilfefall> {};

TEST_P(Direkthilfe, AClickShowsTheControlsTextAndNothingHappens) {
  fenster->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
  sim.engine().withDevice('1', [](sim::Device& d) { d.outputs = {3, 3, 3, 3}; });
  widgets::DirekthilfeSchalten(true);
  bedienung.helpTexts.clear();  // the activation text
  QWidget* w = GetParam().control(*fenster);
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
  widgets::DirekthilfeSchalten(false);
  ASSERT_EQ(1u, bedienung.helpTexts.size());
  EXPECT_EQ(GetParam().text, bedienung.helpTexts[0]);
  EXPECT_FALSE(fenster->Timer()->isActive());
  EXPECT_EQ((std::array<double, 4>{3, 3, 3, 3}), sim.engine().device('1').outputs);
}

INSTANTIATE_TEST_SUITE_P(
    Steuerelemente, Direkthilfe,
    testing::Values(
        Hilfefall{"Abfragen", [](const DirektpanelFenster& f) -> QWidget* { return f.Abfragen(); },
                  direct::gui::kHilfeAbfragen},
        Hilfefall{"AufNull",
                  [](const DirektpanelFenster& f) -> QWidget* { return f.AusgaengeAufNull(); },
                  direct::gui::kHilfeAusgaengeAufNull},
        Hilfefall{"Knopf",
                  [](const DirektpanelFenster& f) -> QWidget* { return f.Kanaele()[1].knopf; },
                  direct::gui::kHilfeAusgang},
        Hilfefall{"Eingang",
                  [](const DirektpanelFenster& f) -> QWidget* { return f.Kanaele()[2].eingang; },
                  direct::gui::kHilfeEingang},
        Hilfefall{"Spur",
                  [](const DirektpanelFenster& f) -> QWidget* { return f.Kanaele()[3].plot; },
                  direct::gui::kHilfePlot},
        Hilfefall{"Stripchart",
                  [](const DirektpanelFenster& f) -> QWidget* { return f.Stripchart(); },
                  direct::gui::kHilfeStripchart},
        Hilfefall{"MinMaxReset",
                  [](const DirektpanelFenster& f) -> QWidget* { return f.MinMaxReset(); },
                  direct::gui::kHilfeMinMaxReset},
        Hilfefall{"Dateispeichern",
                  [](const DirektpanelFenster& f) -> QWidget* { return f.Dateispeichern(); },
                  direct::gui::kHilfeDateispeichern}),
    [](const testing::TestParamInfo<Hilfefall>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace directguitest
