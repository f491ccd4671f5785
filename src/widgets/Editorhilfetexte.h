// The direct-help texts both editor windows show alike: the zoom and redo commands, the
// point dialog, dividing a line, the display types, the comment preview and the Y zoom
// fields (which the frame registers).
#pragma once

namespace widgets::editorhilfe {

inline constexpr const char* kWiederherstellen = "Restores the last undone editing step.";
inline constexpr const char* kZoomPlus = "Enlarges the graphic.";
inline constexpr const char* kZoomMinus = "Reduces the graphic.";
inline constexpr const char* kZoomMarkierung = "Enlarges the graphic to the marked area.";
inline constexpr const char* kPunktdialog =
    "By clicking a curve point a window with coordinates is shown.\nThe coordinates can now "
    "be shifted, but only within the\nsame limits as specified under shifting points.";
inline constexpr const char* kTeilen =
    "Divides the straight line by inserting an\nadditional point.";
inline constexpr const char* kDarstellung =
    "Display types for the curves:\n- Lines: Only the internally stored straight lines "
    "(faster\n              graphic buildup)\n- Steps: The digitized lines as actually output "
    "by               the WUN-2.\n- Lin+St: Lines and steps at the same time.";
inline constexpr const char* kKommentarvorschau = "The first line of the curve comment.";
inline constexpr const char* kYZoom = "Scales the Y-axis of the graph.";

}  // namespace widgets::editorhilfe
