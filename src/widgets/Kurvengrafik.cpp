#include "widgets/Kurvengrafik.h"

#include <algorithm>
#include <cmath>

#include "widgets/Kontrast.h"
#include "widgets/YAchsenTicker.h"

namespace widgets {

const QColor Kurvengrafik::kGrund{Qt::white};
const QColor Kurvengrafik::kHalo{0x20, 0x20, 0x20};

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
  // The series come thinned to the pixel columns already.
  g->setAdaptiveSampling(false);
  return g;
}

// A polyline the plot's raster paints, in the raster's order.
Rasterzug* ZugAnlegen(QCustomPlot* plot, QCPLayer* ebene, Rasterebene* raster) {
  auto* z = new Rasterzug(plot->xAxis, plot->yAxis);
  z->setLayer(ebene);
  raster->Anhaengen(z);
  return z;
}

void Farbe(QCPGraph* g, const QColor& farbe) {
  g->setPen(Stift(farbe));
  g->setVisible(farbe.alpha() != 0);
}

bool ZuHell(const QColor& farbe) {
  return farbe.alpha() != 0 && Kontrast(farbe, Kurvengrafik::kGrund) < kMindestkontrast;
}

// A plot in a colour, with its outline beneath shown when the colour is too light.
void Farbe(QCPGraph* g, QCPGraph* halo, const QColor& farbe) {
  Farbe(g, farbe);
  halo->setVisible(ZuHell(farbe));
}

template <typename Plot>
Plot* HaloAnlegen(Plot* halo, Plot* plot, double breite) {
  halo->setData(plot->data());  // shared, so it follows every change
  halo->setPen(Stift(Kurvengrafik::kHalo, breite + 2.0));
  halo->setVisible(false);
  return halo;
}

QCPItemRect* RechteckAnlegen(QCustomPlot* plot, const QColor& farbe) {
  auto* r = new QCPItemRect(plot);
  r->setPen(Stift(farbe));
  r->setBrush(Qt::NoBrush);
  r->setSelectable(false);
  r->setVisible(false);
  return r;
}

bool Gleich(const common::Pixelabbildung& a, const common::Pixelabbildung& b) {
  return a.X0 == b.X0 && a.Xs == b.Xs && a.Y0 == b.Y0 && a.Ys == b.Ys && a.Breite == b.Breite &&
         a.Hoehe == b.Hoehe;
}

void Setzen(QCPGraph* g, const std::vector<common::Zeichenpunkt>& punkte) {
  QVector<QCPGraphData> d;
  d.reserve(static_cast<qsizetype>(punkte.size()));
  for (const auto& p : punkte) d.push_back({p.X, p.Y});
  g->data()->set(d, true);
}

void Einspeisen(const Punktreihe& reihe, common::Linienausduenner& ziel) {
  for (const QCPGraphData& p : reihe) ziel.Punkt(p.key, p.value);
}

}  // namespace

QPointF KoordinatenImSichtbereich(const QCustomPlot* graph, QPointF pixel) {
  const QCPAxis* x = graph->xAxis;
  const QCPAxis* y = graph->yAxis;
  return {std::clamp(x->pixelToCoord(pixel.x()), x->range().lower, x->range().upper),
          std::clamp(y->pixelToCoord(pixel.y()), y->range().lower, y->range().upper)};
}

