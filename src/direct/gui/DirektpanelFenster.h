// The direct input/output window (DIREKTPNL, "Direkte Ein-/Ausgabe"): four pointer
// instruments with their minima and maxima, four knobs with limits, the strip chart, the
// polling and log controls. It shows the direct input/output logic's state and calls its
// callbacks; the polling timer is a QTimer on the event loop, so a cycle never overlaps a
// value sent by a knob.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>

#include "direct/Abfragewache.h"
#include "direct/Direktsitzung.h"
#include "direct/Uhr.h"
#include "widgets/Fensterumgebung.h"

class QCheckBox;
class QCustomPlot;
class QDial;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace widgets {
class Cursorpaar;
class HilfeFilter;
}  // namespace widgets

namespace direct::gui {

class Zeigerinstrument;

// The system clock with the window's QTimer as the polling timer.
class QtUhr : public Systemuhr {
 public:
  explicit QtUhr(QTimer* timer) : timer_(timer) {}
  void TimerSchalten(bool an) override;
  void TimerIntervallSetzen(double sekunden) override;

 private:
  QTimer* timer_;
};

class DirektpanelFenster : public QMainWindow {
  Q_OBJECT
 public:
  DirektpanelFenster(Direktsitzung& sitzung, QWidget* parent,
                     const widgets::Fensterumgebung& umgebung);
  ~DirektpanelFenster() override;

  // Start-up with the chart's plot width; 0 or an error code.
  int Init();
  Direktsitzung& Sitzung() const { return sitzung_; }

  // The controls, for tests.
  struct Kanal {
    Zeigerinstrument* eingang = nullptr;
    QLineEdit* min = nullptr;
    QLineEdit* max = nullptr;
    QCheckBox* plot = nullptr;
    QDial* knopf = nullptr;
    QDoubleSpinBox* ausgang = nullptr;
    QLabel* ausgangEinheit = nullptr;
    QDoubleSpinBox* begrenzung = nullptr;
  };
  const std::array<Kanal, 4>& Kanaele() const { return k_; }
  QPushButton* Abfragen() const { return abfragen_; }
  QCheckBox* Dateispeichern() const { return dateispeichern_; }
  QLabel* DateispeichernLed() const { return dateispeichernLed_; }
  QDoubleSpinBox* Abtastzeit() const { return abtastzeit_; }
  QSpinBox* ZoomX() const { return zoomX_; }
  QSpinBox* ZoomY() const { return zoomY_; }
  QPushButton* MinMaxReset() const { return minMaxReset_; }
  QPushButton* AusgaengeAufNull() const { return aufNull_; }
  QPushButton* Zurueck() const { return zurueck_; }
  QCustomPlot* Stripchart() const { return chart_; }
  widgets::Cursorpaar& StripchartCursor() const { return *cursor_; }
  QTimer* Timer() { return &timer_; }
  QLineEdit* FehlerText() const { return fehlerText_; }

 private:
  device::Verbindung& Verbindung() const { return umgebung_.Verbindung; }
  void Aufbauen();
  void MenueAufbauen();
  void Verbinden();
  void HilfetexteAnmelden();
  // Shows the logic's state; the controls' own signals are held back meanwhile.
  void Anzeigen();
  void PunkteZeichnen(const std::array<double, 4>& prozent);
  void FensterWechseln(int fenster);

  Direktsitzung& sitzung_;  // owned by the shell's window entry, outlives the window
  std::array<Kanal, 4> k_{};
  QPushButton* abfragen_ = nullptr;
  QCheckBox* dateispeichern_ = nullptr;
  QLabel* dateispeichernLed_ = nullptr;
  QDoubleSpinBox* abtastzeit_ = nullptr;
  QSpinBox* zoomX_ = nullptr;
  QSpinBox* zoomY_ = nullptr;
  QPushButton* minMaxReset_ = nullptr;
  QPushButton* aufNull_ = nullptr;
  QPushButton* zurueck_ = nullptr;
  QToolButton* direkthilfe_ = nullptr;
  QLabel* fehlerLed_ = nullptr;
  QLineEdit* fehlerText_ = nullptr;
  QLineEdit* fehlerNummer_ = nullptr;
  QCustomPlot* chart_ = nullptr;
  widgets::Cursorpaar* cursor_ = nullptr;  // measures the chart
  widgets::HilfeFilter* hilfe_ = nullptr;
  widgets::Fensterumgebung umgebung_;  // handed over when built
  device::Verbindung::FehlerAbo fehlerAbo_;
  common::Meldeliste<>::Abo anzeigeAbo_;
  common::Meldeliste<const std::array<double, 4>&>::Abo stripchartAbo_;
  // Polling stopped by a vanished port starts again when the port is back.
  Abfragewache abfragewache_{sitzung_, umgebung_.Verbindung};
  QTimer timer_;
  QtUhr uhr_{&timer_};
  double x_ = 0.0;  // the chart's next sample number
  bool imAnzeigen_ = false;
};

}  // namespace direct::gui
