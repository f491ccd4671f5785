// Characteristic files ("*.wue") by path: saving and loading. The file is read and checked
// whole first; the model changes only when it has been accepted.
#pragma once

#include <string>

#include "characteristic/model/Kennliniensitzung.h"
#include "config/GespeicherteKonfiguration.h"

namespace characteristic {

inline constexpr int kFehlerSpeichernOeffnen = -308515;  // also: target not replaceable
inline constexpr int kFehlerSpeichernKopf = -301516;
inline constexpr int kFehlerSpeichernPunkte = -301517;
inline constexpr int kFehlerLadenOeffnen = -308518;
inline constexpr int kFehlerLadenKopfKurz = -304519;
inline constexpr int kFehlerLadenKennung = -1025520;
inline constexpr int kFehlerLadenVersion = -303521;
inline constexpr int kFehlerLadenSpeicher = -600522;
inline constexpr int kFehlerLadenStandardpunkt = -600523;
inline constexpr int kFehlerLadenPunktanzahl = -312545;  // count below 1
inline constexpr int kFehlerLadenPunktwerte = -312546;   // Y, Laenge or X out of limits
// For callers that must not take the default point in place of damaged point data.
inline constexpr int kFehlerLadenPunkteKurz = -304547;

// What to do with the configuration record a file carries when it differs from gKonfig.
using Konfigwahl = config::Konfigwahl;

struct KennlLadebericht {
  bool beschaedigt = false;  // the point data were short: the default point was taken
  bool konfigurationVerschieden = false;
  bool konfigurationGeladen = false;
};

// Writes the characteristic, its comment, the output-2 and rise-time fields and gKonfig.
// The previous file there survives any failure. On success the title shows the file and
// KennlinieGeaendert is cleared.
int KennlDateiSpeichern(Kennliniensitzung& sitzung, const std::string& pfad);

// Replaces the characteristic, comment and the two transfer fields by the file's. Short
// point data give the default point and a warning. Then the configuration question, the
// title and KennlinieGeaendert cleared; the undo history stays.
int KennlDateiLaden(Kennliniensitzung& sitzung, const std::string& pfad,
                    Konfigwahl wahl = Konfigwahl::Fragen, KennlLadebericht* bericht = nullptr);

}  // namespace characteristic
