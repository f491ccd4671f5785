// The direct-help texts of the characteristic window, and the pin assignment box.
#pragma once

namespace characteristic::gui::hilfe {

inline constexpr const char* kNeu = "Deletes the characteristic curve.";
inline constexpr const char* kLaden = "Loads a characteristic curve from a file.";
inline constexpr const char* kSpeichern = "Saves the characteristic curve to a file.";
inline constexpr const char* kSpeichernUnter =
    "Saves the characteristic curve under a\nnew file name.";
inline constexpr const char* kImportieren = "Imports the characteristic curve from text format.";
inline constexpr const char* kExportieren = "Exports the characteristic curve into text format.";
inline constexpr const char* kRueckgaengig = "Undoes the last editing step.";
inline constexpr const char* kFunktionEinfuegen =
    "Puts a function y = f(x) (linear, dead band, saturation,\nsquare law or a formula) into "
    "the marked X range.";
inline constexpr const char* kWiederherstellen = "Restores the last undone editing step.";
inline constexpr const char* kZoomPlus = "Enlarges the graphic.";
inline constexpr const char* kZoomMinus = "Reduces the graphic.";
inline constexpr const char* kZoomMarkierung = "Enlarges the graphic to the marked area.";
inline constexpr const char* kZoomVoll =
    "Enlarges or reduces the graphic so the\ncharacteristic curve fits into the graphic\nwindow.";
inline constexpr const char* kMarkieren = "Marks curve section.";
inline constexpr const char* kZeichnen =
    "Draws an new curve point at the end of the current curve.";
inline constexpr const char* kVerschieben =
    "Shifts an existing curve point.\nA point can only be shifted within the previous and "
    "next\nstraight line.";
inline constexpr const char* kPunktdialog =
    "By clicking a curve point a window with coordinates is shown.\nThe coordinates can now be "
    "shifted, but only within the\nsame limits as specified under shifting points.";
inline constexpr const char* kKoordinatenWerkzeug =
    "If the mouse pointer is moved over the curve graphic with\npressed left mouse button the "
    "coordinates\nare shown at the mouse position.";
inline constexpr const char* kPunktLoeschen = "Deletes a curve point.";
inline constexpr const char* kTeilen =
    "Divides the straight line by inserting an\nadditional point.";
inline constexpr const char* kDarstellung =
    "Display types for the curves:\n- Lines: Only the internally stored straight lines "
    "(faster\n              graphic buildup)\n- Steps: The digitized lines as actually output "
    "by               the WUN-2.\n- Lin+St: Lines and steps at the same time.";
inline constexpr const char* kGraph =
    "Graphic representation of the characteristic curve in the WUN-2.\nRed lines      = "
    "internally stored straight lines. \nBlue lines    = digitized straight lines as actually "
    "output.\nLight red line   = Extra section up to end of area, if required\nLight blue line "
    "= digitized extra section";
inline constexpr const char* kGraphKlein =
    "Total characteristic view.\nRed frame = section shown in the large graphic.";
inline constexpr const char* kKommentarvorschau = "The first line of the curve comment.";
inline constexpr const char* kKommentar = "Opens the comment field.";
inline constexpr const char* kKoordinaten = "Display of the point coordinates.";
inline constexpr const char* kRaster =
    "Grid for drawing the points.\nThe unit for the grid points is the unit preset\nin the "
    "'Configuration' window for input 1 (X-direction),\nor for output 1 (Y-direction).";
inline constexpr const char* kYZoom = "Scales the Y-axis of the graph.";
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

}  // namespace characteristic::gui::hilfe
