#include "widgets/Hinweiszeile.h"

#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>

namespace widgets {

device::Verbindung::HinweisAbo HinweiseZeigen(device::Verbindung& verbindung,
                                              QMainWindow* fenster) {
  QPointer<QMainWindow> f(fenster);
  return verbindung.HinweiseAbonnieren([f](const std::string& text) {
    if (!f) return;
    f->statusBar()->showMessage(QString::fromStdString(text), kHinweisDauerMs);
  });
}

}  // namespace widgets
