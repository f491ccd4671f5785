#include "curves/gui/Kurvengrafik.h"

#include <cmath>

#include "curves/edit/Ansicht.h"
#include "curves/edit/Markierung.h"
#include "curves/gui/YAchsenTicker.h"

namespace curves::gui {

namespace {

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

void RechteckSetzen(QCPItemRect* r, double x0, double x1) {
  r->topLeft->setCoords(x0, kRohMax);
  r->bottomRight->setCoords(x1, 0);
  r->setVisible(true);
}

}  // namespace

Kurvengrafik::Kurvengrafik(QCustomPlot* graph, QCustomPlot* klein)
    : graph_(graph), klein_(klein), ticker_(new YAchsenTicker) {
  for (auto* plot : {graph_, klein_}) {
    plot->setNoAntialiasingOnDrag(true);
    plot->setNotAntialiasedElements(QCP::aeAll);
    plot->setPlottingHint(QCP::phFastPolylines, true);
    plot->yAxis->setRange(0, kRohMax);
    plot->setAutoAddPlottableToLegend(false);
  }
  graph_->yAxis->setTicker(ticker_);
  // Microseconds as whole numbers, not in powers of ten.
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

  zeitbasisLinien_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  zeitbasisLinien_->setPen(Stift(kGelb));
  zeitbasisLinien_->setLayer(haupt);

  graph_->setCurrentLayer(haupt);
  markeGross_ = RechteckAnlegen(graph_, kGruen);
  klein_->setCurrentLayer("main");
  markeKlein_ = RechteckAnlegen(klein_, kGruen);
  rahmen_ = RechteckAnlegen(klein_, kRot);

  vorschauLinie_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  vorschauLinie_->setLayer(vorschauEbene_);
  vorschauLinie_->setPen(Stift(kRot));
  vorschauPunkt_ = GraphAnlegen(graph_, vorschauEbene_, QCPGraph::lsNone);
  vorschauPunkt_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kRot, kRot, 6));
  hervorhebungLinie_ = new QCPCurve(graph_->xAxis, graph_->yAxis);
  hervorhebungLinie_->setLayer(vorschauEbene_);
  hervorhebungLinie_->setPen(Stift(kGelb, 2.0));
  hervorhebungPunkt_ = GraphAnlegen(graph_, vorschauEbene_, QCPGraph::lsNone);
  hervorhebungPunkt_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kRot, kRot, 9));
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

void Kurvengrafik::SkaliereYAchse(double gain, double offset, const QString& einheit, int min,
                                  int max) {
  ticker_->Skalierung(gain, offset);
  graph_->yAxis->setLabel(einheit);
  graph_->yAxis->setRange(min, max);
}

