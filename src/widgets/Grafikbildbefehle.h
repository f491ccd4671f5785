// The windows' "Save graph as picture" and "Print graph" commands: the operator chooses
// the visible part or the whole, then the file (PNG, SVG or PDF by its extension) or the
// printer, through the operator interface and the print dialog. The window hands over how
// its picture is described for either part.
#pragma once

#include <functional>

#include "common/Grafikinhalt.h"

class QPrinter;
class QWidget;

namespace widgets {

// ganz: the whole curve or characteristic, else what the window shows. False when the
// window cannot describe it (its message already shown).
using Grafikbeschreibung = std::function<bool(bool ganz, common::Grafikinhalt& inhalt)>;

// "Visible part", "Whole" or cancelled (0) as the operator answers.
enum class Bildteil { Abgebrochen, Sichtbar, Ganz };
Bildteil BildteilFragen(const char* titel, const char* ganzText);

// Asks part and file, then saves; a refusal is shown. 0, or its code.
int GrafikbildSpeichernBefehl(const char* ganzText, const Grafikbeschreibung& beschreibung);

// Asks the part, then prints through the print dialog on fenster.
void GrafikbildDruckenBefehl(QWidget* fenster, const char* ganzText,
                             const Grafikbeschreibung& beschreibung);

}  // namespace widgets
