#include "widgets/Kontrast.h"

#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

double Linear(double kanal) {
  return kanal <= 0.04045 ? kanal / 12.92 : std::pow((kanal + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLeuchtdichte(const QColor& farbe) {
  return 0.2126 * Linear(farbe.redF()) + 0.7152 * Linear(farbe.greenF()) +
         0.0722 * Linear(farbe.blueF());
}

double Kontrast(const QColor& a, const QColor& b) {
  const double la = RelativeLeuchtdichte(a), lb = RelativeLeuchtdichte(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace widgets
