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

#include "widgets/Direkthilfe.h"
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
#include "curves/gui/Kurvenmessung.h"
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
#include "widgets/Cursorpaar.h"
#include "widgets/Editorrahmen.h"
#include "widgets/Grapheditor.h"
#include "widgets/Grapheditormaus.h"
#include "widgets/Graphscrollbar.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Hinweiszeile.h"
#include "widgets/Lampe.h"
#include "widgets/Nachpruefwahl.h"
#include "widgets/Navigation.h"
#include "widgets/Nuranzeige.h"

namespace curves::gui {

Kurvenpanel::Kurvenpanel(Kurvensitzung& sitzung, QWidget* parent,
                         const widgets::Fensterumgebung& umgebung)
    : Editorfenster(parent, umgebung), sitzung_(sitzung), ui_(new ::Ui::KURVENPNL) {
  RahmenAnlegen();
  dialoge_ = std::make_unique<Kurvendialoge>(this, *grafik_, sitzung_);
  punkttabelle_ = new Punkttabelle(sitzung_, *grafik_, this);
  addDockWidget(Qt::RightDockWidgetArea, punkttabelle_);
  punkttabelle_->hide();
  connect(&punkttabelle_->Modell(), &Punkttabellenmodell::Geaendert, this,
          &Kurvenpanel::ZeichnenMitScrollbar);
  MenueAnlegen();
  Verbinden();
  hilfe::FelderAnmelden(*hilfe_, *ui_);
  // The time-base indicator only shows; the operator cannot change it.
  widgets::NurAnzeigen(ui_->ZEITBASISINDICATOR);
}

void Kurvenpanel::RahmenAnlegen() {
  ui_->setupUi(this);
  widgets::Editorrueckrufe r;
  r.Bereit = [this] { return !AktuelleKurveDaten(sitzung_).Punkte.empty(); };
  r.Zeichnen = [this] { KurvenpanelZeichnen(); };
  r.Scrollbalken = [this] {
    const Scrollbalken w = curves::ScrollbarAnpassen(sitzung_);
    return std::pair{w.Daumen, w.Position};
  };
  r.ScrollbarLosgelassen = [this](int position, bool bewegt) {
    return curves::ScrollbarLosgelassen(sitzung_, position, bewegt);
  };
  r.YZoomSetzen = [this](double min, double max) { return YZoomSetzen(sitzung_, min, max); };
  r.YZoomZeigen = [this] {
    YZoomFelderZeigen(YAchseSkalieren(sitzung_, sitzung_.gKurven.AktuelleKurve));
  };
  Editorfenster::RahmenAnlegen(widgets::EditorfelderAus(*ui_, kRohMax), std::move(r),
                               sitzung_.Konfig.Neuskalierungen);
}

Kurvenpanel::~Kurvenpanel() {
  // The table watches the graph and draws into it: gone before the graph is.
  delete punkttabelle_;
  punkttabelle_ = nullptr;
  if (sitzung_.Dialoge == dialoge_.get()) EditordialogeSetzen(sitzung_, nullptr);
}

void Kurvenpanel::MenueAnlegen() {
  BefehleAnlegen(Befehlstabelle(), a_.Direkthilfe);
  // The keys of waveform editors besides the table's one per command.
  // Ctrl+= is Ctrl++ without Shift; the platform's zoom keys are the same sequences, and
  // one sequence twice on an action would make it ambiguous.
  a_.ZoomPlus->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  a_.ZoomMinus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  a_.ZoomVoll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  a_.AllesMarkieren->setShortcut(QKeySequence::SelectAll);
  a_.KurveWaehlen[0]->setChecked(true);
  connect(punkttabelle_, &QDockWidget::visibilityChanged, a_.PunkttabelleZeigen,
          [this] { a_.PunkttabelleZeigen->setChecked(!punkttabelle_->isHidden()); });
}

void Kurvenpanel::Einrichten() {
  auto& u = *ui_;
  u.GERAETLAYOUT->insertWidget(u.GERAETLAYOUT->indexOf(u.SCHREIBEN_2) + 1,
                               new widgets::Nachpruefwahl(Verbindung(), this));
  ZeitbasenFuellen(u.ZEITBASISINDICATOR);
  u.ZEITBASISINDICATOR->setCurrentIndex(-1);
  DarstellungSetzen(darstellung_);
  u.ZYKLEN->hide();
  u.LABEL_ZYKLEN->hide();
  u.RUHEZUSTAND->hide();
  u.LABEL_RUHEZUSTAND->hide();
  for (auto* feld : {u.YRASTER, u.YZOOMMAX, u.YZOOMMIN, u.RUHEZUSTAND, u.YKOORDINATE}) {
    feld->setRange(-widgets::kFeldMax, widgets::kFeldMax);
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
  // The mouse tools on the graph; the filter is a child of the window.
  new widgets::Grapheditormaus(this, u.GRAPH, hilfe::kGraph,
                               KurvenwerkzeugeAnlegen(*this, sitzung_));
  // Installed after the tools, so the cursors see the graph's events first.
  messung_ = new Kurvenmessung(*this, sitzung_);

  auto knopf = [this](QPushButton* b, std::function<void()> aktion) {
    Knopf(b, std::move(aktion));
  };
  knopf(u.KOMMENTAR, [this] { KommentarBearbeiten(); });
  knopf(u.SCHREIBEN, [this] { Senden(kSpeicherKurven); });
  knopf(u.SCHREIBEN_2, [this] { Senden(kSpeicherDither); });
  knopf(u.LESEN, [this] { Lesen(kSpeicherKurven); });
  knopf(u.LESEN_2, [this] { Lesen(kSpeicherDither); });
  knopf(u.ANPASSEN_1, [this] { AusgangEinsAnpassen(sitzung_, Verbindung()); });
  knopf(u.HAUPTFENSTER, [this] { widgets::FensterZeigen(umgebung_, widgets::Fenster::Haupt); });

  connect(u.YRASTER, &QDoubleSpinBox::valueChanged, this, [this](double wert) {
    if (!imAnzeigen_) YRasterSetzen(sitzung_, wert);
  });
  auto zyklen = [this] {
    if (imAnzeigen_ || widgets::HilfeAktiv()) return;
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

int Kurvenpanel::KurvenpanelInit() {
  if (int fehler = WerkzeugleisteAnlegen(kFehlerWerkzeugleiste)) return fehler;
  Einrichten();
  if (int fehler = KurvenModellInitialisieren(sitzung_)) return fehler;

  EditordialogeSetzen(sitzung_, dialoge_.get());
  TitelAbonnieren(sitzung_.Titelmeldungen, FenstertitelText(sitzung_));
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
  MeldungenAbonnieren();
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
  rahmen_->WerkzeugleisteEntfernen();
  zeitbasisliste_ = nullptr;
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
  rahmen_->YZoomFelderZeigen(a.FeldMin, a.FeldMax, a.FeldMinGenau, a.FeldMaxGenau);
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
  ui_->RUHEZUSTAND->setValue(RohInEinheit(sitzung_, c, sitzung_.gKurven.Ruhezustand[c]));
  imAnzeigen_ = false;
}

void Kurvenpanel::ZeichnenMitScrollbar() {
  KurvenpanelZeichnen();
  ScrollbalkenZeigen();
}

void Kurvenpanel::ScrollbalkenZeigen() {
  rahmen_->ScrollbalkenZeigen();
}

void Kurvenpanel::ZeitfelderZeigen(double x) {
  const Zeitfelder z = ZeitInStunden(x);
  imAnzeigen_ = true;
  ui_->XSTUNDEN->setValue(z.Stunden);
  ui_->XMINUTEN->setValue(z.Minuten);
  ui_->XSEKUNDEN->setValue(z.Sekunden);
  ui_->XMILISEKUNDEN->setValue(z.Millisekunden);
  imAnzeigen_ = false;
}

void Kurvenpanel::KoordinatenAnzeigen(double x, double y) {
  ZeitfelderZeigen(x);
  imAnzeigen_ = true;
  ui_->YKOORDINATE->setValue(RohInEinheit(sitzung_, sitzung_.gKurven.AktuelleKurve, y));
  imAnzeigen_ = false;
}

void Kurvenpanel::MarkierungsstatusAnzeigen() {
  const double von = std::min(sitzung_.gMarkierung.Start, sitzung_.gMarkierung.Ende);
  const double bis = std::max(sitzung_.gMarkierung.Start, sitzung_.gMarkierung.Ende);
  ZeitfelderZeigen(sitzung_.gMarkierung.Ende);
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
  return static_cast<Werkzeug>(Werkzeugnummer());
}

int Kurvenpanel::ListenZeitbasis() const {
  return zeitbasisliste_ ? zeitbasisliste_->currentData().toInt() : kZeitbasisListe[0];
}

void Kurvenpanel::WerkzeugGewaehlt(QAction* aktion) {
  if (!rahmen_->WerkzeugGewaehlt(aktion)) return;
  const Werkzeug w = static_cast<Werkzeug>(aktion->data().toInt());
  zeitbasenZeigen_ = w == Werkzeug::Koordinaten;
  ZeitbasisMarkenZeichnen(*grafik_, sitzung_, zeitbasenZeigen_);
  messung_->Cursor().WerkzeugSetzen(w == Werkzeug::Cursor);
  // Measuring keeps the mark.
  if (w != Werkzeug::Markieren && w != Werkzeug::Cursor) {
    MarkierungAufheben(sitzung_);
    MarkierungZeichnen(*grafik_, sitzung_);
  }
  ui_->GRAPH->replot();
  ui_->GRAPHKLEIN->replot();
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
  rahmen_->YZoomUebernehmen();
}

void Kurvenpanel::KommentarBearbeiten() {
  const std::string neu = dialoge_->Kommentardialog(sitzung_.gKurven.AktuelleKurve,
                                                    AktuelleKurveDaten(sitzung_).Kommentar);
  // The dialog may have been answered while the model changed; the current curve takes it.
  KommentarSetzen(sitzung_, neu);
  VorschauAnzeigen();
}

}  // namespace curves::gui
