#include "device/gui/CompanelFenster.h"

#include <QApplication>
#include <QMouseEvent>

#include "widgets/Direkthilfe.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "ui_COMPNL.h"
#include "widgets/Fehlerfeldanzeige.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Hinweiszeile.h"
#include "widgets/Lampe.h"
#include "widgets/Navigation.h"
#include "widgets/Verbindungssymbol.h"

namespace device::gui {

namespace {

constexpr std::uint32_t kFehlerRot = 0xFF0000;

QLabel* scanLampe(Ui::COMPNL& ui, int i) {
  QLabel* lampen[8] = {ui.LED1, ui.LED2, ui.LED3, ui.LED4, ui.LED5, ui.LED6, ui.LED7, ui.LED8};
  return lampen[i];
}

QLabel* bitLampe(Ui::COMPNL& ui, int i) {
  QLabel* lampen[5] = {ui.LED_FEHLER0, ui.LED_FEHLER1, ui.LED_FEHLER2, ui.LED_FEHLER3,
                       ui.LED_FEHLER4};
  return lampen[i];
}

}  // namespace

CompanelFenster::CompanelFenster(QWidget* parent, const widgets::Fensterumgebung& umgebung)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::COMPNL>()),
      hilfe_(new widgets::HilfeFilter(this)),
      verbindung_(umgebung.Verbindung),
      umgebung_(umgebung) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Widget);
  QFont f = ui_->TEXT->font();
  f.setItalic(true);
  ui_->TEXT->setFont(f);
  ui_->ADRESSE->setCurrentIndex(0);
  Verbinden();
  HilfetexteAnmelden();

  ui_->PICTURERING->VerbindungSetzen(&verbindung_);
  anzeigeAbo_ = verbindung_.CompanelAbonnieren([this] {
    Anzeigen();
    // Scan and ID read run inside one callback: show their progress at once.
    repaint();
  });
  fehlerAbo_ =
      widgets::FehlerfelderZeigen(verbindung_, ui_->FEHLERLED, ui_->FEHLERSTRING, ui_->FEHLERNR);
  hinweisAbo_ = widgets::HinweiseZeigen(verbindung_, this);
  Anzeigen();
}

CompanelFenster::~CompanelFenster() = default;

void CompanelFenster::Verbinden() {
  auto& u = *ui_;
  // A press on the port list refills it before it opens (ports may have come or gone).
  u.PORT->installEventFilter(this);
  connect(u.PORT, &QComboBox::activated, this, [this](int index) {
    if (widgets::HilfeAktiv() || index < 0) return;
    PortlisteAuswaehlen(verbindung_, ui_->PORT->itemData(index).toInt());
    PortSelectCommit(verbindung_);
  });
  connect(u.ADRESSE, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (imAnzeigen_ || index < 0) return;
    verbindung_.GeraeteadresseSetzen(ui_->ADRESSE->itemText(index).at(0).toLatin1());
  });
  auto knopf = [this](QPushButton* b, auto aktion) {
    connect(b, &QPushButton::clicked, this, [aktion] {
      if (widgets::HilfeAktiv()) return;
      aktion();
    });
  };
  connect(u.SCHNELL, &QCheckBox::toggled, this, [this](bool an) {
    if (imAnzeigen_) return;
    // Whoever uses fast transfers may have a device left at 38400 by a cut transfer.
    verbindung_.Uebertragung().schnell = an;
    verbindung_.Uebertragung().ratenSuchen = an;
  });
  connect(u.NURGEAENDERT, &QCheckBox::toggled, this, [this](bool an) {
    if (!imAnzeigen_) verbindung_.Uebertragung().nurGeaendert = an;
  });
  knopf(u.SCANN, [this] { verbindung_.ComFehlerSetzen(GeraeteSuchen(verbindung_)); });
  knopf(u.IDLESEN, [this] { IDLesenMitAnzeige(verbindung_); });
  knopf(u.START, [this] { verbindung_.ComFehlerSetzen(StartSenden(verbindung_)); });
  knopf(u.STOPP, [this] { verbindung_.ComFehlerSetzen(StoppSenden(verbindung_)); });
  knopf(u.FEHLERABFRAGE, [this] { Fehlerabfrage(verbindung_); });
  knopf(u.FEHLERHILFE, [this] { FehlerbitsErklaeren(verbindung_); });
  auto eingang4 = [this](bool ein) {
    verbindung_.ComFehlerSetzen(0);
    int fehler = StartStoppEingangSetzen(verbindung_, ein);
    if (fehler != 0) verbindung_.ComFehlerSetzen(fehler);
  };
  knopf(u.STARTSTOPPEINGANGEIN, [eingang4] { eingang4(true); });
  knopf(u.STARTSTOPPEINGANGAUS, [eingang4] { eingang4(false); });
  knopf(u.ZURUECK, [this] { widgets::FensterZeigen(umgebung_, widgets::Fenster::Haupt); });
  connect(u.DIREKTHILFE, &QToolButton::toggled, this,
          [](bool an) { widgets::DirekthilfeSchalten(an); });

  connect(u.actionExit, &QAction::triggered, this, [this] {
    if (!widgets::HilfeAktiv()) widgets::ProgrammendeAnfragen(umgebung_);
  });
  connect(u.actionMainWindow, &QAction::triggered, this, [this] { MenueFenster(-1); });
  connect(u.actionComSettings, &QAction::triggered, this,
          [this] { MenueFenster(static_cast<int>(widgets::Fenster::Com)); });
  connect(u.actionConfiguration, &QAction::triggered, this,
          [this] { MenueFenster(static_cast<int>(widgets::Fenster::Konfig)); });
  connect(u.actionDirect, &QAction::triggered, this,
          [this] { MenueFenster(static_cast<int>(widgets::Fenster::Direkt)); });
  connect(u.actionCurves, &QAction::triggered, this,
          [this] { MenueFenster(static_cast<int>(widgets::Fenster::Kurven)); });
  connect(u.actionCharacteristics, &QAction::triggered, this,
          [this] { MenueFenster(static_cast<int>(widgets::Fenster::Kennlinie)); });
  // The line log is offered here whichever windows this build offers.
  connect(u.menuWindows->addAction("Line log"), &QAction::triggered, this,
          [this] { MenueFenster(static_cast<int>(widgets::Fenster::Leitungslog)); });
}

