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

int Speichern(Kennliniensitzung& sitzung, bool fragen, bool& abgebrochen) {
  return common::SpeichernMitAuswahl(
      fragen, KennlDateiname(sitzung), "Save characteristic curve", "*.wue",
      [&sitzung](const std::string& pfad) { return KennlDateiSpeichern(sitzung, pfad); },
      abgebrochen);
}

}  // namespace

int KennlinieSpeichern(Kennliniensitzung& sitzung, int fragen) {
  bool abgebrochen = false;
  return Speichern(sitzung, fragen != 0, abgebrochen);
}

int KennlinieLaden(Kennliniensitzung& sitzung) {
  if (AbbruchWeilKennlinieNichtGespeichert(sitzung)) return 0;
  const auto pfad = common::DateiWaehlen("Load characteristic curve", "*.wue", kLaden, true);
  if (!pfad) return 0;
  return KennlDateiLaden(sitzung, *pfad);
}

int KennlinieExportieren(Kennliniensitzung& sitzung) {
  const auto pfad = common::DateiWaehlen("Export characteristic curve", "*.txt", kSpeichern, false);
  if (!pfad) return 0;
  return KennlTextExportieren(sitzung, *pfad);
}

int KennlinieImportieren(Kennliniensitzung& sitzung) {
  const auto pfad = common::DateiWaehlen("Import characteristic curve", "*.txt", kLaden, false);
  if (!pfad) return 0;
  return KennlTextImportieren(sitzung, *pfad);
}

int AbbruchWeilKennlinieNichtGespeichert(Kennliniensitzung& sitzung) {
  if (!sitzung.gKennl.KennlinieGeaendert) return 0;
  int fehler = 0;
  const int bleiben = common::Speicherfrage(
      KennlDateiname(sitzung), "Characteristic controller",
      [&sitzung](bool& abgebrochen) { return Speichern(sitzung, false, abgebrochen); }, fehler);
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  return bleiben;
}

}  // namespace characteristic
