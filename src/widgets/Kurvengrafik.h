// A large graph and its overview drawn with QCustomPlot from given point series and
// colours: a background and a foreground curve as lines, a closing line, point markers and
// steps, vertical markers with labels, a mark rectangle, draw and move previews,
// highlights, and the overview with the frame of the visible range. Each kind of plot is
// one batched plottable holding only what its pixel columns can show (see
// common/Spaltenausduennung), and the curves are painted per pixel column (see
// Rasterebene), so any curve redraws in a few milliseconds whatever the number of its
// points. What the series hold is the window's business (the curve window:
// Kurvenzeichnung).
#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <QString>
#include <QVector>
#include <optional>
#include <vector>

#include "common/Spaltenausduennung.h"
#include "widgets/Abweichungsbaender.h"
#include "widgets/Punktlaufplot.h"
#include "widgets/Rasterebene.h"

namespace widgets {

class YAchsenTicker;

using Punktreihe = QVector<QCPGraphData>;

// One curve as the graphs show it, in time order.
struct Kurvenreihen {
  Punktreihe Linien;        // one polyline
  Punktreihe Schlusslinie;  // the line that closes the cycle
  Punktreihe Punkte;        // point markers; one per pixel is drawn
  Punktreihe Stufen;        // a step plot, height from the right point (drawn by corners)
  Punktreihe Schlussstufen;
  Punktreihe Uebersicht;  // the overview's polyline
};

// Transparent hides a part. The overview takes the steps' colour.
struct Kurvenfarben {
  QColor Linie, Punkt, Stufe, Schlusslinie, Schlussstufe;
};

// A vertical marker: a label at the bottom, with or without a line over the full height.
struct Senkrechtmarke {
  double X;
  QString Text;
  bool MitLinie;
};

// The graph coordinates under a pixel of the widget, held inside the visible ranges: a
// mouse tool's cursor never leaves the plot area.
QPointF KoordinatenImSichtbereich(const QCustomPlot* graph, QPointF pixel);

class Kurvengrafik {
 public:
  // Point markers are squares of this many pixels.
  static constexpr int kMarkengroesse = 5;
  // The plot areas' background, and the outline that a line, marker or label too light
  // for it is drawn on (any colour keeps a contrast of 3:1 to what lies behind it).
  static const QColor kGrund;
  static const QColor kHalo;

  // yMax: the top of the Y range that marks, frames and marker lines span (from 0).
  Kurvengrafik(QCustomPlot* graph, QCustomPlot* klein, double yMax);
  ~Kurvengrafik();

  // The Y axis: labels show value * gain + offset; visible range min..max.
  void SkaliereYAchse(double gain, double offset, const QString& einheit, double min, double max);
  // The X axis labelled in a unit as the Y axis is (raw x * gain + offset). Without this
  // call its labels are the plain coordinates, as whole numbers.
  void SkaliereXAchse(double gain, double offset, const QString& einheit);
  // The large graph's X range; the overview frames it.
  void SichtSetzen(double von, double bis);
  // The overview's X range (the whole curve).
  void UebersichtSetzen(double laenge);

  // The foreground curve, and the background curve (nullptr: none). The series are thinned
  // to the pixel columns of the view and the overview as they stand, and again whenever
  // a graph's size or range changes before it is drawn.
  void VordergrundZeichnen(const Kurvenreihen& reihen, const Kurvenfarben& farben);
  void HintergrundZeichnen(const Kurvenreihen* reihen, const Kurvenfarben& farben = {});

  // The same for series a window has already thinned with GraphAbbildung() and
  // UebersichtAbbildung() (so that it need not build the full series first). The window
  // draws anew when these change: size, view, overview range or Y axis.
  void VordergrundZeichnen(const common::Spaltenreihen& reihen, const Kurvenfarben& farben);
  void HintergrundZeichnen(const common::Spaltenreihen& reihen, const Kurvenfarben& farben);
  // The pixel mappings of the plot areas, for the view, the overview's range and the Y axis
  // as last set.
  common::Pixelabbildung GraphAbbildung() const;
  common::Pixelabbildung UebersichtAbbildung() const;

  // Replaces the vertical markers; an empty list removes them.
  void SenkrechtmarkenSetzen(const std::vector<Senkrechtmarke>& marken, const QColor& farbe);
  // The mark rectangle in both graphs; hidden when not an.
  void MarkierungSetzen(bool an, double start = 0, double ende = 0);