void CompanelFenster::MenueFenster(int fenster) {
  if (widgets::HilfeAktiv()) return;
  widgets::FensterZeigen(umgebung_, static_cast<widgets::Fenster>(fenster));
}

void CompanelFenster::HilfetexteAnmelden() {
  auto& u = *ui_;
  auto& h = *hilfe_;
  h.Anmelden(u.PORT, "The serial interface to which the WUN-2\nis connected.");
  h.Anmelden(u.ADRESSE, "The device address of the connected\nWUN-2 (normally 1).");
  h.Anmelden(u.SCANN,
             "Searches the open serial interface for\nWUN-2 devices. The result is displayed "
             "via LEDs.");
  const QString led =
      "The result of the last 'Scan' command for\ndevice address 1 to 8:\ngray: no device "
      "found.\ngreen: WUN-2 found.\nred: device answer, but device is no WUN-2.";
  for (int i = 0; i < 8; ++i) h.Anmelden(scanLampe(u, i), led);
  h.Anmelden(u.IDLESEN, "Reads the device ID from the WUN-2.");
  h.Anmelden(u.SCHNELL,
             "Curve and characteristic transfers switch the WUN-2\nto 38400 baud and back to "
             "9600 baud afterwards.\nWhere that fails, they run at 9600 baud.");
  h.Anmelden(u.NURGEAENDERT,
             "A write sends only the 64-byte blocks that differ\nfrom what was last written to "
             "or read from the WUN-2,\nand reads them back. Anything uncertain writes all.");
  h.Anmelden(u.IDSTRING,
             "The device ID the WUN-2 used to respond\nto command 'Read ID' (contains device "
             "ID\nand version number).");
  for (QWidget* w : {static_cast<QWidget*>(u.FEHLERLED), static_cast<QWidget*>(u.FEHLERSTRING),
                     static_cast<QWidget*>(u.FEHLERNR)})
    h.Anmelden(w, widgets::kHilfeFehleranzeige);
  h.Anmelden(u.START, widgets::kHilfeStart);
  h.Anmelden(u.STOPP, widgets::kHilfeStopp);
  h.Anmelden(u.FEHLERABFRAGE, "Requests the error bits of the WUN-2.");
  const QString bits =
      "The error bits indicate the error status\nof the WUN-2. They must be read from the "
      "WUN-2\nusing 'Request error bits'.";
  for (int i = 0; i < 4; ++i) h.Anmelden(bitLampe(u, i), bits);
  h.Anmelden(bitLampe(u, 4), QString());
  h.Anmelden(u.FEHLERHILFE, "Displays the meaning of the active error bit.");
  h.Anmelden(u.STARTSTOPPEINGANGEIN,
             "The WUN-2 is set in a way that the signal at\ninput 4 is interpreted as "
             "Start/Stop signal\nthat is used to start/stop the curve generator or\n"
             "characteristic controller.");
  h.Anmelden(u.STARTSTOPPEINGANGAUS,
             "The WUN-2 is set in a way that input 4\nis used as normal analog input.");
  h.Anmelden(u.ZURUECK, QString());
  h.Anmelden(u.TEXT, QString());
}

