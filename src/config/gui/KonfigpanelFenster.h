// The configuration window (KONFIGPNL): the scaling of the four outputs and inputs. The
// fields reach the session's gKonfig only through KonfigfelderInStrukturSpeichern, which runs when
// the window is left, a configuration file is saved or the settings file is written.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "config/Konfigsitzung.h"
#include "widgets/Fensterumgebung.h"

class QComboBox;
class QLineEdit;

namespace Ui {
class KONFIGPNL;
}

namespace widgets {
class HilfeFilter;
}

namespace config::gui {

class Zahlenfeld;

class KonfigpanelFenster : public QMainWindow {
  Q_OBJECT
 public:
  KonfigpanelFenster(Konfigsitzung& sitzung, QWidget* parent,
                     const widgets::Fensterumgebung& umgebung);
  ~KonfigpanelFenster() override;

  Ui::KONFIGPNL& ui() { return *ui_; }

  // The window's fields from a record and into one (bound as the configuration core's
  // window).
  void FelderZeigen(const Konfiguration& k);
  void FelderLesen(Konfiguration& k) const;

  // Start-up: the unit fields take at most 8 characters, then the core's set-up.
  int Init();

 private:
  struct Zeile {
    Zahlenfeld* min;
    Zahlenfeld* max;
    Zahlenfeld* skalaMin;
    Zahlenfeld* skalaMax;
    QLineEdit* einheit;
  };

  void Verbinden();
  void HilfetexteAnmelden();
  // Leaving by the "Fenster" menu (the chosen window first) or by the button (the main
  // window last).
  void Verlassen(int fenster, bool perKnopf);
  void Standardwerte();
  void DateiLaden();
  void DateiSpeichern();

  Konfigsitzung& sitzung_;  // owned by the shell, outlives the window
  std::unique_ptr<Ui::KONFIGPNL> ui_;
  widgets::HilfeFilter* hilfe_;
  widgets::Fensterumgebung umgebung_;  // handed over when built
  std::array<Zeile, 4> aus_{};
  std::array<Zeile, 4> ein_{};
  common::Meldeliste<const Konfiguration&>::Abo anzeigeAbo_;
  common::Meldeliste<Konfiguration&>::Abo abfrageAbo_;
  common::Meldeliste<int, double>::Abo skalaAbo_;
};

// Shows a full-scale voltage in a range selector; a value that is none of its entries
// gets an entry of its own, so it survives until the operator chooses another.
void BereichZeigen(QComboBox* bereich, double volt);
double BereichLesen(const QComboBox* bereich);

}  // namespace config::gui
