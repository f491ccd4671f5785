#include "characteristic/files/Kennlinientext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "characteristic/model/KennlAllokation.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "common/KlassischeZahlen.h"
#include "common/Lesedatei.h"
#include "common/Raster.h"
#include "common/Speicherdatei.h"
#include "common/Textdatei.h"

namespace characteristic {
namespace {

bool Ueberspringen(const std::string& zeile) {
  for (char z : zeile) {
    if (z == ' ' || z == '\t') continue;
    return z == '#';
  }
  return true;
}

void Blanks(const char*& s) {
  while (*s == ' ') ++s;
}

bool Reell(const char*& s, double& wert) {
  // strtod would step over the tab; an empty field is a missing value.
  if (*s == '\0' || *s == '\t' || *s == ' ') return false;
  char* ende = nullptr;
  wert = std::strtod(s, &ende);
  if (ende == s) return false;
  s = ende;
  return true;
}

// Two reals separated by a tab, blanks allowed around them; the rest is not read.
bool ZeileZerlegen(const std::string& zeile, double& x, double& y) {
  const char* s = zeile.c_str();
  Blanks(s);
  if (!Reell(s, x)) return false;
  Blanks(s);
  if (*s != '\t') return false;
  ++s;
  Blanks(s);
  return Reell(s, y);
}

}  // namespace

int KennlTextExportieren(Kennliniensitzung& sitzung, const std::string& pfad) {
  static const char* const kKopfzeilen[] = {
      "# Characteristic curve exported from MIV3X-Curvegenerator",
      "# Column 1 = X value in per cent",
      "# Column 2 = Y value in per cent",
      "",
  };
  const common::KlassischeZahlen zahlen;
  common::Speicherdatei datei(pfad);
  if (const int fehler =
          common::TextexportBeginnen(datei, kKopfzeilen, kFehlerExportOeffnen, kFehlerExportKopf))
    return fehler;
  double x = 0.0;
  char zeile[96];
  for (const Kennlinienpunkt& p : sitzung.gKennl.Kennl.Punkte) {
    std::snprintf(zeile, sizeof(zeile), "%.2f\t%.2f", 100.0 * x / kRohSpanne,
                  100.0 * p.Y / kRohSpanne);
    if (!common::ZeileSchreiben(datei, zeile)) return kFehlerExportPunkte;
    x += p.Laenge;
  }
  if (!datei.Leeren()) return kFehlerExportPunkte;
  if (!common::ZeileSchreiben(datei, "")) return kFehlerExportEnde;
  return datei.AbschliessenMitCode(kFehlerExportOeffnen, kFehlerExportEnde);
}

int KennlTextImportieren(Kennliniensitzung& sitzung, const std::string& pfad) {
  const common::KlassischeZahlen zahlen;
  // Only a regular file: a FIFO or a device would hang the program.
  common::Lesedatei datei(pfad, true);
  if (!datei) return kFehlerImportOeffnen;
  std::int64_t gelesen = 0;

  std::vector<Kennlinienpunkt> punkte;
  double vorherX = 0.0;
  std::int32_t vorherPosition = 0;  // raw X of the previous point
  std::string zeile;
  int nummer = 0;
  for (;;) {
    const common::Textzeile ergebnis =
        common::TextzeileLesen(datei.Datei(), zeile, gelesen, kImportZeilenlaenge);
    if (ergebnis == common::Textzeile::Fehler) return kFehlerImportLesen;
    if (ergebnis == common::Textzeile::Ende) break;
    ++nummer;
    if (Ueberspringen(zeile)) continue;
    double x = 0.0, y = 0.0;
    if (!ZeileZerlegen(zeile, x, y))
      return common::ImportAblehnen(kFehlerImportWerte,
                                    "Error in line %d:\nWrong or too less values.", nummer);
    // Written so that "nan" fails the checks as well.
    if (!(y >= 0.0 && y <= 100.0))
      return common::ImportAblehnen(
          kFehlerImportYWert, "Error in line %d:\nY value of %.3f%% is not allowed.", nummer, y);
    if (!(x >= 0.0 && x <= 100.0))
      return common::ImportAblehnen(
          kFehlerImportXWert, "Error in line %d:\nX value of %.3f%% is not allowed.", nummer, x);
    if (punkte.empty()) {
      if (!(std::fabs(x) <= 0.000001))
        return common::ImportAblehnen(kFehlerImportStart,
                                      "Error in line %d:\nCurve has to start at X=0.", nummer);
    } else {
      const double d = x - vorherX;
      if (!(d > 0.000001))
        return common::ImportAblehnen(kFehlerImportXFolge,
                                      "Error in line %d:\nX-axis not continously.", nummer);
      // Positions, not differences, are rounded: two decimals of per cent are finer than a
      // raw step, so an exported characteristic comes back code for code.
      const std::int32_t laenge = common::ProzentInCode(x) - vorherPosition;
      if (laenge < 1)
        return common::ImportAblehnen(
            kFehlerImportAbstand,
            "Error in line %d:\nDifference in X direction between two points must "
            "be greater then zero.",
            nummer);
      punkte.back().Laenge = laenge;
    }
    if (!PunktfeldAnpassen(punkte, punkte.size() + 1)) return kFehlerImportSpeicher;
    punkte.back() = {common::ProzentInCode(y), 0, 0, {0, 0, 0}};
    vorherX = x;
    vorherPosition = common::ProzentInCode(x);
  }
  if (punkte.empty())
    return common::ImportAblehnen(kFehlerImportKeineDaten, "%s", "Curve data not found.");
  punkte.back().Laenge = 0;
  // The characteristic's array at the exact count, taken before anything changes.
  std::vector<Kennlinienpunkt> neu;
  if (!PunktfeldAnpassen(neu, punkte.size())) return kFehlerImportErsetzen;
  std::copy(punkte.begin(), punkte.end(), neu.begin());
  RueckgaengigSichern(sitzung);
  sitzung.gKennl.Kennl.Punkte.swap(neu);
  return 0;
}

}  // namespace characteristic
