// The configuration record a curve or characteristic file carries: when it differs from
// the one in use, it is taken over, kept out, or the operator is asked.
#pragma once

#include <string>

#include "config/Konfiguration.h"

namespace config {

struct Konfigsitzung;

// What to do with a file's configuration record when it differs from gKonfig.
enum class Konfigwahl { Fragen, Laden, NichtLaden };

struct Konfigurationsabgleich {
  bool verschieden = false;
  bool geladen = false;
};

// Compares the file's record (its unit texts terminated first) with the session's gKonfig
// and, when they differ, takes it over as wahl says. Fragen asks "Load configuration?" with
// a text that names what the file held ("curves", "characteristic curve").
Konfigurationsabgleich GespeicherteKonfigurationUebernehmen(Konfigsitzung& s,
                                                            Konfiguration gespeichert,
                                                            Konfigwahl wahl,
                                                            const std::string& dateiinhalt);

}  // namespace config
