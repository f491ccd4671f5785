// The main window (MAINPANEL): the row of buttons, the connection symbol and the place
// where one child window at a time is shown. It keeps its initial proportions when it is
// resized and never becomes smaller than at start.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class MAINPANEL;
}

namespace widgets {
class HilfeFilter;
}

namespace shell {

class Hauptfenster : public QWidget {
  Q_OBJECT
 public:
  explicit Hauptfenster(QWidget* parent = nullptr);
  ~Hauptfenster() override;

  Ui::MAINPANEL& ui() { return *ui_; }
  widgets::HilfeFilter& Hilfe() { return *hilfe_; }

  // Shows a child window at top 17, left 1 (nullptr: none); the main buttons are dimmed
  // exactly while one is shown.
  void ZeigeChildpanel(QWidget* panel);
  QWidget* AktuellesChildpanel() const { return aktuell_; }

  // Dims (true) or undims the seven buttons COM, KONFIG, DIREKT, KURVEN, KENNLINIE, INFO,
  // ENDE.
  void MainbuttonsDimmen(bool an);

  // init: records the present size as the reference; otherwise enforces the proportions.
  void PanelgroesseAendern(int init);
  QSize Referenzgroesse() const { return referenz_; }

  // Called on the window's close request (the shell decides whether to quit).
  std::function<void()> schliessenAngefragt;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void ChildGroesseAnpassen();
  void TitelZeigen();

  std::unique_ptr<Ui::MAINPANEL> ui_;
  widgets::HilfeFilter* hilfe_;
  QWidget* aktuell_ = nullptr;
  QSize referenz_;
  bool imAnpassen_ = false;
  QString grundtitel_;
};

}  // namespace shell
