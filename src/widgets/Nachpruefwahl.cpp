#include "widgets/Nachpruefwahl.h"

#include <QSignalBlocker>

namespace widgets {

Nachpruefwahl::Nachpruefwahl(device::Verbindung& verbindung, QWidget* parent)
    : QCheckBox(QStringLiteral("Verify after writing"), parent), verbindung_(verbindung) {
  setObjectName(QStringLiteral("NACHPRUEFEN"));
  Zeigen();
  connect(this, &QCheckBox::toggled, this, [this](bool an) {
    verbindung_.Uebertragung().nachpruefen = an;
    // The other windows' boxes follow.
    verbindung_.CompanelMelden();
  });
  abo_ = verbindung_.CompanelAbonnieren([this] { Zeigen(); });
}

void Nachpruefwahl::Zeigen() {
  const QSignalBlocker sperre(this);
  setChecked(verbindung_.Uebertragung().nachpruefen);
}

}  // namespace widgets
