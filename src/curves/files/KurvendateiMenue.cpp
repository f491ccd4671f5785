#include "curves/files/KurvendateiMenue.h"

#include <optional>
#include <string>

#include "common/Dateibefehle.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Titel.h"
#include "device/Fehler.h"

namespace curves {
namespace {

constexpr auto kSpeichern = common::FileRequest::Mode::Save;
constexpr auto kLaden = common::FileRequest::Mode::Load;

int Speichern(bool fragen, bool& abgebrochen) {
  return common::SpeichernMitAuswahl(fragen, AktuellerDateiname(), "Save curve", "*.wur",
                                     KurvendateiSpeichern, abgebrochen);
}

}  // namespace

int KurvenSpeichern(int ask) {
  bool abgebrochen = false;
  return Speichern(ask != 0, abgebrochen);
}

int KurvenLaden() {
  if (AbbruchWeilKurvenNichtGespeichert()) return 0;
  const auto pfad = common::DateiWaehlen("Load curve", "*.wur", kLaden, true);
  if (!pfad) return 0;
  return KurvendateiLaden(*pfad);
}

int KurvenAnhaengen() {
  const auto pfad = common::DateiWaehlen("Append curves", "*.wur", kLaden, true);
  if (!pfad) return 0;
  return KurvendateiAnhaengen(*pfad);
}

int KurvenExportieren() {
  const auto pfad = common::DateiWaehlen("Export curves", "*.txt", kSpeichern, false);
  if (!pfad) return 0;
  return KurvendateiExportieren(*pfad);
}

int KurvenImportieren() {
  const auto pfad = common::DateiWaehlen("Import curves", "*.txt", kLaden, false);
  if (!pfad) return 0;
  return KurvendateiImportieren(*pfad);
}

int AbbruchWeilKurvenNichtGespeichert() {
  if (!gKurven.KurvenGeaendert) return 0;
  int fehler = 0;
  const int bleiben = common::Speicherfrage(
      AktuellerDateiname(), "Curve generator",
      [](bool& abgebrochen) { return Speichern(false, abgebrochen); }, fehler);
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  return bleiben;
}

}  // namespace curves
