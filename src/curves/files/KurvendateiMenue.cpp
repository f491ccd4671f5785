#include "curves/files/KurvendateiMenue.h"

#include <optional>
#include <string>

#include "common/Dateiname.h"
#include "common/OperatorInterface.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Titel.h"
#include "device/Fehler.h"

namespace curves {
namespace {

std::optional<std::string> DateiWaehlen(const char* titel, const char* muster,
                                        common::FileRequest::Mode modus, bool nurEndung) {
  common::FileRequest anfrage;
  anfrage.title = titel;
  anfrage.pattern = muster;
  anfrage.mode = modus;
  anfrage.forceExtension = nurEndung;
  anfrage.confirmButton = modus == common::FileRequest::Mode::Save ? "Save" : "Load";
  return common::operatorInterface().selectFile(anfrage);
}

constexpr auto kSpeichern = common::FileRequest::Mode::Save;
constexpr auto kLaden = common::FileRequest::Mode::Load;

// Saving, telling a cancelled dialog apart from success.
int Speichern(int ask, bool& abgebrochen) {
  abgebrochen = false;
  std::string pfad = AktuellerDateiname();
  if (ask || pfad.empty()) {
    auto gewaehlt = DateiWaehlen("Save curve", "*.wur", kSpeichern, true);
    if (!gewaehlt) {
      abgebrochen = true;
      return 0;
    }
    pfad = *gewaehlt;
  }
  return KurvendateiSpeichern(pfad);
}

}  // namespace

int KurvenSpeichern(int ask) {
  bool abgebrochen = false;
  return Speichern(ask, abgebrochen);
}

int KurvenLaden() {
  if (AbbruchWeilKurvenNichtGespeichert()) return 0;
  const auto pfad = DateiWaehlen("Load curve", "*.wur", kLaden, true);
  if (!pfad) return 0;
  return KurvendateiLaden(*pfad);
}

int KurvenAnhaengen() {
  const auto pfad = DateiWaehlen("Append curves", "*.wur", kLaden, true);
  if (!pfad) return 0;
  return KurvendateiAnhaengen(*pfad);
}

int KurvenExportieren() {
  const auto pfad = DateiWaehlen("Export curves", "*.txt", kSpeichern, false);
  if (!pfad) return 0;
  return KurvendateiExportieren(*pfad);
}

int KurvenImportieren() {
  const auto pfad = DateiWaehlen("Import curves", "*.txt", kLaden, false);
  if (!pfad) return 0;
  return KurvendateiImportieren(*pfad);
}

int AbbruchWeilKurvenNichtGespeichert() {
  if (!gKurven.KurvenGeaendert) return 0;
  const std::string& pfad = AktuellerDateiname();
  common::MessageRequest frage;
  frage.title = "Warning";
  frage.text = "Would you like to save changes to " +
               (pfad.empty() ? std::string("Curve generator") : common::DateinamenTeil(pfad)) + " ?";
  frage.buttons = {"Yes", "No", "Cancel"};
  frage.activeButton = 3;
  frage.escapeButton = 3;
  switch (common::operatorInterface().message(frage)) {
    case 1: {
      bool abgebrochen = false;
      const int fehler = Speichern(0, abgebrochen);
      if (fehler) {
        device::ZOR_Fehlerpopup(fehler);
        return 1;
      }
      // The operator cancelled the save dialog: the changes are still unsaved.
      return abgebrochen ? 1 : 0;
    }
    case 2:
      return 0;
    default:
      return 1;
  }
}

}  // namespace curves