  // Draw preview: a red line from (x0, y0) to (x, y) and a marker there.
  void ZeichenVorschau(bool an, double x0 = 0, double y0 = 0, double x = 0, double y = 0);
  // Move preview: red lines through the given points with a marker at punkt.
  void VerschiebeVorschau(bool an, const std::vector<QPointF>& linie = {}, QPointF punkt = {});
  // A red dot and a yellow line over everything (the point and line dialogs).
  void PunktHervorheben(bool an, double x = 0, double y = 0);
  void GeradeHervorheben(bool an, double x0 = 0, double y0 = 0, double x1 = 0, double y1 = 0);

  // The bands of the stretches the device holds otherwise (set by the window's drawing).
  Abweichungsbaender& Abweichungen() { return abweichungen_; }

  // Both graphs redrawn.
  void Neuzeichnen();

  QCustomPlot* Graph() const { return graph_; }
  QCustomPlot* Klein() const { return klein_; }
  const YAchsenTicker& Ticker() const { return *ticker_; }
  // The X axis' labels; nullptr until SkaliereXAchse.
  const YAchsenTicker* XTicker() const { return xTicker_.data(); }

  // What was drawn last, for checks.
  struct Plots {
    QCPGraph* Linien = nullptr;
    QCPGraph* Schlusslinie = nullptr;
    QCPGraph* Stufen = nullptr;
    QCPGraph* Schlussstufen = nullptr;
    Punktlaufplot* Punkte = nullptr;
  };
  const Plots& Aktuell() const { return aktuell_; }
  const Plots& Hintergrund() const { return hintergrund_; }
  QCPGraph* Uebersicht() const { return uebersicht_; }
  QCPItemRect* Rahmen() const { return rahmen_; }
  const Rasterebene* RasterGross() const { return rasterGross_; }
  QCPItemRect* MarkierungGross() const { return markeGross_; }
  QCPItemRect* MarkierungKlein() const { return markeKlein_; }
  QCPCurve* ZeitbasisLinien() const { return markenLinien_; }
  const std::vector<QCPItemText*>& ZeitbasisTexte() const { return markenTexte_; }
  QCPCurve* VorschauLinie() const { return vorschauLinie_; }
  QCPGraph* VorschauPunkt() const { return vorschauPunkt_; }
  QCPGraph* HervorhebungPunkt() const { return hervorhebungPunkt_; }

 private:
  // Series given in full, kept (shared, not copied) to be thinned again.
  struct Vorlage {
    Kurvenreihen Reihen;
    Kurvenfarben Farben;
  };
  // The outline under each line plot, sharing its data; shown for light colours only.
  struct Halos {
    QCPGraph *Linien, *Schlusslinie, *Stufen, *Schlussstufen, *Uebersicht;
  };
  Plots PlotsAnlegen(QCPLayer* ebene, Halos& halos);
  void KurveSetzen(const common::Spaltenreihen& r, const Plots& plots, const Halos& halos,
                   const Kurvenfarben& farben, QCPGraph* uebersicht);
  void Ausduennen(const Kurvenreihen& r);
  // After a layout: the given series thinned anew when a mapping changed.
  void NachLayout();
  void RechteckSetzen(QCPItemRect* r, double x0, double x1) const;
  bool VorschauLeer() const;
  void VorschauNeuzeichnen();

  QCustomPlot* graph_;
  QCustomPlot* klein_;
  double yMax_;
  Rasterebene* rasterGross_ = nullptr;
  Rasterebene* rasterKlein_ = nullptr;
  QSharedPointer<YAchsenTicker> ticker_;
  QSharedPointer<YAchsenTicker> xTicker_;
  Plots hintergrund_, aktuell_;
  Halos hintergrundHalos_{}, aktuellHalos_{};
  QCPCurve* markenHalo_ = nullptr;
  QCPCurve* hervorhebungHalo_ = nullptr;
  QCPGraph* uebersicht_ = nullptr;
  QCPGraph* hintergrundUebersicht_ = nullptr;
  QCPItemRect* rahmen_ = nullptr;
  QCPItemRect* markeGross_ = nullptr;
  QCPItemRect* markeKlein_ = nullptr;
  QCPCurve* markenLinien_ = nullptr;
  std::vector<QCPItemText*> markenTexte_;
  QCPLayer* vorschauEbene_ = nullptr;
  QCPCurve* vorschauLinie_ = nullptr;
  QCPGraph* vorschauPunkt_ = nullptr;
  QCPCurve* hervorhebungLinie_ = nullptr;
  QCPGraph* hervorhebungPunkt_ = nullptr;
  std::optional<Vorlage> vordergrund_, hintergrundVorlage_;
  common::Spaltenreihen puffer_;                // reused by every thinning
  common::Pixelabbildung graphAbb_, kleinAbb_;  // as of the last thinning
  QMetaObject::Connection graphLayout_, kleinLayout_;
  Abweichungsbaender abweichungen_;
};

}  // namespace widgets
