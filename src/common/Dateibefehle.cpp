#include "common/Dateibefehle.h"

#include "common/Dateiname.h"

namespace common {

std::optional<std::string> DateiWaehlen(const std::string& titel, const std::string& muster,
                                        FileRequest::Mode modus, bool nurEndung) {
  FileRequest anfrage;
  anfrage.title = titel;
  anfrage.pattern = muster;
  anfrage.mode = modus;
  anfrage.forceExtension = nurEndung;
  anfrage.confirmButton = modus == FileRequest::Mode::Save ? "Save" : "Load";
  return operatorInterface().selectFile(anfrage);
}

int SpeichernMitAuswahl(bool fragen, const std::string& pfad, const std::string& titel,
                        const std::string& muster,
                        const std::function<int(const std::string&)>& speichern,
                        bool& abgebrochen) {
  abgebrochen = false;
  std::string ziel = pfad;
  if (fragen || ziel.empty()) {
    auto gewaehlt = DateiWaehlen(titel, muster, FileRequest::Mode::Save, true);
    if (!gewaehlt) {
      abgebrochen = true;
      return 0;
    }
    ziel = *gewaehlt;
  }
  return speichern(ziel);
}

int Speicherfrage(const std::string& pfad, const std::string& ohneDatei,
                  const std::function<int(bool& abgebrochen)>& speichern, int& fehler) {
  fehler = 0;
  MessageRequest frage;
  frage.title = "Warning";
  frage.text = "Would you like to save changes to " +
               (pfad.empty() ? ohneDatei : DateinamenTeil(pfad)) + " ?";
  frage.buttons = {"Yes", "No", "Cancel"};
  frage.activeButton = 3;
  frage.escapeButton = 3;
  switch (operatorInterface().message(frage)) {
    case 1: {
      bool abgebrochen = false;
      fehler = speichern(abgebrochen);
      // A failed save, or a cancelled save dialog: the changes are still unsaved.
      return fehler != 0 || abgebrochen ? 1 : 0;
    }
    case 2:
      return 0;
    default:
      return 1;
  }
}

}  // namespace common
