#include "direct/gui/Stripchartcursor.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "direct/Direktpanel.h"
#include "widgets/Cursorpaar.h"

namespace direct::gui {

QString StripchartAblesungText(long abtastung, double alter,
                               const std::array<std::optional<double>, 4>& werte) {
  // The newest sample is at 0, not at -0.
  const double zeit = alter > 0.0 ? -alter : 0.0;
  QString t = QString("Abtastung %1, t = %2 s").arg(abtastung).arg(zeit, 0, 'f', 2);
  for (int n = 0; n < 4; ++n) {
    t += QString("\nEingang %1 = ").arg(n + 1);
    t += werte[n] ? QString("%1 %").arg(*werte[n], 0, 'f', 2) : QString::fromUtf8("–");
  }
  return t;
}

widgets::Cursorpaar* StripchartCursorAnlegen(QCustomPlot* chart, const Direktsitzung& sitzung) {
  auto* cursor = new widgets::Cursorpaar(chart, 1);
  // The samples lie on whole numbers: the cursor always stands on one.
  cursor->EinrastenSetzen([](double x, int richtung) -> std::optional<double> {
    if (richtung < 0) return std::ceil(x) - 1.0;
    if (richtung > 0) return std::floor(x) + 1.0;
    return std::round(x);
  });
  cursor->ImmerEinrasten(true);
  cursor->AblesungSetzen([chart, &sitzung](const widgets::Cursorstellung& s) {
    const double k = std::round(s.X1);
    std::array<std::optional<double>, 4> werte;
    double neueste = k;
    for (int n = 0; n < 4 && n < chart->graphCount(); ++n) {
      const auto daten = chart->graph(n)->data();
      if (daten->isEmpty()) continue;
      neueste = std::max(neueste, (daten->constEnd() - 1)->key);
      auto it = daten->findBegin(k, false);
      if (it != daten->constEnd() && it->key == k) werte[n] = it->value;
    }
    const double alter = (neueste - k) * Direktpanel(sitzung).timerIntervall;
    return StripchartAblesungText(static_cast<long>(k), alter, werte);
  });
  cursor->WerkzeugSetzen(true);
  return cursor;
}

}  // namespace direct::gui
