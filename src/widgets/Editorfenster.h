// The skeleton both editor windows are built on: the window with its environment, help
// filter and frame (Editorrahmen), its command table turned into actions, menus and the
// toolbar with the tool group, the title that follows the session, the error fields and
// notices that listen to the connection, and the popup for a device error the error fields
// do not show. The window adds its form, its session's core calls and its commands.
#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "common/Meldeliste.h"
#include "widgets/Befehlstabelle.h"
#include "widgets/Editorrahmen.h"
#include "widgets/Fensterumgebung.h"

class QActionGroup;
class QPushButton;

namespace widgets {

class HilfeFilter;
class Kurvengrafik;

// The frame's controls from an editor's form: both forms give them the same names.
template <class Formular>
Editorfelder EditorfelderAus(Formular& u, double yMax) {
  return {u.GRAPH,    u.GRAPHKLEIN, yMax,    u.PICTURERING, u.SCROLLBAR,    u.YZOOMMIN,
          u.YZOOMMAX, u.START,      u.STOPP, u.FEHLERLED,   u.FEHLERSTRING, u.FEHLERNR};
}

class Editorfenster : public QMainWindow {
  Q_OBJECT
 public:
  QToolBar* Werkzeugleiste() const;
  Kurvengrafik& Grafik() { return *grafik_; }
  common::OperatorInterface& Bediener() const { return umgebung_.BedienerOderStandard(); }
  device::Verbindung& Verbindung() const { return umgebung_.Verbindung; }
  // The data of the tool chosen, -1 for none.
  int Werkzeugnummer() const;
  // Redraw, then the scroll bar, after anything that may move the view or the length.
  virtual void ZeichnenMitScrollbar() = 0;
  // The coordinate fields for the raw position (x, y).
  virtual void KoordinatenAnzeigen(double x, double y) = 0;

 protected:
  Editorfenster(QWidget* parent, const Fensterumgebung& umgebung);

  // The frame; a rescale of the configuration (`neuskalierungen`) redraws the graphs and
  // fields in the new units once the window's model is there.
  void RahmenAnlegen(const Editorfelder& felder, Editorrueckrufe rueckrufe,
                     common::Meldeliste<>& neuskalierungen);
  // Actions and menus from the table; the tool group (werkzeuge_, made by the table)
  // reports its choice to WerkzeugGewaehlt; `direkthilfe` is the window's "?" command.
  void BefehleAnlegen(std::vector<Befehlszeile> befehle, QAction* direkthilfe);
  virtual void WerkzeugGewaehlt(QAction* aktion) = 0;

  // At the window's start: the toolbar (0, or `fehler` when it cannot be built) ...
  int WerkzeugleisteAnlegen(int fehler);
  // ... the title as the session names it from now on ...
  void TitelAbonnieren(common::Meldeliste<const std::string&>& titel, const std::string& jetzt);
  // ... and the error fields and notices listening to the connection.
  void MeldungenAbonnieren();

  // A button that acts unless direct help is on.
  void Knopf(QPushButton* knopf, std::function<void()> aktion);
  // A device command's error, in the popup unless the error fields show it.
  void GeraetefehlerMelden(int fehler);

  Fensterumgebung umgebung_;  // handed over when built
  HilfeFilter* hilfe_;
  Editorrahmen* rahmen_ = nullptr;  // scroll bar, zoom fields, toolbar, ...
  Kurvengrafik* grafik_ = nullptr;  // the frame's
  std::vector<Befehlszeile> befehle_;
  QActionGroup* werkzeuge_ = nullptr;

 private:
  device::Verbindung::HinweisAbo hinweisAbo_;
  common::Meldeliste<const std::string&>::Abo titelAbo_;
  common::Meldeliste<>::Abo neuskalierungAbo_;
};

}  // namespace widgets
