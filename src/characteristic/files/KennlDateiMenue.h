// The characteristic window's file commands: each asks for a file through the operator
// interface and hands the path to the file functions. A cancelled dialog returns 0 and
// changes nothing; any other result is for the caller's error popup.
#pragma once

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// "Kennlinie speichern" (fragen 0: asks only when there is no current file name) and
// "Kennlinie speichern unter" (fragen 1: always asks).
int KennlinieSpeichern(Kennliniensitzung& sitzung, int fragen);
int KennlinieLaden(Kennliniensitzung& sitzung);
int KennlinieExportieren(Kennliniensitzung& sitzung);
int KennlinieImportieren(Kennliniensitzung& sitzung);

// The unsaved-changes question: 0 = go on, 1 = stop. "Yes" saves; a failed or cancelled
// save stops, so the changes are never dropped unsaved.
int AbbruchWeilKennlinieNichtGespeichert(Kennliniensitzung& sitzung);

}  // namespace characteristic
