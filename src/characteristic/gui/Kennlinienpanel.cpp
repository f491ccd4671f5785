#include "characteristic/gui/Kennlinienpanel.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <cmath>

#include "characteristic/edit/KennlAnsicht.h"
#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/files/KennlDateiMenue.h"
#include "characteristic/gui/Kennldialoge.h"
#include "characteristic/gui/Kennlhilfetexte.h"
#include "characteristic/gui/Kennlmaus.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "characteristic/model/KennlKommentar.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/KennlTitel.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "common/Direkthilfe.h"
#include "config/Umrechnung.h"
#include "config/gui/Neuskalierung.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "ui_KENNLPNL.h"
#include "widgets/Fehlerfeldanzeige.h"
#include "widgets/Graphscrollbar.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Lampe.h"
#include "widgets/Navigation.h"

namespace characteristic::gui {

using common::gHilfeAktiv;
namespace h = hilfe;

namespace {

constexpr int kFehlerWerkzeugleiste = -653501;
constexpr double kAnzeigeMax = 1e9;

}  // namespace

Kennlinienpanel::Kennlinienpanel(QWidget* parent, const widgets::Fensterumgebung& umgebung)
    : QMainWindow(parent),
      umgebung_(umgebung),
      ui_(new ::Ui::KENNLPNL),
      hilfe_(new widgets::HilfeFilter(this)) {
  ui_->setupUi(this);
  ui_->PICTURERING->VerbindungSetzen(&Verbindung());
  grafik_ = std::make_unique<widgets::Kurvengrafik>(ui_->GRAPH, ui_->GRAPHKLEIN, kRohMax);
  dialoge_ = std::make_unique<Kennldialoge>(this, *grafik_);
  befehle_ = Befehlstabelle();
  widgets::BefehleAnlegen(this, befehle_);
  widgets::MenuesAnlegen(menuBar(), befehle_);
  connect(werkzeuge_, &QActionGroup::triggered, this, &Kennlinienpanel::WerkzeugGewaehlt);
  a_.Werkzeuge[0]->setChecked(true);
  letztesWerkzeug_ = a_.Werkzeuge[0];
  Verbinden();
  HilfetexteAnmelden();
  ui_->GRAPH->installEventFilter(this);
  // A changed configuration relabels the axes and the fields in the configured units.
  neuskalierung_ = config::gui::NeuskalierungAnmelden([this] {
    if (!gKennl.Kennl.Punkte.empty()) {
      Kennlinienpanel_SkaliereYAchse();
      KennlinienpanelZeichnen();
    }
  });
}

Kennlinienpanel::~Kennlinienpanel() {
  config::gui::NeuskalierungAbmelden(neuskalierung_);
  KennlFenstertitelBinden({});
  KennlUndoBefehleBinden({});
  if (&kennlPunktdialog() == dialoge_.get()) setKennlPunktdialog(nullptr);
}

void Kennlinienpanel::showEvent(QShowEvent* ereignis) {
  a_.Direkthilfe->setChecked(gHilfeAktiv);
  QMainWindow::showEvent(ereignis);
}

bool Kennlinienpanel::eventFilter(QObject* objekt, QEvent* ereignis) {
  // The point markers depend on the graph's size: draw anew once the resizing has settled.
  if (objekt == ui_->GRAPH && ereignis->type() == QEvent::Resize && !neuzeichnenGeplant_) {
    neuzeichnenGeplant_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          neuzeichnenGeplant_ = false;
          if (!gKennl.Kennl.Punkte.empty()) KennlinienpanelZeichnen();
        },
        Qt::QueuedConnection);
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

int Kennlinienpanel::WerkzeugleisteAnlegen() {
  if (!leiste_) leiste_ = widgets::KompakteWerkzeugleisteAnlegen(this, befehle_);
  return leiste_ ? 0 : kFehlerWerkzeugleiste;
}

void Kennlinienpanel::Einrichten() {
  auto& u = *ui_;
  widgets::ScrollbarZeigen(u.SCROLLBAR, 100, 0);
  for (auto* feld : {u.XKOORDINATE, u.YKOORDINATE, u.YZOOMMAX, u.YZOOMMIN, u.BEGRENZUNG}) {
    feld->setRange(-kAnzeigeMax, kAnzeigeMax);
    feld->setKeyboardTracking(false);
  }
  for (auto* feld : {u.XRASTER, u.YRASTER, u.ANSTIEGSZEIT}) {
    feld->setRange(0.0, kAnzeigeMax);
    feld->setKeyboardTracking(false);
  }
  u.KURVENNR->setRange(1, 7);
  u.KURVENNR->setKeyboardTracking(false);
  // The graphs take the room. A field's natural width follows its huge range, so the
  // fields get a width of their own.
  u.HAUPTLAYOUT->setStretch(0, 1);
  u.HAUPTLAYOUT->setStretch(1, 0);
  for (QAbstractSpinBox* feld : findChildren<QAbstractSpinBox*>()) feld->setMaximumWidth(110);
  u.KOMMENTARVORSCHAU->setMaximumWidth(200);
  u.FEHLERSTRING->setMaximumWidth(200);
  u.PICTURERING->setMaximumSize(110, 64);
  DarstellungSetzen(gKennl.Darstellung);
}

void Kennlinienpanel::Verbinden() {
  auto& u = *ui_;
  maus_ = new Kennlmaus(*this);

  connect(u.SCROLLBAR, &QScrollBar::sliderMoved, this, [this] { scrollbarBewegt_ = true; });
  connect(u.SCROLLBAR, &QScrollBar::sliderReleased, this, &Kennlinienpanel::ScrollbarLosgelassen);
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
  auto melden = [this](int fehler) {
    if (fehler && !Verbindung().InFehlerfeldern(fehler)) device::ZOR_Fehlerpopup(fehler);
  };
  knopf(u.KOMMENTAR, [this] { KommentarBearbeiten(); });
  knopf(u.SCHREIBEN, [this, melden] {
    FelderUebernehmen();
    melden(KennlinieSchreiben(Verbindung()));
  });
  knopf(u.LESEN, [this] { Lesen(); });
  // Errors of the selection show in the error fields only.
  knopf(u.AUSGANG4SETZEN, [this] {
    FelderUebernehmen();
    KennlinieAnwaehlen(Verbindung());
  });
  knopf(u.START, [this] { Verbindung().ComFehlerSetzen(device::StartSenden(Verbindung())); });
  knopf(u.STOPP, [this] { Verbindung().ComFehlerSetzen(device::StoppSenden(Verbindung())); });
  knopf(u.ZURUECK, [this] { widgets::FensterZeigen(umgebung_, widgets::Fenster::Haupt); });

  connect(u.YZOOMMAX, &QDoubleSpinBox::editingFinished, this,
          &Kennlinienpanel::YZoomKennl_Callback);
  connect(u.YZOOMMIN, &QDoubleSpinBox::editingFinished, this,
          &Kennlinienpanel::YZoomKennl_Callback);
  for (auto* feld : {u.XRASTER, u.YRASTER, u.BEGRENZUNG})
    connect(feld, &QDoubleSpinBox::valueChanged, this, [this] {
      if (!imAnzeigen_) FelderUebernehmen();
    });
  connect(u.KURVENNR, &QSpinBox::valueChanged, this, [this] {
    if (!imAnzeigen_) FelderUebernehmen();
  });
  // The rise time shows the value the device holds for what was entered.
  connect(u.ANSTIEGSZEIT, &QDoubleSpinBox::editingFinished, this, [this] {
    if (imAnzeigen_ || gHilfeAktiv) return;
    gKennl.Felder.Anstiegszeit = CodeInAnstiegszeit(AnstiegszeitInCode(ui_->ANSTIEGSZEIT->value()));
    FelderZeigen();
  });
}

void Kennlinienpanel::HilfetexteAnmelden() {
  auto& u = *ui_;
  auto& hf = *hilfe_;
  hf.Anmelden(u.GRAPHKLEIN, h::kGraphKlein);
  hf.Anmelden(u.SCROLLBAR, "");
  hf.Anmelden(u.KOMMENTARVORSCHAU, h::kKommentarvorschau);
  hf.Anmelden(u.KOMMENTAR, h::kKommentar);
  for (QWidget* w : std::initializer_list<QWidget*>{u.XKOORDINATE, u.YKOORDINATE})
    hf.Anmelden(w, h::kKoordinaten);
  hf.Anmelden(u.XRASTER, h::kRaster);
  hf.Anmelden(u.YRASTER, h::kRaster);
  hf.Anmelden(u.YZOOMMAX, h::kYZoom);
  hf.Anmelden(u.YZOOMMIN, h::kYZoom);
  hf.Anmelden(u.BEGRENZUNG, h::kBegrenzung);
  hf.Anmelden(u.KURVENNR, h::kKurvenNr);
  hf.Anmelden(u.SCHREIBEN, h::kSchreiben);
  hf.Anmelden(u.LESEN, h::kLesen);
  hf.Anmelden(u.AUSGANG4SETZEN, h::kAusgang4Setzen);
  hf.Anmelden(u.ANSTIEGSZEIT, h::kAnstiegszeit);
  hf.Anmelden(u.START, widgets::kHilfeStart);
  hf.Anmelden(u.STOPP, widgets::kHilfeStopp);
  hf.Anmelden(u.ZURUECK, "");
  for (QWidget* w : std::initializer_list<QWidget*>{u.FEHLERLED, u.FEHLERNR, u.FEHLERSTRING})
    hf.Anmelden(w, widgets::kHilfeFehleranzeige);
}

int Kennlinienpanel::KennlinienpanelInit() {
  if (int fehler = WerkzeugleisteAnlegen()) return fehler;
  // The display type comes from the settings, read before the model is set up.
  const int darstellung = gKennl.Darstellung;
  if (int fehler = KennlModellInitialisieren()) return fehler;
  gKennl.Darstellung = darstellung;
  Einrichten();

  setKennlPunktdialog(dialoge_.get());
  KennlFenstertitelBinden(
      [this](const std::string& titel) { setWindowTitle(QString::fromLatin1(titel)); });
  KennlUndoBefehleBinden([this](const KennlBefehlszustand& z) {
    a_.Rueckgaengig->setEnabled(z.Rueckgaengig);
    a_.Wiederherstellen->setEnabled(z.Wiederherstellen);
  });
  fehlerAbo_ =
      widgets::FehlerfelderZeigen(Verbindung(), ui_->FEHLERLED, ui_->FEHLERSTRING, ui_->FEHLERNR);
  FelderZeigen();
  VorschauAnzeigen();
  ScrollbarAnpassen();
  KennlinienpanelZeichnen();
  return 0;
}

void Kennlinienpanel::KennlinienpanelClear() {
  KennlModellFreigeben();
  if (leiste_) {
    removeToolBar(leiste_);
    delete leiste_;
    leiste_ = nullptr;
  }
}

// ---- Drawing ----

void Kennlinienpanel::Kennlinienpanel_SkaliereYAchse() {
  const KennlAchse y = KennlYAchse();
  grafik_->SkaliereYAchse(y.Verstaerkung, y.Versatz, QString::fromLatin1(y.Einheit), y.Min, y.Max);
  const KennlAchse x = KennlXAchse();
  grafik_->SkaliereXAchse(x.Verstaerkung, x.Versatz, QString::fromLatin1(x.Einheit));
  YZoomFelderZeigen();
  const KennlAusgang2Feld f = KennlAusgang2Beschreibung();
  const bool vorher = imAnzeigen_;
  imAnzeigen_ = true;
  ui_->LABEL_BEGRENZUNG->setText(QString::fromLatin1(f.Beschriftung));
  ui_->BEGRENZUNG->setRange(f.Min, f.Max);
  imAnzeigen_ = vorher;
  // The field keeps to its range; the core reads what it shows.
  gKennl.Felder.Ausgang2 = ui_->BEGRENZUNG->value();
}

void Kennlinienpanel::YZoomFelderZeigen() {
  const KennlAchse a = KennlYAchse();
  const bool vorher = imAnzeigen_;
  imAnzeigen_ = true;
  ui_->YZOOMMIN->setValue(a.FeldMin);
  ui_->YZOOMMAX->setValue(a.FeldMax);
  imAnzeigen_ = vorher;
  yZoomMin_ = {ui_->YZOOMMIN->value(), a.FeldMinGenau};
  yZoomMax_ = {ui_->YZOOMMAX->value(), a.FeldMaxGenau};
}

void Kennlinienpanel::KennlinienpanelZeichnen() {
  Kennlinienpanel_SkaliereYAchse();
  KennlinieZeichnen(*grafik_, gKennl.Darstellung);
}

void Kennlinienpanel::ZeichnenMitScrollbar() {
  KennlinienpanelZeichnen();
  ScrollbarAnpassen();
}

void Kennlinienpanel::ScrollbarAnpassen() {
  const KennlScrollbalken s = KennlScrollbarAnpassen();
  QSignalBlocker sperre(ui_->SCROLLBAR);
  widgets::ScrollbarZeigen(ui_->SCROLLBAR, s.Daumen, s.Position);
}

void Kennlinienpanel::ScrollbarLosgelassen() {
  const bool bewegt = scrollbarBewegt_;
  scrollbarBewegt_ = false;
  // Help mode ignores commits: the bar goes back to the view it shows.
  if (gHilfeAktiv || !bewegt) {
    ScrollbarAnpassen();
    return;
  }
  if (KennlScrollbarLosgelassen(widgets::ScrollbarPosition(ui_->SCROLLBAR)))
    KennlinienpanelZeichnen();
}

void Kennlinienpanel::KoordinatenAnzeigen(double x, double y) {
  imAnzeigen_ = true;
  ui_->XKOORDINATE->setValue(config::EingangRohInEinheit(1, x));
  ui_->YKOORDINATE->setValue(config::AusgangRohInEinheit(0, y));
  imAnzeigen_ = false;
}

void Kennlinienpanel::VorschauAnzeigen() {
  ui_->KOMMENTARVORSCHAU->setText(QString::fromLatin1(KennlKommentarVorschau()));
}

void Kennlinienpanel::FelderUebernehmen() {
  auto& f = gKennl.Felder;
  f.XRaster = ui_->XRASTER->value();
  f.YRaster = ui_->YRASTER->value();
  f.Ausgang2 = ui_->BEGRENZUNG->value();
  f.Anstiegszeit = ui_->ANSTIEGSZEIT->value();
  f.KurveNr = ui_->KURVENNR->value();
}

void Kennlinienpanel::FelderZeigen() {
  const auto& f = gKennl.Felder;
  imAnzeigen_ = true;
  ui_->XRASTER->setValue(f.XRaster);
  ui_->YRASTER->setValue(f.YRaster);
  ui_->BEGRENZUNG->setValue(f.Ausgang2);
  ui_->ANSTIEGSZEIT->setValue(f.Anstiegszeit);
  ui_->KURVENNR->setValue(f.KurveNr);
  imAnzeigen_ = false;
}

// ---- Tools ----

KennlWerkzeug Kennlinienpanel::AktivesWerkzeug() const {
  QAction* a = werkzeuge_->checkedAction();
  return a ? static_cast<KennlWerkzeug>(a->data().toInt()) : KennlWerkzeug::Keins;
}

void Kennlinienpanel::WerkzeugGewaehlt(QAction* aktion) {
  if (gHilfeAktiv) {
    common::Hilfetext(aktion->property("hilfe").toString().toStdString());
    // The tool stays as it was.
    letztesWerkzeug_->setChecked(true);
    return;
  }
  letztesWerkzeug_ = aktion;
  if (static_cast<KennlWerkzeug>(aktion->data().toInt()) != KennlWerkzeug::Markieren) {
    KennlMarkierungAufheben();
    MarkierungZeichnen(*grafik_);
    grafik_->Neuzeichnen();
  }
}

void Kennlinienpanel::DirekthilfeUmschalten() {
  widgets::DirekthilfeSchalten(!gHilfeAktiv);
  a_.Direkthilfe->setChecked(gHilfeAktiv);
}

int Kennlinienpanel::Darstellung() const {
  return gKennl.Darstellung;
}

void Kennlinienpanel::DarstellungSetzen(int darstellung) {
  if (darstellung < 1 || darstellung > 3) darstellung = kDarstellungBeide;
  gKennl.Darstellung = darstellung;
  for (QAction* a : a_.Darstellung)
    if (a->data().toInt() == darstellung) a->setChecked(true);
}

void Kennlinienpanel::DarstellungGewaehlt(int darstellung) {
  DarstellungSetzen(darstellung);
  KennlinienpanelZeichnen();
}

void Kennlinienpanel::Pinbelegung() {
  common::MessageRequest box;
  box.title = "WUN-2 pin assignment";
  box.text = h::kPinbelegung;
  box.buttons = {"OK"};
  Bediener().message(box);
}

// ---- Commands ----

void Kennlinienpanel::Neu() {
  if (AbbruchWeilKennlinieNichtGespeichert()) return;
  if (int fehler = KennlinieNeu()) device::ZOR_Fehlerpopup(fehler);
  FelderZeigen();
  ui_->KOMMENTARVORSCHAU->clear();
  KennlZoomVoll();
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::Dateibefehl(int (*befehl)(), bool ganzeKennlinie) {
  FelderUebernehmen();
  if (int fehler = befehl()) device::ZOR_Fehlerpopup(fehler);
  FelderZeigen();
  if (ganzeKennlinie) {
    VorschauAnzeigen();
    KennlZoomVoll();
  }
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::Zoom(void (*zoom)()) {
  zoom();
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::Lesen() {
  FelderUebernehmen();
  const int fehler = KennlinieLesen(Verbindung());
  if (fehler && !Verbindung().InFehlerfeldern(fehler)) device::ZOR_Fehlerpopup(fehler);
  // Whatever came of the read, the editor no longer shows a file's characteristic.
  KennlFenstertitel("");
  FelderZeigen();
  KennlZoomVoll();
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::YZoomKennl_Callback() {
  if (imAnzeigen_ || gHilfeAktiv) return;
  // A field keeps only the decimals it shows; an unchanged field stands for its stored
  // limit, else truncating the rounded value would lower the limit at every commit.
  auto wert = [](const QDoubleSpinBox* feld, const ZoomFeld& f) {
    return feld->value() == f.Gezeigt ? f.Genau : feld->value();
  };
  if (KennlYZoomSetzen(wert(ui_->YZOOMMIN, yZoomMin_), wert(ui_->YZOOMMAX, yZoomMax_)))
    KennlinienpanelZeichnen();
  else
    YZoomFelderZeigen();
}

void Kennlinienpanel::KommentarBearbeiten() {
  KennlKommentarSetzen(dialoge_->Kommentardialog(gKennl.Kennl.Kommentar));
  VorschauAnzeigen();
}

}  // namespace characteristic::gui
