#include "curves/gui/Kurvenpanel.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolBar>
#include <cmath>

#include "common/Direkthilfe.h"
#include "config/gui/Neuskalierung.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/BearbeitenGeraden.h"
#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/BearbeitenMarkierung.h"
#include "curves/edit/BearbeitenPunkte.h"
#include "curves/edit/BearbeitenZyklen.h"
#include "curves/edit/Markierung.h"
#include "curves/files/KurvendateiMenue.h"
#include "curves/gui/Graphscrollbar.h"
#include "curves/gui/Kurvendialoge.h"
#include "curves/gui/Kurvengrafik.h"
#include "curves/gui/Kurvenhilfetexte.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/model/Titel.h"
#include "curves/transfer/Anpassen.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "ui/Knopfbild.h"
#include "ui_KURVENPNL.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Lampe.h"
#include "widgets/Navigation.h"

namespace curves::gui {

using common::gHilfeAktiv;
using common::Hilfetext;
namespace h = hilfe;

namespace {

constexpr int kFehlerWerkzeugleiste = -653401;
constexpr double kAnzeigeMax = 1e9;

// Time base names in list order.
void ZeitbasenFuellen(QComboBox* box) {
  box->clear();
  for (int code : kZeitbasisListe) box->addItem(QString::fromLatin1(ZeitbasisName(code)), code);
}

}  // namespace

Kurvenpanel::Kurvenpanel(QWidget* parent)
    : QMainWindow(parent), ui_(new ::Ui::KURVENPNL), hilfe_(new widgets::HilfeFilter(this)) {
  ui_->setupUi(this);
  grafik_ = std::make_unique<Kurvengrafik>(ui_->GRAPH, ui_->GRAPHKLEIN);
  dialoge_ = std::make_unique<Kurvendialoge>(this, *grafik_);
  MenueAnlegen();
  Verbinden();
  HilfetexteAnmelden();
  // Installed after the help filter, so it sees the events first.
  ui_->ZEITBASISINDICATOR->installEventFilter(this);
  ui_->GRAPH->installEventFilter(this);
  // A changed configuration relabels the Y axis and the fields in the output's unit.
  neuskalierung_ = config::gui::NeuskalierungAnmelden([this] {
    if (!AktuelleKurveDaten().Punkte.empty()) KurvenpanelZeichnen();
  });
}

void Kurvenpanel::showEvent(QShowEvent* ereignis) {
  a_.Direkthilfe->setChecked(gHilfeAktiv);
  QMainWindow::showEvent(ereignis);
}

bool Kurvenpanel::eventFilter(QObject* objekt, QEvent* ereignis) {
  // The drawing depends on the graph's size (one point marker per pixel): draw anew once
  // the resizing has settled.
  if (objekt == ui_->GRAPH && ereignis->type() == QEvent::Resize && !neuzeichnenGeplant_) {
    neuzeichnenGeplant_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          neuzeichnenGeplant_ = false;
          if (!AktuelleKurveDaten().Punkte.empty()) KurvenpanelZeichnen();
        },
        Qt::QueuedConnection);
  }
  if (objekt == ui_->ZEITBASISINDICATOR && !gHilfeAktiv) {
    switch (ereignis->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
        return true;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

Kurvenpanel::~Kurvenpanel() {
  config::gui::NeuskalierungAbmelden(neuskalierung_);
  FenstertitelBinden({});
  UndoBefehleBinden({});
  KurvenLesenAnzeigeBinden({});
  YAchseNeuSkalierenBinden({});
  device::FehlerfelderBinden(device::FehlerfeldFenster::Kurven, {});
  if (&editordialoge() == dialoge_.get()) setEditordialoge(nullptr);
}

QAction* Kurvenpanel::Befehl(const QString& text, const char* hilfetext,
                             std::function<void()> aktion) {
  auto* a = new QAction(text, this);
  const QString hilfe = QString::fromUtf8(hilfetext ? hilfetext : "");
  connect(a, &QAction::triggered, this, [hilfe, aktion] {
    if (gHilfeAktiv) {
      if (!hilfe.isEmpty()) Hilfetext(hilfe.toStdString());
      return;
    }
    aktion();
  });
  return a;
}

void Kurvenpanel::MenueAnlegen() {
  QMenuBar* leiste = menuBar();
  leiste->clear();

  QMenu* datei = leiste->addMenu("file");
  a_.Neu = Befehl("New", h::kNeu, [this] { Neu(); });
  a_.Oeffnen = Befehl("Open curves", h::kOeffnen, [this] { Dateibefehl(&KurvenLaden, true); });
  a_.Anhaengen =
      Befehl("Append curves", h::kAnhaengen, [this] { Dateibefehl(&KurvenAnhaengen, true); });
  a_.Speichern = Befehl("Save curves", h::kSpeichern, [] {
    if (int fehler = KurvenSpeichern(0)) device::ZOR_Fehlerpopup(fehler);
  });
  a_.SpeichernUnter = Befehl("Save curves as", h::kSpeichernUnter, [] {
    if (int fehler = KurvenSpeichern(1)) device::ZOR_Fehlerpopup(fehler);
  });
  a_.Importieren =
      Befehl("Import curves", h::kImportieren, [this] { Dateibefehl(&KurvenImportieren, false); });
  a_.Exportieren = Befehl("Export curves", h::kExportieren, [] {
    if (int fehler = KurvenExportieren()) device::ZOR_Fehlerpopup(fehler);
  });
  a_.Beenden = Befehl("Exit", nullptr, [] { widgets::ProgrammendeAnfragen(); });
  a_.Neu->setShortcut(QKeySequence::New);
  a_.Oeffnen->setShortcut(QKeySequence::Open);
  a_.Speichern->setShortcut(QKeySequence::Save);
  datei->addActions({a_.Neu, a_.Oeffnen, a_.Anhaengen, a_.Speichern, a_.SpeichernUnter,
                     a_.Importieren, a_.Exportieren});
  datei->addSeparator();
  datei->addAction(a_.Beenden);

  QMenu* bearbeiten = leiste->addMenu("edit");
  a_.Ausschneiden = Befehl("Cut", h::kAusschneiden,
                           [this] { Bearbeitungsbefehl(&MarkiertesAusschneiden, true); });
  a_.Kopieren = Befehl("Copy", h::kKopieren, [] {
    if (int fehler = MarkierteKopieren()) device::ZOR_Fehlerpopup(fehler);
  });
  a_.Einfuegen = Befehl("Paste", h::kEinfuegen,
                        [this] { Bearbeitungsbefehl(&ZwischenspeicherEinfuegen, false); });
  a_.Loeschen = Befehl("Delete", h::kLoeschen, [this] {
    Bearbeitungsbefehl(
        [] {
          MarkiertesEntfernen();
          return 0;
        },
        true);
  });
  a_.AllesMarkieren = Befehl("Select all", h::kAllesMarkieren, [this] {
    AllesMarkieren();
    grafik_->MarkierungZeichnen();
    grafik_->Graph()->replot();
    grafik_->Klein()->replot();
  });
  auto undo = [this] {
    Rueckgaengig();
    ZeichnenMitScrollbar();
  };
  auto redo = [this] {
    Wiederherstellen();
    ZeichnenMitScrollbar();
  };
  a_.Rueckgaengig = Befehl("Undo", h::kRueckgaengig, undo);
  a_.Wiederherstellen = Befehl("Redo", h::kWiederherstellen, redo);
  a_.RueckgaengigKnopf = Befehl("Undo", h::kRueckgaengig, undo);
  a_.WiederherstellenKnopf = Befehl("Redo", h::kWiederherstellen, redo);
  a_.Ausschneiden->setShortcut(QKeySequence::Cut);
  a_.Kopieren->setShortcut(QKeySequence::Copy);
  a_.Einfuegen->setShortcut(QKeySequence::Paste);
  a_.Loeschen->setShortcut(QKeySequence::Delete);
  a_.Rueckgaengig->setShortcut(QKeySequence::Undo);
  a_.Wiederherstellen->setShortcut(QKeySequence::Redo);
  bearbeiten->addActions({a_.Ausschneiden, a_.Kopieren, a_.Einfuegen, a_.Loeschen,
                          a_.AllesMarkieren, a_.Rueckgaengig, a_.Wiederherstellen});
  bearbeiten->addSeparator();

  static const char* const kWerkzeugnamen[9] = {
      "Select",      "Draw point",  "Move point",      "Chance point coordinates", "Show timebases",
      "Ripup point", "Divide line", "Change timebase", "Changes length of line"};
  static const char* const kWerkzeugtipps[9] = {"Select",
                                                "Draw point",
                                                "Move point",
                                                "Show/change coordinates of point",
                                                "Show coordinates and timebase",
                                                "Delete point",
                                                "Divide straight line",
                                                "Change timebase",
                                                "Change length of line"};
  static const char* const kWerkzeughilfe[9] = {h::kMarkieren,   h::kZeichnen,    h::kVerschieben,
                                                h::kPunktdialog, h::kKoordinaten, h::kPunktLoeschen,
                                                h::kTeilen,      h::kZeitbasis,   h::kLaenge};
  werkzeuge_ = new QActionGroup(this);
  werkzeuge_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (int i = 0; i < 9; ++i) {
    auto* w = new QAction(kWerkzeugnamen[i], this);
    w->setCheckable(true);
    w->setToolTip(kWerkzeugtipps[i]);
    w->setData(i);
    w->setProperty("hilfe", QString::fromUtf8(kWerkzeughilfe[i]));
    werkzeuge_->addAction(w);
    bearbeiten->addAction(w);
    a_.Werkzeuge[i] = w;
  }
  connect(werkzeuge_, &QActionGroup::triggered, this, &Kurvenpanel::WerkzeugGewaehlt);

  QMenu* ansicht = leiste->addMenu("view");
  a_.ZoomPlus = Befehl("Zoom +", h::kZoomPlus, [this] { Zoom(&ZoomPlus); });
  a_.ZoomMinus = Befehl("Zoom -", h::kZoomMinus, [this] { Zoom(&ZoomMinus); });
  a_.ZoomMarkierung = Befehl("Zoom to selection", h::kZoomMarkierung,
                             [this] { Zoom([] { ZoomAufMarkierung(); }); });
  a_.ZoomVoll = Befehl("Zoom full", h::kZoomVoll, [this] { Zoom(&ZoomVoll); });
  ansicht->addActions({a_.ZoomPlus, a_.ZoomMinus, a_.ZoomMarkierung, a_.ZoomVoll});
  ansicht->addSeparator();
  QMenu* typen = ansicht->addMenu("Display types of curves");
  static const char* const kTypnamen[3] = {"Lines + Steps", "Lines", "Steps"};
  static const char* const kTyptipps[3] = {"Show curves as lines + steps", "Show curves as lines",
                                           "show curves as steps"};
  static const int kTypwerte[3] = {kDarstellungBeide, kDarstellungLinien, kDarstellungStufen};
  auto* typgruppe = new QActionGroup(this);
  auto* knopfgruppe = new QActionGroup(this);
  for (int i = 0; i < 3; ++i) {
    const int wert = kTypwerte[i];
    auto* m = Befehl(kTypnamen[i], h::kDarstellung, [this, wert] { DarstellungGewaehlt(wert); });
    m->setCheckable(true);
    m->setData(wert);
    typgruppe->addAction(m);
    typen->addAction(m);
    a_.Darstellung[i] = m;
    auto* k = Befehl(kTypnamen[i], h::kDarstellung, [this, wert] { DarstellungGewaehlt(wert); });
    k->setCheckable(true);
    k->setToolTip(kTyptipps[i]);
    k->setEnabled(false);
    k->setData(wert);
    knopfgruppe->addAction(k);
    a_.DarstellungKnopf[i] = k;
  }
  // Help mode must not move the check mark of a display type.
  for (auto* gruppe : {typgruppe, knopfgruppe})
    connect(gruppe, &QActionGroup::triggered, this, [this] {
      if (gHilfeAktiv) DarstellungSetzen(darstellung_);
    });

  auto* kurvengruppe = new QActionGroup(this);
  for (int n = 1; n <= 4; ++n) {
    auto* k =
        Befehl(QString("Edit curve %1").arg(n), h::kKurveWaehlen, [this, n] { KurveWaehlen(n); });
    k->setCheckable(true);
    k->setEnabled(false);
    kurvengruppe->addAction(k);
    a_.KurveWaehlen[n - 1] = k;
    auto* b = Befehl(QString("Curve %1 in background").arg(n), h::kHintergrund, [] {});
    b->setCheckable(true);
    b->setEnabled(false);
    a_.Hintergrund[n - 1] = b;
  }
  a_.KurveWaehlen[0]->setChecked(true);
  connect(kurvengruppe, &QActionGroup::triggered, this, [this] {
    if (gHilfeAktiv) a_.KurveWaehlen[gKurven.AktuelleKurve]->setChecked(true);
  });

  QMenu* fenster = leiste->addMenu("windows");
  using widgets::Fenster;
  auto zeige = [](Fenster f) { return [f] { widgets::FensterZeigen(f); }; };
  a_.Hauptfenster = Befehl("Main window", nullptr, zeige(Fenster::Haupt));
  a_.ComFenster = Befehl("COM settings", nullptr, zeige(Fenster::Com));
  a_.Kurvenfenster = Befehl("Curve generator", nullptr, zeige(Fenster::Kurven));
  fenster->addActions({a_.Hauptfenster, a_.ComFenster, a_.Kurvenfenster});

  QMenu* hilfemenue = leiste->addMenu("help");
  a_.Direkthilfe = new QAction("Direct help", this);
  a_.Direkthilfe->setCheckable(true);
  a_.Direkthilfe->setToolTip("Direct help mode");
  connect(a_.Direkthilfe, &QAction::triggered, this, &Kurvenpanel::DirekthilfeUmschalten);
  hilfemenue->addAction(a_.Direkthilfe);
}

int Kurvenpanel::WerkzeugleisteAnlegen() {
  if (leiste_) return 0;
  leiste_ = new QToolBar("Toolbar", this);
  if (!leiste_) return kFehlerWerkzeugleiste;
  leiste_->setObjectName("WERKZEUGLEISTE");
  leiste_->setMovable(false);
  // Compact, so that the whole row fits the main window's width.
  leiste_->setIconSize(QSize(16, 16));
  leiste_->setStyleSheet("QToolBar { spacing: 0px; } QToolButton { padding: 0px; }");
  leiste_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  auto knopf = [this](QAction* a, const char* tipp, const char* bild) {
    a->setToolTip(tipp);
    a->setIcon(ui::Knopfbild(bild));
    leiste_->addAction(a);
  };
  knopf(a_.Neu, "New", "new");
  knopf(a_.Oeffnen, "Load curves", "open");
  knopf(a_.Speichern, "Save curves", "save");
  leiste_->addSeparator();
  knopf(a_.Ausschneiden, "Cut", "cut");
  knopf(a_.Kopieren, "Copy", "copy");
  knopf(a_.Einfuegen, "Paste", "paste");
  knopf(a_.Loeschen, "Delete", "del");
  knopf(a_.RueckgaengigKnopf, "Undo", "undo");
  knopf(a_.WiederherstellenKnopf, "Redo", "redo");
  leiste_->addSeparator();
  static const char* const kBilder[9] = {"mark",         "stift",     "verschieben",
                                         "punktinfo",    "xyzeigen",  "punktdel",
                                         "geradeteilen", "zeitbasis", "geradenlaenge"};
  for (int i = 0; i < 9; ++i)
    knopf(a_.Werkzeuge[i], a_.Werkzeuge[i]->toolTip().toUtf8().constData(), kBilder[i]);
  zeitbasisliste_ = new QComboBox(leiste_);
  zeitbasisliste_->setObjectName("ZEITBASISLISTE");
  zeitbasisliste_->setToolTip("Timebase");
  ZeitbasenFuellen(zeitbasisliste_);
  zeitbasisliste_->setCurrentIndex(0);
  zeitbasisliste_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  leiste_->addWidget(zeitbasisliste_);
  hilfe_->anmelden(zeitbasisliste_, h::kZeitbasisliste);
  leiste_->addSeparator();
  knopf(a_.ZoomPlus, "Zoom +", "zoomplus");
  knopf(a_.ZoomMinus, "Zoom -", "zoomminus");
  knopf(a_.ZoomMarkierung, "Zoom selection", "zoommark");
  knopf(a_.ZoomVoll, "Zoom full", "zoomvoll");
  leiste_->addSeparator()->setEnabled(false);
  static const char* const kKurvenbilder[4] = {"k1", "k2", "k3", "k4"};
  for (int n = 0; n < 4; ++n) {
    const QByteArray tipp = a_.KurveWaehlen[n]->text().toUtf8();
    knopf(a_.KurveWaehlen[n], tipp.constData(), kKurvenbilder[n]);
  }
  leiste_->addSeparator()->setEnabled(false);
  for (int n = 0; n < 4; ++n) {
    const QByteArray tipp = a_.Hintergrund[n]->text().toUtf8();
    knopf(a_.Hintergrund[n], tipp.constData(), "leer");
  }
  leiste_->addSeparator()->setEnabled(false);
  for (int i = 0; i < 3; ++i) {
    const QByteArray tipp = a_.DarstellungKnopf[i]->toolTip().toUtf8();
    knopf(a_.DarstellungKnopf[i], tipp.constData(), "leer");
  }
  leiste_->addSeparator();
  knopf(a_.Direkthilfe, "Direct help mode", "help");
  addToolBar(Qt::TopToolBarArea, leiste_);
  return 0;
}

void Kurvenpanel::Einrichten() {
  auto& u = *ui_;
  ScrollbarZeigen(u.SCROLLBAR, 100, 0);
  ZeitbasenFuellen(u.ZEITBASISINDICATOR);
  u.ZEITBASISINDICATOR->setCurrentIndex(-1);
  DarstellungSetzen(darstellung_);
  u.ZYKLEN->hide();
  u.LABEL_ZYKLEN->hide();
  u.RUHEZUSTAND->hide();
  u.LABEL_RUHEZUSTAND->hide();
  for (auto* feld : {u.YRASTER, u.YZOOMMAX, u.YZOOMMIN, u.RUHEZUSTAND, u.YKOORDINATE}) {
    feld->setRange(-kAnzeigeMax, kAnzeigeMax);
    feld->setKeyboardTracking(false);
  }
  u.YRASTER->setMinimum(0.0);
  u.SPEICHERBEDARF->setAutoFillBackground(true);
  // The graphs take the room; the fields keep their natural width.
  u.HAUPTLAYOUT->setStretch(0, 1);
  u.HAUPTLAYOUT->setStretch(1, 0);
  u.KOMMENTARVORSCHAU->setMaximumWidth(320);
  u.FEHLERSTRING->setMaximumWidth(320);
}

void Kurvenpanel::Verbinden() {
  auto& u = *ui_;
  connect(u.GRAPH, &QCustomPlot::mousePress, this, &Kurvenpanel::MausGedrueckt);
  // The second press of a quick double click arrives as a double click only; it is a press
  // all the same, or every second of two quick clicks would be lost.
  connect(u.GRAPH, &QCustomPlot::mouseDoubleClick, this, &Kurvenpanel::MausGedrueckt);
  connect(u.GRAPH, &QCustomPlot::mouseMove, this, &Kurvenpanel::MausBewegt);
  connect(u.GRAPH, &QCustomPlot::mouseRelease, this, &Kurvenpanel::MausLosgelassen);

  connect(u.SCROLLBAR, &QScrollBar::sliderMoved, this, [this] { scrollbarBewegt_ = true; });
  connect(u.SCROLLBAR, &QScrollBar::sliderReleased, this, &Kurvenpanel::ScrollbarLosgelassen);
  // Clicks on the bar or its arrows move and end at once.
  connect(u.SCROLLBAR, &QScrollBar::actionTriggered, this, [this](int aktion) {
    if (aktion == QAbstractSlider::SliderMove || aktion == QAbstractSlider::SliderNoAction) return;
    scrollbarBewegt_ = true;
    ScrollbarLosgelassen();
  });

  auto knopf = [this](QPushButton* b, std::function<void()> aktion) {
    connect(b, &QPushButton::clicked, this, [aktion] {
      if (!gHilfeAktiv) aktion();
    });
  };
  knopf(u.KOMMENTAR, [this] { KommentarBearbeiten(); });
  knopf(u.SCHREIBEN, [this] { Senden(kSpeicherKurven); });
  knopf(u.SCHREIBEN_2, [this] { Senden(kSpeicherDither); });
  knopf(u.LESEN, [this] { Lesen(kSpeicherKurven); });
  knopf(u.LESEN_2, [this] { Lesen(kSpeicherDither); });
  knopf(u.ANPASSEN_1, [] { AusgangEinsAnpassen(); });
  knopf(u.START, [] { device::ComFehlerSetzen(device::StartSenden()); });
  knopf(u.STOPP, [] { device::ComFehlerSetzen(device::StoppSenden()); });
  knopf(u.HAUPTFENSTER, [] { widgets::FensterZeigen(widgets::Fenster::Haupt); });

  connect(u.YZOOMMAX, &QDoubleSpinBox::editingFinished, this, &Kurvenpanel::YZoomKurven_Callback);
  connect(u.YZOOMMIN, &QDoubleSpinBox::editingFinished, this, &Kurvenpanel::YZoomKurven_Callback);
  connect(u.YRASTER, &QDoubleSpinBox::valueChanged, this, [this](double wert) {
    if (!imAnzeigen_) YRasterSetzen(wert);
  });
  auto zyklen = [this] {
    if (imAnzeigen_ || gHilfeAktiv) return;
    const ZyklenFelder f = ZyklenUndRuhezustand(ui_->ZYKLEN->value(), ui_->RUHEZUSTAND->value());
    imAnzeigen_ = true;
    ui_->ZYKLEN->setValue(f.Zyklen);
    ui_->RUHEZUSTAND->setValue(f.Ruhezustand);
    imAnzeigen_ = false;
  };
  connect(u.ZYKLEN, &QSpinBox::editingFinished, this, zyklen);
  connect(u.RUHEZUSTAND, &QDoubleSpinBox::editingFinished, this, zyklen);
}

void Kurvenpanel::HilfetexteAnmelden() {
  auto& u = *ui_;
  auto& hf = *hilfe_;
  hf.anmelden(u.KOMMENTAR, h::kKommentar);
  hf.anmelden(u.KOMMENTARVORSCHAU, h::kKommentarvorschau);
  for (QWidget* w :
       std::initializer_list<QWidget*>{u.XSTUNDEN, u.XMINUTEN, u.XSEKUNDEN, u.XMILISEKUNDEN,
                                       u.YKOORDINATE, u.ZEITBASISINDICATOR})
    hf.anmelden(w, h::kKoordinatenfelder);
  hf.anmelden(u.YRASTER, h::kYRaster);
  hf.anmelden(u.YZOOMMAX, h::kYZoom);
  hf.anmelden(u.YZOOMMIN, h::kYZoom);
  hf.anmelden(u.SPEICHERBEDARF, h::kSpeicherbedarf);
  hf.anmelden(u.GRAPHKLEIN, h::kGraphKlein);
  hf.anmelden(u.SCROLLBAR, "");
  hf.anmelden(u.ZYKLEN, h::kZyklen);
  hf.anmelden(u.RUHEZUSTAND, h::kRuhezustand);
  hf.anmelden(u.SCHREIBEN, h::kSchreiben);
  hf.anmelden(u.LESEN, h::kLesen);
  hf.anmelden(u.START, widgets::kHilfeStart);
  hf.anmelden(u.STOPP, widgets::kHilfeStopp);
  for (QWidget* w :
       std::initializer_list<QWidget*>{u.SCHREIBEN_2, u.LESEN_2, u.ANPASSEN_1, u.HAUPTFENSTER})
    hf.anmelden(w, "");
  for (QWidget* w : std::initializer_list<QWidget*>{u.FEHLERLED, u.FEHLERNR, u.FEHLERSTRING})
    hf.anmelden(w, widgets::kHilfeFehleranzeige);
}

int Kurvenpanel::KurvenpanelInit() {
  if (int fehler = WerkzeugleisteAnlegen()) return fehler;
  Einrichten();
  if (int fehler = KurvenModellInitialisieren()) return fehler;

  setEditordialoge(dialoge_.get());
  FenstertitelBinden(
      [this](const std::string& titel) { setWindowTitle(QString::fromLatin1(titel)); });
  UndoBefehleZuruecksetzen();
  UndoBefehleBinden([this](const Befehlszustand& z) {
    a_.Rueckgaengig->setEnabled(z.RueckgaengigMenue);
    a_.RueckgaengigKnopf->setEnabled(z.RueckgaengigKnopf);
    a_.Wiederherstellen->setEnabled(z.WiederherstellenMenue);
    a_.WiederherstellenKnopf->setEnabled(z.WiederherstellenKnopf);
  });
  KurvenLesenAnzeigeBinden([this] {
    for (auto* k : a_.KurveWaehlen) k->setEnabled(true);
  });
  YAchseNeuSkalierenBinden([this] {
    if (gKurven.AktuelleKurve == 0) {
      Kurvenpanel_SkaliereYAchse();
      ui_->GRAPH->replot();
    }
  });
  device::FehlerfelderBinden(device::FehlerfeldFenster::Kurven,
                             [this](const device::Fehlerfelder& f) {
                               widgets::LampeSetzen(ui_->FEHLERLED, f.led, device::kLampeRot);
                               ui_->FEHLERSTRING->setText(QString::fromUtf8(f.text));
                               ui_->FEHLERNR->setText(QString::number(f.nummer));
                             });
  VorschauAnzeigen();
  imAnzeigen_ = true;
  ui_->YRASTER->setValue(gKurven.YRaster[gKurven.AktuelleKurve]);
  imAnzeigen_ = false;
  ScrollbarAnpassen();
  KurvenpanelZeichnen();
  return 0;
}

void Kurvenpanel::KurvenpanelClear() {
  grafik_->ZeitbasisMarkenZeichnen(false);
  KurvenModellFreigeben();
  if (leiste_) {
    removeToolBar(leiste_);
    delete leiste_;
    leiste_ = nullptr;
    zeitbasisliste_ = nullptr;
  }
}

// ---- Drawing ----

void Kurvenpanel::Kurvenpanel_SkaliereYAchse() {
  const YAchse a = YAchseSkalieren(gKurven.AktuelleKurve);
  const QString einheit = QString::fromLatin1(a.Einheit);
  grafik_->SkaliereYAchse(a.Verstaerkung, a.Versatz, einheit, a.Min, a.Max);
  imAnzeigen_ = true;
  ui_->LABEL_RUHEZUSTAND->setText(QString::fromLatin1(a.RuhezustandBeschriftung));
  ui_->RUHEZUSTAND->setValue(a.Ruhezustand);
  YZoomFelderZeigen(a);
  ui_->LABEL_YKOORDINATE->setText(einheit.isEmpty() ? QString("Y") : einheit);
  imAnzeigen_ = false;
}

void Kurvenpanel::YZoomFelderZeigen(const YAchse& a) {
  const bool vorher = imAnzeigen_;
  imAnzeigen_ = true;
  ui_->YZOOMMIN->setValue(a.FeldMin);
  ui_->YZOOMMAX->setValue(a.FeldMax);
  imAnzeigen_ = vorher;
  yZoomMin_ = {ui_->YZOOMMIN->value(), a.FeldMinGenau};
  yZoomMax_ = {ui_->YZOOMMAX->value(), a.FeldMaxGenau};
}

void Kurvenpanel::KurvenpanelZeichnen() {
  Kurvenpanel_SkaliereYAchse();
  grafik_->KurvenpanelZeichnen(darstellung_, zeitbasenZeigen_);

  const SpeicherbedarfAnzeige s = SpeicherbedarfAnzeigen();
  ui_->SPEICHERBEDARF->setText(QString::number(s.Prozent, 'f', 1));
  QPalette p = ui_->SPEICHERBEDARF->palette();
  p.setColor(QPalette::Base, QColor::fromRgb(s.Farbe));
  ui_->SPEICHERBEDARF->setPalette(p);

  const int c = gKurven.AktuelleKurve;
  imAnzeigen_ = true;
  ui_->ZYKLEN->setValue(gKurven.Zyklen[c]);
  ui_->RUHEZUSTAND->setValue(RohInEinheit(c, gKurven.Ruhezustand[c]));
  imAnzeigen_ = false;
}

void Kurvenpanel::ZeichnenMitScrollbar() {
  KurvenpanelZeichnen();
  ScrollbarAnpassen();
}

void Kurvenpanel::ScrollbarAnpassen() {
  const Scrollbalken w = curves::ScrollbarAnpassen();
  QSignalBlocker sperre(ui_->SCROLLBAR);
  ScrollbarZeigen(ui_->SCROLLBAR, w.Daumen, w.Position);
}

void Kurvenpanel::ScrollbarLosgelassen() {
  const bool bewegt = scrollbarBewegt_;
  scrollbarBewegt_ = false;
  // Help mode ignores commits: the bar goes back to the view it shows.
  if (gHilfeAktiv) {
    ScrollbarAnpassen();
    return;
  }
  if (curves::ScrollbarLosgelassen(ScrollbarPosition(ui_->SCROLLBAR), bewegt))
    KurvenpanelZeichnen();
}

void Kurvenpanel::KoordinatenAnzeigen(double x, double y) {
  const Zeitfelder z = ZeitInStunden(x);
  imAnzeigen_ = true;
  ui_->XSTUNDEN->setValue(z.Stunden);
  ui_->XMINUTEN->setValue(z.Minuten);
  ui_->XSEKUNDEN->setValue(z.Sekunden);
  ui_->XMILISEKUNDEN->setValue(z.Millisekunden);
  ui_->YKOORDINATE->setValue(RohInEinheit(gKurven.AktuelleKurve, y));
  imAnzeigen_ = false;
}

void Kurvenpanel::VorschauAnzeigen() {
  ui_->KOMMENTARVORSCHAU->setText(KommentarVorschau(AktuelleKurveDaten().Kommentar));
}

// ---- Tools and the mouse ----

Werkzeug Kurvenpanel::AktivesWerkzeug() const {
  QAction* a = werkzeuge_->checkedAction();
  return a ? static_cast<Werkzeug>(a->data().toInt()) : Werkzeug::Keins;
}

int Kurvenpanel::ListenZeitbasis() const {
  return zeitbasisliste_ ? zeitbasisliste_->currentData().toInt() : kZeitbasisListe[0];
}

void Kurvenpanel::WerkzeugGewaehlt(QAction* aktion) {
  if (gHilfeAktiv) {
    Hilfetext(aktion->property("hilfe").toString().toStdString());
    // The tool stays as it was.
    if (letztesWerkzeug_)
      letztesWerkzeug_->setChecked(true);
    else
      aktion->setChecked(false);
    return;
  }
  letztesWerkzeug_ = aktion;
  const Werkzeug w = static_cast<Werkzeug>(aktion->data().toInt());
  zeitbasenZeigen_ = w == Werkzeug::Koordinaten;
  grafik_->ZeitbasisMarkenZeichnen(zeitbasenZeigen_);
  if (w != Werkzeug::Markieren) {
    MarkierungAufheben();
    grafik_->MarkierungZeichnen();
  }
  ui_->GRAPH->replot();
  ui_->GRAPHKLEIN->replot();
}

void Kurvenpanel::DirekthilfeUmschalten() {
  widgets::DirekthilfeSchalten(!gHilfeAktiv);
  a_.Direkthilfe->setChecked(gHilfeAktiv);
}

void Kurvenpanel::DarstellungSetzen(int darstellung) {
  if (darstellung < 1 || darstellung > 3) darstellung = kDarstellungBeide;
  darstellung_ = darstellung;
  const int index = darstellung == kDarstellungBeide    ? 0
                    : darstellung == kDarstellungLinien ? 1
                                                        : 2;
  a_.Darstellung[index]->setChecked(true);
  a_.DarstellungKnopf[index]->setChecked(true);
}

void Kurvenpanel::DarstellungGewaehlt(int darstellung) {
  DarstellungSetzen(darstellung);
  KurvenpanelZeichnen();
}

bool Kurvenpanel::HintergrundGewaehlt(int kurve) const {
  return hintergrund_.at(kurve);
}

void Kurvenpanel::HintergrundSetzen(int kurve, bool an) {
  hintergrund_.at(kurve) = an;
  a_.Hintergrund.at(kurve)->setChecked(an);
}

QPointF Kurvenpanel::Cursor(QMouseEvent* e) const {
  const QCPAxis* x = ui_->GRAPH->xAxis;
  const QCPAxis* y = ui_->GRAPH->yAxis;
  // The cursor stays inside the plot area.
  const double px =
      std::clamp(x->pixelToCoord(e->position().x()), x->range().lower, x->range().upper);
  const double py =
      std::clamp(y->pixelToCoord(e->position().y()), y->range().lower, y->range().upper);
  return {px, py};
}

void Kurvenpanel::MausGedrueckt(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (gHilfeAktiv) {
    Hilfetext(h::kGraph);
    return;
  }
  const QRect flaeche = ui_->GRAPH->axisRect()->rect();
  ZeichenflaecheSetzen(flaeche.width(), flaeche.height());
  dialoge_->MausSetzen(e->position().toPoint());
  mausGedrueckt_ = true;
  const QPointF p = Cursor(e);
  Wertaenderung(p.x(), p.y(), true);
}

void Kurvenpanel::MausBewegt(QMouseEvent* e) {
  if (!mausGedrueckt_ || !(e->buttons() & Qt::LeftButton)) return;
  dialoge_->MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  Wertaenderung(p.x(), p.y(), false);
}

void Kurvenpanel::MausLosgelassen(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !mausGedrueckt_) return;
  mausGedrueckt_ = false;
  dialoge_->MausSetzen(e->position().toPoint());
  const QPointF p = Cursor(e);
  Commit(p.x(), p.y());
}

void Kurvenpanel::Wertaenderung(double x, double y, bool erste) {
  switch (AktivesWerkzeug()) {
    case Werkzeug::Koordinaten: {
      const int i = GeradenIndexBeiZeit(x);
      const int code = AktuelleKurveDaten().Punkte[i].Zeitbasis;
      ui_->ZEITBASISINDICATOR->setCurrentIndex(ui_->ZEITBASISINDICATOR->findData(code));
      KoordinatenAnzeigen(x, y);
      break;
    }
    case Werkzeug::Zeichnen: {
      const Zeichenvorschau v = ZeichenVorschau(x, y, ListenZeitbasis());
      KoordinatenAnzeigen(v.X, v.Y);
      grafik_->ZeichenVorschau(true, v.X0, v.Y0, v.X, v.Y);
      break;
    }
    case Werkzeug::Markieren:
      if (erstesDruecken_) {
        MarkierungBeginnen(x);
        erstesDruecken_ = false;
      } else {
        MarkierungZiehen(x);
      }
      grafik_->MarkierungZeichnen();
      ui_->GRAPH->replot(QCustomPlot::rpQueuedReplot);
      ui_->GRAPHKLEIN->replot(QCustomPlot::rpQueuedReplot);
      break;
    case Werkzeug::Verschieben: {
      if (frischerZug_) {
        gewaehlterPunkt_ = NaechsterPunkt(x, y);
        frischerZug_ = false;
      }
      const Verschiebevorschau v = VerschiebeVorschau(gewaehlterPunkt_, x, y);
      KoordinatenAnzeigen(v.X, v.Y);
      std::vector<QPointF> linie;
      if (v.MitLinks) linie.emplace_back(v.LinksX, v.LinksY);
      linie.emplace_back(v.X, v.Y);
      if (v.MitRechts) linie.emplace_back(v.RechtsX, v.RechtsY);
      grafik_->VerschiebeVorschau(true, linie, QPointF(v.X, v.Y));
      break;
    }
    case Werkzeug::Zeitbasis:
      if (erste && ZeitbasisAendernMitMenue(x)) {
        ZeichnenMitScrollbar();
      }
      break;
    default:
      break;
  }
}

void Kurvenpanel::Commit(double x, double y) {
  const Werkzeug werkzeug = AktivesWerkzeug();
  switch (werkzeug) {
    case Werkzeug::Laenge:
      GeradenlaengeAendern(x);
      KurvenpanelZeichnen();
      break;
    case Werkzeug::Teilen:
      GeradeTeilen(x);
      KurvenpanelZeichnen();
      break;
    case Werkzeug::PunktLoeschen:
      PunktLoeschen(x, y);
      KurvenpanelZeichnen();
      break;
    case Werkzeug::Zeichnen:
      grafik_->ZeichenVorschau(false);
      PunktAnhaengen(x, y, ListenZeitbasis());
      KurvenpanelZeichnen();
      break;
    case Werkzeug::Markieren:
      MarkierungAbschliessen(x);
      erstesDruecken_ = true;
      grafik_->MarkierungZeichnen();
      ui_->GRAPH->replot();
      ui_->GRAPHKLEIN->replot();
      break;
    case Werkzeug::Verschieben:
      grafik_->VerschiebeVorschau(false);
      if (!frischerZug_) PunktVerschieben(gewaehlterPunkt_, x, y);
      frischerZug_ = true;
      KurvenpanelZeichnen();
      break;
    case Werkzeug::Punktdialog:
      if (PunktKoordinatenAendern(x, y) == 1) KurvenpanelZeichnen();
      break;
    default:
      break;
  }
  // An edit may change the curve's length, and with it the scroll bar's thumb.
  if (werkzeug != Werkzeug::Markieren) ScrollbarAnpassen();
}

// ---- Commands ----

void Kurvenpanel::Neu() {
  if (AbbruchWeilKurvenNichtGespeichert()) return;
  if (int fehler = KurvenNeu()) device::ZOR_Fehlerpopup(fehler);
  ui_->KOMMENTARVORSCHAU->clear();
  SichtZuruecksetzen();
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Dateibefehl(int (*befehl)(), bool ganzeKurve) {
  if (int fehler = befehl()) device::ZOR_Fehlerpopup(fehler);
  if (ganzeKurve) {
    VorschauAnzeigen();
    ZoomVoll();
    ScrollbarAnpassen();
  }
  KurvenpanelZeichnen();
}

void Kurvenpanel::Bearbeitungsbefehl(int (*befehl)(), bool markeAus) {
  const int fehler = befehl();
  if (markeAus) MarkierungAufheben();
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Zoom(void (*zoom)()) {
  zoom();
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Senden(int typ) {
  if (KurvenlaengenPruefen() != 0) return;
  KurvenSenden(typ);
}

void Kurvenpanel::Lesen(int typ) {
  const int fehler = KurvenLesen(typ);
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  Fenstertitel("");
  VorschauAnzeigen();
  ZoomVoll();
  ZeichnenMitScrollbar();
}

void Kurvenpanel::KurveWaehlen(int n) {
  if (n < 1 || n > kKurven) return;
  a_.KurveWaehlen[n - 1]->setChecked(true);
  YRasterSetzen(ui_->YRASTER->value());
  AktuelleKurveSetzen(n - 1);
  imAnzeigen_ = true;
  ui_->YRASTER->setValue(gKurven.YRaster[n - 1]);
  imAnzeigen_ = false;
  VorschauAnzeigen();
  ZeichnenMitScrollbar();
  UndoKnoepfeFuerKurve(n - 1);
}

void Kurvenpanel::YZoomKurven_Callback() {
  if (imAnzeigen_ || gHilfeAktiv) return;
  // A field keeps only the decimals it shows; an unchanged field stands for its stored
  // limit, else truncating the rounded value would lower the limit at every commit.
  auto wert = [](const QDoubleSpinBox* feld, const ZoomFeld& f) {
    return feld->value() == f.Gezeigt ? f.Genau : feld->value();
  };
  if (YZoomSetzen(wert(ui_->YZOOMMIN, yZoomMin_), wert(ui_->YZOOMMAX, yZoomMax_))) {
    KurvenpanelZeichnen();
  } else {
    const YAchse a = YAchseSkalieren(gKurven.AktuelleKurve);
    YZoomFelderZeigen(a);
  }
}

void Kurvenpanel::KommentarBearbeiten() {
  const std::string neu =
      dialoge_->Kommentardialog(gKurven.AktuelleKurve, AktuelleKurveDaten().Kommentar);
  // The dialog may have been answered while the model changed; the current curve takes it.
  KommentarSetzen(neu);
  VorschauAnzeigen();
}

}  // namespace curves::gui
