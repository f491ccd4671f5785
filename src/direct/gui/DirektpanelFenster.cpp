#include "direct/gui/DirektpanelFenster.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QDial>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "widgets/Direkthilfe.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "direct/Abfrage.h"
#include "direct/Ausgaenge.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/gui/Direkthilfetexte.h"
#include "direct/gui/Stripchartcursor.h"
#include "direct/gui/Zeigerinstrument.h"
#include "widgets/Fehlerfeldanzeige.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Lampe.h"
#include "widgets/Navigation.h"
#include "widgets/Verbindungssymbol.h"

namespace direct::gui {
namespace {

using widgets::Fenster;

// A trace of the strip chart. The lower end of the Y range lies on the axis rect's lower
// edge, which the plain clip leaves out; one row more lets an input at 0 % show.
class Spur : public QCPGraph {
 public:
  using QCPGraph::QCPGraph;

 protected:
  QRect clipRect() const override { return QCPGraph::clipRect().adjusted(0, 0, 0, 1); }
};

constexpr int kKnopfSchritte = 1000;
// The chart keeps this many samples per trace; older ones scroll out for good.
constexpr int kChartSpeicher = 10000;
const QColor kSpurFarben[4] = {QColor(220, 0, 0), QColor(0, 140, 0), QColor(0, 0, 220),
                               QColor(200, 120, 0)};
constexpr double kGross = 1e9;

QString Zahl(double wert, int stellen) {
  return QString::number(wert, 'f', stellen);
}

}  // namespace

void QtUhr::TimerSchalten(bool an) {
  if (an)
    timer_->start();
  else
    timer_->stop();
}

void QtUhr::TimerIntervallSetzen(double sekunden) {
  const double ms =
      std::clamp(sekunden * 1000.0, 200.0, static_cast<double>(std::numeric_limits<int>::max()));
  timer_->setInterval(static_cast<int>(ms));
}

DirektpanelFenster::DirektpanelFenster(Direktsitzung& sitzung, QWidget* parent,
                                       const widgets::Fensterumgebung& umgebung)
    : QMainWindow(parent),
      sitzung_(sitzung),
      hilfe_(new widgets::HilfeFilter(this)),
      umgebung_(umgebung) {
  setWindowFlags(Qt::Widget);
  setWindowTitle("Direkte Ein-/Ausgabe");
  timer_.setTimerType(Qt::PreciseTimer);
  Aufbauen();
  MenueAufbauen();
  Verbinden();
  HilfetexteAnmelden();
  DirektUhrSetzen(sitzung_, &uhr_);
  anzeigeAbo_ = sitzung_.Anzeigemeldungen.Abonnieren([this] { Anzeigen(); });
  stripchartAbo_ = sitzung_.Stripchartmeldungen.Abonnieren(
      [this](const std::array<double, 4>& p) { PunkteZeichnen(p); });
  fehlerAbo_ = widgets::FehlerfelderZeigen(Verbindung(), fehlerLed_, fehlerText_, fehlerNummer_);
  Anzeigen();
}

DirektpanelFenster::~DirektpanelFenster() {
  AbfrageBeenden(sitzung_);
  stripchartAbo_.Beenden();
  anzeigeAbo_.Beenden();
  DirektUhrSetzen(sitzung_, nullptr);
}

int DirektpanelFenster::Init() {
  // The points per width come from the plot area's width, which a window that has never
  // been shown does not know yet: lay it out at the size the main window will give it.
  if (parentWidget()) resize(parentWidget()->size());
  for (QWidget* w : QList<QWidget*>{this} + findChildren<QWidget*>())
    if (w->layout()) w->layout()->activate();
  chart_->setViewport(chart_->rect());
  chart_->replot(QCustomPlot::rpImmediateRefresh);
  const int breite = chart_->axisRect()->width();
  return DirektpanelInit(sitzung_, breite > 20 ? breite : 400);
}

void DirektpanelFenster::Aufbauen() {
  auto* mitte = new QWidget(this);
  auto* haupt = new QVBoxLayout(mitte);

  // The inputs: instrument, minimum, maximum, trace box.
  auto* eingaenge = new QGroupBox("Eingänge", mitte);
  auto* eg = new QGridLayout(eingaenge);
  for (int n = 0; n < 4; ++n) {
    Kanal& k = k_[n];
    k.eingang = new Zeigerinstrument(eingaenge);
    k.eingang->setObjectName(QString("EINGANG%1").arg(n + 1));
    auto* titel = new QLabel(QString("Eingang %1").arg(n + 1), eingaenge);
    titel->setAlignment(Qt::AlignCenter);
    k.min = new QLineEdit(eingaenge);
    k.max = new QLineEdit(eingaenge);
    for (QLineEdit* f : {k.min, k.max}) {
      f->setReadOnly(true);
      f->setAlignment(Qt::AlignRight);
      f->setMinimumWidth(50);
    }
    k.plot = new QCheckBox("Kurve", eingaenge);
    k.plot->setStyleSheet(QString("QCheckBox { color: %1; }").arg(kSpurFarben[n].name()));
    // Title and trace box in one line, minimum and maximum in one line: the instruments
    // keep their room in the main window's height.
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(titel, 1);
    kopf->addWidget(k.plot);
    auto* minmax = new QHBoxLayout;
    minmax->addWidget(new QLabel("min", eingaenge));
    minmax->addWidget(k.min, 1);
    minmax->addWidget(new QLabel("max", eingaenge));
    minmax->addWidget(k.max, 1);
    eg->addLayout(kopf, 0, n);
    eg->addWidget(k.eingang, 1, n);
    eg->addLayout(minmax, 2, n);
  }
  haupt->addWidget(eingaenge, 2);

  // The strip chart with its controls.
  auto* chartZeile = new QHBoxLayout;
  chart_ = new QCustomPlot(mitte);
  chart_->setMinimumSize(300, 160);
  // The traces above the axes: an input at 0 % runs along the X axis line.
  chart_->addLayer("spuren", chart_->layer("axes"), QCustomPlot::limAbove);
  for (int n = 0; n < 4; ++n) {
    QCPGraph* g = new Spur(chart_->xAxis, chart_->yAxis);
    g->setLayer("spuren");
    // Thin, plain lines: a noisy input makes a long self-crossing polyline, which an
    // antialiased or wide pen strokes as one path at hundreds of times the cost.
    g->setPen(QPen(kSpurFarben[n], 1));
    g->setAntialiased(false);
    g->setName(QString("Eingang %1").arg(n + 1));
  }
  chart_->yAxis->setLabel("%");
  chart_->yAxis->setRange(0.0, 100.0);
  chartZeile->addWidget(chart_, 1);
  cursor_ = StripchartCursorAnlegen(chart_, sitzung_);
  auto* chartFelder = new QGridLayout;
  abtastzeit_ = new QDoubleSpinBox(mitte);
  abtastzeit_->setRange(0.0, 3600.0);
  abtastzeit_->setDecimals(2);
  abtastzeit_->setSingleStep(0.1);
  abtastzeit_->setSuffix(" s");
  zoomX_ = new QSpinBox(mitte);
  zoomX_->setRange(-1000000, 1000000);
  zoomY_ = new QSpinBox(mitte);
  zoomY_->setRange(-1000, 1000);
  zoomY_->setSuffix(" %");
  minMaxReset_ = new QPushButton("min/max Reset", mitte);
  chartFelder->addWidget(new QLabel("Abtastzeit", mitte), 0, 0);
  chartFelder->addWidget(abtastzeit_, 0, 1);
  chartFelder->addWidget(new QLabel("Punkte/Breite", mitte), 1, 0);
  chartFelder->addWidget(zoomX_, 1, 1);
  chartFelder->addWidget(new QLabel("Y-Achse bis", mitte), 2, 0);
  chartFelder->addWidget(zoomY_, 2, 1);
  chartFelder->addWidget(minMaxReset_, 3, 0, 1, 2);
  chartFelder->setRowStretch(4, 1);
  chartZeile->addLayout(chartFelder);
  haupt->addLayout(chartZeile, 3);

  // The outputs: knob with numeric entry, unit and limit.
  auto* ausgaenge = new QGroupBox("Ausgänge", mitte);
  auto* ag = new QGridLayout(ausgaenge);
  for (int n = 0; n < 4; ++n) {
    Kanal& k = k_[n];
    auto* titel = new QLabel(QString("Ausgang %1").arg(n + 1), ausgaenge);
    titel->setAlignment(Qt::AlignCenter);
    k.knopf = new QDial(ausgaenge);
    k.knopf->setRange(0, kKnopfSchritte);
    k.knopf->setNotchesVisible(true);
    k.knopf->setFixedSize(76, 76);
    k.ausgang = new QDoubleSpinBox(ausgaenge);
    k.ausgang->setObjectName(QString("AUSGANG%1").arg(n + 1));
    k.ausgang->setKeyboardTracking(false);
    k.ausgangEinheit = new QLabel(ausgaenge);
    k.begrenzung = new QDoubleSpinBox(ausgaenge);
    k.begrenzung->setRange(-kGross, kGross);
    k.begrenzung->setKeyboardTracking(false);
    // The knob beside its value and limit.
    auto* felder = new QGridLayout;
    felder->addWidget(k.ausgang, 0, 0);
    felder->addWidget(k.ausgangEinheit, 0, 1);
    felder->addWidget(new QLabel("Grenze", ausgaenge), 1, 0, 1, 2);
    felder->addWidget(k.begrenzung, 2, 0);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(k.knopf);
    zeile->addLayout(felder, 1);
    ag->addWidget(titel, 0, n);
    ag->addLayout(zeile, 1, n);
  }
  haupt->addWidget(ausgaenge, 0);

  // Polling, log, zero, back; error fields and connection symbol.
  auto* unten = new QHBoxLayout;
  abfragen_ = new QPushButton("Eingänge abfragen", mitte);
  abfragen_->setCheckable(true);
  abfragen_->setMinimumWidth(140);
  dateispeichern_ = new QCheckBox("Datei speichern", mitte);
  dateispeichernLed_ = new QLabel(mitte);
  dateispeichernLed_->setFixedSize(16, 16);
  aufNull_ = new QPushButton("Ausgänge\nauf Null (ESC)", mitte);
  zurueck_ = new QPushButton("zurück", mitte);
  direkthilfe_ = new QToolButton(mitte);
  direkthilfe_->setText("?");
  direkthilfe_->setCheckable(true);
  fehlerLed_ = new QLabel(mitte);
  fehlerLed_->setFixedSize(16, 16);
  fehlerText_ = new QLineEdit(mitte);
  fehlerText_->setReadOnly(true);
  fehlerNummer_ = new QLineEdit(mitte);
  fehlerNummer_->setReadOnly(true);
  fehlerNummer_->setMaximumWidth(70);
  auto* symbol = new widgets::Verbindungssymbol(mitte);
  symbol->VerbindungSetzen(&Verbindung());
  unten->addWidget(abfragen_);
  unten->addWidget(dateispeichern_);
  unten->addWidget(dateispeichernLed_);
  unten->addWidget(aufNull_);
  unten->addWidget(fehlerLed_);
  unten->addWidget(fehlerText_, 1);
  unten->addWidget(fehlerNummer_);
  unten->addWidget(symbol);
  unten->addWidget(direkthilfe_);
  unten->addWidget(zurueck_);
  haupt->addLayout(unten);
  setCentralWidget(mitte);
}

void DirektpanelFenster::MenueAufbauen() {
  QMenu* datei = menuBar()->addMenu("Datei");
  connect(datei->addAction("Beenden"), &QAction::triggered, this, [this] {
    if (!widgets::HilfeAktiv()) widgets::ProgrammendeAnfragen(umgebung_);
  });
  QMenu* fenster = menuBar()->addMenu("Fenster");
  const std::pair<const char*, Fenster> eintraege[] = {
      {"Hauptfenster", Fenster::Haupt},     {"COM-Einstellung", Fenster::Com},
      {"Konfiguration", Fenster::Konfig},   {"Direkte Ein-/Ausgabe", Fenster::Direkt},
      {"Kurvengenerator", Fenster::Kurven}, {"Kennlinienregler", Fenster::Kennlinie},
      {"Line log", Fenster::Leitungslog}};
  for (const auto& [text, f] : eintraege) {
    connect(fenster->addAction(text), &QAction::triggered, this,
            [this, f = f] { FensterWechseln(static_cast<int>(f)); });
  }
  QMenu* hilfe = menuBar()->addMenu("Hilfe");
  connect(hilfe->addAction("WUN-2 Pinbelegung"), &QAction::triggered, this, [] {
    if (!widgets::HilfeAktiv()) Menu_Direkt_Hilfe_Pins();
  });
}

void DirektpanelFenster::FensterWechseln(int fenster) {
  if (widgets::HilfeAktiv()) return;
  // The line log opens beside this window and may watch the polling.
  if (static_cast<Fenster>(fenster) != Fenster::Leitungslog) AbfrageBeenden(sitzung_);
  widgets::FensterZeigen(umgebung_, static_cast<Fenster>(fenster));
}

void DirektpanelFenster::Verbinden() {
  // Every control acts only outside direct-help mode; in it a click shows the help text.
  const auto gesperrt = [this] {
    if (!widgets::HilfeAktiv()) return false;
    Anzeigen();
    return true;
  };
  for (int n = 0; n < 4; ++n) {
    Kanal& k = k_[n];
    connect(k.knopf, &QDial::valueChanged, this, [this, n, gesperrt](int stufe) {
      if (imAnzeigen_ || gesperrt()) return;
      const Zahlfeld& f = Direktpanel(sitzung_).ausgang[n];
      Ausgang_Callback(sitzung_, Verbindung(), n, f.min + (f.max - f.min) * stufe / kKnopfSchritte);
      k_[n].knopf->setFocus();
    });
    connect(k.ausgang, &QDoubleSpinBox::valueChanged, this, [this, n, gesperrt](double wert) {
      if (imAnzeigen_ || gesperrt()) return;
      Ausgang_Callback(sitzung_, Verbindung(), n, wert);
      k_[n].ausgang->setFocus();
    });
    connect(k.begrenzung, &QDoubleSpinBox::valueChanged, this, [this, n, gesperrt](double wert) {
      if (imAnzeigen_ || gesperrt()) return;
      BegrenzungSetzen(sitzung_, n, wert);
    });
    connect(k.plot, &QCheckBox::toggled, this, [this, n, gesperrt](bool an) {
      if (imAnzeigen_ || gesperrt()) return;
      Traceauswahl_Callback(sitzung_, n, an ? 1 : 0);
    });
  }
  connect(abfragen_, &QPushButton::toggled, this, [this, gesperrt](bool an) {
    if (imAnzeigen_ || gesperrt()) return;
    Abfragen_Callback(sitzung_, Verbindung(), an);
  });
  connect(dateispeichern_, &QCheckBox::toggled, this, [this, gesperrt](bool an) {
    if (imAnzeigen_ || gesperrt()) return;
    DateispeichernSetzen(sitzung_, an);
  });
  connect(abtastzeit_, &QDoubleSpinBox::editingFinished, this, [this, gesperrt] {
    if (gesperrt()) return;
    Abtastzeit_Callback(sitzung_, abtastzeit_->value());
  });
  const auto zoom = [this, gesperrt] {
    if (gesperrt()) return;
    DirektZoom_Callback(sitzung_, zoomX_->value(), zoomY_->value());
  };
  connect(zoomX_, &QSpinBox::editingFinished, this, zoom);
  connect(zoomY_, &QSpinBox::editingFinished, this, zoom);
  connect(minMaxReset_, &QPushButton::clicked, this, [this, gesperrt] {
    if (!gesperrt()) MinMaxReset_Callback(sitzung_);
  });
  const auto aufNull = [this, gesperrt] {
    if (!gesperrt()) AusgaengeAufNull_Callback(sitzung_, Verbindung());
  };
  connect(aufNull_, &QPushButton::clicked, this, aufNull);
  // Escape sets the outputs to zero while this window is shown.
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  esc->setContext(Qt::WidgetWithChildrenShortcut);
  connect(esc, &QShortcut::activated, this, aufNull);
  connect(zurueck_, &QPushButton::clicked, this,
          [this] { FensterWechseln(static_cast<int>(Fenster::Haupt)); });
  connect(direkthilfe_, &QToolButton::toggled, this,
          [](bool an) { widgets::DirekthilfeSchalten(an); });
  connect(&timer_, &QTimer::timeout, this,
          [this] { DirektTimer_Callback(sitzung_, Verbindung()); });
}

void DirektpanelFenster::HilfetexteAnmelden() {
  widgets::HilfeFilter& h = *hilfe_;
  for (const Kanal& k : k_) {
    h.Anmelden(k.eingang, kHilfeEingang);
    h.Anmelden(k.min, kHilfeMin);
    h.Anmelden(k.max, kHilfeMax);
    h.Anmelden(k.begrenzung, kHilfeBegrenzung);
    h.Anmelden(k.knopf, kHilfeAusgang);
    h.Anmelden(k.ausgang, kHilfeAusgang);
    h.Anmelden(k.plot, kHilfePlot);
  }
  h.Anmelden(dateispeichern_, kHilfeDateispeichern);
  h.Anmelden(dateispeichernLed_, kHilfeDateispeichernLed);
  h.Anmelden(chart_, kHilfeStripchart);
  h.Anmelden(abfragen_, kHilfeAbfragen);
  h.Anmelden(aufNull_, kHilfeAusgaengeAufNull);
  h.Anmelden(abtastzeit_, kHilfeAbtastzeit);
  h.Anmelden(zoomX_, kHilfeZoomX);
  h.Anmelden(zoomY_, kHilfeZoomY);
  h.Anmelden(minMaxReset_, kHilfeMinMaxReset);
  h.Anmelden(zurueck_, QString());
  for (QWidget* f : {static_cast<QWidget*>(fehlerLed_), static_cast<QWidget*>(fehlerText_),
                     static_cast<QWidget*>(fehlerNummer_)})
    h.Anmelden(f, widgets::kHilfeFehleranzeige);
}

void DirektpanelFenster::Anzeigen() {
  imAnzeigen_ = true;
  const Direktpanelzustand& z = Direktpanel(sitzung_);
  for (int n = 0; n < 4; ++n) {
    Kanal& k = k_[n];
    k.eingang->BereichSetzen(z.eingang[n].min, z.eingang[n].max, z.eingang[n].nachkommastellen);
    k.eingang->WertSetzen(z.eingang[n].wert);
    k.eingang->EinheitSetzen(QString::fromStdString(z.eingangEinheit[n]));
    k.min->setText(Zahl(z.minimum[n].wert, z.minimum[n].nachkommastellen));
    k.max->setText(Zahl(z.maximum[n].wert, z.maximum[n].nachkommastellen));
    k.plot->setChecked(z.plot[n] != 0);
    const Zahlfeld& a = z.ausgang[n];
    k.ausgang->setDecimals(a.nachkommastellen);
    k.ausgang->setRange(a.min, a.max);
    k.ausgang->setSingleStep(std::pow(10.0, -a.nachkommastellen) * 10.0);
    k.ausgang->setValue(a.wert);
    k.knopf->setValue(a.max > a.min ? static_cast<int>(std::lround(
                                          (a.wert - a.min) / (a.max - a.min) * kKnopfSchritte))
                                    : 0);
    k.ausgangEinheit->setText(QString::fromStdString(z.ausgangEinheit[n]));
    k.begrenzung->setDecimals(z.begrenzungNachkommastellen[n]);
    k.begrenzung->setValue(z.begrenzung[n]);
    chart_->graph(n)->setVisible(z.spurSichtbar[n]);
  }
  const bool analog4 = !z.eingang4Gedimmt;
  for (QWidget* w : {static_cast<QWidget*>(k_[3].eingang), static_cast<QWidget*>(k_[3].min),
                     static_cast<QWidget*>(k_[3].max), static_cast<QWidget*>(k_[3].plot)})
    w->setEnabled(analog4);
  abfragen_->setChecked(z.abfragen);
  abfragen_->setText(z.abfragen ? "Abfragen beenden" : "Eingänge abfragen");
  dateispeichern_->setChecked(z.dateispeichern);
  dateispeichern_->setEnabled(!z.dateispeichernGedimmt);
  widgets::LampeSetzen(dateispeichernLed_, z.dateispeichernLed, device::kLampeGruen);
  if (!abtastzeit_->hasFocus()) abtastzeit_->setValue(z.abtastzeit);
  if (!zoomX_->hasFocus()) zoomX_->setValue(z.zoomX);
  if (!zoomY_->hasFocus()) zoomY_->setValue(z.zoomY);
  direkthilfe_->setChecked(widgets::HilfeAktiv());
  chart_->yAxis->setRange(0.0, z.yAchseMax);
  chart_->xAxis->setRange(x_ - z.punkteProBreite, x_);
  chart_->replot(QCustomPlot::rpQueuedReplot);
  imAnzeigen_ = false;
}

void DirektpanelFenster::PunkteZeichnen(const std::array<double, 4>& prozent) {
  for (int n = 0; n < 4; ++n) {
    QCPGraph* g = chart_->graph(n);
    g->addData(x_, prozent[n]);
    g->data()->removeBefore(x_ - kChartSpeicher);
  }
  x_ += 1.0;
  chart_->xAxis->setRange(x_ - Direktpanel(sitzung_).punkteProBreite, x_);
  chart_->replot(QCustomPlot::rpQueuedReplot);
}

}  // namespace direct::gui
