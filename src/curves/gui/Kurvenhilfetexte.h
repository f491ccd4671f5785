// The direct-help texts of the curve window's commands, tools and controls.
#pragma once

namespace curves::gui::hilfe {

inline constexpr const char* kNeu = "Deletes all curves.";
inline constexpr const char* kOeffnen = "Loads curves from a file.";
inline constexpr const char* kAnhaengen =
    "Loads curves from a file and appends them to\nexisting curves.";
inline constexpr const char* kSpeichern = "Saves the curve to a file.";
inline constexpr const char* kSpeichernUnter = "Saves the curve under a\nnew file name.";
inline constexpr const char* kImportieren = "Imports the curves from text format.";
inline constexpr const char* kExportieren = "Exports the curves into text format.";
inline constexpr const char* kCsvImportieren =
    "Reads sampled data from a CSV file (oscilloscope,\ndata logger, spreadsheet) and shows "
    "the fewest\nlines that follow them before they replace the\ncurve or the mark.";
inline constexpr const char* kBildSpeichern =
    "Saves the graph, as shown or the whole curves,\nas a PNG, SVG or PDF picture.";
inline constexpr const char* kDrucken = "Prints the graph, as shown or the whole curves.";
inline constexpr const char* kAusschneiden =
    "Deletes the marked curve section and stores it\nin the intermediate memory.";
inline constexpr const char* kKopieren =
    "Copies the marked curve section\ninto the intermediate memory.";
inline constexpr const char* kEinfuegen =
    "Inserts the curve section in the intermediate memory\ninto the curve at the mark.\nIf "
    "the marking marks one or several curve sections\nthese sections will be deleted\n";
inline constexpr const char* kLoeschen =
    "Deletes the marked curve section.\nThe length of the total curve is changed here.";
inline constexpr const char* kAllesMarkieren = "Marks the complete curve.";
inline constexpr const char* kFormEinfuegen =
    "Puts a standard shape (step, ramp, pulse train, sine, formula ...)\ninto the marked "
    "section of the current curve, or before its closing\nline when nothing is marked.";
inline constexpr const char* kPunkttabelle =
    "Shows or hides the table of the current curve's points\nbeside the graph.";
inline constexpr const char* kRueckgaengig = "Undoes the last edting step.";
inline constexpr const char* kWiederherstellen = "Restores the last undone editing step.";
inline constexpr const char* kZoomPlus = "Enlarges the graphic.";
inline constexpr const char* kZoomMinus = "Reduces the graphic.";
inline constexpr const char* kZoomMarkierung = "Enlarges the graphic to the marked area.";
inline constexpr const char* kZoomVoll =
    "Enlarges or reduces the graphic so the currently\nactive curve fits into the graphic "
    "window.";
inline constexpr const char* kMarkieren = "Mark curve section.";
inline constexpr const char* kZeichnen =
    "Draws an new curve point at the end of the current curve.\nThe time base of the new "
    "curve section corresponds to\nthe time base selected in the list.";
inline constexpr const char* kVerschieben =
    "Shifts an existing curve point.\nA point can only be shifted within the previous and "
    "next\nstraight line, and only in steps that correspond to the larger\ntime grid of the "
    "neighboring straight lines.";
inline constexpr const char* kPunktdialog =
    "By clicking a curve point a window with coordinates is shown.\nThe coordinates can now "
    "be shifted, but only within the\nsame limits as specified under shifting points.";
inline constexpr const char* kKoordinaten =
    "If the mouse pointer is moved over the curve graphic with\npressed left mouse button the "
    "coordinates and the time base\nare shown at the mouse position.\nAt the same time lines "
    "are drawn in the curve graphic indicating\nthe transition area from one time base to "
    "the other.";
inline constexpr const char* kPunktLoeschen =
    "Deletes a curve point.\nThe total length of the curve remains unchanged.";
inline constexpr const char* kTeilen =
    "Divides the straight line by inserting an\nadditional point.";
inline constexpr const char* kZeitbasis =
    "For the curve section that you click with the mouse\na new time base can be "
    "selected.\nThe length of the straight line is not changed (except\nlast straight "
    "section).\nThe new time base must be an integer factor of the\nline length (except the "
    "last straight section).";
inline constexpr const char* kLaenge =
    "Changes the length of a straight line without changing its time base.\nThe length of "
    "the total curve is changed here.";
inline constexpr const char* kZeitbasisliste =
    "The time base used to create a new point.\nSmaller time bases allow faster signal "
    "changes, and\ninclined straight lines have a finer resolution.\nLarger time bases allow "
    "signal characteristics\nover long periods.";
inline constexpr const char* kKurveWaehlen = "Selects a curve for editing.";
inline constexpr const char* kHintergrund =
    "Selects the curves (except the current curve)\nto be displayed in the graphic "
    "background.";
inline constexpr const char* kDarstellung =
    "Display types for the curves:\n- Lines: Only the internally stored straight lines "
    "(faster\n              graphic buildup)\n- Steps: The digitized lines as actually output "
    "by               the WUN-2.\n- Lin+St: Lines and steps at the same time.";
inline constexpr const char* kKommentar = "Opens the comment field for the current curve.";
inline constexpr const char* kKommentarvorschau = "The first line of the curve comment.";
inline constexpr const char* kKoordinatenfelder =
    "Display of the point coordinates and the time base for\n'Set point', 'Shift point', and "
    "'Coordinates.";
inline constexpr const char* kYRaster = "Grid for drawing the points\nin Y-direction.";
inline constexpr const char* kYZoom = "Scales the Y-axis of the graph.";
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
inline constexpr const char* kCursor =
    "Places two cursors on the curve graph and reads\nthe output at each, their distance, "
    "frequency,\nlevel difference and slope.\nClick to place or grab a cursor, drag it or "
    "move\nthe chosen one with the arrow keys; with Shift\nit snaps to the points.";
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

}  // namespace curves::gui::hilfe
