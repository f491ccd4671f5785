#include "curves/files/Kurvenimport.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/KlassischeZahlen.h"
#include "common/Lesedatei.h"
#include "common/Raster.h"
#include "common/Textdatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Rueckgaengig.h"

namespace curves {
namespace {

bool Ueberspringen(const std::string& zeile) {
  for (char z : zeile) {
    if (z == ' ' || z == '\t' || z == '\r') continue;
    return z == '#';
  }
  return true;
}

// The four values of a data line.
struct Datenzeile {
  double zeit = 0.0;
  int zeitstellen = 0;  // decimals of the time as written (see Nachkommastellen)
  double wert = 0.0;
  std::string name;
  int kurve = 0;
};

bool Leerzeichen(char z) {
  return z == ' ' || z == '\t' || z == '\r' || z == '\n' || z == '\v' || z == '\f';
}

void BlanksUeberspringen(const char*& s) {
  while (*s == ' ') ++s;
}

bool Tabulator(const char*& s) {
  BlanksUeberspringen(s);
  if (*s != '\t') return false;
  ++s;
  BlanksUeberspringen(s);
  return true;
}

// The decimal places a number's text resolves, its exponent counted: "0.00025" and
// "2.5e-4" both resolve 5. A hexadecimal number resolves finer than any decimal text.
int Nachkommastellen(const char* anfang, const char* ende) {
  const char* s = anfang;
  if (s < ende && (*s == '+' || *s == '-')) ++s;
  if (ende - s > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) return 30;
  int stellen = 0;
  while (s < ende && *s >= '0' && *s <= '9') ++s;
  if (s < ende && *s == '.')
    for (++s; s < ende && *s >= '0' && *s <= '9'; ++s) ++stellen;
  if (s < ende && (*s == 'e' || *s == 'E')) stellen -= std::atoi(std::string(s + 1, ende).c_str());
  return std::clamp(stellen, -30, 30);
}

bool Reell(const char*& s, double& wert) {
  // strtod would step over a second tab; an empty field is a missing value.
  if (*s == '\0' || Leerzeichen(*s)) return false;
  char* ende = nullptr;
  wert = std::strtod(s, &ende);
  if (ende == s) return false;
  s = ende;
  return true;
}

// A data line is a real, a tab, a real, a tab, a word, a tab, an integer. Blanks may
// stand around the values, but each separator must be a tab; whatever follows the
// integer is not read. False when a value is missing.
bool ZeileZerlegen(const std::string& zeile, Datenzeile& d) {
  const char* s = zeile.c_str();
  BlanksUeberspringen(s);
  const char* zeitanfang = s;
  if (!Reell(s, d.zeit)) return false;
  d.zeitstellen = Nachkommastellen(zeitanfang, s);
  if (!Tabulator(s) || !Reell(s, d.wert) || !Tabulator(s)) return false;
  const char* wort = s;
  while (*s != '\0' && !Leerzeichen(*s)) ++s;
  if (s == wort) return false;
  d.name.assign(wort, s);
  if (!Tabulator(s) || *s == '\0' || Leerzeichen(*s)) return false;
  char* ende = nullptr;
  errno = 0;
  const long kurve = std::strtol(s, &ende, 10);
  if (ende == s) return false;
  // Out of range is still a number, just not an allowed one.
  d.kurve = errno == ERANGE || kurve > INT_MAX || kurve < INT_MIN ? (kurve < 0 ? INT_MIN : INT_MAX)
                                                                  : static_cast<int>(kurve);
  return true;
}

struct Liste {
  std::vector<Kurvenpunkt> punkte;
  double zeit = 0.0;    // of the last point, seconds
  int zeitstellen = 0;  // of the last point's time text
  int zeitbasis = 0;    // of the last point
};

// The end time our export writes behind the points, and how many points stood before it:
// it belongs to the last point only when no data line follows.
struct Endzeit {
  bool gelesen = false;
  double zeit = 0.0;
  int zeitstellen = 0;
  std::size_t punkte = 0;
};

bool EndzeitLesen(const std::string& zeile, Endzeit& ende) {
  const char* s = zeile.c_str();
  while (*s == ' ' || *s == '\t') ++s;
  const std::size_t n = std::strlen(kEndeKommentar);
  if (std::strncmp(s, kEndeKommentar, n) != 0) return false;
  s += n;
  const char* anfang = s;
  double zeit = 0.0;
  if (!Reell(s, zeit)) return false;
  ende.gelesen = true;
  ende.zeit = zeit;
  ende.zeitstellen = Nachkommastellen(anfang, s);
  return true;
}

// How far a line's length may lie from whole time-base units: within half the last decimal
// of its two time texts (a large time read from five decimals carries a binary error far
// above 1e-8 units), never below 1e-8 units. Just under the half, so a text that is really
// half a decimal off the grid is still refused.
double Rastertoleranz(int zeitstellen, const Liste& vorher) {
  const int stellen = std::max(zeitstellen, vorher.zeitstellen);
  const double halbeStelle = 0.5 * std::pow(10.0, -stellen);
  const double einheiten = 1000000.0 * halbeStelle / ZeitbasisInMikrosekunden(vorher.zeitbasis);
  return std::max(1e-8, einheiten * (1.0 - 1e-6));
}

// The closing line's length from the end time, when it fits the grid like a data line;
// otherwise the line keeps one unit, as for any text without an end time.
void Schlusslaenge(Liste& liste, const Endzeit& ende) {
  if (!ende.gelesen || ende.punkte != liste.punkte.size() || liste.punkte.empty()) return;
  const double u = 1000000.0 * (ende.zeit - liste.zeit) / ZeitbasisInMikrosekunden(liste.zeitbasis);
  const double einheiten = std::floor(u + 0.5);
  if (!(u < 65535.4) || einheiten < 1 ||
      std::fabs(u - einheiten) >= Rastertoleranz(ende.zeitstellen, liste))
    return;
  liste.punkte.back().Laenge = static_cast<std::int32_t>(einheiten);
}

}  // namespace

int KurvendateiImportieren(const std::string& pfad) {
  const common::KlassischeZahlen zahlen;
  // Only a regular file: a FIFO or a device would hang the program.
  common::Lesedatei datei(pfad, true);
  if (!datei) return kFehlerImportOeffnen;
  std::int64_t gelesen = 0;

  std::array<Liste, kKurven> listen;
  Endzeit ende;
  std::string zeile;
  int zeilennummer = 0;
  for (;;) {
    const common::Textzeile ergebnis =
        common::TextzeileLesen(datei.Datei(), zeile, gelesen, kImportZeilenlaenge);
    if (ergebnis == common::Textzeile::Fehler) return kFehlerImportLesen;
    if (ergebnis == common::Textzeile::Ende) break;
    ++zeilennummer;
    if (Ueberspringen(zeile)) {
      if (EndzeitLesen(zeile, ende)) ende.punkte = listen[0].punkte.size();
      continue;
    }

    Datenzeile d;
    if (!ZeileZerlegen(zeile, d))
      return common::ImportAblehnen(kFehlerImportWerte,
                                    "Error in line %d:\nWrong or to less values.", zeilennummer);
    const double zeit = d.zeit, wert = d.wert;
    const char* name = d.name.c_str();
    const int kurve = d.kurve;
    if (kurve != 1)
      return common::ImportAblehnen(kFehlerImportKurvennummer,
                                    "Error in line %d:\ncurve number %d not allowed.", zeilennummer,
                                    kurve);
    const int zeitbasis = ZeitbasisAusName(name);
    if (zeitbasis == 0)
      return common::ImportAblehnen(
          kFehlerImportZeitbasis, "Error in line %d:\nUnknown timebase '%s'.", zeilennummer, name);
    // Written so that "nan" fails every check as well.
    if (!(wert >= 0.0 && wert <= 100.0))
      return common::ImportAblehnen(kFehlerImportYWert,
                                    "Error in line %d:\nY value of %.03f%% is not allowed.",
                                    zeilennummer, wert);
    Liste& liste = listen[kurve - 1];
    if (liste.punkte.empty()) {
      if (!(std::fabs(zeit) <= 1e-8))
        return common::ImportAblehnen(
            kFehlerImportStart, "Error in line %d:\nCurve has to start with time=0.", zeilennummer);
    } else {
      const double abstand = zeit - liste.zeit;
      if (!(abstand > 1e-8))
        return common::ImportAblehnen(kFehlerImportZeitfolge,
                                      "Error in line %d:\nTime sequenz not continously.",
                                      zeilennummer);
      const double u = 1000000.0 * abstand / ZeitbasisInMikrosekunden(liste.zeitbasis);
      if (!(u < 65535.4))
        return common::ImportAblehnen(
            kFehlerImportZuLang,
            "Error in line %d:\nPart of curve ist to long\n(has to be smaler then "
            "65536 timebase units).",
            zeilennummer);
      if (std::fabs(u - std::floor(u + 0.5)) >= Rastertoleranz(d.zeitstellen, liste))
        return common::ImportAblehnen(
            kFehlerImportRaster,
            "Error in line %d:\nDifference in time of %.03f Seconds does not fit "
            "\ninto timebase %s.",
            zeilennummer, abstand, ZeitbasisName(liste.zeitbasis));
      const double einheiten = std::floor(u + 0.5);
      if (einheiten < 1)
        return common::ImportAblehnen(
            kFehlerImportNullAbstand,
            "Error in line %d:\nDifference in time between two points has to be "
            "bigger then zero.",
            zeilennummer);
      liste.punkte.back().Laenge = static_cast<std::int32_t>(einheiten);
    }
    if (!PunktfeldAnpassen(liste.punkte, liste.punkte.size() + 1)) return kFehlerImportSpeicher;
    Kurvenpunkt& p = liste.punkte.back();
    // Two decimals of per cent are finer than a code: the nearest code restores an
    // exported value exactly.
    p.Y = common::ProzentInCode(wert);
    p.Laenge = 1;
    p.Zeitbasis = static_cast<std::int8_t>(zeitbasis);
    liste.zeit = zeit;
    liste.zeitstellen = d.zeitstellen;
    liste.zeitbasis = zeitbasis;
  }

  bool daten = false;
  for (const Liste& liste : listen) daten = daten || !liste.punkte.empty();
  if (!daten) return common::ImportAblehnen(kFehlerImportKeineDaten, "%s", "Curve data not found.");
  Schlusslaenge(listen[0], ende);

  // Each curve's array at the exact count, all taken before any curve changes.
  std::array<std::vector<Kurvenpunkt>, kKurven> neu;
  for (int c = 0; c < kKurven; ++c) {
    if (listen[c].punkte.empty()) continue;
    if (!PunktfeldAnpassen(neu[c], listen[c].punkte.size())) return kFehlerImportErsetzen;
    std::copy(listen[c].punkte.begin(), listen[c].punkte.end(), neu[c].begin());
  }

  // Each imported curve gets its own undo step, taken as the edited curve.
  const int aktuelle = gKurven.AktuelleKurve;
  const bool aktuelleImportiert = !listen[aktuelle].punkte.empty();
  for (int c = 0; c < kKurven; ++c) {
    if (listen[c].punkte.empty()) continue;
    gKurven.AktuelleKurve = c;
    RueckgaengigSichern();
    gKurven.Kurven[c].Punkte.swap(neu[c]);
  }
  gKurven.AktuelleKurve = aktuelle;
  // The snapshots set the undo commands for the imported curve; the edited curve's own
  // steps must stay reachable.
  if (!aktuelleImportiert) UndoKnoepfeFuerKurve(aktuelle);
  return 0;
}

}  // namespace curves
