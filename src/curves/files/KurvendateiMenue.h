// The curve window's file commands: each asks for a file through the operator interface
// and hands the path to the file functions. A cancelled dialog returns 0 and changes
// nothing; any other result is for the caller's error popup.
#pragma once

namespace curves {

struct Kurvensitzung;

// Saves to the current file, or asks for a name when ask is set or there is none.
int KurvenSpeichern(Kurvensitzung& sitzung, int ask);
int KurvenLaden(Kurvensitzung& sitzung);
int KurvenAnhaengen(Kurvensitzung& sitzung);
// Curve 1 as text, or the edited curve as a SPICE PWL list when the name ends in ".pwl".
int KurvenExportieren(Kurvensitzung& sitzung);
// Text into the curves it names, or a ".pwl" list in place of the edited curve (one undo
// step).
int KurvenImportieren(Kurvensitzung& sitzung);

// The unsaved-changes question: 0 = go on, 1 = stop. "Yes" saves; a failed or cancelled
// save stops, so the changes are never dropped unsaved.
int AbbruchWeilKurvenNichtGespeichert(Kurvensitzung& sitzung);

}  // namespace curves
