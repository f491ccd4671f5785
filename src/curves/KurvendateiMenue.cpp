#include "curves/KurvendateiMenue.h"

#include <optional>
#include <string>

#include "curves/Kurvendatei.h"
#include "curves/Kurvenexport.h"
#include "curves/Kurvenimport.h"
#include "curves/Kurvenmodell.h"
#include "curves/Titel.h"
#include "device/Fehler.h"
#include "device/OperatorInterface.h"

namespace curves {
namespace {

std::optional<std::string> DateiWaehlen(const char* titel, const char* muster,
                                        device::FileRequest::Mode modus, bool nurEndung) {
  device::FileRequest anfrage;
  anfrage.title = titel;
  anfrage.pattern = muster;
  anfrage.mode = modus;
  anfrage.forceExtension = nurEndung;
  anfrage.confirmButton = modus == device::FileRequest::Mode::Save ? "Save" : "Load";
  return device::operatorInterface().selectFile(anfrage);
}

constexpr auto kSpeichern = device::FileRequest::Mode::Save;
constexpr auto kLaden = device::FileRequest::Mode::Load;

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
  device::MessageRequest frage;
  frage.title = "Warning";
  frage.text = "Would you like to save changes to " +
               (pfad.empty() ? std::string("Curve generator") : DateinamenTeil(pfad)) + " ?";
  frage.buttons = {"Yes", "No", "Cancel"};
  frage.activeButton = 3;
  frage.escapeButton = 3;
  switch (device::operatorInterface().message(frage)) {
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
