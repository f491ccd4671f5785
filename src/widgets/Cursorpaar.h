// Measuring cursors on a graph: one or two vertical lines with a readout box, and the tool
// that places and moves them (an event filter on the graph). While the tool is on, a press
// places the next cursor or grabs the one under the mouse, a drag moves it, the arrow keys
// move the chosen one by a pixel; with Shift they snap to the points the window names; a
// right click removes them.
// Everything is drawn in the graph's overlay layer, which gets a paint buffer of its own
// while the cursors show, so moving a cursor repaints that layer alone and never the curves
// beneath. What the readout says is the window's: it is handed the cursors' positions.
#pragma once

#include <qcustomplot.h>

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace widgets {

struct Cursorstellung {
  int Gesetzt = 0;  // cursors placed so far: 0, 1 or 2 (at most the pair's number)
  double X1 = 0.0, X2 = 0.0;
};

// The place in a sorted list of point positions nearest to x (richtung 0), the last one
// before x (-1) or the first one after x (+1); none when there is none.
std::optional<double> NaechsteStelle(const std::vector<double>& sortiert, double x, int richtung);

class Cursorpaar : public QObject {
  Q_OBJECT
 public:
  // The readout's lines for the cursors as placed; empty: no box.
  using Ablesung = std::function<QString(const Cursorstellung&)>;
  // Where a cursor snaps to: as NaechsteStelle for the window's points.
  using Einrasten = std::function<std::optional<double>(double x, int richtung)>;

  // A press within this many pixels of a cursor grabs it.
  static constexpr double kGreifweite = 6.0;

  // anzahl: 2 for a pair, 1 for a single cursor.
  explicit Cursorpaar(QCustomPlot* graph, int anzahl = 2);
  ~Cursorpaar() override;

  void AblesungSetzen(Ablesung ablesung) { ablesung_ = std::move(ablesung); }
  void EinrastenSetzen(Einrasten einrasten) { einrasten_ = std::move(einrasten); }
  // Snapping without Shift as well (a chart of samples, where nothing lies between).
  void ImmerEinrasten(bool an) { immerEinrasten_ = an; }

  // While on, the cursors show and the mouse and the arrow keys move them; the mouse
  // events on the graph are theirs then. Off hides them; their places are kept.
  void WerkzeugSetzen(bool an);
  bool WerkzeugAn() const { return an_; }

  // Places cursor i (0 or 1) at x, as a drag would, and redraws the overlay.
  void CursorSetzen(int i, double x);
  // Removes both cursors.
  void Entfernen();
  const Cursorstellung& Stellung() const { return stellung_; }
  // The cursor the arrow keys move: the last one placed or grabbed; -1 before the first.
  int Gewaehlt() const { return gewaehlt_; }

  // The readout asked anew and the overlay redrawn. A full redraw of the graph asks it
  // anyway; this is for a change that needs no more.
  void Aktualisieren();
  QString Text() const;

  QCPItemStraightLine* Linie(int i) const { return linien_.at(i); }
  QCPItemText* Anzeige() const { return anzeige_; }

 signals:
  // After every move of a cursor.
  void Bewegt();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  double MausX(QPointF pixel, bool einrasten) const;
  // The placed cursor within grabbing distance of a pixel column, else -1.
  int CursorBei(double pixelX) const;
  void Tasten(int richtung, bool einrasten);
  void Stellen(int i, double x);
  void Zeigen();

  QCustomPlot* graph_;
  QCPLayer* ebene_;
  int anzahl_;
  std::array<QCPItemStraightLine*, 2> linien_{};
  std::array<QCPItemText*, 2> nummern_{};
  QCPItemText* anzeige_ = nullptr;
  Ablesung ablesung_;
  Einrasten einrasten_;
  Cursorstellung stellung_;
  bool an_ = false;
  bool ziehen_ = false;
  bool immerEinrasten_ = false;
  int gewaehlt_ = -1;
  Qt::FocusPolicy fokusVorher_;
};

}  // namespace widgets
