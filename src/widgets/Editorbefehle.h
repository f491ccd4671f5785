// The rows both editors' command tables are built of alike: a builder that appends rows,
// commands whose error code goes to the popup, the tool group and the direct-help switch.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

#include "widgets/Befehlstabelle.h"

class QAction;
class QActionGroup;
class QObject;

namespace widgets {

class Editorrahmen;

// zeile(ziel, menue, text, hilfe, aktion) appends a row and returns it for its optional
// fields; Zeilen is the table in the order the rows were appended.
class Befehlsbau {
 public:
  Befehlszeile& operator()(QAction*& ziel, const char* menue, const QString& text,
                           const char* hilfe, std::function<void()> aktion);
  std::vector<Befehlszeile> Zeilen;
};

// A command that answers with an error code: the code, if any, in the error popup.
std::function<void()> Gemeldet(std::function<int()> befehl);

// One mouse tool: menu text, tooltip, direct-help text and toolbar image.
struct Werkzeugzeile {
  const char *Text, *Tipp, *Hilfe, *Bild;
};

// The tools in `menue` as one exclusive group (a child of besitzer): row i keeps its action
// in ziele[i] and carries i as its data; a separator goes before the first in the menu and
// in the toolbar. The window handles the group's choice.
QActionGroup* WerkzeugeAnhaengen(Befehlsbau& zeile, QObject* besitzer, QAction** ziele,
                                 const char* menue, std::initializer_list<Werkzeugzeile> tools);

// The three display types (lines + steps, lines, steps: the values `werte`) as rows of one
// exclusive group (a child of besitzer) with the help text both editors share: row i is
// named namen[i], keeps its action in ziele[i], carries werte[i] and runs waehlen with it;
// anpassen gives row i what else the window wants of it.
QActionGroup* DarstellungenAnhaengen(Befehlsbau& zeile, QObject* besitzer, QAction** ziele,
                                     const char* menue, const char* const (&namen)[3],
                                     const int (&werte)[3], const std::function<void(int)>& waehlen,
                                     const std::function<void(Befehlszeile&, int)>& anpassen);

// The editor's direct-help switch, menu item and toolbar button in one, which the frame
// turns on and off and which works in help mode too.
Befehlszeile& DirekthilfeAnhaengen(Befehlsbau& zeile, QAction*& ziel, const char* menue,
                                   const char* text, Editorrahmen& rahmen);

}  // namespace widgets
