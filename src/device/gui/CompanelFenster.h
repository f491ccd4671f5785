// The COM settings window (COMPNL): shows the state of the COM logic (device/Companel.h)
// and calls it from its callbacks.
#pragma once

#include <QMainWindow>
#include <memory>

#include "widgets/Fensterumgebung.h"

namespace Ui {
class COMPNL;
}

namespace widgets {
class HilfeFilter;
}

namespace device::gui {

class CompanelFenster : public QMainWindow {
  Q_OBJECT
 public:
  CompanelFenster(QWidget* parent, const widgets::Fensterumgebung& umgebung);
  ~CompanelFenster() override;

  Ui::COMPNL& ui() { return *ui_; }
  widgets::HilfeFilter& Hilfe() { return *hilfe_; }

  // Start-up: CompanelInit, then the controls this build does not offer are hidden and
  // "Configuration", "Direct in-/output" and "characteristics controller" leave the
  // Windows menu.
  int Init();
  // End: the port is closed.
  void Clear();

  // Shows the present state of the connection's COM logic.
  void Anzeigen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Verbinden();
  void HilfetexteAnmelden();
  void MenueFenster(int fenster);

  std::unique_ptr<Ui::COMPNL> ui_;
  widgets::HilfeFilter* hilfe_;
  Verbindung& verbindung_;  // handed over when built
  widgets::Fensterumgebung umgebung_;
  Verbindung::AnzeigeAbo anzeigeAbo_;
  Verbindung::FehlerAbo fehlerAbo_;
  Verbindung::HinweisAbo hinweisAbo_;
  bool imAnzeigen_ = false;
};

}  // namespace device::gui
