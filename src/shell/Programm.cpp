#include "shell/Programm.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include "widgets/Direkthilfe.h"
#include "common/OperatorInterface.h"
#include "device/Fehler.h"
#include "device/gui/LeitungslogFenster.h"
#include "shell/Einstellungsdatei.h"
#include "shell/Einstellungsort.h"
#include "shell/Hauptfenster.h"
#include "ui_INFOPNL.h"
#include "ui_MAINPANEL.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Navigation.h"
#include "widgets/Verbindungssymbol.h"

namespace shell {

namespace {

const char* const kHilfeCom =
    "Open, close and set the\nserial interface to which the\nWUN-2 is connected.";
const char* const kHilfeKonfig =
    "Configuration of the WUN-2 inputs/outputs:\nThe WUN-2 contains four 0 to 10V inputs\nand "
    "outputs each. Each of these inputs/outputs\ncan be scaled to any other unit.";
const char* const kHilfeDirekt =
    "Direct reading/writing of inputs/outputs:\nHere you can set the outpts of the WUN-2 "
    "directly,\nand request the inputs. The inputs can be\ndisplayed in a diagram and saved "
    "as\ntext file.";
const char* const kHilfeKurven =
    "The WUN-2 can output four independent curves.\nHere the curve forms can be created and "
    "transferred\nto the WUN-2.";
const char* const kHilfeKennlinie =
    "Here you can create characteristic curves and transfer\nthem to the WUN-2.\nDuring "
    "characteristic controlling an output signal\nis generated based on a random "
    "characteristic,\nindependent of an input signal.\nThe WUN-2 can store up to 10 "
    "characteristics. The\ncharacteristic curve is selected via analog voltage.";

}  // namespace

std::string Programm::kEinstellungsdateiName() {
  return Einstellungsdateipfad();
}

Programm::Programm(device::Verbindung& verbindung, std::vector<Fenstermodul> module,
                   std::string einstellungsdatei)
    : umgebung{verbindung, nullptr, &navigation},
      module_(std::move(module)),
      datei_(std::move(einstellungsdatei)),
      wiederverbindung_(verbindung) {
  // Leaves the loop directly: quit() would first ask every window to close, and the main
  // window answers a close request with the save questions all over again.
  beendenLassen = [] { QCoreApplication::exit(0); };
}

Programm::~Programm() {
  fensterwahlAbo_.Beenden();
  endeAbo_.Beenden();
  delete infoUi_;
  delete haupt_;  // the child windows and the info box go with it
}

QWidget* Programm::Panel(Fenster fenster) const {
  auto it = panels_.find(fenster);
  return it == panels_.end() ? nullptr : it->second;
}

int Programm::Starten() {
  // Windows: the main window, then its children in the fixed order, then the info box.
  haupt_ = new Hauptfenster();
  haupt_->ui().PICTURERING->VerbindungSetzen(&umgebung.Verbindung);
  if (hauptfensterGeladen) hauptfensterGeladen(haupt_);
  for (Fenster f : kLadeReihenfolge) {
    const Fenstermodul* m = ModulSuchen(module_, f);
    if (m == nullptr || !m->laden) continue;
    QWidget* w = m->laden(haupt_, umgebung);
    if (w == nullptr) return -1;
    // A child window lives inside the main window: a main-window class keeps its own
    // window frame even with a parent, so it is made a plain child here.
    w->setWindowFlags(Qt::Widget);
    w->hide();
    panels_[f] = w;
  }
  info_ = new QDialog(haupt_);
  infoUi_ = new Ui::INFOPNL();
  infoUi_->setupUi(info_);
  connect(infoUi_->OK, &QPushButton::clicked, info_, &QDialog::accept);

  fensterwahlAbo_ = navigation.Fensterwahl.Abonnieren([this](Fenster f) { ZeigeChildpanel(f); });
  endeAbo_ = navigation.Endeanfragen.Abonnieren(
      [this](int& antwort) { antwort = ProgrammendeFallsAllesGespeichert(); });
  haupt_->schliessenAngefragt = [this] { ProgrammendeFallsAllesGespeichert(); };
  MainbuttonsVerbinden();
  connect(&wiederverbindungstakt_, &QTimer::timeout, this,
          [this] { wiederverbindung_.Takt(std::chrono::steady_clock::now()); });
  wiederverbindungstakt_.start(250);

  device::ZOR_Fehlersprache(2);
  infoUi_->VERSION->setText(kVersion);
  infoUi_->DATUM->setText(kDatum);

  int fehler = ReadIni(module_, datei_);
  if (fehler != 0) device::ZOR_Fehlerpopup(fehler);

  fehler = InitialisierePanels();
  if (fehler != 0) {
    device::ZOR_Fehlerpopup(fehler);
    return -1;
  }
  haupt_->PanelgroesseAendern(1);
  return 0;
}

void Programm::Beenden() {
  int fehler = WriteIni(module_, datei_);
  if (fehler != 0) device::ZOR_Fehlerpopup(fehler);
  DeinitialisierePanels();
}

int Programm::InitialisierePanels() {
  // The common display attribute: every window paints its own background.
  haupt_->setAutoFillBackground(true);
  for (auto& [f, w] : panels_) w->setAutoFillBackground(true);
  info_->setAutoFillBackground(true);

  for (Fenster f : kInitReihenfolge) {
    const Fenstermodul* m = ModulSuchen(module_, f);
    if (m == nullptr || !m->init) continue;
    int fehler = m->init();
    // The configuration's result is not used.
    if (f == Fenster::Konfig) continue;
    if (fehler != 0) return fehler;
  }
  auto& u = haupt_->ui();
  if (!navigation.AlleFenster) {
    u.KONFIG->hide();
    u.DIREKT->hide();
    u.KENNLINIE->hide();
    u.DIREKTHILFE->hide();
  }
  return 0;
}

void Programm::DeinitialisierePanels() {
  for (Fenster f : kClearReihenfolge) {
    const Fenstermodul* m = ModulSuchen(module_, f);
    if (m && m->clear) m->clear();
  }
}

void Programm::ZeigeChildpanel(Fenster fenster) {
  if (fenster == Fenster::Leitungslog) {
    if (!leitungslog_) {
      leitungslog_ = new device::gui::LeitungslogFenster(haupt_, umgebung);
      // First over the main window, a little below its title, rather than where the
      // window manager puts a new window.
      leitungslog_->move(haupt_->frameGeometry().topLeft() + QPoint(40, 60));
    }
    leitungslog_->show();
    leitungslog_->raise();
    leitungslog_->activateWindow();
    return;
  }
  QWidget* w = fenster == Fenster::Haupt ? nullptr : Panel(fenster);
  if (fenster != Fenster::Haupt && w == nullptr) return;
  haupt_->ZeigeChildpanel(w);
  aktuell_ = w ? fenster : Fenster::Haupt;
}

void Programm::ZeigeInfopanel() {
  info_->adjustSize();
  QPoint mitte = haupt_->rect().center() - info_->rect().center();
  info_->move(haupt_->mapToGlobal(mitte));
  info_->exec();
}

int Programm::ProgrammendeFallsAllesGespeichert() {
  for (Fenster f : kSpeicherfrageReihenfolge) {
    const Fenstermodul* m = ModulSuchen(module_, f);
    if (m == nullptr || !m->abbruchWeilNichtGespeichert) continue;
    int antwort = m->abbruchWeilNichtGespeichert();
    if (antwort != 0) return antwort;
  }
  endeAngefordert_ = true;
  if (beendenLassen) beendenLassen();
  return 0;
}

void Programm::Mainbutton(Fenster fenster) {
  if (widgets::HilfeAktiv()) return;
  if (fenster == Fenster::Kurven && Panel(Fenster::Kurven) == nullptr) {
    umgebung.BedienerOderStandard().message(
        {"Curve generator", "The curve generator is not available in this build.", {"OK"}});
    return;
  }
  ZeigeChildpanel(fenster);
}

void Programm::MainbuttonsVerbinden() {
  auto& u = haupt_->ui();
  auto& h = haupt_->Hilfe();
  auto knopf = [this](QPushButton* b, Fenster f) {
    connect(b, &QPushButton::clicked, this, [this, f] { Mainbutton(f); });
  };
  knopf(u.COM, Fenster::Com);
  knopf(u.KONFIG, Fenster::Konfig);
  knopf(u.DIREKT, Fenster::Direkt);
  knopf(u.KURVEN, Fenster::Kurven);
  knopf(u.KENNLINIE, Fenster::Kennlinie);
  connect(u.INFO, &QPushButton::clicked, this, [this] {
    if (!widgets::HilfeAktiv()) ZeigeInfopanel();
  });
  connect(u.ENDE, &QPushButton::clicked, this, [this] {
    if (!widgets::HilfeAktiv()) ProgrammendeFallsAllesGespeichert();
  });
  connect(u.DIREKTHILFE, &QToolButton::toggled, this,
          [](bool an) { widgets::DirekthilfeSchalten(an); });
  h.Anmelden(u.COM, kHilfeCom);
  h.Anmelden(u.KONFIG, kHilfeKonfig);
  h.Anmelden(u.DIREKT, kHilfeDirekt);
  h.Anmelden(u.KURVEN, kHilfeKurven);
  h.Anmelden(u.KENNLINIE, kHilfeKennlinie);
  h.Anmelden(u.INFO, QString());
  h.Anmelden(u.ENDE, QString());
}

}  // namespace shell