Kurvengrafik::Kurvengrafik(QCustomPlot* graph, QCustomPlot* klein, double yMax)
    : graph_(graph),
      klein_(klein),
      yMax_(yMax),
      ticker_(new YAchsenTicker),
      abweichungen_(graph, klein) {
  for (auto* plot : {graph_, klein_}) {
    plot->setNoAntialiasingOnDrag(true);
    plot->setNotAntialiasedElements(QCP::aeAll);
    // Thin plain lines go to the painter as one polyline each: splitting them into single
    // segments (QCustomPlot's "fast polylines") costs more than it saves at one pixel width.
    plot->setPlottingHint(QCP::phFastPolylines, false);
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

  // One paint buffer per graph: every buffer is filled and copied on each redraw. While a
  // preview is shown, the previews on top get a buffer of their own, so they redraw alone
  // (see VorschauNeuzeichnen).
  for (auto* plot : {graph_, klein_}) plot->layer("overlay")->setMode(QCPLayer::lmLogical);
  graph_->addLayer("vorschau", graph_->layer("overlay"), QCustomPlot::limAbove);
  vorschauEbene_ = graph_->layer("vorschau");
  vorschauEbene_->setMode(QCPLayer::lmLogical);

  for (auto* plot : {graph_, klein_}) plot->setBackground(QBrush(kGrund));
  // The curves first, beneath what is drawn over them.
  QCPLayer* haupt = graph_->layer("main");
  graph_->setCurrentLayer(haupt);
  rasterGross_ = new Rasterebene(graph_);
  hintergrund_ = PlotsAnlegen(haupt, hintergrundHalos_);
  aktuell_ = PlotsAnlegen(haupt, aktuellHalos_);
  QCPLayer* kleinHaupt = klein_->layer("main");
  klein_->setCurrentLayer(kleinHaupt);
  rasterKlein_ = new Rasterebene(klein_);
  hintergrundHalos_.Uebersicht = ZugAnlegen(klein_, kleinHaupt, rasterKlein_);
  hintergrundUebersicht_ = ZugAnlegen(klein_, kleinHaupt, rasterKlein_);
  HaloAnlegen(hintergrundHalos_.Uebersicht, hintergrundUebersicht_, 1.0);
  aktuellHalos_.Uebersicht = ZugAnlegen(klein_, kleinHaupt, rasterKlein_);
  uebersicht_ = ZugAnlegen(klein_, kleinHaupt, rasterKlein_);
  HaloAnlegen(aktuellHalos_.Uebersicht, uebersicht_, 1.0);

  markenHalo_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  markenHalo_->setLayer(haupt);
  markenLinien_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  markenLinien_->setLayer(haupt);
  HaloAnlegen(markenHalo_, markenLinien_, 1.0);

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
  hervorhebungHalo_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  hervorhebungHalo_->setLayer(vorschauEbene_);
  hervorhebungLinie_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  hervorhebungLinie_->setLayer(vorschauEbene_);
  hervorhebungLinie_->setPen(Stift(kHervorhebung, 2.0));
  HaloAnlegen(hervorhebungHalo_, hervorhebungLinie_, 2.0)->setVisible(ZuHell(kHervorhebung));
  hervorhebungPunkt_ = GraphAnlegen(graph_, vorschauEbene_, QCPGraph::lsNone);
  hervorhebungPunkt_->setScatterStyle(
      QCPScatterStyle(QCPScatterStyle::ssDisc, kVorschau, kVorschau, 9));

  // Series given in full follow a new size or range before they are drawn.
  graphLayout_ = QObject::connect(graph_, &QCustomPlot::afterLayout, [this] { NachLayout(); });
  kleinLayout_ = QObject::connect(klein_, &QCustomPlot::afterLayout, [this] { NachLayout(); });
}

Kurvengrafik::~Kurvengrafik() {
  QObject::disconnect(graphLayout_);
  QObject::disconnect(kleinLayout_);
}

Kurvengrafik::Plots Kurvengrafik::PlotsAnlegen(QCPLayer* ebene, Halos& halos) {
  // In drawing order: lines, point markers, then the steps on top; each line plot on its
  // outline.
  Plots p;
  auto linie = [&](QCPGraph*& halo) {
    halo = ZugAnlegen(graph_, ebene, rasterGross_);
    QCPGraph* g = ZugAnlegen(graph_, ebene, rasterGross_);
    HaloAnlegen(halo, g, 1.0);
    return g;
  };
  p.Linien = linie(halos.Linien);
  p.Schlusslinie = linie(halos.Schlusslinie);
  p.Punkte = new Punktlaufplot(graph_->xAxis, graph_->yAxis, kMarkengroesse);
  p.Punkte->setLayer(ebene);
  rasterGross_->Anhaengen(p.Punkte);
  // The staircases come as their corners, joined by straight pieces.
  p.Stufen = linie(halos.Stufen);
  p.Schlussstufen = linie(halos.Schlussstufen);
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

common::Pixelabbildung Kurvengrafik::GraphAbbildung() const {
  return AchsenAbbildung(graph_);
}

common::Pixelabbildung Kurvengrafik::UebersichtAbbildung() const {
  return AchsenAbbildung(klein_);
}

void Kurvengrafik::Ausduennen(const Kurvenreihen& r) {
  graphAbb_ = GraphAbbildung();
  kleinAbb_ = UebersichtAbbildung();
  common::Reihenausduenner a(graphAbb_, kleinAbb_, kMarkengroesse, puffer_);
  Einspeisen(r.Linien, a.Linien);
  Einspeisen(r.Schlusslinie, a.Schlusslinie);
  for (const QCPGraphData& p : r.Punkte) a.Punkte.Punkt(p.key, p.value);
  // A step plot whose height comes from the right point: each point rises at the key of
  // the point before, then runs level to its own key.
  for (auto* stufen : {&r.Stufen, &r.Schlussstufen}) {
    common::Linienausduenner& ziel = stufen == &r.Stufen ? a.Stufen : a.Schlussstufen;
    double vorher = stufen->isEmpty() ? 0.0 : stufen->constFirst().key;
    for (const QCPGraphData& p : *stufen) {
      ziel.Punkt(vorher, p.value);
      ziel.Punkt(p.key, p.value);
      vorher = p.key;
    }
  }
  Einspeisen(r.Uebersicht, a.Uebersicht);
  a.Abschliessen();
}

void Kurvengrafik::KurveSetzen(const common::Spaltenreihen& r, const Plots& plots,
                               const Halos& halos, const Kurvenfarben& farben,
                               QCPGraph* uebersicht) {
  Setzen(plots.Linien, r.Linien);
  Setzen(plots.Schlusslinie, r.Schlusslinie);
  plots.Punkte->Setzen(r.Punkte);
  Setzen(plots.Stufen, r.Stufen);
  Setzen(plots.Schlussstufen, r.Schlussstufen);
  Farbe(plots.Linien, halos.Linien, farben.Linie);
  Farbe(plots.Schlusslinie, halos.Schlusslinie, farben.Schlusslinie);
  Farbe(plots.Stufen, halos.Stufen, farben.Stufe);
  Farbe(plots.Schlussstufen, halos.Schlussstufen, farben.Schlussstufe);
  Farbe(plots.Punkte, farben.Punkt);
  plots.Punkte->Halo(ZuHell(farben.Punkt) ? kHalo : QColor(Qt::transparent));
  Setzen(uebersicht, r.Uebersicht);
  Farbe(uebersicht, halos.Uebersicht, farben.Stufe);
}

void Kurvengrafik::VordergrundZeichnen(const Kurvenreihen& reihen, const Kurvenfarben& farben) {
  vordergrund_ = Vorlage{reihen, farben};
  Ausduennen(reihen);
  KurveSetzen(puffer_, aktuell_, aktuellHalos_, farben, uebersicht_);
}

void Kurvengrafik::HintergrundZeichnen(const Kurvenreihen* reihen, const Kurvenfarben& farben) {
  hintergrundVorlage_.reset();
  if (reihen) {
    hintergrundVorlage_ = Vorlage{*reihen, farben};
    Ausduennen(*reihen);
    KurveSetzen(puffer_, hintergrund_, hintergrundHalos_, farben, hintergrundUebersicht_);
    return;
  }
  for (auto* g : {hintergrund_.Linien, hintergrund_.Schlusslinie, hintergrund_.Stufen,
                  hintergrund_.Schlussstufen, hintergrundUebersicht_})
    g->data()->clear();
  hintergrund_.Punkte->Setzen({});
}

void Kurvengrafik::VordergrundZeichnen(const common::Spaltenreihen& reihen,
                                       const Kurvenfarben& farben) {
  vordergrund_.reset();
  KurveSetzen(reihen, aktuell_, aktuellHalos_, farben, uebersicht_);
}

void Kurvengrafik::HintergrundZeichnen(const common::Spaltenreihen& reihen,
                                       const Kurvenfarben& farben) {
  hintergrundVorlage_.reset();
  KurveSetzen(reihen, hintergrund_, hintergrundHalos_, farben, hintergrundUebersicht_);
}

void Kurvengrafik::NachLayout() {
  if (!vordergrund_ && !hintergrundVorlage_) return;
  if (Gleich(graphAbb_, GraphAbbildung()) && Gleich(kleinAbb_, UebersichtAbbildung())) return;
  if (hintergrundVorlage_) {
    Ausduennen(hintergrundVorlage_->Reihen);
    KurveSetzen(puffer_, hintergrund_, hintergrundHalos_, hintergrundVorlage_->Farben,
                hintergrundUebersicht_);
  }
  if (vordergrund_) {
    Ausduennen(vordergrund_->Reihen);
    KurveSetzen(puffer_, aktuell_, aktuellHalos_, vordergrund_->Farben, uebersicht_);
  }
}

void Kurvengrafik::SenkrechtmarkenSetzen(const std::vector<Senkrechtmarke>& marken,
                                         const QColor& farbe) {
  for (auto* text : markenTexte_) graph_->removeItem(text);
  markenTexte_.clear();
  markenLinien_->data()->clear();
  markenLinien_->setPen(Stift(farbe));
  const bool zuHell = ZuHell(farbe);
  markenHalo_->setVisible(zuHell);
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
    // A label too light for the background stands on a dark box.
    text->setBrush(zuHell ? QBrush(kHalo) : QBrush(Qt::NoBrush));
    text->setPadding(QMargins(2, 0, 2, 0));
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
  VorschauNeuzeichnen();
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
  VorschauNeuzeichnen();
}

void Kurvengrafik::PunktHervorheben(bool an, double x, double y) {
  hervorhebungPunkt_->data()->clear();
  if (an) hervorhebungPunkt_->setData(QVector<double>{x}, QVector<double>{y}, true);
  VorschauNeuzeichnen();
}

void Kurvengrafik::GeradeHervorheben(bool an, double x0, double y0, double x1, double y1) {
  hervorhebungLinie_->data()->clear();
  if (an) hervorhebungLinie_->setData(QVector<double>{x0, x1}, QVector<double>{y0, y1});
  VorschauNeuzeichnen();
}

bool Kurvengrafik::VorschauLeer() const {
  return vorschauLinie_->data()->isEmpty() && vorschauPunkt_->data()->isEmpty() &&
         hervorhebungLinie_->data()->isEmpty() && hervorhebungPunkt_->data()->isEmpty();
}

void Kurvengrafik::VorschauNeuzeichnen() {
  // The first preview after a full redraw gets its buffer, which costs one full redraw
  // (QCustomPlot replots all when a buffer is new); the next ones redraw their layer alone.
  vorschauEbene_->setMode(QCPLayer::lmBuffered);
  vorschauEbene_->replot();
}

void Kurvengrafik::Neuzeichnen() {
  vorschauEbene_->setMode(VorschauLeer() ? QCPLayer::lmLogical : QCPLayer::lmBuffered);
  graph_->replot();
  klein_->replot();
}

}  // namespace widgets
