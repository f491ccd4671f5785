#include "ui/Knopfbild.h"

#include <QPixmap>

// The images sit in a static library: their registration is pulled in from here, so that
// every program that shows a toolbar carries them.
static void KnopfbilderAnmelden() {
  static const bool angemeldet = [] {
    Q_INIT_RESOURCE(Knopfbilder);
    return true;
  }();
  (void)angemeldet;
}

namespace ui {

QIcon Knopfbild(const QString& name) {
  KnopfbilderAnmelden();
  const QPixmap bild(":/buttons/" + name + ".bmp");
  return bild.isNull() ? QIcon() : QIcon(bild);
}

}  // namespace ui
