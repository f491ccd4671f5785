#include "widgets/Grafikbildbefehle.h"

#include <QPrintDialog>
#include <QPrinter>
#include <optional>

#include "common/Dateibefehle.h"
#include "common/OperatorInterface.h"
#include "widgets/Grafikbild.h"

namespace widgets {

Bildteil BildteilFragen(const char* titel, const char* ganzText) {
  common::MessageRequest frage;
  frage.title = titel;
  frage.text = "Which part of the graph?";
  frage.buttons = {"Visible part", ganzText, "Cancel"};
  frage.activeButton = 1;
  frage.escapeButton = 3;
  switch (common::operatorInterface().message(frage)) {
    case 1:
      return Bildteil::Sichtbar;
    case 2:
      return Bildteil::Ganz;
    default:
      return Bildteil::Abgebrochen;
  }
}

int GrafikbildSpeichernBefehl(const char* ganzText, const Grafikbeschreibung& beschreibung) {
  const Bildteil teil = BildteilFragen("Save graph as picture", ganzText);
  if (teil == Bildteil::Abgebrochen) return 0;
  std::optional<std::string> pfad = common::DateiWaehlen(
      "Save graph as picture", "*.png;*.svg;*.pdf", common::FileRequest::Mode::Save, false);
  if (!pfad) return 0;
  // A name without extension is a PNG picture.
  const auto schraegstrich = pfad->rfind('/');
  const auto punkt = pfad->rfind('.');
  if (punkt == std::string::npos || (schraegstrich != std::string::npos && punkt < schraegstrich))
    *pfad += ".png";
  common::Grafikinhalt inhalt;
  if (!beschreibung(teil == Bildteil::Ganz, inhalt)) return 0;
  std::string meldung;
  const int fehler = GrafikbildSpeichern(inhalt, *pfad, kBildbreite, kBildhoehe, meldung);
  if (fehler) common::showMessage("Error", meldung);
  return fehler;
}

void GrafikbildDruckenBefehl(QWidget* fenster, const char* ganzText,
                             const Grafikbeschreibung& beschreibung) {
  const Bildteil teil = BildteilFragen("Print graph", ganzText);
  if (teil == Bildteil::Abgebrochen) return;
  common::Grafikinhalt inhalt;
  if (!beschreibung(teil == Bildteil::Ganz, inhalt)) return;
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setPageOrientation(QPageLayout::Landscape);
  drucker.setDocName(QString::fromStdString(inhalt.Titel));
  QPrintDialog dialog(&drucker, fenster);
  dialog.setWindowTitle("Print graph");
  if (dialog.exec() != QDialog::Accepted) return;
  if (!GrafikbildDrucken(inhalt, drucker))
    common::showMessage("Error", "The printer could not be opened.");
}

}  // namespace widgets
