#include "widgets/Kurvengrafik.h"

#include <cmath>

#include "widgets/YAchsenTicker.h"

namespace widgets {

namespace {

const QColor kVorschau{0xFF, 0x00, 0x00};
const QColor kHervorhebung{0xFF, 0xFF, 0x00};
const QColor kMarkierung{0x00, 0x80, 0x00};
const QColor kRahmen{0xFF, 0x00, 0x00};

QPen Stift(const QColor& farbe, double breite = 1.0) {
  QPen stift(farbe);
  stift.setWidthF(breite);
  return stift;
}

QCPGraph* GraphAnlegen(QCustomPlot* plot, QCPLayer* ebene, QCPGraph::LineStyle stil) {
  auto* g = plot->addGraph();
  g->setLayer(ebene);
  g->setLineStyle(stil);
  g->setAdaptiveSampling(true);
  return g;
}

void Farbe(QCPGraph* g, const QColor& farbe) {
  g->setPen(Stift(farbe));
  g->setVisible(farbe.alpha() != 0);
}

QCPItemRect* RechteckAnlegen(QCustomPlot* plot, const QColor& farbe) {
  auto* r = new QCPItemRect(plot);
  r->setPen(Stift(farbe));
  r->setBrush(Qt::NoBrush);
  r->setSelectable(false);
  r->setVisible(false);
  return r;
}

// A point marker as a small opaque square: tens of thousands of them are plain copies,
// with nothing to blend or to render one by one.
QCPScatterStyle Punktmarke(const QColor& farbe) {
  static QHash<QRgb, QPixmap> bilder;
  QPixmap& bild = bilder[farbe.rgb()];
  if (bild.isNull()) {
    QImage quadrat(5, 5, QImage::Format_RGB32);
    quadrat.fill(farbe);
    bild = QPixmap::fromImage(quadrat);
  }
  return QCPScatterStyle(bild);
}

}  // namespace

Kurvengrafik::Kurvengrafik(QCustomPlot* graph, QCustomPlot* klein, double yMax)
    : graph_(graph), klein_(klein), yMax_(yMax), ticker_(new YAchsenTicker) {
  for (auto* plot : {graph_, klein_}) {
    plot->setNoAntialiasingOnDrag(true);
    plot->setNotAntialiasedElements(QCP::aeAll);
    plot->setPlottingHint(QCP::phFastPolylines, true);
    plot->yAxis->setRange(0, yMax_);
    plot->setAutoAddPlottableToLegend(false);
  }
  graph_->yAxis->setTicker(ticker_);
  // Times as whole numbers, not in powers of ten.
  graph_->xAxis->setNumberFormat("f");
  graph_->xAxis->setNumberPrecision(0);
  klein_->xAxis->setTickLabels(false);
  klein_->yAxis->setTickLabels(false);
  klein_->xAxis->setTicks(false);
  klein_->yAxis->setTicks(false);

  graph_->addLayer("vorschau", graph_->layer("main"), QCustomPlot::limAbove);
  vorschauEbene_ = graph_->layer("vorschau");
  vorschauEbene_->setMode(QCPLayer::lmBuffered);

  QCPLayer* haupt = graph_->layer("main");
  hintergrund_ = PlotsAnlegen(haupt);
  aktuell_ = PlotsAnlegen(haupt);
  hintergrundUebersicht_ = GraphAnlegen(klein_, klein_->layer("main"), QCPGraph::lsLine);
  uebersicht_ = GraphAnlegen(klein_, klein_->layer("main"), QCPGraph::lsLine);

  markenLinien_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  markenLinien_->setLayer(haupt);

  graph_->setCurrentLayer(haupt);
  markeGross_ = RechteckAnlegen(graph_, kMarkierung);
  klein_->setCurrentLayer("main");
  markeKlein_ = RechteckAnlegen(klein_, kMarkierung);
  rahmen_ = RechteckAnlegen(klein_, kRahmen);

  vorschauLinie_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  vorschauLinie_->setLayer(vorschauEbene_);
  vorschauLinie_->setPen(Stift(kVorschau));
  vorschauPunkt_ = GraphAnlegen(graph_, vorschauEbene_, QCPGraph::lsNone);
  vorschauPunkt_->setScatterStyle(
      QCPScatterStyle(QCPScatterStyle::ssDisc, kVorschau, kVorschau, 6));
  hervorhebungLinie_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  hervorhebungLinie_->setLayer(vorschauEbene_);
  hervorhebungLinie_->setPen(Stift(kHervorhebung, 2.0));
  hervorhebungPunkt_ = GraphAnlegen(graph_, vorschauEbene_, QCPGraph::lsNone);
  hervorhebungPunkt_->setScatterStyle(
      QCPScatterStyle(QCPScatterStyle::ssDisc, kVorschau, kVorschau, 9));
}

Kurvengrafik::~Kurvengrafik() = default;

Kurvengrafik::Plots Kurvengrafik::PlotsAnlegen(QCPLayer* ebene) {
  // In drawing order: lines, point markers, then the steps on top.
  Plots p;
  p.Linien = GraphAnlegen(graph_, ebene, QCPGraph::lsLine);
  p.Schlusslinie = GraphAnlegen(graph_, ebene, QCPGraph::lsLine);
  p.Punkte = GraphAnlegen(graph_, ebene, QCPGraph::lsNone);
  p.Stufen = GraphAnlegen(graph_, ebene, QCPGraph::lsStepRight);
  p.Schlussstufen = GraphAnlegen(graph_, ebene, QCPGraph::lsStepRight);
  return p;
}

void Kurvengrafik::RechteckSetzen(QCPItemRect* r, double x0, double x1) const {
  r->topLeft->setCoords(x0, yMax_);
  r->bottomRight->setCoords(x1, 0);
  r->setVisible(true);
}

void Kurvengrafik::SkaliereYAchse(double gain, double offset, const QString& einheit, double min,
                                  double max) {
  ticker_->Skalierung(gain, offset);
  graph_->yAxis->setLabel(einheit);
  graph_->yAxis->setRange(min, max);
}

void Kurvengrafik::SkaliereXAchse(double gain, double offset, const QString& einheit) {
  if (!xTicker_) {
    xTicker_.reset(new YAchsenTicker);
    graph_->xAxis->setTicker(xTicker_);
  }
  xTicker_->Skalierung(gain, offset);
  graph_->xAxis->setLabel(einheit);
}

void Kurvengrafik::SichtSetzen(double von, double bis) {
  // A draw or move preview left over from a drag that never ended goes with the old view.
  vorschauLinie_->data()->clear();
  vorschauPunkt_->data()->clear();
  graph_->xAxis->setRange(von, bis);
  RechteckSetzen(rahmen_, von, bis);
}

void Kurvengrafik::UebersichtSetzen(double laenge) {
  klein_->xAxis->setRange(0, laenge);
  klein_->yAxis->setRange(0, yMax_);
}

void Kurvengrafik::KurveSetzen(const Kurvenreihen& r, const Plots& plots,
                               const Kurvenfarben& farben, QCPGraph* uebersicht) {
  // A marker on the same pixel as the one before adds nothing to the picture. Both axes
  // are linear: pixel = coordinate * scale + offset.
  const QCPAxis* xAchse = graph_->xAxis;
  const QCPAxis* yAchse = graph_->yAxis;
  const double x0 = xAchse->coordToPixel(0.0), xs = xAchse->coordToPixel(1.0) - x0;
  const double y0 = yAchse->coordToPixel(0.0), ys = yAchse->coordToPixel(1.0) - y0;
  Punktreihe punkte;
  punkte.reserve(r.Punkte.size());
  double letzteX = 0.0, letzteY = 0.0;
  for (const QCPGraphData& p : r.Punkte) {
    const double mx = std::round(p.key * xs + x0);
    const double my = std::round(p.value * ys + y0);
    if (punkte.isEmpty() || mx != letzteX || my != letzteY) {
      punkte.push_back(p);
      letzteX = mx;
      letzteY = my;
    }
  }
  plots.Linien->data()->set(r.Linien, true);
  plots.Schlusslinie->data()->set(r.Schlusslinie, true);
  plots.Punkte->data()->set(punkte, true);
  plots.Stufen->data()->set(r.Stufen, true);
  plots.Schlussstufen->data()->set(r.Schlussstufen, true);
  Farbe(plots.Linien, farben.Linie);
  Farbe(plots.Schlusslinie, farben.Schlusslinie);
  Farbe(plots.Stufen, farben.Stufe);
  Farbe(plots.Schlussstufen, farben.Schlussstufe);
  plots.Punkte->setVisible(farben.Punkt.alpha() != 0);
  plots.Punkte->setScatterStyle(Punktmarke(farben.Punkt));
  uebersicht->data()->set(r.Uebersicht, true);
  Farbe(uebersicht, farben.Stufe);
}

void Kurvengrafik::VordergrundZeichnen(const Kurvenreihen& reihen, const Kurvenfarben& farben) {
  KurveSetzen(reihen, aktuell_, farben, uebersicht_);
}

void Kurvengrafik::HintergrundZeichnen(const Kurvenreihen* reihen, const Kurvenfarben& farben) {
  if (reihen) {
    KurveSetzen(*reihen, hintergrund_, farben, hintergrundUebersicht_);
    return;
  }
  for (auto* g : {hintergrund_.Linien, hintergrund_.Schlusslinie, hintergrund_.Punkte,
                  hintergrund_.Stufen, hintergrund_.Schlussstufen, hintergrundUebersicht_})
    g->data()->clear();
}

void Kurvengrafik::SenkrechtmarkenSetzen(const std::vector<Senkrechtmarke>& marken,
                                         const QColor& farbe) {
  for (auto* text : markenTexte_) graph_->removeItem(text);
  markenTexte_.clear();
  markenLinien_->data()->clear();
  markenLinien_->setPen(Stift(farbe));
  QVector<double> t, xs, ys;
  for (const Senkrechtmarke& m : marken) {
    if (m.MitLinie) {
      // One vertical line per marker, the lines apart by a gap.
      for (double y : {0.0, yMax_, qQNaN()}) {
        t.push_back(t.size());
        xs.push_back(m.X);
        ys.push_back(y);
      }
    }
    auto* text = new QCPItemText(graph_);
    text->setLayer("main");
    text->position->setCoords(m.X, 0);
    text->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    text->setColor(farbe);
    text->setFont(QApplication::font());
    text->setBrush(Qt::NoBrush);
    text->setPen(Qt::NoPen);
    text->setText(m.Text);
    text->setClipToAxisRect(true);
    markenTexte_.push_back(text);
  }
  if (!t.isEmpty()) markenLinien_->setData(t, xs, ys, true);
}

void Kurvengrafik::MarkierungSetzen(bool an, double start, double ende) {
  markeGross_->setVisible(false);
  markeKlein_->setVisible(false);
  if (an) {
    RechteckSetzen(markeGross_, start, ende);
    RechteckSetzen(markeKlein_, start, ende);
  }
}

void Kurvengrafik::ZeichenVorschau(bool an, double x0, double y0, double x, double y) {
  vorschauLinie_->data()->clear();
  vorschauPunkt_->data()->clear();
  if (an) {
    vorschauLinie_->setData(QVector<double>{x0, x}, QVector<double>{y0, y});
    vorschauPunkt_->setData(QVector<double>{x}, QVector<double>{y}, true);
  }
  vorschauEbene_->replot();
}

void Kurvengrafik::VerschiebeVorschau(bool an, const std::vector<QPointF>& linie, QPointF punkt) {
  vorschauLinie_->data()->clear();
  vorschauPunkt_->data()->clear();
  if (an) {
    QVector<double> xs, ys;
    for (const auto& p : linie) {
      xs.push_back(p.x());
      ys.push_back(p.y());
    }
    vorschauLinie_->setData(xs, ys);
    vorschauPunkt_->setData(QVector<double>{punkt.x()}, QVector<double>{punkt.y()}, true);
  }
  vorschauEbene_->replot();
}

void Kurvengrafik::PunktHervorheben(bool an, double x, double y) {
  hervorhebungPunkt_->data()->clear();
  if (an) hervorhebungPunkt_->setData(QVector<double>{x}, QVector<double>{y}, true);
  vorschauEbene_->replot();
}

void Kurvengrafik::GeradeHervorheben(bool an, double x0, double y0, double x1, double y1) {
  hervorhebungLinie_->data()->clear();
  if (an) hervorhebungLinie_->setData(QVector<double>{x0, x1}, QVector<double>{y0, y1});
  vorschauEbene_->replot();
}

void Kurvengrafik::Neuzeichnen() {
  graph_->replot();
  klein_->replot();
}

}  // namespace widgets
