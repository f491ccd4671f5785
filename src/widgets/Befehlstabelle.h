// A window's commands as one table, from which its menus and its toolbar are built: each
// row is one action with its text, tooltip, direct-help text, toolbar image, handler and
// check group, so that a command is described in one place.
#pragma once

#include <QKeySequence>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QActionGroup;
class QMenuBar;
class QObject;
class QToolBar;
class QWidget;

namespace widgets {

enum class Leistentrenner { Keiner, Aktiv, Gedimmt };

struct Befehlszeile {
  QAction** Ziel = nullptr;  // where the window keeps the action
  // The menu, "file" or "view/Display types of curves" for a submenu; empty: toolbar only.
  QString Menue;
  QString Text;
  QString Tipp;                 // the tooltip; empty: the text
  const char* Hilfe = nullptr;  // direct-help text; nullptr: silent in help mode
  const char* Bild = nullptr;   // toolbar image (ui::Knopfbild); nullptr: not in the toolbar
  // Runs on a click outside help mode. Empty: the window connects the action itself.
  std::function<void()> Aktion;
  bool AuchImHilfemodus = false;  // the direct-help switch itself
  bool MenueTrenner = false;      // a separator before it (or its submenu) in the menu
  Leistentrenner Trenner = Leistentrenner::Keiner;  // a separator before it in the toolbar
  QActionGroup* Gruppe = nullptr;                   // exclusive check group
  bool Pruefbar = false;                            // checkable (always so in a group)
  bool Aktiv = true;                                // enabled at the start
  QKeySequence Kurzwahl;
  QVariant Daten;
  // A widget in the toolbar in place of an action (the time-base list); made when the
  // toolbar is filled.
  std::function<QWidget*(QToolBar*)> Leistenelement;
};

// Makes every row's action (a child of besitzer) and stores it in the row's Ziel. In
// direct-help mode a click shows the row's help text and does nothing else.
void BefehleAnlegen(QObject* besitzer, const std::vector<Befehlszeile>& zeilen);

// Fills the menu bar in the order the menus first appear in the table.
void MenuesAnlegen(QMenuBar* leiste, const std::vector<Befehlszeile>& zeilen);

// Fills the toolbar with the rows that have an image or a toolbar widget, in table order.
void WerkzeugleisteFuellen(QToolBar* leiste, const std::vector<Befehlszeile>& zeilen);

// Appends a row for the action kept in ziel and returns it for the optional fields.
Befehlszeile& BefehlszeileAnhaengen(std::vector<Befehlszeile>& zeilen, QAction*& ziel,
                                    const char* menue, const QString& text, const char* hilfe,
                                    std::function<void()> aktion);

// The editors' toolbar "WERKZEUGLEISTE": fixed at the top, compact so that the whole row
// fits the main window's width, filled from the table.
QToolBar* KompakteWerkzeugleisteAnlegen(QMainWindow* fenster,
                                        const std::vector<Befehlszeile>& zeilen);

}  // namespace widgets
