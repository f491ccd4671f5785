#include "characteristic/KennlDateiMenue.h"

#include <optional>
#include <string>

#include "characteristic/KennlTitel.h"
#include "characteristic/Kennliniendatei.h"
#include "characteristic/Kennlinienmodell.h"
#include "characteristic/Kennlinientext.h"
#include "common/Dateiname.h"
#include "common/OperatorInterface.h"
#include "device/Fehler.h"

namespace characteristic {
namespace {

constexpr auto kSpeichern = common::FileRequest::Mode::Save;
constexpr auto kLaden = common::FileRequest::Mode::Load;

std::optional<std::string> DateiWaehlen(const char* titel, const char* muster,
                                        common::FileRequest::Mode modus, bool nurEndung) {
  common::FileRequest anfrage;
  anfrage.title = titel;
  anfrage.pattern = muster;
  anfrage.mode = modus;
  anfrage.forceExtension = nurEndung;
  anfrage.confirmButton = modus == kSpeichern ? "Save" : "Load";
  return common::operatorInterface().selectFile(anfrage);
}

// Saving, telling a cancelled dialog apart from success.
int Speichern(int fragen, bool& abgebrochen) {
  abgebrochen = false;
  std::string pfad = KennlDateiname();
  if (fragen || pfad.empty()) {
    auto gewaehlt = DateiWaehlen("Save characteristic curve", "*.wue", kSpeichern, true);
    if (!gewaehlt) {
      abgebrochen = true;
      return 0;
    }
    pfad = *gewaehlt;
  }
  return KennlDateiSpeichern(pfad);
}

}  // namespace

int KennlinieSpeichern(int fragen) {
  bool abgebrochen = false;
  return Speichern(fragen, abgebrochen);
}

int KennlinieLaden() {
  if (AbbruchWeilKennlinieNichtGespeichert()) return 0;
  const auto pfad = DateiWaehlen("Load characteristic curve", "*.wue", kLaden, true);
  if (!pfad) return 0;
  return KennlDateiLaden(*pfad);
}

int KennlinieExportieren() {
  const auto pfad = DateiWaehlen("Export characteristic curve", "*.txt", kSpeichern, false);
  if (!pfad) return 0;
  return KennlTextExportieren(*pfad);
}

int KennlinieImportieren() {
  const auto pfad = DateiWaehlen("Import characteristic curve", "*.txt", kLaden, false);
  if (!pfad) return 0;
  return KennlTextImportieren(*pfad);
}

int AbbruchWeilKennlinieNichtGespeichert() {
  if (!gKennl.KennlinieGeaendert) return 0;
  const std::string& pfad = KennlDateiname();
  common::MessageRequest frage;
  frage.title = "Warning";
  frage.text =
      "Would you like to save changes to " +
      (pfad.empty() ? std::string("Characteristic controller") : common::DateinamenTeil(pfad)) +
      " ?";
  frage.buttons = {"Yes", "No", "Cancel"};
  frage.activeButton = 3;
  frage.escapeButton = 3;
  switch (common::operatorInterface().message(frage)) {
    case 1: {
      bool abgebrochen = false;
      if (const int fehler = Speichern(0, abgebrochen)) {
        device::ZOR_Fehlerpopup(fehler);
        return 1;
      }
      return abgebrochen ? 1 : 0;
    }
    case 2:
      return 0;
    default:
      return 1;
  }
}

}  // namespace characteristic
