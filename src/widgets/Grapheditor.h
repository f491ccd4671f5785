// What an editor offers the graph-editor mouse filter: its tools act on graph coordinates
// (preview while the button is down, commit at the release, cancel on Escape) and the wheel
// moves its view. The curve and the characteristic editors implement it over their session,
// so a tool added to one filter works the same for both.
#pragma once

#include <QPoint>

namespace widgets {

class Grapheditor {
 public:
  virtual ~Grapheditor() = default;

  // A press: the plot area's size for finding the nearest point, before the tool acts.
  virtual void ZugBeginnen(double breitePx, double hoehePx) = 0;
  // Where the mouse is in the large graph's pixels (dialogs open there).
  virtual void MausSetzen(QPoint maus) = 0;
  // Whether the active tool's drag can be taken back with Escape.
  virtual bool ZugAbbrechbar() const = 0;
  // Press (erste) and drag: the active tool's preview, or at once what acts on a press.
  virtual void Vorschau(double x, double y, bool erste) = 0;
  // Release: the active tool's edit.
  virtual void Uebernehmen(double x, double y) = 0;
  // Escape during a drag: the preview goes and the mark is as before the press.
  virtual void Abbrechen() = 0;
  // The wheel: with zoom in (schritte > 0) or out around x, else scroll by `schritte`
  // tenths of the visible width (negative: to the left). The editor redraws.
  virtual void Rad(double x, double schritte, bool zoom) = 0;
};

}  // namespace widgets
