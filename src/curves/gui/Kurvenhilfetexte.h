// The direct-help texts of the curve window's commands, tools and controls.
#pragma once

#include <QWidget>
#include <initializer_list>

#include "widgets/Editorhilfetexte.h"
#include "widgets/Hilfefilter.h"

namespace curves::gui::hilfe {

// What both editors say alike.
using namespace widgets::editorhilfe;

inline constexpr const char* kKommentar = "Opens the comment field for the current curve.";
inline constexpr const char* kKoordinatenfelder =
    "Display of the point coordinates and the time base for\n'Set point', 'Shift point', and "
    "'Coordinates.";
inline constexpr const char* kYRaster = "Grid for drawing the points\nin Y-direction.";
inline constexpr const char* kSpeicherbedarf =
    "Indicates the memory requirement for the current curves\nin the WUN-2 if transferred "
    "there.";
inline constexpr const char* kGraphKlein =
    "Total curve view.\nRed frame = section shown in the large graphic.";
inline constexpr const char* kZyklen =
    "Indicates the number of times the WUN-2 outputs the curve.\nIf zero is entered the curve "
    "is repeated continuously (until\nStop is pressed).\nThe number of cycles can be set "
    "independently for each curve.";
inline constexpr const char* kRuhezustand =
    "The value at which the output of the WUN-2\nstops if the curve is finished, in the\nunit "
    "specified in the 'Configuration'\nwindow.";
inline constexpr const char* kSchreiben =
    "Transfers the curves to the WUN-2.\nThe curves stored in the WUN-2 are overwritten.";
inline constexpr const char* kLesen =
    "Reads out the curves stored in the WUN-2.\nAll currently stored curves in "
    "WUN2-Control\nare overwritten.";
inline constexpr const char* kGraph =
    "Graphical representation of the curves to be output by the WUN-2.\nRed lines      = "
    "internally stored straight lines. \nBlue lines    = digitized straight lines as actually "
    "output.\nLight red line   = last straight section (see below)\nLight blue line = "
    "digitized last straight section (see below)\n\nThe 'last straight section':\nAt the end "
    "of the total curve there is always a straight section\nwith the length line and the time "
    "base of the last drawn point\n(the time base can be changed using 'Change time base'). "
    "It\nis used to connect the last and first point of the curve.\nDue to the cyclical "
    "processing of the curves the curve end\nmust always be merged with the curve "
    "beginning).\nThis straight section is output by the WUN-2 as the rest of\nthe curve, "
    "however, it is deleted automatically when drawing a\nnew curve section, and, possibly, "
    "created in a new form.";

// The window's controls with their texts (an empty text: the click is swallowed, nothing
// shown), on the window's form.
template <class Formular>
void FelderAnmelden(widgets::HilfeFilter& hf, Formular& u) {
  hf.Anmelden(u.KOMMENTAR, kKommentar);
  hf.Anmelden(u.KOMMENTARVORSCHAU, kKommentarvorschau);
  for (QWidget* w :
       std::initializer_list<QWidget*>{u.XSTUNDEN, u.XMINUTEN, u.XSEKUNDEN, u.XMILISEKUNDEN,
                                       u.YKOORDINATE, u.ZEITBASISINDICATOR})
    hf.Anmelden(w, kKoordinatenfelder);
  hf.Anmelden(u.YRASTER, kYRaster);
  hf.Anmelden(u.SPEICHERBEDARF, kSpeicherbedarf);
  hf.Anmelden(u.GRAPHKLEIN, kGraphKlein);
  hf.Anmelden(u.ZYKLEN, kZyklen);
  hf.Anmelden(u.RUHEZUSTAND, kRuhezustand);
  hf.Anmelden(u.SCHREIBEN, kSchreiben);
  hf.Anmelden(u.LESEN, kLesen);
  for (QWidget* w :
       std::initializer_list<QWidget*>{u.SCHREIBEN_2, u.LESEN_2, u.ANPASSEN_1, u.HAUPTFENSTER})
    hf.Anmelden(w, "");
}

}  // namespace curves::gui::hilfe
