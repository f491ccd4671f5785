#include "widgets/Direkthilfe.h"

#include <QApplication>

#include "common/OperatorInterface.h"

namespace widgets {

namespace {
// One byte, non-zero while the mode is on. It belongs to the process, as the override
// pointer that goes with it does: switching it in one window switches it in all.
unsigned char gHilfeAktiv = 0;
}  // namespace

bool HilfeAktiv() {
  return gHilfeAktiv != 0;
}

void DirekthilfeSchalten(bool an) {
  const bool war = gHilfeAktiv != 0;
  gHilfeAktiv = an ? 1 : 0;
  if (an && !war) {
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
  } else if (!an && war) {
    QApplication::restoreOverrideCursor();
  }
  if (an) Hilfetext(kHilfeModusAn);
}

void Hilfetext(const std::string& text) {
  common::operatorInterface().help(text);
}

}  // namespace widgets
