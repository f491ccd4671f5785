#include "widgets/Fehlerfeldanzeige.h"

#include <QLabel>
#include <QLineEdit>

#include "widgets/Lampe.h"

namespace widgets {

device::Verbindung::FehlerAbo FehlerfelderZeigen(device::Verbindung& verbindung, QLabel* lampe,
                                                 QLineEdit* text, QLineEdit* nummer) {
  return verbindung.FehlerfelderAbonnieren([lampe, text, nummer](const device::Fehlerfelder& f) {
    LampeSetzen(lampe, f.led, device::kLampeRot);
    text->setText(QString::fromStdString(f.text));
    text->setCursorPosition(0);  // a long message shows its beginning
    nummer->setText(QString::number(f.nummer));
  });
}

}  // namespace widgets