namespace {

using Punktliste = QVector<QCPGraphData>;

// The staircase of one line as points of a step plot whose height comes from the right
// point: the first unit, one point per unit end, the final rise at the line's end.
void StufenAnhaengen(const Geradenstueck& g, Punktliste& punkte) {
  const Stufenzug z = StufenZeichnen(g.X0, g.Y0, g.X1, g.Y1, g.Zeitbasis);
  if (z.Leer()) return;
  // Lines join: the start is usually the previous line's end, already in the list.
  if (punkte.isEmpty() || punkte.constLast().key != z.AnfangX0 ||
      punkte.constLast().value != z.AnfangY)
    punkte.push_back({z.AnfangX0, z.AnfangY});
  for (std::size_t j = 0; j < z.X.size(); ++j) punkte.push_back({z.X[j], z.Y[j]});
  punkte.push_back({z.EndeX, z.EndeY1});
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

void Kurvengrafik::KurveZeichnen(const Kurve& k, const Plots& plots, const Kurvenfarben& farben,
                                 int darstellung, QCPGraph* uebersicht) {
  const bool linien = darstellung == kDarstellungLinien || darstellung == kDarstellungBeide;
  const bool stufen = darstellung == kDarstellungStufen || darstellung == kDarstellungBeide;

  // Filled straight into QCustomPlot's point records, already in time order.
  Punktliste l, p, st, sl, sst;
  const std::vector<Geradenstueck> geraden = SichtbareGeraden(k, gSicht.XStart, gSicht.XEnde);
  const auto anzahl = static_cast<qsizetype>(geraden.size());
  l.reserve(anzahl + 1);
  p.reserve(anzahl);
  if (stufen) st.reserve(3 * anzahl);
  // Both axes are linear: pixel = coordinate * scale + offset.
  const QCPAxis* xAchse = graph_->xAxis;
  const QCPAxis* yAchse = graph_->yAxis;
  const double x0 = xAchse->coordToPixel(0.0), xs = xAchse->coordToPixel(1.0) - x0;
  const double y0 = yAchse->coordToPixel(0.0), ys = yAchse->coordToPixel(1.0) - y0;
  double letzteMarkeX = 0.0, letzteMarkeY = 0.0;
  for (std::size_t j = 0; j < geraden.size(); ++j) {
    const Geradenstueck& g = geraden[j];
    if (linien) {
      if (g.Schlusslinie) {
        sl = {{g.X0, g.Y0}, {g.X1, g.Y1}};
      } else {
        // The lines join, so one polyline carries them; it ends where the last drawn one
        // (or the one before the closing line) ends.
        l.push_back({g.X0, g.Y0});
        if (j + 1 == geraden.size() || geraden[j + 1].Schlusslinie) l.push_back({g.X1, g.Y1});
      }
    }
    // A marker on the same pixel as the one before adds nothing to the picture.
    const double mx = std::round(g.X0 * xs + x0);
    const double my = std::round(g.Y0 * ys + y0);
    if (p.isEmpty() || mx != letzteMarkeX || my != letzteMarkeY) {
      p.push_back({g.X0, g.Y0});
      letzteMarkeX = mx;
      letzteMarkeY = my;
    }
    if (stufen) StufenAnhaengen(g, g.Schlusslinie ? sst : st);
  }
  plots.Linien->data()->set(l, true);
  plots.Schlusslinie->data()->set(sl, true);
  plots.Punkte->data()->set(p, true);
  plots.Stufen->data()->set(st, true);
  plots.Schlussstufen->data()->set(sst, true);
  Farbe(plots.Linien, farben.Linie);
  Farbe(plots.Schlusslinie, farben.Schlusslinie);
  Farbe(plots.Stufen, farben.Stufe);
  Farbe(plots.Schlussstufen, farben.Schlussstufe);
  plots.Punkte->setVisible(farben.Punkt.alpha() != 0);
  plots.Punkte->setScatterStyle(Punktmarke(farben.Punkt));

  // Overview: every line of the curve.
  const std::vector<Geradenstueck> alle = AlleGeraden(k);
  Punktliste u;
  u.reserve(static_cast<qsizetype>(alle.size()) + 1);
  for (const auto& g : alle) u.push_back({g.X0, g.Y0});
  if (!alle.empty()) u.push_back({alle.back().X1, alle.back().Y1});
  uebersicht->data()->set(u, true);
  Farbe(uebersicht, farben.Stufe);
}

void Kurvengrafik::KurvenpanelZeichnen(int darstellung, bool zeitbasismarken) {
  // A draw or move preview left over from a drag that never ended goes with the old picture.
  vorschauLinie_->data()->clear();
  vorschauPunkt_->data()->clear();
  graph_->xAxis->setRange(gSicht.XStart, gSicht.XEnde + 1.0);

  const int aktuelle = gKurven.AktuelleKurve;
  if (aktuelle != 0) {
    const QColor linie = darstellung == kDarstellungLinien ? kTuerkis : kTransparent;
    KurveZeichnen(gKurven.Kurven[0], hintergrund_, {linie, kTransparent, kTuerkis, linie, kTuerkis},
                  darstellung, hintergrundUebersicht_);
  } else {
    for (auto* g : {hintergrund_.Linien, hintergrund_.Schlusslinie, hintergrund_.Punkte,
                    hintergrund_.Stufen, hintergrund_.Schlussstufen, hintergrundUebersicht_})
      g->data()->clear();
  }
  KurveZeichnen(gKurven.Kurven[aktuelle], aktuell_, {kRot, kRot, kBlau, kHellrot, kHellblau},
                darstellung, uebersicht_);
  klein_->xAxis->setRange(0, Kurvenlaenge(aktuelle));
  klein_->yAxis->setRange(0, kRohMax);

  ZeitbasisMarkenZeichnen(zeitbasismarken);
  MarkierungZeichnen();
  RechteckSetzen(rahmen_, gSicht.XStart, gSicht.XEnde + 1.0);
  graph_->replot();
  klein_->replot();
}

void Kurvengrafik::ZeitbasisMarkenZeichnen(bool an) {
  for (auto* text : zeitbasisTexte_) graph_->removeItem(text);
  zeitbasisTexte_.clear();
  zeitbasisLinien_->data()->clear();
  if (!an) return;
  QVector<double> t, xs, ys;
  for (const Zeitbasismarke& m : ZeitbasisMarken(AktuelleKurveDaten())) {
    if (m.MitLinie) {
      // One vertical line per change, the lines apart by a gap.
      for (double y : {0.0, static_cast<double>(kRohMax), qQNaN()}) {
        t.push_back(t.size());
        xs.push_back(m.X);
        ys.push_back(y);
      }
    }
    auto* text = new QCPItemText(graph_);
    text->setLayer("main");
    text->position->setCoords(m.X, 0);
    text->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    text->setColor(kGelb);
    text->setFont(QApplication::font());
    text->setBrush(Qt::NoBrush);
    text->setPen(Qt::NoPen);
    text->setText(QString::fromLatin1(ZeitbasisName(m.Zeitbasis)));
    text->setClipToAxisRect(true);
    zeitbasisTexte_.push_back(text);
  }
  zeitbasisLinien_->setData(t, xs, ys, true);
}

void Kurvengrafik::MarkierungZeichnen() {
  markeGross_->setVisible(false);
  markeKlein_->setVisible(false);
  if (gMarkierung.Aktiv) {
    RechteckSetzen(markeGross_, gMarkierung.Start, gMarkierung.Ende);
    RechteckSetzen(markeKlein_, gMarkierung.Start, gMarkierung.Ende);
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

}  // namespace curves::gui
