// The mouse on a QCustomPlot graph as the editors' tools meet it: the pixel of graph
// coordinates, moves with the left button held, a drag of press, two moves, release, and
// the wheel; and keys typed into a window.
#pragma once

#include <qcustomplot.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

namespace testsupport {

inline QPoint GraphPixel(const QCustomPlot* graph, double x, double y) {
  return {static_cast<int>(graph->xAxis->coordToPixel(x)),
          static_cast<int>(graph->yAxis->coordToPixel(y))};
}

inline void MausBewegen(QCustomPlot* graph, QPoint p) {
  QMouseEvent e(QEvent::MouseMove, p, graph->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                Qt::NoModifier);
  QApplication::sendEvent(graph, &e);
}

inline void MausZiehen(QCustomPlot* graph, QPoint von, QPoint bis) {
  QTest::mousePress(graph, Qt::LeftButton, {}, von);
  MausBewegen(graph, (von + bis) / 2);
  MausBewegen(graph, bis);
  QTest::mouseRelease(graph, Qt::LeftButton, {}, bis);
}

// `schritte` notches of the wheel (positive: away from the operator).
inline void MausRad(QCustomPlot* graph, QPoint p, int schritte, Qt::KeyboardModifiers tasten = {}) {
  QWheelEvent e(p, graph->mapToGlobal(p), {}, QPoint(0, 120 * schritte), Qt::NoButton, tasten,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(graph, &e);
}

// Keys as the focused window gets them, shortcuts included.
inline void Tasten(QWidget* fenster, QKeySequence folge) {
  fenster->activateWindow();
  // The offscreen platform may not report the activation; the keys go to the focus.
  static_cast<void>(QTest::qWaitForWindowActive(fenster));
  fenster->setFocus();
  QTest::keySequence(fenster, folge);
}

}  // namespace testsupport
