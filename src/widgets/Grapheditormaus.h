// The mouse on an editor's large graph, as an event filter with its own state: a press
// starts the editor's active tool (or shows the graph's help in direct-help mode), a drag
// shows its preview, the release commits it; Escape during a drag takes it back. The wheel
// scrolls the X axis, with Ctrl it zooms around the mouse. The same filter serves every
// editor; what a tool does is the editor's (Grapheditor).
#pragma once

#include <QObject>
#include <QPointF>
#include <memory>

class QAction;
class QCustomPlot;
class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace widgets {

class Grapheditor;

class Grapheditormaus : public QObject {
  Q_OBJECT
 public:
  // Installs itself on the graph; Escape is a shortcut of the window. A child of the
  // window, owning the editor's tools; `hilfe` is the graph's direct-help text.
  Grapheditormaus(QWidget* fenster, QCustomPlot* graph, const char* hilfe,
                  std::unique_ptr<Grapheditor> editor);
  ~Grapheditormaus() override;

  bool Gedrueckt() const { return gedrueckt_; }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Druecken(const QMouseEvent* e);
  void Ziehen(const QMouseEvent* e);
  void Loslassen(const QMouseEvent* e);
  void Rad(const QWheelEvent* e);
  void ZugAbbrechen();
  // The cursor in graph coordinates, kept inside the plot area.
  QPointF Cursor(const QMouseEvent* e) const;

  QCustomPlot* graph_;
  const char* hilfe_;
  std::unique_ptr<Grapheditor> editorBesitz_;
  Grapheditor& editor_;
  QAction* abbruch_;  // Escape, enabled during a drag only, so dialogs keep their own
  bool gedrueckt_ = false;
};

}  // namespace widgets
