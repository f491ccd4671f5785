// The characteristic commands: send a characteristic file into a device slot, read a slot
// into a file, select a slot through output 4, convert between characteristic files and
// text, and show the slot image. They call what the characteristic window calls.
#pragma once

#include <string>

#include "Aufruf.h"
#include "characteristic/model/Kennliniensitzung.h"

namespace cli {

// Takes a characteristic file into the session, with its configuration. A file whose point
// data are incomplete is refused rather than used with the default point in its place.
int KennliniendateiUebernehmen(characteristic::Kennliniensitzung& sitzung, const std::string& pfad);

int KennlinieSenden(const Aufruf& aufruf);
int KennlinieLesen(const Aufruf& aufruf);
int KennlinieAnwaehlen(const Aufruf& aufruf);
int KennlinieExportieren(const Aufruf& aufruf);
int KennlinieImportieren(const Aufruf& aufruf);
int KennlinienbildAusgeben(const Aufruf& aufruf);

}  // namespace cli
