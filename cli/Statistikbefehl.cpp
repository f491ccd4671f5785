#include "Statistikbefehl.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "Fehlerausgabe.h"
#include "curves/files/Kurvendatei.h"
#include "curves/measure/Messung.h"
#include "curves/shapes/Formparameter.h"

namespace cli {
namespace {

// A time of --from or --to within the curve; false with the reason.
bool BereichszeitLesen(const std::string& option, const std::string& text, double laenge,
                       double& mikro, std::string& grund) {
  if (!curves::ZeitLesen(text, mikro, grund)) {
    grund = option + " '" + text + "' " + grund;
    return false;
  }
  if (mikro < 0.0 || mikro > laenge) {
    grund = option + " '" + text + "' is outside the curve (0 to " + curves::ZeitText(laenge) + ")";
    return false;
  }
  return true;
}

}  // namespace

int StatistikAusgeben(const Aufruf& aufruf) {
  auto inhalt = std::make_unique<curves::Kurvendateiinhalt>();
  if (const int fehler = curves::KurvendateiEinlesen(aufruf.dateien[0], true, *inhalt))
    return FehlerMelden(fehler);
  const int c = aufruf.kurve == 0 ? 0 : aufruf.kurve - 1;
  curves::Kurve kurve;
  kurve.Punkte = inhalt->punkte[static_cast<std::size_t>(c)];
  const double laenge = curves::Kurvenlaenge(kurve);

  double von = 0.0, bis = laenge;
  if (!aufruf.von.empty()) {
    std::string grund;
    if (!BereichszeitLesen("--from", aufruf.von, laenge, von, grund) ||
        !BereichszeitLesen("--to", aufruf.bis, laenge, bis, grund))
      return AufrufFehlerMelden(aufruf.befehl, grund);
    if (bis < von) return AufrufFehlerMelden(aufruf.befehl, "--to lies before --from");
  }

  const auto skalierung = curves::AusgabeskalierungAus(inhalt->kopf.Konfig, c);
  const auto s = curves::AusgabestatistikBerechnen(kurve, von, bis, skalierung);
  if (aufruf.json) {
    const nlohmann::json j = {{"curve", c + 1},
                              {"from_s", s.Von / 1e6},
                              {"to_s", s.Bis / 1e6},
                              {"duration_s", s.Dauer / 1e6},
                              {"points", s.Punkte},
                              {"memory_bytes", s.Speicherbytes},
                              {"memory_percent", s.SpeicherProzent},
                              {"min", s.Min},
                              {"max", s.Max},
                              {"mean", s.Mittel},
                              {"rms", s.Effektiv},
                              {"unit", skalierung.Einheit}};
    std::printf("%s\n", j.dump().c_str());
    return kStatusErfolg;
  }
  const char* e = skalierung.Einheit.c_str();
  std::printf(
      "curve: %d\nfrom: %s\nto: %s\nduration: %s\npoints: %d\nmemory: %lld bytes (%.1f%% of "
      "61440)\nmin: %.6g %s\nmax: %.6g %s\nmean: %.6g %s\nrms: %.6g %s\n",
      c + 1, curves::ZeitText(s.Von).c_str(), curves::ZeitText(s.Bis).c_str(),
      curves::ZeitText(s.Dauer).c_str(), s.Punkte, static_cast<long long>(s.Speicherbytes),
      s.SpeicherProzent, s.Min, e, s.Max, e, s.Mittel, e, s.Effektiv, e);
  return kStatusErfolg;
}

}  // namespace cli
