// Contrast of two colours as the accessibility guidelines (WCAG 2) measure it: from 1 (the
// same) to 21 (black on white). Lines and labels need at least 3 against what lies behind.
#pragma once

#include <QColor>

namespace widgets {

inline constexpr double kMindestkontrast = 3.0;

double RelativeLeuchtdichte(const QColor& farbe);
double Kontrast(const QColor& a, const QColor& b);

}  // namespace widgets
