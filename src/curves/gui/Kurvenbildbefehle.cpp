// The curve window's commands that bring sampled data in and take the graph out as a
// picture.
#include <QRadioButton>

#include "common/Dateibefehle.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/Kurvengrafikinhalt.h"
#include "curves/gui/CsvImportdialog.h"
#include "curves/gui/Kurvenpanel.h"
#include "device/Fehler.h"

namespace curves::gui {

void Kurvenpanel::CsvImportieren() {
  const auto pfad =
      common::DateiWaehlen("Import CSV", "*.csv", common::FileRequest::Mode::Load, false);
  if (pfad) CsvDialogZeigen(*pfad);
}

void Kurvenpanel::CsvDialogZeigen(const std::string& pfad) {
  CsvImportdialog dialog(this, sitzung_, pfad);
  // A file refused as a whole opens no dialog; its message has been shown.
  if (dialog.Einlesen() != 0 && dialog.Reihe().Zeit.empty()) return;
  if (dialog.exec() != QDialog::Accepted) return;
  if (dialog.Ersetzen()->isChecked()) ZoomVoll(sitzung_);
  ZeichnenMitScrollbar();
}

bool Kurvenpanel::GrafikBeschreiben(bool ganz, common::Grafikinhalt& inhalt) {
  std::string meldung;
  if (const int fehler =
          KurvenGrafikinhalt(sitzung_, SichtbareKurven(sitzung_), !ganz, inhalt, meldung)) {
    device::ZOR_Fehlerpopup(fehler);
    return false;
  }
  return true;
}

}  // namespace curves::gui
