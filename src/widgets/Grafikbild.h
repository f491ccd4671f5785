// Pictures of a graph: a picture description (common::Grafikinhalt) drawn with
// QCustomPlot onto a plot of its own, with the file name as title, the labelled axes and a
// legend of the series, and saved as PNG, SVG or PDF or printed. The curve window, the
// characteristic window and miv3x's plot commands all draw their pictures here.
#pragma once

#include <QString>
#include <string>

#include "common/Grafikinhalt.h"

class QCustomPlot;
class QPrinter;

namespace widgets {

inline constexpr int kFehlerBildformat = -401592;   // not .png, .svg or .pdf
inline constexpr int kFehlerBildgroesse = -401593;  // width or height outside the limits
inline constexpr int kFehlerBildSchreiben = -301594;

inline constexpr int kBildbreite = 1200;  // pixels, when none is given
inline constexpr int kBildhoehe = 700;
inline constexpr int kBildseiteMin = 100;
inline constexpr int kBildseiteMax = 10000;

enum class Bildformat { Png, Svg, Pdf, Unbekannt };
// By the path's extension, in any case.
Bildformat BildformatAusPfad(const std::string& pfad);

// The plot shows the description and nothing else: earlier series and titles go.
void GrafikinhaltZeichnen(QCustomPlot* plot, const common::Grafikinhalt& inhalt);

// Saves the picture at breite x hoehe pixels (points for PDF) in the format of the path's
// extension. A file already at pfad survives any failure. 0, or a code with a one-line
// meldung.
int GrafikbildSpeichern(const common::Grafikinhalt& inhalt, const std::string& pfad, int breite,
                        int hoehe, std::string& meldung);

// Prints the picture on one page, as large as the page allows at its proportions. False
// when the printer could not be opened.
bool GrafikbildDrucken(const common::Grafikinhalt& inhalt, QPrinter& drucker);

}  // namespace widgets
