// The characteristic window under test: started as the shell starts it, 1000 x 700 pixels,
// with a scripted operator, and mouse helpers that press, drag and release on the large
// graph at raw coordinates.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <memory>

#include "characteristic/gui/Kennlinienpanel.h"
#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/Kennliniensitzung.h"
#include "widgets/Direkthilfe.h"
#include "config/Konfiguration.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "support/ScriptedOperator.h"
#include "support_gui/Grafikmaus.h"
#include "ui_KENNLPNL.h"

namespace kennlfenster {

using characteristic::gui::KennlWerkzeug;

class KennlFensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widgets::DirekthilfeSchalten(false);
    device::ZOR_Fehlersprache(2);
    sitzung.Konfig.gKonfig = config::KonfigurationStandard();
    characteristic::KennlAllokationsHaken().Ausloesen(0);
    panel = std::make_unique<characteristic::gui::Kennlinienpanel>(
        sitzung, nullptr, widgets::Fensterumgebung{verbindung, &op});
    ASSERT_EQ(0, panel->KennlinienpanelInit());
    panel->resize(1000, 700);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    panel->KennlinienpanelZeichnen();
  }
  void TearDown() override {
    panel->KennlinienpanelClear();
    panel.reset();
    widgets::DirekthilfeSchalten(false);
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  }

  Ui::KENNLPNL& u() { return panel->Ui(); }
  QCustomPlot* graph() { return u().GRAPH; }
  QPoint Pixel(double x, double y) { return testsupport::GraphPixel(graph(), x, y); }
  // The raw position the window reads for a pixel, rounded as the edits round it.
  std::pair<int, int> Roh(QPoint p) {
    return {static_cast<int>(std::floor(graph()->xAxis->pixelToCoord(p.x()) + 0.5)),
            static_cast<int>(std::floor(graph()->yAxis->pixelToCoord(p.y()) + 0.5))};
  }
  void Bewegen(QPoint p) { testsupport::MausBewegen(graph(), p); }
  void Ziehen(QPoint von, QPoint bis) { testsupport::MausZiehen(graph(), von, bis); }
  void Klicken(QPoint p) { Ziehen(p, p); }
  void Werkzeug(KennlWerkzeug w) { panel->Aktionen().Werkzeuge[static_cast<int>(w)]->trigger(); }
  // Points as (X, Y).
  std::vector<std::pair<int, int>> Punkte() {
    std::vector<std::pair<int, int>> r;
    for (int i = 0; i < sitzung.gKennl.Kennl.Punktanzahl(); ++i)
      r.emplace_back(static_cast<int>(characteristic::KennlPunktX(sitzung, i)),
                     sitzung.gKennl.Kennl.Punkte[i].Y);
    return r;
  }
  void Setze(const std::vector<std::pair<int, int>>& yUndLaenge) {
    sitzung.gKennl.Kennl.Punkte.clear();
    for (auto [y, l] : yUndLaenge) sitzung.gKennl.Kennl.Punkte.push_back({y, l, 0, {0, 0, 0}});
  }

  characteristic::Kennliniensitzung sitzung;  // outlives the window
  testsupport::ScriptedOperator op;
  device::Verbindung verbindung;  // no port open unless a test opens one
  std::unique_ptr<characteristic::gui::Kennlinienpanel> panel;
};

}  // namespace kennlfenster
