#include "characteristic/gui/Kennlinienpanel.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <cmath>

#include "characteristic/edit/KennlAnsicht.h"
#include "characteristic/edit/KennlBearbeiten.h"
#include "characteristic/edit/KennlFelder.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/files/KennlDateiMenue.h"
#include "characteristic/gui/Kennldialoge.h"
#include "characteristic/gui/Kennlhilfetexte.h"
#include "characteristic/gui/Kennlmessung.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "characteristic/model/KennlKommentar.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/KennlTitel.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "widgets/Direkthilfe.h"
#include "config/Umrechnung.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "ui_KENNLPNL.h"
#include "widgets/Cursorpaar.h"
#include "widgets/Editorrahmen.h"
#include "widgets/Grapheditor.h"
#include "widgets/Grapheditormaus.h"
#include "widgets/Graphscrollbar.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Hinweiszeile.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Lampe.h"
#include "widgets/Nachpruefwahl.h"
#include "widgets/Navigation.h"

namespace characteristic::gui {

namespace h = hilfe;

Kennlinienpanel::Kennlinienpanel(Kennliniensitzung& sitzung, QWidget* parent,
                                 const widgets::Fensterumgebung& umgebung)
    : Editorfenster(parent, umgebung), sitzung_(sitzung), ui_(new ::Ui::KENNLPNL) {
  RahmenAnlegen();
  dialoge_ = std::make_unique<Kennldialoge>(this, *grafik_, sitzung_);
  BefehleAnlegen(Befehlstabelle(), a_.Direkthilfe);
  a_.Werkzeuge[0]->setChecked(true);
  rahmen_->WerkzeugMerken(a_.Werkzeuge[0]);
  Verbinden();
  // After the mouse tools, so the cursors see the graph's events first.
  cursor_ = KennlCursorAnlegen(
      ui_->GRAPH,
      sitzung_.Konfig.gKonfig, [this]() -> const auto& { return sitzung_.gKennl.Kennl.Punkte; });
  hilfe::FelderAnmelden(*hilfe_, *ui_);
}

Kennlinienpanel::~Kennlinienpanel() {
  if (sitzung_.Punktdialog == dialoge_.get()) sitzung_.Punktdialog = nullptr;
}

void Kennlinienpanel::RahmenAnlegen() {
  ui_->setupUi(this);
  widgets::Editorrueckrufe r;
  r.Bereit = [this] { return !sitzung_.gKennl.Kennl.Punkte.empty(); };
  r.Zeichnen = [this] { KennlinienpanelZeichnen(); };
  r.Scrollbalken = [this] {
    const KennlScrollbalken s = KennlScrollbarAnpassen(sitzung_);
    return std::pair{s.Daumen, s.Position};
  };
  // A click without a move leaves the view; the bar goes back to it.
  r.ScrollbarLosgelassen = [this](int position, bool bewegt) {
    if (!bewegt) ScrollbarAnpassen();
    return bewegt && KennlScrollbarLosgelassen(sitzung_, position);
  };
  r.YZoomSetzen = [this](double min, double max) { return KennlYZoomSetzen(sitzung_, min, max); };
  r.YZoomZeigen = [this] { YZoomFelderZeigen(); };
  Editorfenster::RahmenAnlegen(widgets::EditorfelderAus(*ui_, kRohMax), std::move(r),
                               sitzung_.Konfig.Neuskalierungen);
}

void Kennlinienpanel::Einrichten() {
  auto& u = *ui_;
  // The choice under the write button.
  auto* schreiben = new QVBoxLayout;
  u.GERAETLAYOUT->removeWidget(u.SCHREIBEN);
  schreiben->addWidget(u.SCHREIBEN);
  schreiben->addWidget(new widgets::Nachpruefwahl(Verbindung(), this));
  u.GERAETLAYOUT->addLayout(schreiben, 3, 0);
  for (auto* feld : {u.XKOORDINATE, u.YKOORDINATE, u.YZOOMMAX, u.YZOOMMIN, u.BEGRENZUNG}) {
    feld->setRange(-widgets::kFeldMax, widgets::kFeldMax);
    feld->setKeyboardTracking(false);
  }
  for (auto* feld : {u.XRASTER, u.YRASTER, u.ANSTIEGSZEIT}) {
    feld->setRange(0.0, widgets::kFeldMax);
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
  DarstellungSetzen(sitzung_.gKennl.Darstellung);
}

void Kennlinienpanel::Verbinden() {
  auto& u = *ui_;
  // The mouse tools on the graph; the filter is a child of the window.
  new widgets::Grapheditormaus(this, u.GRAPH, hilfe::kGraph,
                               KennlwerkzeugeAnlegen(*this, sitzung_));

  auto knopf = [this](QPushButton* b, std::function<void()> aktion) {
    Knopf(b, std::move(aktion));
  };
  knopf(u.KOMMENTAR, [this] { KommentarBearbeiten(); });
  knopf(u.SCHREIBEN, [this] {
    FelderUebernehmen();
    GeraetefehlerMelden(KennlinieSchreiben(sitzung_, Verbindung()));
    KennlinienpanelZeichnen();  // marks what the slot holds otherwise
  });
  knopf(u.LESEN, [this] { Lesen(); });
  // Errors of the selection show in the error fields only.
  knopf(u.AUSGANG4SETZEN, [this] {
    FelderUebernehmen();
    KennlinieAnwaehlen(sitzung_, Verbindung());
  });
  knopf(u.ZURUECK, [this] { widgets::FensterZeigen(umgebung_, widgets::Fenster::Haupt); });

  for (auto* feld : {u.XRASTER, u.YRASTER, u.BEGRENZUNG})
    connect(feld, &QDoubleSpinBox::valueChanged, this, [this] {
      if (!imAnzeigen_) FelderUebernehmen();
    });
  connect(u.KURVENNR, &QSpinBox::valueChanged, this, [this] {
    if (!imAnzeigen_) FelderUebernehmen();
  });
  // The rise time shows the value the device holds for what was entered.
  connect(u.ANSTIEGSZEIT, &QDoubleSpinBox::editingFinished, this, [this] {
    if (imAnzeigen_ || widgets::HilfeAktiv()) return;
    KennlAnstiegszeitSetzen(sitzung_, ui_->ANSTIEGSZEIT->value());
    FelderZeigen();
  });
}

int Kennlinienpanel::KennlinienpanelInit() {
  if (int fehler = WerkzeugleisteAnlegen(kFehlerWerkzeugleiste)) return fehler;
  // The display type comes from the settings, read before the model is set up.
  const int darstellung = sitzung_.gKennl.Darstellung;
  if (int fehler = KennlModellInitialisieren(sitzung_)) return fehler;
  KennlDarstellungSetzen(sitzung_, darstellung);
  Einrichten();

  sitzung_.Punktdialog = dialoge_.get();
  TitelAbonnieren(sitzung_.Titelmeldungen, KennlFenstertitelText(sitzung_));
  const auto undo = [this](const KennlBefehlszustand& z) {
    a_.Rueckgaengig->setEnabled(z.Rueckgaengig);
    a_.Wiederherstellen->setEnabled(z.Wiederherstellen);
  };
  undoAbo_ = sitzung_.Undomeldungen.Abonnieren(undo);
  undo(sitzung_.Undozustand);
  MeldungenAbonnieren();
  FelderZeigen();
  VorschauAnzeigen();
  ScrollbarAnpassen();
  KennlinienpanelZeichnen();
  return 0;
}

void Kennlinienpanel::KennlinienpanelClear() {
  KennlModellFreigeben(sitzung_);
  rahmen_->WerkzeugleisteEntfernen();
}

// ---- Drawing ----

void Kennlinienpanel::Kennlinienpanel_SkaliereYAchse() {
  const KennlAchse y = KennlYAchse(sitzung_);
  grafik_->SkaliereYAchse(y.Verstaerkung, y.Versatz, QString::fromLatin1(y.Einheit), y.Min, y.Max);
  const KennlAchse x = KennlXAchse(sitzung_);
  grafik_->SkaliereXAchse(x.Verstaerkung, x.Versatz, QString::fromLatin1(x.Einheit));
  YZoomFelderZeigen();
  const KennlAusgang2Feld f = KennlAusgang2Beschreibung(sitzung_);
  const bool vorher = imAnzeigen_;
  imAnzeigen_ = true;
  ui_->LABEL_BEGRENZUNG->setText(QString::fromLatin1(f.Beschriftung));
  ui_->BEGRENZUNG->setRange(f.Min, f.Max);
  imAnzeigen_ = vorher;
  // The field keeps to its range; the core reads what it shows.
  KennlAusgang2Setzen(sitzung_, ui_->BEGRENZUNG->value());
}

void Kennlinienpanel::YZoomFelderZeigen() {
  const KennlAchse a = KennlYAchse(sitzung_);
  rahmen_->YZoomFelderZeigen(a.FeldMin, a.FeldMax, a.FeldMinGenau, a.FeldMaxGenau);
}

void Kennlinienpanel::KennlinienpanelZeichnen() {
  Kennlinienpanel_SkaliereYAchse();
  KennlinieZeichnen(sitzung_, *grafik_, sitzung_.gKennl.Darstellung);
}

void Kennlinienpanel::ZeichnenMitScrollbar() {
  KennlinienpanelZeichnen();
  ScrollbarAnpassen();
}

void Kennlinienpanel::ScrollbarAnpassen() {
  rahmen_->ScrollbalkenZeigen();
}

void Kennlinienpanel::KoordinatenAnzeigen(double x, double y) {
  imAnzeigen_ = true;
  ui_->XKOORDINATE->setValue(config::EingangRohInEinheit(sitzung_.Konfig.gKonfig, 1, x));
  ui_->YKOORDINATE->setValue(config::AusgangRohInEinheit(sitzung_.Konfig.gKonfig, 0, y));
  imAnzeigen_ = false;
}

void Kennlinienpanel::VorschauAnzeigen() {
  ui_->KOMMENTARVORSCHAU->setText(QString::fromLatin1(KennlKommentarVorschau(sitzung_)));
}

void Kennlinienpanel::FelderUebernehmen() {
  KennlFelderSetzen(sitzung_, ui_->XRASTER->value(), ui_->YRASTER->value(),
                    ui_->BEGRENZUNG->value(), ui_->ANSTIEGSZEIT->value(), ui_->KURVENNR->value());
}

void Kennlinienpanel::FelderZeigen() {
  const auto& f = sitzung_.gKennl.Felder;
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
  return static_cast<KennlWerkzeug>(Werkzeugnummer());
}

void Kennlinienpanel::WerkzeugGewaehlt(QAction* aktion) {
  if (!rahmen_->WerkzeugGewaehlt(aktion)) return;
  if (static_cast<KennlWerkzeug>(aktion->data().toInt()) != KennlWerkzeug::Markieren) {
    KennlMarkierungAufheben(sitzung_);
    MarkierungZeichnen(sitzung_, *grafik_);
    grafik_->Neuzeichnen();
  }
}

int Kennlinienpanel::Darstellung() const {
  return sitzung_.gKennl.Darstellung;
}

void Kennlinienpanel::DarstellungSetzen(int darstellung) {
  darstellung = KennlDarstellungSetzen(sitzung_, darstellung);
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
  if (AbbruchWeilKennlinieNichtGespeichert(sitzung_)) return;
  if (int fehler = KennlinieNeu(sitzung_)) device::ZOR_Fehlerpopup(fehler);
  FelderZeigen();
  ui_->KOMMENTARVORSCHAU->clear();
  KennlZoomVoll(sitzung_);
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::Dateibefehl(int (*befehl)(Kennliniensitzung&), bool ganzeKennlinie) {
  FelderUebernehmen();
  if (int fehler = befehl(sitzung_)) device::ZOR_Fehlerpopup(fehler);
  FelderZeigen();
  if (ganzeKennlinie) {
    VorschauAnzeigen();
    KennlZoomVoll(sitzung_);
  }
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::Zoom(void (*zoom)(Kennliniensitzung&)) {
  zoom(sitzung_);
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::Lesen() {
  FelderUebernehmen();
  GeraetefehlerMelden(KennlinieLesen(sitzung_, Verbindung()));
  // Whatever came of the read, the editor no longer shows a file's characteristic.
  KennlFenstertitel(sitzung_, "");
  FelderZeigen();
  KennlZoomVoll(sitzung_);
  ZeichnenMitScrollbar();
}

void Kennlinienpanel::YZoomKennl_Callback() {
  rahmen_->YZoomUebernehmen();
}

void Kennlinienpanel::KommentarBearbeiten() {
  KennlKommentarSetzen(sitzung_, dialoge_->Kommentardialog(sitzung_.gKennl.Kennl.Kommentar));
  VorschauAnzeigen();
}

}  // namespace characteristic::gui
