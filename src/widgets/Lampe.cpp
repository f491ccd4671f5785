#include "widgets/Lampe.h"

#include <QColor>
#include <QLabel>

namespace widgets {

void LampeSetzen(QLabel* lampe, bool an, std::uint32_t farbe, bool gedimmt) {
  QColor c = an ? QColor::fromRgb(farbe) : QColor(170, 170, 170);
  if (gedimmt) c = c.lighter(140);
  int rand = lampe->width() < 8 ? 9 : lampe->width() / 2;
  lampe->setStyleSheet(QStringLiteral("QLabel { background-color: %1; border: 1px solid %2; "
                                      "border-radius: %3px; }")
                           .arg(c.name(), c.darker(160).name())
                           .arg(rand));
  lampe->setProperty("an", an);
  lampe->setProperty("farbe", static_cast<unsigned>(farbe));
  lampe->setEnabled(!gedimmt);
}

}  // namespace widgets
