// The frame both editor windows are built in: the two graphs (Kurvengrafik) and the
// connection symbol, the large graph's scroll bar, the Y zoom fields, the toolbar, the device
// buttons with their help, the error fields, the tool choice in direct-help mode, the direct-help
// switch and the redraw after a resize. The window fills in what is its own (its session's core
// calls) and keeps its commands.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "device/Verbindung.h"
#include "widgets/Befehlstabelle.h"

class QAction;
class QCustomPlot;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QScrollBar;
class QToolBar;

namespace widgets {

class HilfeFilter;
class Kurvengrafik;
class Verbindungssymbol;

// The range of a window's number fields: they take what the operator types, the core
// checks it.
inline constexpr double kFeldMax = 1e9;

// The controls of an editor window's form that the frame runs.
struct Editorfelder {
  QCustomPlot *Graph, *GraphKlein;
  double YMax;  // the highest raw code of the Y axis
  Verbindungssymbol* Symbol;
  QScrollBar* Scrollbar;
  QDoubleSpinBox *YZoomMin, *YZoomMax;
  QPushButton *Start, *Stopp;
  QLabel* FehlerLampe;
  QLineEdit *FehlerText, *FehlerNummer;
};

// What the frame asks of the window.
struct Editorrueckrufe {
  // The window's model is there to draw (after its start, before its end).
  std::function<bool()> Bereit;
  // Full redraw of the graphs.
  std::function<void()> Zeichnen;
  // The scroll bar as the view stands: thumb and position in per cent.
  std::function<std::pair<int, int>()> Scrollbalken;
  // The operator let go of the bar at `position` (bewegt: it was dragged); true when the
  // view moved and the graphs must be drawn again.
  std::function<bool(int position, bool bewegt)> ScrollbarLosgelassen;
  // The Y zoom fields were committed (in the unit shown); true when the limits were taken.
  std::function<bool(double min, double max)> YZoomSetzen;
  // The Y zoom fields as the window's axis stands (after a refused commit).
  std::function<void()> YZoomZeigen;
};

class Editorrahmen : public QObject {
  Q_OBJECT
 public:
  // A child of the window; registers the help of the frame's controls with `hilfe`.
  Editorrahmen(QMainWindow* fenster, const Editorfelder& felder, HilfeFilter& hilfe,
               device::Verbindung& verbindung, Editorrueckrufe rueckrufe);
  ~Editorrahmen() override;

  Kurvengrafik& Grafik() { return *grafik_; }

  // The toolbar from the window's command table, once; 0 or `fehler` when it cannot be
  // built. Entfernen discards it.
  int WerkzeugleisteAnlegen(const std::vector<Befehlszeile>& befehle, int fehler);
  void WerkzeugleisteEntfernen();
  QToolBar* Werkzeugleiste() const { return leiste_; }

  // The error fields listen to the connection from now on, for as long as the frame lives.
  void FehlerfelderAbonnieren();
  // A button that acts unless direct help is on (then the help filter shows its text).
  void Knopf(QPushButton* knopf, std::function<void()> aktion);

  void ScrollbalkenZeigen();
  // The Y limits as shown, remembered with the values they stand for while unchanged.
  void YZoomFelderZeigen(double feldMin, double feldMax, double genauMin, double genauMax);

  // A tool was chosen: in direct-help mode its help is shown and the previous tool stays
  // chosen (false); otherwise it becomes the previous tool (true).
  bool WerkzeugGewaehlt(QAction* aktion);
  void WerkzeugMerken(QAction* aktion) { letztesWerkzeug_ = aktion; }
  // The window's "?" command: switches direct help and keeps the command checked with it
  // whenever the window is shown.
  void DirekthilfeAktionSetzen(QAction* aktion) { direkthilfe_ = aktion; }
  void DirekthilfeUmschalten();
  // The Y zoom fields' commit (also what editingFinished runs).
  void YZoomUebernehmen();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Verbinden();
  void ScrollbarLosgelassen();

  QMainWindow* fenster_;
  Editorfelder f_;
  device::Verbindung& verbindung_;
  Editorrueckrufe r_;
  std::unique_ptr<Kurvengrafik> grafik_;
  device::Verbindung::FehlerAbo fehlerAbo_;
  QToolBar* leiste_ = nullptr;
  QAction* letztesWerkzeug_ = nullptr;
  QAction* direkthilfe_ = nullptr;
  bool scrollbarBewegt_ = false;
  bool neuzeichnenGeplant_ = false;
  bool zoomZeigen_ = false;  // the zoom fields being filled by the program
  struct ZoomFeld {
    double Gezeigt = 0.0, Genau = 0.0;
  };
  ZoomFeld yZoomMin_, yZoomMax_;
};

}  // namespace widgets
