// The mouse on a QCustomPlot graph as the editors' tools meet it: the pixel of graph
// coordinates, moves with the left button held, and a drag of press, two moves, release.
#pragma once

#include <qcustomplot.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

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

}  // namespace testsupport
