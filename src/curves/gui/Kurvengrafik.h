// Drawing of the curve window's two graphs with QCustomPlot: the current curve (and curve
// 1 in the background when another curve is edited) in lines, point markers and the
// digitized steps, the time-base markers, the mark, the previews of the drawing and
// moving tools and the overview with its frame. Each kind of plot is one batched
// plottable, so a curve of tens of thousands of lines redraws in milliseconds.
#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <QString>
#include <QVector>
#include <memory>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace curves::gui {

class YAchsenTicker;

// Display types of the curves.
inline constexpr int kDarstellungLinien = 1;
inline constexpr int kDarstellungStufen = 2;
inline constexpr int kDarstellungBeide = 3;

// Colours of the drawing.
inline const QColor kRot{0xFF, 0x00, 0x00};
inline const QColor kBlau{0x00, 0x00, 0xFF};
inline const QColor kHellrot{255, 150, 150};
inline const QColor kHellblau{150, 150, 255};
inline const QColor kTuerkis{0x00, 0x80, 0x80};
inline const QColor kGelb{0xFF, 0xFF, 0x00};
inline const QColor kGruen{0x00, 0x80, 0x00};
inline const QColor kTransparent{Qt::transparent};

struct Kurvenfarben {
  QColor Linie, Punkt, Stufe, Schlusslinie, Schlussstufe;
};

class Kurvengrafik {
 public:
  Kurvengrafik(QCustomPlot* graph, QCustomPlot* klein);
  ~Kurvengrafik();

  // Full redraw of both graphs with the present model, view and mark. The Y axis must have
  // been scaled before (SkaliereYAchse).
  void KurvenpanelZeichnen(int darstellung, bool zeitbasismarken);
  // The Y axis for a curve: display gain and offset, axis name, visible raw range.
  void SkaliereYAchse(double gain, double offset, const QString& einheit, int min, int max);

  void ZeitbasisMarkenZeichnen(bool an);
  void MarkierungZeichnen();

  // Draw preview: a red line from (x0, y0) to the snapped (x, y) and a marker there.
  void ZeichenVorschau(bool an, double x0 = 0, double y0 = 0, double x = 0, double y = 0);
  // Move preview: red lines from the previous point and to the next (when they exist)
  // through the snapped position, with a marker there.
  void VerschiebeVorschau(bool an, const std::vector<QPointF>& linie = {}, QPointF punkt = {});
  // The point dialog's red dot and the line dialog's yellow line.
  void PunktHervorheben(bool an, double x = 0, double y = 0);
  void GeradeHervorheben(bool an, double x0 = 0, double y0 = 0, double x1 = 0, double y1 = 0);

  QCustomPlot* Graph() const { return graph_; }
  QCustomPlot* Klein() const { return klein_; }
  const YAchsenTicker& Ticker() const { return *ticker_; }

  // What was drawn last, for checks: the current curve's plottables and the marker labels.
  struct Plots {
    QCPGraph* Linien = nullptr;
    QCPGraph* Schlusslinie = nullptr;
    QCPGraph* Stufen = nullptr;
    QCPGraph* Schlussstufen = nullptr;
    QCPGraph* Punkte = nullptr;
  };
  const Plots& Aktuell() const { return aktuell_; }
  const Plots& Hintergrund() const { return hintergrund_; }
  QCPGraph* Uebersicht() const { return uebersicht_; }
  QCPItemRect* Rahmen() const { return rahmen_; }
  QCPItemRect* MarkierungGross() const { return markeGross_; }
  QCPItemRect* MarkierungKlein() const { return markeKlein_; }
  QCPCurve* ZeitbasisLinien() const { return zeitbasisLinien_; }
  const std::vector<QCPItemText*>& ZeitbasisTexte() const { return zeitbasisTexte_; }
  QCPCurve* VorschauLinie() const { return vorschauLinie_; }
  QCPGraph* VorschauPunkt() const { return vorschauPunkt_; }

 private:
  Plots PlotsAnlegen(QCPLayer* ebene);
  void KurveZeichnen(const Kurve& k, const Plots& plots, const Kurvenfarben& farben,
                     int darstellung, QCPGraph* uebersicht);

  QCustomPlot* graph_;
  QCustomPlot* klein_;
  QSharedPointer<YAchsenTicker> ticker_;
  Plots hintergrund_, aktuell_;
  QCPGraph* uebersicht_ = nullptr;
  QCPGraph* hintergrundUebersicht_ = nullptr;
  QCPItemRect* rahmen_ = nullptr;
  QCPItemRect* markeGross_ = nullptr;
  QCPItemRect* markeKlein_ = nullptr;
  QCPCurve* zeitbasisLinien_ = nullptr;
  std::vector<QCPItemText*> zeitbasisTexte_;
  QCPLayer* vorschauEbene_ = nullptr;
  QCPCurve* vorschauLinie_ = nullptr;
  QCPGraph* vorschauPunkt_ = nullptr;
  QCPCurve* hervorhebungLinie_ = nullptr;
  QCPGraph* hervorhebungPunkt_ = nullptr;
};

}  // namespace curves::gui
