// The direct-help texts of the characteristic window, and the pin assignment box.
#pragma once

#include <QWidget>
#include <initializer_list>

#include "widgets/Editorhilfetexte.h"
#include "widgets/Hilfefilter.h"

namespace characteristic::gui::hilfe {

// What both editors say alike.
using namespace widgets::editorhilfe;

inline constexpr const char* kGraph =
    "Graphic representation of the characteristic curve in the WUN-2.\nRed lines      = "
    "internally stored straight lines. \nBlue lines    = digitized straight lines as actually "
    "output.\nLight red line   = Extra section up to end of area, if required\nLight blue line "
    "= digitized extra section";
inline constexpr const char* kGraphKlein =
    "Total characteristic view.\nRed frame = section shown in the large graphic.";
inline constexpr const char* kKommentar = "Opens the comment field.";
inline constexpr const char* kKoordinaten = "Display of the point coordinates.";
inline constexpr const char* kRaster =
    "Grid for drawing the points.\nThe unit for the grid points is the unit preset\nin the "
    "'Configuration' window for input 1 (X-direction),\nor for output 1 (Y-direction).";
inline constexpr const char* kBegrenzung =
    "Output 2 can be assigned a fixed value\noutput during characteristic controlling\n(e.g. "
    "for current limiting). The value must\nbe specified in the unit preset in "
    "the\n'Configuration' window for output 2.";
inline constexpr const char* kKurvenNr =
    "The number of the storage location to be read/written\nto during 'write to WUN-2' and "
    "'read from WUN-2.";
inline constexpr const char* kSchreiben =
    "Transfers the characteristic curve to the WUN-2.\nto the storage location specified in "
    "field\n'Curve No.'.";
inline constexpr const char* kLesen =
    "Reads a characteristic curve from the storage location\nspecified in field 'Curve No.'.";
inline constexpr const char* kAusgang4Setzen =
    "Sets output 4 of the WUN-2 to the output voltage value\nof the characteristic curve preset "
    "under 'Curve No.'.\nThis will select this characteristic curve if output 4\nof the WUN-2 "
    "is connected to characteristic input 3.";
inline constexpr const char* kAnstiegszeit =
    "The characteristic output is delayed in a way that\nit requires the time preset here to "
    "rise from 0 to\n100% (or fall).\nThis setting is used to suppress oscillations.";

inline constexpr const char* kPinbelegung =
    "Connector pins in characteristic controller mode\n\nPin 1:    UB +15V DC\nPin 2:    UB "
    "GND\nPin 3:    Characteristic output\nPin 4:    GND\nPin 5:    adjustable analog output "
    "2\nPin 6:    GND\nPin 7:    not used\nPin 8:    GND\nPin 9:    Output 4: 10 V or selection "
    "voltage - output\nPin 10:  not used\nPin 11:  GND\nPin 12:  Characteristic input\nPin 13:  "
    "GND\nPin 14:  Characteristic selection voltage - input\nPin 15:  GND\nPin 16:  Start/Stop "
    "signal";

// The window's controls with their texts (an empty text: the click is swallowed, nothing
// shown), on the window's form.
template <class Formular>
void FelderAnmelden(widgets::HilfeFilter& hf, Formular& u) {
  hf.Anmelden(u.GRAPHKLEIN, kGraphKlein);
  hf.Anmelden(u.KOMMENTARVORSCHAU, kKommentarvorschau);
  hf.Anmelden(u.KOMMENTAR, kKommentar);
  for (QWidget* w : std::initializer_list<QWidget*>{u.XKOORDINATE, u.YKOORDINATE})
    hf.Anmelden(w, kKoordinaten);
  hf.Anmelden(u.XRASTER, kRaster);
  hf.Anmelden(u.YRASTER, kRaster);
  hf.Anmelden(u.BEGRENZUNG, kBegrenzung);
  hf.Anmelden(u.KURVENNR, kKurvenNr);
  hf.Anmelden(u.SCHREIBEN, kSchreiben);
  hf.Anmelden(u.LESEN, kLesen);
  hf.Anmelden(u.AUSGANG4SETZEN, kAusgang4Setzen);
  hf.Anmelden(u.ANSTIEGSZEIT, kAnstiegszeit);
  hf.Anmelden(u.ZURUECK, "");
}

}  // namespace characteristic::gui::hilfe
