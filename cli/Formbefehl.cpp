#include "Formbefehl.h"

#include <cstdio>
#include <string>

#include "Dateibefehle.h"
#include "Fehlerausgabe.h"
#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/shapes/FormEinfuegen.h"
#include "curves/shapes/Formen.h"
#include "curves/shapes/Geradennaeherung.h"
#include "curves/transfer/Kurvenbild.h"

namespace cli {
namespace {

// The reason in words, then the code's line.
int FormfehlerMelden(int code, const std::string& meldung) {
  if (!meldung.empty()) std::fprintf(stderr, "miv3x: shape: %s\n", meldung.c_str());
  return FehlerMelden(code);
}

// A time of --from or --to; false with the reason when it is none.
bool ZeitAuswerten(const std::string& option, const std::string& text, double& mikro,
                   std::string& grund) {
  if (!curves::ZeitLesen(text, mikro, grund)) {
    grund = option + " '" + text + "' " + grund;
    return false;
  }
  if (mikro >= 0.0) return true;
  grund = option + " '" + text + "' is negative";
  return false;
}

void Berichten(int punkte, double fehler, const std::vector<curves::Kurvenpunkt>& kurve) {
  const auto bytes = curves::kKopfBytes + 2 * curves::Abtastwerte(kurve);
  std::printf("points: %d\nlargest error: %.2f codes\nmemory: %lld bytes (%.1f%% of %.0f)\n",
              punkte, fehler, static_cast<long long>(bytes),
              100.0 * static_cast<double>(bytes) / curves::kGeraetespeicherBytes,
              curves::kGeraetespeicherBytes);
}

}  // namespace

int FormAusgeben(const Aufruf& aufruf) {
  curves::Kurvensitzung sitzung;  // this command's curves
  if (const int fehler = curves::KurvenModellInitialisieren(sitzung)) return FehlerMelden(fehler);
  curves::Formauftrag auftrag;
  auftrag.Art = aufruf.dateien[0];
  for (std::size_t i = 1; i < aufruf.dateien.size(); ++i) {
    curves::Formparameter p;
    if (!curves::FormparameterTeilen(aufruf.dateien[i], p))
      return AufrufFehlerMelden(aufruf.befehl, "'" + aufruf.dateien[i] + "' is not NAME=VALUE");
    auftrag.Parameter.push_back(p);
  }
  const bool einfuegen = !aufruf.einfuegen.empty();
  const int kurve = aufruf.kurve == 0 ? 0 : aufruf.kurve - 1;
  double von = 0.0, bis = 0.0;
  if (einfuegen) {
    std::string grund;
    if (!ZeitAuswerten("--from", aufruf.von, von, grund) ||
        (!aufruf.bis.empty() && !ZeitAuswerten("--to", aufruf.bis, bis, grund)))
      return AufrufFehlerMelden(aufruf.befehl, grund);
    if (aufruf.bis.empty()) bis = von;
    // The file's own scaling gives the levels their unit.
    if (const int fehler = KurvendateiUebernehmen(sitzung, aufruf.einfuegen))
      return FehlerMelden(fehler);
  } else if (const int fehler = KonfigurationWaehlen(sitzung.Konfig, aufruf.konfig)) {
    return FehlerMelden(fehler);
  }
  auftrag.MaxFehler = aufruf.maxFehler;
  auftrag.Bezug.Konfig = sitzung.Konfig.gKonfig;
  auftrag.Bezug.Ausgang = kurve;  // curve n drives output n
  auftrag.Bezug.Angabe = aufruf.roh ? curves::Pegelangabe::Roh : curves::Pegelangabe::Einheit;

  curves::Form form;
  std::string meldung;
  if (const int fehler = curves::FormBerechnen(auftrag, form, meldung))
    return FormfehlerMelden(fehler, meldung);
  for (const auto& w : form.Warnungen) std::fprintf(stderr, "miv3x: warning: %s\n", w.c_str());

  int punkte = 0;
  if (einfuegen) {
    curves::Einfuegebericht bericht;
    if (const int fehler =
            curves::FormEinfuegen(sitzung.gKurven, kurve, von, bis, form, bericht, meldung))
      return FormfehlerMelden(fehler, meldung);
    punkte = bericht.Punktanzahl;
  } else {
    auto& k = sitzung.gKurven.Kurven[0].Punkte;
    k = curves::FormAlsKurve(form);
    if (curves::Abtastwerte(k) > curves::kMaxAbtastwerte)
      return FormfehlerMelden(curves::kFehlerNaeherungSpeicher,
                              "the curve " + curves::SpeicherMeldung(curves::Abtastwerte(k)));
    punkte = static_cast<int>(k.size());
  }
  const std::string& ziel = aufruf.ausgabe.empty() ? aufruf.einfuegen : aufruf.ausgabe;
  if (const int fehler = curves::KurvendateiSpeichern(sitzung, ziel)) return FehlerMelden(fehler);
  Berichten(punkte, form.GroessterFehler, sitzung.gKurven.Kurven[kurve].Punkte);
  return kStatusErfolg;
}

}  // namespace cli