bool CompanelFenster::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_->PORT && event->type() == QEvent::MouseButtonPress && !widgets::HilfeAktiv() &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    PortSelectKlick(verbindung_);
  }
  return QMainWindow::eventFilter(watched, event);
}

void CompanelFenster::Anzeigen() {
  imAnzeigen_ = true;
  auto& u = *ui_;
  const Companelzustand& z = verbindung_.Companel();

  // Port list: refill only when the entries changed, so an open popup is not disturbed.
  bool gleich = u.PORT->count() == static_cast<int>(z.portliste.size());
  for (int i = 0; gleich && i < u.PORT->count(); ++i)
    gleich = u.PORT->itemData(i).toInt() == z.portliste[i].wert &&
             u.PORT->itemText(i).toStdString() == z.portliste[i].label;
  {
    QSignalBlocker sperre(u.PORT);
    if (!gleich) {
      u.PORT->clear();
      for (const auto& e : z.portliste) u.PORT->addItem(QString::fromStdString(e.label), e.wert);
    }
    u.PORT->setCurrentIndex(u.PORT->findData(z.portlistenwert));
  }
  {
    QSignalBlocker sperre(u.ADRESSE);
    char adresse = verbindung_.Geraeteadresse();
    int index = u.ADRESSE->findText(QString(QChar::fromLatin1(adresse)));
    if (index < 0) {
      // '&' (broadcast) may come from the settings file; show it as an extra entry.
      u.ADRESSE->addItem(QString(QChar::fromLatin1(adresse)));
      index = u.ADRESSE->count() - 1;
    }
    u.ADRESSE->setCurrentIndex(index);
  }
  u.SCHNELL->setChecked(verbindung_.Uebertragung().schnell);
  u.NURGEAENDERT->setChecked(verbindung_.Uebertragung().nurGeaendert);
  u.IDSTRING->setText(QString::fromStdString(z.idFeld));
  u.TEXT->setText(QString::fromStdString(z.fortschritt));
  for (int i = 0; i < 8; ++i)
    widgets::LampeSetzen(scanLampe(u, i), z.scanLampen[i].an, z.scanLampen[i].farbe);
  for (int i = 0; i < 5; ++i)
    widgets::LampeSetzen(bitLampe(u, i), z.fehlerbits[i], kFehlerRot, z.fehlerbitsGedimmt);
  for (QWidget* w : {static_cast<QWidget*>(u.FEHLERABFRAGE), static_cast<QWidget*>(u.START),
                     static_cast<QWidget*>(u.STARTSTOPPEINGANGEIN)})
    w->setEnabled(!z.fehlerbitsGedimmt);
  imAnzeigen_ = false;
}

int CompanelFenster::Init() {
  int fehler = CompanelInit(verbindung_);
  auto& u = *ui_;
  for (QWidget* w : std::initializer_list<QWidget*>{
           u.DIREKTHILFE, u.STARTSTOPPEINGANGAUS, u.STARTSTOPPEINGANGEIN, u.START, u.STOPP,
           u.FEHLERABFRAGE, u.LED_FEHLER0, u.LED_FEHLER1, u.LED_FEHLER2, u.LED_FEHLER3,
           u.LED_FEHLER4, u.FEHLERHILFE})
    w->hide();
  u.STEUERUNG->hide();
  if (!widgets::AlleFensterAngeboten(umgebung_)) {
    u.menuWindows->removeAction(u.actionConfiguration);
    u.menuWindows->removeAction(u.actionDirect);
    u.menuWindows->removeAction(u.actionCharacteristics);
  }
  Anzeigen();
  return fehler;
}

void CompanelFenster::Clear() {
  CompanelClear(verbindung_);
}

}  // namespace device::gui
