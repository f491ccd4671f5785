#include "curves/files/Kurvenexport.h"

#include <cstdio>
#include <cstring>

#include "common/KlassischeZahlen.h"
#include "common/Speicherdatei.h"
#include "common/Textdatei.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

int KurvendateiExportieren(const std::string& pfad) {
  static const char* const kKopfzeilen[] = {
      "# Curves exported from MIV-3X_Curvegenerator",
      "# Column 1 = Time in secondsn",
      "# Column 2 = Y value in per cent",
      "# Column 3 = Timebase",
      "# Column 4 = Number of curve",
      "",
  };
  const common::KlassischeZahlen zahlen;
  common::Speicherdatei datei(pfad);
  if (const int fehler =
          common::TextexportBeginnen(datei, kKopfzeilen, kFehlerExportOeffnen, kFehlerExportKopf))
    return fehler;

  bool fehler = false;
  double zeit = 0.0;  // microseconds, accumulated point by point
  char zeile[128];
  for (const Kurvenpunkt& p : gKurven.Kurven[0].Punkte) {
    std::snprintf(zeile, sizeof(zeile), "%.5f\t%.2f\t%s\t%d", zeit / 1000000.0,
                  100.0 * p.Y / 4095.0, ZeitbasisName(p.Zeitbasis), 1);
    if (!common::ZeileSchreiben(datei, zeile)) fehler = true;
    zeit += p.Laenge * ZeitbasisInMikrosekunden(p.Zeitbasis);
  }
  // The closing line's length has no data line of its own; a comment, which every reader
  // skips, carries it for our own import.
  std::snprintf(zeile, sizeof(zeile), "%s%.5f s", kEndeKommentar, zeit / 1000000.0);
  if (!common::ZeileSchreiben(datei, zeile)) fehler = true;
  if (fehler || !datei.Leeren()) return kFehlerExportPunkte;
  if (!common::ZeileSchreiben(datei, "")) return kFehlerExportEnde;
  return datei.AbschliessenMitCode(kFehlerExportOeffnen, kFehlerExportEnde);
}

}  // namespace curves
