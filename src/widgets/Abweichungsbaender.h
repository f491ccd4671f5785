// Shaded bands over the full height of a graph and its overview: the stretches the device
// was found to hold otherwise than written. Both editors show them the same way.
#pragma once

#include <qcustomplot.h>

#include <utility>
#include <vector>

namespace widgets {

class Abweichungsbaender {
 public:
  Abweichungsbaender(QCustomPlot* graph, QCustomPlot* klein);

  // Replaces the bands (from, to in X coordinates); an empty list removes them. Drawn with
  // the graphs' next redraw.
  void Setzen(const std::vector<std::pair<double, double>>& bereiche);
  const std::vector<QCPItemRect*>& Gross() const { return gross_; }
  const std::vector<QCPItemRect*>& Klein() const { return klein_; }

 private:
  QCustomPlot* graph_;
  QCustomPlot* kleinPlot_;
  std::vector<QCPItemRect*> gross_, klein_;
};

}  // namespace widgets
