// The steps every file menu shares: choosing a file, saving under the present name or a
// chosen one, and the save question before unsaved work is dropped.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/OperatorInterface.h"

namespace common {

// The file dialog of a file command: the pattern ("*.wur") is the default name and the
// only type; nurEndung forces the pattern's extension on the chosen name. nullopt when the
// operator cancelled.
std::optional<std::string> DateiWaehlen(const std::string& titel, const std::string& muster,
                                        FileRequest::Mode modus, bool nurEndung);

// Saves to pfad, or to a name chosen in the dialog first (titel, muster) when fragen is set
// or pfad is empty. A cancelled dialog returns 0 with abgebrochen set; otherwise speichern's
// result.
int SpeichernMitAuswahl(bool fragen, const std::string& pfad, const std::string& titel,
                        const std::string& muster,
                        const std::function<int(const std::string&)>& speichern, bool& abgebrochen);

// The question "Would you like to save changes to <name> ?" (title "Warning", Yes/No/Cancel,
// Cancel answers Enter and Escape) for unsaved work; name is the file part of pfad, or
// ohneDatei when there is none. Yes calls speichern (as SpeichernMitAuswahl's last two
// arguments). 0: the caller may go on (saved, or "No"); 1: it must stay ("Cancel", the save
// dialog cancelled, or the save failed: fehler then holds the code for the caller to show).
int Speicherfrage(const std::string& pfad, const std::string& ohneDatei,
                  const std::function<int(bool& abgebrochen)>& speichern, int& fehler);

}  // namespace common
