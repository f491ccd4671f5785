#include "config/gui/Zahlenfeld.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace config::gui {

Zahlenfeld::Zahlenfeld(QWidget* parent) : QDoubleSpinBox(parent) {
  setLocale(QLocale::c());
  // The spin box rounds every value to its decimals: with the most it allows, a double
  // passes unchanged.
  setDecimals(std::numeric_limits<double>::max_exponent10 + std::numeric_limits<double>::digits10);
  // Unlimited unless the window sets limits (the output voltages).
  setRange(std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
  setSingleStep(1.0);
  setKeyboardTracking(false);
}

QString Zahlenfeld::textFromValue(double value) const {
  // The shortest text that reads back as the same double, with at least three decimals:
  // "4.095", "10.000", "0.30000000000000004".
  QString text = QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
  if (!std::isfinite(value)) return text;
  int punkt = text.indexOf('.');
  if (punkt < 0) {
    punkt = static_cast<int>(text.size());
    text += '.';
  }
  while (text.size() < punkt + 4) text += '0';
  return text;
}

double Zahlenfeld::valueFromText(const QString& text) const {
  QString t = text.trimmed();
  t.replace(',', '.');
  return QLocale::c().toDouble(t);
}

QValidator::State Zahlenfeld::validate(QString& text, int&) const {
  QString t = text.trimmed();
  t.replace(',', '.');
  if (t.isEmpty() || t == "-" || t == "+" || t == "." || t == "-.") return QValidator::Intermediate;
  bool ok = false;
  double v = QLocale::c().toDouble(t, &ok);
  if (!ok) return QValidator::Invalid;
  return (v < minimum() || v > maximum()) ? QValidator::Intermediate : QValidator::Acceptable;
}

}  // namespace config::gui
