#include "characteristic/files/KennlDateiMenue.h"

#include <optional>
#include <string>

#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/files/Kennlinientext.h"
#include "characteristic/model/KennlTitel.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "common/Dateibefehle.h"
#include "device/Fehler.h"

namespace characteristic {
namespace {

constexpr auto kSpeichern = common::FileRequest::Mode::Save;
constexpr auto kLaden = common::FileRequest::Mode::Load;

int Speichern(bool fragen, bool& abgebrochen) {
  return common::SpeichernMitAuswahl(fragen, KennlDateiname(), "Save characteristic curve", "*.wue",
                                     KennlDateiSpeichern, abgebrochen);
}

}  // namespace

int KennlinieSpeichern(int fragen) {
  bool abgebrochen = false;
  return Speichern(fragen != 0, abgebrochen);
}

int KennlinieLaden() {
  if (AbbruchWeilKennlinieNichtGespeichert()) return 0;
  const auto pfad = common::DateiWaehlen("Load characteristic curve", "*.wue", kLaden, true);
  if (!pfad) return 0;
  return KennlDateiLaden(*pfad);
}

int KennlinieExportieren() {
  const auto pfad = common::DateiWaehlen("Export characteristic curve", "*.txt", kSpeichern, false);
  if (!pfad) return 0;
  return KennlTextExportieren(*pfad);
}

int KennlinieImportieren() {
  const auto pfad = common::DateiWaehlen("Import characteristic curve", "*.txt", kLaden, false);
  if (!pfad) return 0;
  return KennlTextImportieren(*pfad);
}

int AbbruchWeilKennlinieNichtGespeichert() {
  if (!gKennl.KennlinieGeaendert) return 0;
  int fehler = 0;
  const int bleiben = common::Speicherfrage(
      KennlDateiname(), "Characteristic controller",
      [](bool& abgebrochen) { return Speichern(false, abgebrochen); }, fehler);
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  return bleiben;
}

}  // namespace characteristic
