// The program's frame: loads the windows, reads the settings, initialises the windows,
// runs the main window's buttons, and at the end writes the settings and clears the
// windows. main() is start-up, the event loop and end around one Programm.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "device/Portverlust.h"
#include "shell/Fenstermodul.h"
#include "widgets/Fensterumgebung.h"

class QDialog;
class QWidget;

namespace Ui {
class INFOPNL;
}

namespace shell {

class Hauptfenster;

inline constexpr const char* kVersion = "V 1.3";
inline constexpr const char* kDatum = "12/2023";

class Programm : public QObject {
  Q_OBJECT
 public:
  // The connection is the one the windows of the list were made with; it outlives the
  // Programm.
  Programm(device::Verbindung& verbindung, std::vector<Fenstermodul> module,
           std::string einstellungsdatei = kEinstellungsdateiName());
  ~Programm() override;

  static std::string kEinstellungsdateiName();

  // Start-up up to the event loop: windows loaded, English messages, info box texts,
  // settings read (an error is shown and start-up goes on), windows initialised (an error
  // is shown and ends start-up with -1), reference size recorded. 0 or -1.
  int Starten();
  // The end after the event loop: settings written (an error is shown), windows cleared.
  void Beenden();

  int InitialisierePanels();
  void DeinitialisierePanels();

  // Shows a child window inside the main window; Fenster::Haupt shows none. A window that
  // this build does not have is not shown.
  void ZeigeChildpanel(Fenster fenster);
  void ZeigeInfopanel();
  // Asks the save questions in turn; the first non-zero answer keeps the program running
  // and is returned. All 0: the event loop is told to quit.
  int ProgrammendeFallsAllesGespeichert();

  Hauptfenster* Haupt() const { return haupt_; }
  QWidget* Panel(Fenster fenster) const;
  QDialog* Infopanel() const { return info_; }
  // Ui of the info box (VERSION, DATUM, OK).
  Ui::INFOPNL& InfoUi() { return *infoUi_; }
  Fenster AktuellesFenster() const { return aktuell_; }

  // How the windows ask to switch windows or to quit; which windows they offer is set
  // before Starten().
  widgets::Fensternavigation navigation;
  // What every window is handed when it is loaded; the operator is set before Starten().
  widgets::Fensterumgebung umgebung;
  bool EndeAngefordert() const { return endeAngefordert_; }

  // How the event loop is told to quit (a test may watch it).
  std::function<void()> beendenLassen;
  // Called once the main window exists, before the settings are read, so that the
  // start-up popups already have their parent.
  std::function<void(QWidget*)> hauptfensterGeladen;

 private:
  void MainbuttonsVerbinden();
  void Mainbutton(Fenster fenster);

  common::Meldeliste<Fenster>::Abo fensterwahlAbo_;
  common::Meldeliste<int&>::Abo endeAbo_;
  std::vector<Fenstermodul> module_;
  std::string datei_;
  Hauptfenster* haupt_ = nullptr;
  QDialog* info_ = nullptr;
  Ui::INFOPNL* infoUi_ = nullptr;
  std::map<Fenster, QWidget*> panels_;
  QPointer<QWidget> leitungslog_;  // made when first asked for
  Fenster aktuell_ = Fenster::Haupt;
  bool endeAngefordert_ = false;
  // A vanished port is tried again about once a second, whichever window is shown.
  device::Wiederverbindung wiederverbindung_;
  QTimer wiederverbindungstakt_;
};

}  // namespace shell
