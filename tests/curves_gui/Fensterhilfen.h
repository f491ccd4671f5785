// The curve window under test: started as the shell starts it, 1000 x 700 pixels, with a
// scripted operator, and mouse helpers that press, drag and release on the large graph at
// curve coordinates (x µs, y raw).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "widgets/Direkthilfe.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/Markierung.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "device/Fehler.h"
#include "support/ScriptedOperator.h"
#include "support_gui/Grafikmaus.h"
#include "ui_KURVENPNL.h"
#include "widgets/YAchsenTicker.h"

namespace kurvenfenster {

class FensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widgets::DirekthilfeSchalten(false);
    device::ZOR_Fehlersprache(2);  // English, as the program starts
    panel = std::make_unique<curves::gui::Kurvenpanel>(
        sitzung, nullptr, widgets::Fensterumgebung{verbindung, nullptr, &navigation});
    ASSERT_EQ(0, panel->KurvenpanelInit());
    panel->resize(1000, 700);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    panel->KurvenpanelZeichnen();
  }
  void TearDown() override {
    panel->KurvenpanelClear();
    panel.reset();
    widgets::DirekthilfeSchalten(false);
  }

  QCustomPlot* graph() { return panel->Ui().GRAPH; }
  QPoint Pixel(double x, double y) { return testsupport::GraphPixel(graph(), x, y); }
  // The cursor position the window reads for a pixel.
  QPointF Koordinate(QPoint p) {
    return {graph()->xAxis->pixelToCoord(p.x()), graph()->yAxis->pixelToCoord(p.y())};
  }
  void Bewegen(QPoint p) { testsupport::MausBewegen(graph(), p); }
  void Ziehen(QPoint von, QPoint bis) { testsupport::MausZiehen(graph(), von, bis); }
  void Klicken(QPoint p) { Ziehen(p, p); }
  void Werkzeug(curves::gui::Werkzeug w) {
    panel->Aktionen().Werkzeuge[static_cast<int>(w)]->trigger();
  }
  void Zeitbasis(const char* name) {
    auto* liste = panel->Zeitbasisliste();
    liste->setCurrentIndex(liste->findText(name));
  }
  const curves::Kurve& Kurve1() { return sitzung.gKurven.Kurven[0]; }

  curves::Kurvensitzung sitzung;
  testsupport::ScriptedOperator op;
  device::Verbindung verbindung;          // no port open unless a test opens one
  widgets::Fensternavigation navigation;  // nobody listens unless a test does
  std::unique_ptr<curves::gui::Kurvenpanel> panel;
};

}  // namespace kurvenfenster
