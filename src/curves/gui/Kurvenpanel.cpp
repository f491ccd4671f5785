#include "curves/gui/Kurvenpanel.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
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
#include "curves/gui/Formdialog.h"
#include "curves/gui/Kurvendialoge.h"
#include "curves/gui/Kurvenhilfetexte.h"
#include "curves/gui/Kurvenmaus.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "curves/gui/Punkttabelle.h"
#include "curves/gui/Zeitachse.h"
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
#include "widgets/Fehlerfeldanzeige.h"
#include "widgets/Graphscrollbar.h"
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

}  // namespace

Kurvenpanel::Kurvenpanel(Kurvensitzung& sitzung, QWidget* parent,
                         const widgets::Fensterumgebung& umgebung)
    : QMainWindow(parent),
      sitzung_(sitzung),
      ui_(new ::Ui::KURVENPNL),
      hilfe_(new widgets::HilfeFilter(this)),
      umgebung_(umgebung) {
  ui_->setupUi(this);
  ui_->PICTURERING->VerbindungSetzen(&Verbindung());
  grafik_ = std::make_unique<widgets::Kurvengrafik>(ui_->GRAPH, ui_->GRAPHKLEIN, kRohMax);
  dialoge_ = std::make_unique<Kurvendialoge>(this, *grafik_, sitzung_);
  punkttabelle_ = new Punkttabelle(sitzung_, *grafik_, this);
  addDockWidget(Qt::RightDockWidgetArea, punkttabelle_);
  punkttabelle_->hide();
  punkttabelle_->Modell().Geaendert = [this] { ZeichnenMitScrollbar(); };
  MenueAnlegen();
  Verbinden();
  HilfetexteAnmelden();
  // Installed after the help filter, so it sees the events first.
  ui_->ZEITBASISINDICATOR->installEventFilter(this);
  ui_->GRAPH->installEventFilter(this);
  // A changed configuration relabels the Y axis and the fields in the output's unit.
  neuskalierung_ = config::gui::NeuskalierungAnmelden([this] {
    if (!AktuelleKurveDaten(sitzung_).Punkte.empty()) KurvenpanelZeichnen();
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
          if (!AktuelleKurveDaten(sitzung_).Punkte.empty()) KurvenpanelZeichnen();
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
  // The table watches the graph and draws into it: gone before the graph is.
  delete punkttabelle_;
  punkttabelle_ = nullptr;
  config::gui::NeuskalierungAbmelden(neuskalierung_);
  if (sitzung_.Dialoge == dialoge_.get()) setEditordialoge(sitzung_, nullptr);
}

void Kurvenpanel::MenueAnlegen() {
  befehle_ = Befehlstabelle();
  widgets::BefehleAnlegen(this, befehle_);
  widgets::MenuesAnlegen(menuBar(), befehle_);
  // The keys of waveform editors besides the table's one per command.
  // Ctrl+= is Ctrl++ without Shift; the platform's zoom keys are the same sequences, and
  // one sequence twice on an action would make it ambiguous.
  a_.ZoomPlus->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  a_.ZoomMinus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  a_.ZoomVoll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  a_.AllesMarkieren->setShortcut(QKeySequence::SelectAll);
  a_.KurveWaehlen[0]->setChecked(true);
  connect(werkzeuge_, &QActionGroup::triggered, this, &Kurvenpanel::WerkzeugGewaehlt);
  connect(punkttabelle_, &QDockWidget::visibilityChanged, a_.PunkttabelleZeigen,
          [this] { a_.PunkttabelleZeigen->setChecked(!punkttabelle_->isHidden()); });
}

int Kurvenpanel::WerkzeugleisteAnlegen() {
  if (!leiste_) leiste_ = widgets::KompakteWerkzeugleisteAnlegen(this, befehle_);
  return leiste_ ? 0 : kFehlerWerkzeugleiste;
}

void Kurvenpanel::Einrichten() {
  auto& u = *ui_;
  widgets::ScrollbarZeigen(u.SCROLLBAR, 100, 0);
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
  maus_ = new Kurvenmaus(*this, sitzung_);

  connect(u.SCROLLBAR, &QScrollBar::sliderMoved, this, [this] { scrollbarBewegt_ = true; });
  connect(u.SCROLLBAR, &QScrollBar::sliderReleased, this, &Kurvenpanel::ScrollbalkenLosgelassen);
  // Clicks on the bar or its arrows move and end at once.
  connect(u.SCROLLBAR, &QScrollBar::actionTriggered, this, [this](int aktion) {
    if (aktion == QAbstractSlider::SliderMove || aktion == QAbstractSlider::SliderNoAction) return;
    scrollbarBewegt_ = true;
    ScrollbalkenLosgelassen();
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
  knopf(u.ANPASSEN_1, [this] { AusgangEinsAnpassen(sitzung_, Verbindung()); });
  knopf(u.START, [this] { Verbindung().ComFehlerSetzen(device::StartSenden(Verbindung())); });
  knopf(u.STOPP, [this] { Verbindung().ComFehlerSetzen(device::StoppSenden(Verbindung())); });
  knopf(u.HAUPTFENSTER, [] { widgets::FensterZeigen(widgets::Fenster::Haupt); });

  connect(u.YZOOMMAX, &QDoubleSpinBox::editingFinished, this, &Kurvenpanel::YZoomKurven_Callback);
  connect(u.YZOOMMIN, &QDoubleSpinBox::editingFinished, this, &Kurvenpanel::YZoomKurven_Callback);
  connect(u.YRASTER, &QDoubleSpinBox::valueChanged, this, [this](double wert) {
    if (!imAnzeigen_) YRasterSetzen(sitzung_, wert);
  });
  auto zyklen = [this] {
    if (imAnzeigen_ || gHilfeAktiv) return;
    const ZyklenFelder f =
        ZyklenUndRuhezustand(sitzung_, ui_->ZYKLEN->value(), ui_->RUHEZUSTAND->value());
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
  hf.Anmelden(u.KOMMENTAR, h::kKommentar);
  hf.Anmelden(u.KOMMENTARVORSCHAU, h::kKommentarvorschau);
  for (QWidget* w :
       std::initializer_list<QWidget*>{u.XSTUNDEN, u.XMINUTEN, u.XSEKUNDEN, u.XMILISEKUNDEN,
                                       u.YKOORDINATE, u.ZEITBASISINDICATOR})
    hf.Anmelden(w, h::kKoordinatenfelder);
  hf.Anmelden(u.YRASTER, h::kYRaster);
  hf.Anmelden(u.YZOOMMAX, h::kYZoom);
  hf.Anmelden(u.YZOOMMIN, h::kYZoom);
  hf.Anmelden(u.SPEICHERBEDARF, h::kSpeicherbedarf);
  hf.Anmelden(u.GRAPHKLEIN, h::kGraphKlein);
  hf.Anmelden(u.SCROLLBAR, "");
  hf.Anmelden(u.ZYKLEN, h::kZyklen);
  hf.Anmelden(u.RUHEZUSTAND, h::kRuhezustand);
  hf.Anmelden(u.SCHREIBEN, h::kSchreiben);
  hf.Anmelden(u.LESEN, h::kLesen);
  hf.Anmelden(u.START, widgets::kHilfeStart);
  hf.Anmelden(u.STOPP, widgets::kHilfeStopp);
  for (QWidget* w :
       std::initializer_list<QWidget*>{u.SCHREIBEN_2, u.LESEN_2, u.ANPASSEN_1, u.HAUPTFENSTER})
    hf.Anmelden(w, "");
  for (QWidget* w : std::initializer_list<QWidget*>{u.FEHLERLED, u.FEHLERNR, u.FEHLERSTRING})
    hf.Anmelden(w, widgets::kHilfeFehleranzeige);
}

int Kurvenpanel::KurvenpanelInit() {
  if (int fehler = WerkzeugleisteAnlegen()) return fehler;
  Einrichten();
  if (int fehler = KurvenModellInitialisieren(sitzung_)) return fehler;

  setEditordialoge(sitzung_, dialoge_.get());
  const auto titel = [this](const std::string& t) { setWindowTitle(QString::fromLatin1(t)); };
  titelAbo_ = sitzung_.Titelmeldungen.Abonnieren(titel);
  titel(FenstertitelText(sitzung_));
  const auto undo = [this](const Befehlszustand& z) {
    a_.Rueckgaengig->setEnabled(z.RueckgaengigMenue);
    a_.RueckgaengigKnopf->setEnabled(z.RueckgaengigKnopf);
    a_.Wiederherstellen->setEnabled(z.WiederherstellenMenue);
    a_.WiederherstellenKnopf->setEnabled(z.WiederherstellenKnopf);
  };
  undoAbo_ = sitzung_.Undomeldungen.Abonnieren(undo);
  UndoBefehleZuruecksetzen(sitzung_);
  leseAbo_ = sitzung_.Lesemeldungen.Abonnieren([this] {
    for (auto* k : a_.KurveWaehlen) k->setEnabled(true);
  });
  skalierungsAbo_ = sitzung_.Skalierungsmeldungen.Abonnieren([this] {
    if (sitzung_.gKurven.AktuelleKurve == 0) {
      Kurvenpanel_SkaliereYAchse();
      ui_->GRAPH->replot();
    }
  });
  fehlerAbo_ =
      widgets::FehlerfelderZeigen(Verbindung(), ui_->FEHLERLED, ui_->FEHLERSTRING, ui_->FEHLERNR);
  VorschauAnzeigen();
  imAnzeigen_ = true;
  ui_->YRASTER->setValue(sitzung_.gKurven.YRaster[sitzung_.gKurven.AktuelleKurve]);
  imAnzeigen_ = false;
  ScrollbalkenZeigen();
  KurvenpanelZeichnen();
  return 0;
}

void Kurvenpanel::KurvenpanelClear() {
  ZeitbasisMarkenZeichnen(*grafik_, sitzung_, false);
  KurvenModellFreigeben(sitzung_);
  if (leiste_) {
    removeToolBar(leiste_);
    delete leiste_;
    leiste_ = nullptr;
    zeitbasisliste_ = nullptr;
  }
}

// ---- Drawing ----

void Kurvenpanel::Kurvenpanel_SkaliereYAchse() {
  const YAchse a = YAchseSkalieren(sitzung_, sitzung_.gKurven.AktuelleKurve);
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
  KurvenZeichnen(*grafik_, sitzung_, darstellung_, zeitbasenZeigen_);
  punkttabelle_->Aktualisieren();

  const SpeicherbedarfAnzeige s = SpeicherbedarfAnzeigen(sitzung_);
  ui_->SPEICHERBEDARF->setText(QString::number(s.Prozent, 'f', 1));
  QPalette p = ui_->SPEICHERBEDARF->palette();
  p.setColor(QPalette::Base, QColor::fromRgb(s.Farbe));
  ui_->SPEICHERBEDARF->setPalette(p);

  const int c = sitzung_.gKurven.AktuelleKurve;
  imAnzeigen_ = true;
  ui_->ZYKLEN->setValue(sitzung_.gKurven.Zyklen[c]);
  ui_->RUHEZUSTAND->setValue(RohInEinheit(c, sitzung_.gKurven.Ruhezustand[c]));
  imAnzeigen_ = false;
}

void Kurvenpanel::ZeichnenMitScrollbar() {
  KurvenpanelZeichnen();
  ScrollbalkenZeigen();
}

void Kurvenpanel::ScrollbalkenZeigen() {
  const Scrollbalken w = curves::ScrollbarAnpassen(sitzung_);
  QSignalBlocker sperre(ui_->SCROLLBAR);
  widgets::ScrollbarZeigen(ui_->SCROLLBAR, w.Daumen, w.Position);
}

void Kurvenpanel::ScrollbalkenLosgelassen() {
  const bool bewegt = scrollbarBewegt_;
  scrollbarBewegt_ = false;
  // Help mode ignores commits: the bar goes back to the view it shows.
  if (gHilfeAktiv) {
    ScrollbalkenZeigen();
    return;
  }
  if (curves::ScrollbarLosgelassen(sitzung_, widgets::ScrollbarPosition(ui_->SCROLLBAR), bewegt))
    KurvenpanelZeichnen();
}

void Kurvenpanel::KoordinatenAnzeigen(double x, double y) {
  const Zeitfelder z = ZeitInStunden(x);
  imAnzeigen_ = true;
  ui_->XSTUNDEN->setValue(z.Stunden);
  ui_->XMINUTEN->setValue(z.Minuten);
  ui_->XSEKUNDEN->setValue(z.Sekunden);
  ui_->XMILISEKUNDEN->setValue(z.Millisekunden);
  ui_->YKOORDINATE->setValue(RohInEinheit(sitzung_.gKurven.AktuelleKurve, y));
  imAnzeigen_ = false;
}

void Kurvenpanel::MarkierungsstatusAnzeigen() {
  const double von = std::min(sitzung_.gMarkierung.Start, sitzung_.gMarkierung.Ende);
  const double bis = std::max(sitzung_.gMarkierung.Start, sitzung_.gMarkierung.Ende);
  const Zeitfelder z = ZeitInStunden(sitzung_.gMarkierung.Ende);
  imAnzeigen_ = true;
  ui_->XSTUNDEN->setValue(z.Stunden);
  ui_->XMINUTEN->setValue(z.Minuten);
  ui_->XSEKUNDEN->setValue(z.Sekunden);
  ui_->XMILISEKUNDEN->setValue(z.Millisekunden);
  imAnzeigen_ = false;
  const Zeiteinheit e = ZeiteinheitFuer(bis - von);
  statusBar()->showMessage(QString("Mark: %1 %4 to %2 %4, length %3 %4")
                               .arg(von / e.Mikrosekunden, 0, 'g', 8)
                               .arg(bis / e.Mikrosekunden, 0, 'g', 8)
                               .arg((bis - von) / e.Mikrosekunden, 0, 'g', 8)
                               .arg(QString::fromUtf8(e.Name)));
}

void Kurvenpanel::MarkierungsstatusLoeschen() {
  statusBar()->clearMessage();
}

void Kurvenpanel::VorschauAnzeigen() {
  ui_->KOMMENTARVORSCHAU->setText(KommentarVorschau(AktuelleKurveDaten(sitzung_).Kommentar));
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
  ZeitbasisMarkenZeichnen(*grafik_, sitzung_, zeitbasenZeigen_);
  if (w != Werkzeug::Markieren) {
    MarkierungAufheben(sitzung_);
    MarkierungZeichnen(*grafik_, sitzung_);
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

// ---- Commands ----

void Kurvenpanel::Neu() {
  if (AbbruchWeilKurvenNichtGespeichert(sitzung_)) return;
  if (int fehler = KurvenNeu(sitzung_)) device::ZOR_Fehlerpopup(fehler);
  ui_->KOMMENTARVORSCHAU->clear();
  SichtZuruecksetzen(sitzung_);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Dateibefehl(int (*befehl)(Kurvensitzung&), bool ganzeKurve) {
  if (int fehler = befehl(sitzung_)) device::ZOR_Fehlerpopup(fehler);
  if (ganzeKurve) {
    VorschauAnzeigen();
    ZoomVoll(sitzung_);
    ScrollbalkenZeigen();
  }
  KurvenpanelZeichnen();
}

void Kurvenpanel::Bearbeitungsbefehl(int (*befehl)(Kurvensitzung&), bool markeAus) {
  const int fehler = befehl(sitzung_);
  if (markeAus) MarkierungAufheben(sitzung_);
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Zoom(void (*zoom)(Kurvensitzung&)) {
  zoom(sitzung_);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Senden(int typ) {
  if (KurvenlaengenPruefen(sitzung_) != 0) return;
  KurvenSenden(sitzung_, Verbindung(), typ);
}

void Kurvenpanel::Lesen(int typ) {
  const int fehler = KurvenLesen(sitzung_, Verbindung(), typ);
  if (fehler && !Verbindung().InFehlerfeldern(fehler)) device::ZOR_Fehlerpopup(fehler);
  Fenstertitel(sitzung_, "");
  VorschauAnzeigen();
  ZoomVoll(sitzung_);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::KurveWaehlen(int n) {
  if (n < 1 || n > kKurven) return;
  a_.KurveWaehlen[n - 1]->setChecked(true);
  YRasterSetzen(sitzung_, ui_->YRASTER->value());
  AktuelleKurveSetzen(sitzung_, n - 1);
  imAnzeigen_ = true;
  ui_->YRASTER->setValue(sitzung_.gKurven.YRaster[n - 1]);
  imAnzeigen_ = false;
  VorschauAnzeigen();
  ZeichnenMitScrollbar();
  UndoKnoepfeFuerKurve(sitzung_, n - 1);
}

void Kurvenpanel::YZoomKurven_Callback() {
  if (imAnzeigen_ || gHilfeAktiv) return;
  // A field keeps only the decimals it shows; an unchanged field stands for its stored
  // limit, else truncating the rounded value would lower the limit at every commit.
  auto wert = [](const QDoubleSpinBox* feld, const ZoomFeld& f) {
    return feld->value() == f.Gezeigt ? f.Genau : feld->value();
  };
  if (YZoomSetzen(sitzung_, wert(ui_->YZOOMMIN, yZoomMin_), wert(ui_->YZOOMMAX, yZoomMax_))) {
    KurvenpanelZeichnen();
  } else {
    const YAchse a = YAchseSkalieren(sitzung_, sitzung_.gKurven.AktuelleKurve);
    YZoomFelderZeigen(a);
  }
}

void Kurvenpanel::FormdialogOeffnen() {
  Formdialog dialog(this, *grafik_, sitzung_);
  if (dialog.Ausfuehren()) ZeichnenMitScrollbar();
}

void Kurvenpanel::KommentarBearbeiten() {
  const std::string neu = dialoge_->Kommentardialog(sitzung_.gKurven.AktuelleKurve,
                                                    AktuelleKurveDaten(sitzung_).Kommentar);
  // The dialog may have been answered while the model changed; the current curve takes it.
  KommentarSetzen(sitzung_, neu);
  VorschauAnzeigen();
}

}  // namespace curves::gui
