#include "config/GespeicherteKonfiguration.h"

#include "common/OperatorInterface.h"
#include "config/Konfigsitzung.h"

namespace config {

Konfigurationsabgleich GespeicherteKonfigurationUebernehmen(Konfigsitzung& s,
                                                            Konfiguration gespeichert,
                                                            Konfigwahl wahl,
                                                            const std::string& dateiinhalt) {
  Konfigurationsabgleich abgleich;
  // A unit text without its terminator must not reach the windows.
  EinheitenAbschliessen(gespeichert);
  if (KonfigurationenVergleichen(gespeichert, s.gKonfig) != 0) return abgleich;
  abgleich.verschieden = true;
  bool laden = wahl == Konfigwahl::Laden;
  if (wahl == Konfigwahl::Fragen) {
    common::MessageRequest frage;
    frage.title = "Load configuration?";
    frage.text = "The configuration (see 'Configuration' Window) of the loaded\n" + dateiinhalt +
                 " differs from the current configuration values.\n"
                 "Would you like to load the saved configuration, or would you like\n"
                 "to keep the current configuration?";
    frage.buttons = {"load", "do not load"};
    frage.activeButton = 1;
    frage.escapeButton = 2;
    laden = common::operatorInterface().message(frage) == 1;
  }
  if (laden) {
    KonfigurationSetzen(s, gespeichert);
    abgleich.geladen = true;
  }
  return abgleich;
}

}  // namespace config
