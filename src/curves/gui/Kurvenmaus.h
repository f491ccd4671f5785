// The mouse tools of the curve graph, as an event filter on the graph with its own state:
// a press starts the active tool (or shows the graph's help in direct-help mode), a drag
// shows its preview, the release commits it; Escape during a drag takes it back. The wheel
// scrolls the time axis, with Ctrl it zooms around the mouse. The window installs it on its
// graph and keeps the tool choice; the edits themselves are the core's.
#pragma once

#include <QObject>
#include <QPointF>

#include "curves/edit/Markierung.h"
#include "curves/model/Kurvensitzung.h"

class QAction;
class QMouseEvent;
class QWheelEvent;

namespace curves::gui {

class Kurvenpanel;

class Kurvenmaus : public QObject {
  Q_OBJECT
 public:
  // Installs itself on the window's graph.
  explicit Kurvenmaus(Kurvenpanel& panel, Kurvensitzung& sitzung);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Gedrueckt(const QMouseEvent* e);
  void Gezogen(const QMouseEvent* e);
  void Losgelassen(const QMouseEvent* e);
  void Rad(const QWheelEvent* e);
  // Escape during a drag: the preview goes, the mark is as before, the release does nothing.
  void ZugAbbrechen();
  // The cursor in graph coordinates, kept inside the plot area.
  QPointF Cursor(const QMouseEvent* e) const;
  // Press (erste) and drag: the tool's preview, or at once what acts on a press.
  void Vorschau(double x, double y, bool erste);
  // Release: the tool's edit.
  void Uebernehmen(double x, double y);

  Kurvenpanel& p_;
  Kurvensitzung& sitzung_;
  QObject* graph_;
  QAction* abbruch_;  // Escape, enabled during a drag only, so dialogs keep their own
  Markierung markeVorDemZug_;
  bool gedrueckt_ = false;
  bool erstesDruecken_ = true;  // Select tool: the next drag starts a new mark
  bool frischerZug_ = true;     // Move tool: the next drag picks a point
  int gewaehlterPunkt_ = 0;
};

}  // namespace curves::gui
