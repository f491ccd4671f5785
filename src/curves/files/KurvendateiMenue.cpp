#include "curves/files/KurvendateiMenue.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "common/Dateibefehle.h"
#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"
#include "curves/files/Pwl.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Titel.h"
#include "curves/shapes/PunkteEinsetzen.h"
#include "device/Fehler.h"

namespace curves {
namespace {

constexpr auto kSpeichern = common::FileRequest::Mode::Save;
constexpr auto kLaden = common::FileRequest::Mode::Load;
// The text format, and SPICE's piecewise-linear lists by their extension.
constexpr const char* kTextOderPwl = "*.txt;*.pwl";

bool PwlDatei(const std::string& pfad) {
  if (pfad.size() < 4) return false;
  std::string endung = pfad.substr(pfad.size() - 4);
  for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return endung == ".pwl";
}

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
  const auto pfad = common::DateiWaehlen("Export curves", kTextOderPwl, kSpeichern, false);
  if (!pfad) return 0;
  if (PwlDatei(*pfad))
    return PwlSchreiben(*pfad, AktuelleKurveDaten(sitzung).Punkte, sitzung.Konfig.gKonfig.voutmax);
  return KurvendateiExportieren(sitzung, *pfad);
}

int KurvenImportieren(Kurvensitzung& sitzung) {
  const auto pfad = common::DateiWaehlen("Import curves", kTextOderPwl, kLaden, false);
  if (!pfad) return 0;
  if (!PwlDatei(*pfad)) return KurvendateiImportieren(sitzung, *pfad);
  // Read whole before the edited curve changes, as one undo step.
  std::vector<Kurvenpunkt> punkte;
  if (const int fehler = PwlLesen(*pfad, sitzung.Konfig.gKonfig.voutmax, 0, punkte)) return fehler;
  std::string meldung;
  return PunkteEinsetzen(sitzung, punkte, Einsatzart::Ersetzen, meldung);
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
