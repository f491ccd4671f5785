#include "config/gui/Zahlenfeld.h"

#include <QLocale>

namespace config::gui {

Zahlenfeld::Zahlenfeld(QWidget* parent) : QDoubleSpinBox(parent) {
  setLocale(QLocale::c());
  setDecimals(9);
  setSingleStep(1.0);
  setKeyboardTracking(false);
}

QString Zahlenfeld::textFromValue(double value) const {
  QString text = QLocale::c().toString(value, 'f', 9);
  // Trailing zeros go, but at least three decimals stay: "4.095", "10.000", "0.12345".
  int punkt = text.indexOf('.');
  int ende = text.size();
  while (ende > punkt + 4 && text.at(ende - 1) == '0') --ende;
  return text.left(ende);
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
