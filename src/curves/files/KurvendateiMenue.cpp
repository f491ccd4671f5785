#include "curves/files/KurvendateiMenue.h"

#include <optional>
#include <string>

#include "common/Dateibefehle.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Titel.h"
#include "device/Fehler.h"

namespace curves {
namespace {

constexpr auto kSpeichern = common::FileRequest::Mode::Save;
constexpr auto kLaden = common::FileRequest::Mode::Load;

int Speichern(Kurvensitzung& sitzung, bool fragen, bool& abgebrochen) {
  return common::SpeichernMitAuswahl(
      fragen, AktuellerDateiname(sitzung), "Save curve", "*.wur",
      [&sitzung](const std::string& pfad) { return KurvendateiSpeichern(sitzung, pfad); },
      abgebrochen);
}

}  // namespace

int KurvenSpeichern(Kurvensitzung& sitzung, int ask) {
  bool abgebrochen = false;
  return Speichern(sitzung, ask != 0, abgebrochen);
}

int KurvenLaden(Kurvensitzung& sitzung) {
  if (AbbruchWeilKurvenNichtGespeichert(sitzung)) return 0;
  const auto pfad = common::DateiWaehlen("Load curve", "*.wur", kLaden, true);
  if (!pfad) return 0;
  return KurvendateiLaden(sitzung, *pfad);
}

int KurvenAnhaengen(Kurvensitzung& sitzung) {
  const auto pfad = common::DateiWaehlen("Append curves", "*.wur", kLaden, true);
  if (!pfad) return 0;
  return KurvendateiAnhaengen(sitzung, *pfad);
}

int KurvenExportieren(Kurvensitzung& sitzung) {
  const auto pfad = common::DateiWaehlen("Export curves", "*.txt", kSpeichern, false);
  if (!pfad) return 0;
  return KurvendateiExportieren(sitzung, *pfad);
}

int KurvenImportieren(Kurvensitzung& sitzung) {
  const auto pfad = common::DateiWaehlen("Import curves", "*.txt", kLaden, false);
  if (!pfad) return 0;
  return KurvendateiImportieren(sitzung, *pfad);
}

int AbbruchWeilKurvenNichtGespeichert(Kurvensitzung& sitzung) {
  if (!sitzung.gKurven.KurvenGeaendert) return 0;
  int fehler = 0;
  const int bleiben = common::Speicherfrage(
      AktuellerDateiname(sitzung), "Curve generator",
      [&sitzung](bool& abgebrochen) { return Speichern(sitzung, false, abgebrochen); }, fehler);
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  return bleiben;
}

}  // namespace curves
