#include "config/gui/KonfigpanelFenster.h"

#include <QComboBox>
#include <QLineEdit>
#include <cstring>

#include "widgets/Direkthilfe.h"
#include "common/OperatorInterface.h"
#include "config/Konfigdatei.h"
#include "config/Konfigfelder.h"
#include "config/gui/Zahlenfeld.h"
#include "device/Fehler.h"
#include "ui_KONFIGPNL.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Navigation.h"

namespace config::gui {

using widgets::Fenster;

namespace {

constexpr double kBereiche[3] = {4.095, 5.0, 10.0};

}  // namespace

void BereichZeigen(QComboBox* bereich, double volt) {
  for (int i = 0; i < bereich->count(); ++i) {
    if (bereich->itemData(i).toDouble() == volt) {
      bereich->setCurrentIndex(i);
      return;
    }
  }
  bereich->addItem(QStringLiteral("0 - %1 V").arg(volt), volt);
  bereich->setCurrentIndex(bereich->count() - 1);
}

double BereichLesen(const QComboBox* bereich) {
  return bereich->currentData().toDouble();
}

KonfigpanelFenster::KonfigpanelFenster(Konfigsitzung& sitzung, QWidget* parent,
                                       const widgets::Fensterumgebung& umgebung)
    : QMainWindow(parent),
      sitzung_(sitzung),
      ui_(std::make_unique<Ui::KONFIGPNL>()),
      hilfe_(new widgets::HilfeFilter(this)),
      umgebung_(umgebung) {
  ui_->setupUi(this);
  ui_->PICTURERING->VerbindungSetzen(&umgebung_.Verbindung);
  setWindowFlags(Qt::Widget);
  auto& u = *ui_;
  for (QComboBox* b : {u.AUSGANGSBEREICH, u.EINGANGSBEREICH})
    for (int i = 0; i < 3; ++i) b->setItemData(i, kBereiche[i]);
  aus_ = {
      Zeile{u.SPANNUNG_OUTMIN1, u.SPANNUNG_OUTMAX1, u.SKALAOUTMIN1, u.SKALAOUTMAX1, u.EINHEITOUT1},
      Zeile{u.SPANNUNG_OUTMIN2, u.SPANNUNG_OUTMAX2, u.SKALAOUTMIN2, u.SKALAOUTMAX2, u.EINHEITOUT2},
      Zeile{u.SPANNUNG_OUTMIN3, u.SPANNUNG_OUTMAX3, u.SKALAOUTMIN3, u.SKALAOUTMAX3, u.EINHEITOUT3},
      Zeile{u.SPANNUNG_OUTMIN4, u.SPANNUNG_OUTMAX4, u.SKALAOUTMIN4, u.SKALAOUTMAX4, u.EINHEITOUT4}};
  ein_ = {Zeile{u.SPANNUNG_INMIN1, u.SPANNUNG_INMAX1, u.SKALAINMIN1, u.SKALAINMAX1, u.EINHEITIN1},
          Zeile{u.SPANNUNG_INMIN2, u.SPANNUNG_INMAX2, u.SKALAINMIN2, u.SKALAINMAX2, u.EINHEITIN2},
          Zeile{u.SPANNUNG_INMIN3, u.SPANNUNG_INMAX3, u.SKALAINMIN3, u.SKALAINMAX3, u.EINHEITIN3},
          Zeile{u.SPANNUNG_INMIN4, u.SPANNUNG_INMAX4, u.SKALAINMIN4, u.SKALAINMAX4, u.EINHEITIN4}};
  Verbinden();
  HilfetexteAnmelden();
  FelderZeigen(sitzung_.gKonfig);

  anzeigeAbo_ =
      sitzung_.Felderanzeige.Abonnieren([this](const Konfiguration& k) { FelderZeigen(k); });
  abfrageAbo_ = sitzung_.Felderabfrage.Abonnieren([this](Konfiguration& k) { FelderLesen(k); });
  skalaAbo_ = sitzung_.SkalaOutMaxAnzeige.Abonnieren([this](int ausgang, double wert) {
    if (ausgang >= 0 && ausgang < 4) aus_[ausgang].skalaMax->setValue(wert);
  });
}

KonfigpanelFenster::~KonfigpanelFenster() = default;

void KonfigpanelFenster::FelderZeigen(const Konfiguration& k) {
  BereichZeigen(ui_->AUSGANGSBEREICH, k.voutmax);
  BereichZeigen(ui_->EINGANGSBEREICH, k.vinmax);
  for (int i = 0; i < 4; ++i) {
    aus_[i].min->setValue(k.outmin[i]);
    aus_[i].max->setValue(k.outmax[i]);
    aus_[i].skalaMin->setValue(k.outskalamin[i]);
    aus_[i].skalaMax->setValue(k.outskalamax[i]);
    aus_[i].einheit->setText(
        QString::fromLatin1(k.outeinheit[i], static_cast<int>(strnlen(k.outeinheit[i], 9))));
    ein_[i].min->setValue(k.inmin[i]);
    ein_[i].max->setValue(k.inmax[i]);
    ein_[i].skalaMin->setValue(k.inskalamin[i]);
    ein_[i].skalaMax->setValue(k.inskalamax[i]);
    ein_[i].einheit->setText(
        QString::fromLatin1(k.ineinheit[i], static_cast<int>(strnlen(k.ineinheit[i], 9))));
  }
}

void KonfigpanelFenster::FelderLesen(Konfiguration& k) const {
  // A value typed but not yet confirmed counts as entered.
  auto wert = [](Zahlenfeld* f) {
    f->interpretText();
    return f->value();
  };
  k.voutmax = BereichLesen(ui_->AUSGANGSBEREICH);
  k.vinmax = BereichLesen(ui_->EINGANGSBEREICH);
  for (int i = 0; i < 4; ++i) {
    k.outmin[i] = wert(aus_[i].min);
    k.outmax[i] = wert(aus_[i].max);
    k.outskalamin[i] = wert(aus_[i].skalaMin);
    k.outskalamax[i] = wert(aus_[i].skalaMax);
    EinheitSetzen(k.outeinheit[i], aus_[i].einheit->text().toLatin1().constData());
    k.inmin[i] = wert(ein_[i].min);
    k.inmax[i] = wert(ein_[i].max);
    k.inskalamin[i] = wert(ein_[i].skalaMin);
    k.inskalamax[i] = wert(ein_[i].skalaMax);
    EinheitSetzen(k.ineinheit[i], ein_[i].einheit->text().toLatin1().constData());
  }
}

int KonfigpanelFenster::Init() {
  for (int i = 0; i < 4; ++i) {
    aus_[i].einheit->setMaxLength(8);
    ein_[i].einheit->setMaxLength(8);
  }
  return InitialisiereKonfigPanel(sitzung_);
}

void KonfigpanelFenster::Verbinden() {
  auto& u = *ui_;
  connect(u.HAUPTFENSTER, &QPushButton::clicked, this,
          [this] { Verlassen(static_cast<int>(Fenster::Haupt), true); });
  auto menu = [this](QAction* a, Fenster f) {
    connect(a, &QAction::triggered, this, [this, f] { Verlassen(static_cast<int>(f), false); });
  };
  menu(u.actionHauptfenster, Fenster::Haupt);
  menu(u.actionComEinstellung, Fenster::Com);
  menu(u.actionKonfiguration, Fenster::Konfig);
  menu(u.actionDirekt, Fenster::Direkt);
  menu(u.actionKurven, Fenster::Kurven);
  menu(u.actionKennlinien, Fenster::Kennlinie);
  // The line log opens beside this window, which stays.
  connect(u.menuFenster->addAction("Line log"), &QAction::triggered, this, [this] {
    if (!widgets::HilfeAktiv()) widgets::FensterZeigen(umgebung_, Fenster::Leitungslog);
  });
  connect(u.STANDARDWERTE, &QPushButton::clicked, this, [this] {
    if (!widgets::HilfeAktiv()) Standardwerte();
  });
  connect(u.actionLaden, &QAction::triggered, this, [this] {
    if (!widgets::HilfeAktiv()) DateiLaden();
  });
  connect(u.actionSpeichern, &QAction::triggered, this, [this] {
    if (!widgets::HilfeAktiv()) DateiSpeichern();
  });
  connect(u.actionBeenden, &QAction::triggered, this, [this] {
    if (!widgets::HilfeAktiv()) widgets::ProgrammendeAnfragen(umgebung_);
  });
  connect(u.DIREKTHILFE, &QToolButton::toggled, this,
          [](bool an) { widgets::DirekthilfeSchalten(an); });
}

void KonfigpanelFenster::Verlassen(int fenster, bool perKnopf) {
  if (widgets::HilfeAktiv()) return;
  if (!perKnopf) widgets::FensterZeigen(umgebung_, static_cast<Fenster>(fenster));
  KonfigfelderInStrukturSpeichern(sitzung_);
  sitzung_.Neuskalierungen.Melden();
  if (perKnopf) widgets::FensterZeigen(umgebung_, Fenster::Haupt);
}

void KonfigpanelFenster::Standardwerte() {
  common::MessageRequest frage;
  frage.title = "Reset values";
  frage.text = "Do you want to delete all values\nand reset to default setting?";
  frage.buttons = {"Yes", "No"};
  frage.activeButton = 1;
  frage.escapeButton = 2;
  if (umgebung_.BedienerOderStandard().message(frage) != 1) return;
  KonfigurationStandardwerte(sitzung_);
  KonfigfelderAusStrukturLaden(sitzung_);
}

void KonfigpanelFenster::DateiLaden() {
  int fehler = KonfigdateiLaden(sitzung_);
  if (fehler != 0) device::ZOR_Fehlerpopup(fehler);
}

void KonfigpanelFenster::DateiSpeichern() {
  int fehler = KonfigdateiSpeichern(sitzung_);
  if (fehler != 0) device::ZOR_Fehlerpopup(fehler);
}

void KonfigpanelFenster::HilfetexteAnmelden() {
  auto& u = *ui_;
  auto& h = *hilfe_;
  h.Anmelden(u.AUSGANGSBEREICH,
             "The WUN-2 is available with 0-10V or 0-4V outputs\n(different hardware). Set the "
             "box to be used here.");
  h.Anmelden(u.EINGANGSBEREICH,
             "The WUN-2 is available with 0-10V or 0-4V inputs\n(different hardware). Set the "
             "box to be used here.");
  const QString ausgang =
      "The voltages of the outputs in the WUN-2 can be converted\ninto other physical units "
      "inside WUN2-Control.\nThis is helpful if the WUN-2 is used to control\nanother "
      "unit.\nExample:\nIf a 0-60V power supply unit is connected to output 1 which \nexpects "
      "a control voltage of 0-5V the following setting must\nbe made for output 1:\n'Output 1 "
      "from 0.0 to 5.0 V is converted into 0.000 to 60.000 V'";
  const QString eingang =
      "The voltages of the inputs in the WUN-2 can be converted\ninto other physical units "
      "inside WUN2-Control.\nThis is helpful if the WUN-2 is used to control a\nsensor.\n"
      "Example:\nIf a 0-1000mbar pressure sensor is connected to input 1 which\nproduces an "
      "output voltage of 1-6V, the following setting\nmust be made for input 1:\n'Input 1 "
      "from 1.0 to 6.0 V is converted into 0.000 to 1000.000 mbar'";
  for (int i = 0; i < 4; ++i) {
    for (QWidget* f :
         {static_cast<QWidget*>(aus_[i].min), static_cast<QWidget*>(aus_[i].max),
          static_cast<QWidget*>(aus_[i].skalaMin), static_cast<QWidget*>(aus_[i].skalaMax)})
      h.Anmelden(f, ausgang);
    h.Anmelden(aus_[i].einheit, "The unit definition for the output size.");
    for (QWidget* f :
         {static_cast<QWidget*>(ein_[i].min), static_cast<QWidget*>(ein_[i].max),
          static_cast<QWidget*>(ein_[i].skalaMin), static_cast<QWidget*>(ein_[i].skalaMax)})
      h.Anmelden(f, eingang);
    h.Anmelden(ein_[i].einheit, "The unit definition for the input size.");
  }
  h.Anmelden(u.STANDARDWERTE, "Resets all input fields to the default values\n( 0 to 10V ).");
  h.Anmelden(u.HAUPTFENSTER, QString());
}

}  // namespace config::gui
