// A numeric field that shows its value with as many decimals as it needs (every digit of
// the double, at least three) and always with a decimal point, so values from files are
// neither rounded nor shown with a locale's comma. Unlimited unless limits are set.
#pragma once

#include <QDoubleSpinBox>

namespace config::gui {

class Zahlenfeld : public QDoubleSpinBox {
  Q_OBJECT
 public:
  explicit Zahlenfeld(QWidget* parent = nullptr);

  QString textFromValue(double value) const override;
  double valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;
};

}  // namespace config::gui
