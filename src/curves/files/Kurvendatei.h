// Curve files ("*.wur"): saving, opening and appending by path. The file is read and
// checked whole into temporary curves first; the model changes only when the file has
// been accepted, so a refused file leaves every curve as it was.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "config/GespeicherteKonfiguration.h"
#include "curves/files/Kurvendateikopf.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

struct Kurvensitzung;

// Saving.
inline constexpr int kFehlerSpeichernOeffnen = -308432;  // also: target not replaceable
inline constexpr int kFehlerSpeichernKopf = -301433;
inline constexpr int kFehlerSpeichernPunkte = -301434;
// Opening and appending.
inline constexpr int kFehlerLadenOeffnen = -308435;
inline constexpr int kFehlerLadenKopfKurz = -304436;
inline constexpr int kFehlerLadenKennung = -1020437;
inline constexpr int kFehlerLadenVersion = -303438;
inline constexpr int kFehlerLadenSpeicher = -600439;
inline constexpr int kFehlerLadenStandardkurve = -600440;
inline constexpr int kFehlerAnhaengenPunkteKurz = -304462;  // damaged file, nothing appended
inline constexpr int kFehlerPunktanzahl = -312463;  // count below 1 or beyond the file's size
inline constexpr int kFehlerPunktwerte = -312464;   // Y, Laenge or Zeitbasis out of limits
inline constexpr int kFehlerKopfwerte = -312467;    // cycles or idle state out of limits

// What to do with the configuration record a file carries when it differs from gKonfig.
using Konfigwahl = config::Konfigwahl;

struct Ladebericht {
  std::vector<int> beschaedigteKurven;  // curve numbers 1..4 whose point data were short
  bool konfigurationVerschieden = false;
  bool konfigurationGeladen = false;
};

// A curve file as read, before anything is taken into the model.
struct Kurvendateiinhalt {
  Kurvendateikopf kopf{};
  std::array<std::vector<Kurvenpunkt>, kKurven> punkte;
  std::array<bool, kKurven> kurz{};  // the file ended inside this curve's points
};

// Reads and checks a whole curve file. Short point data are marked in `kurz` (the curve's
// list then stays empty) unless vollstaendig is set, which refuses them with
// kFehlerAnhaengenPunkteKurz. Counts, point values, cycles and idle states are checked; 0 or
// a code.
int KurvendateiEinlesen(const std::string& pfad, bool vollstaendig, Kurvendateiinhalt& inhalt);

// Writes the four curves, their comments, cycles, idle states and gKonfig to pfad. The
// previous file there survives any failure. On success the title shows the file and
// KurvenGeaendert is cleared.
int KurvendateiSpeichern(Kurvensitzung& sitzung, const std::string& pfad);

// Replaces the four curves by the file's. Curves whose point data are short become the
// default curve, keeping their comment, cycles and idle state, and the operator is told
// which. Then the configuration question, title, Kurvenzahl 4, KurvenGeaendert cleared;
// the undo histories stay.
int KurvendateiLaden(Kurvensitzung& sitzung, const std::string& pfad,
                     Konfigwahl wahl = Konfigwahl::Fragen, Ladebericht* bericht = nullptr);

// Appends the file's points behind each curve's points; comments, cycles and idle states
// stay. A file with short point data is refused and nothing changes.
int KurvendateiAnhaengen(Kurvensitzung& sitzung, const std::string& pfad,
                         Konfigwahl wahl = Konfigwahl::Fragen, Ladebericht* bericht = nullptr);

}  // namespace curves
