#include "widgets/Graphscrollbar.h"

#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace widgets {

namespace {
// Steps of the bar per per cent of thumb, so a drag moves smoothly.
constexpr int kSkala = 100;
}  // namespace

void ScrollbarZeigen(QScrollBar* bar, int daumen, int position) {
  daumen = std::clamp(daumen, 1, 100);
  position = std::clamp(position, 0, 100);
  const int frei = 100 - daumen;  // per cent of the bar the thumb can travel
  bar->setRange(0, frei * kSkala);
  bar->setPageStep(daumen * kSkala);
  bar->setSingleStep(std::max(1, frei));  // one per cent of position per arrow click
  bar->setValue(position * frei);
}

int ScrollbarDaumen(const QScrollBar* bar) {
  return bar->pageStep() / kSkala;
}

int ScrollbarPosition(const QScrollBar* bar) {
  const int frei = bar->maximum() / kSkala;
  if (frei <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(bar->sliderPosition()) / frei));
}

}  // namespace widgets
