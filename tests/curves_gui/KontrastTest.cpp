// Everything the curve window draws stays legible: each line, marker and label has a
// contrast of at least 3:1 (WCAG) against what lies behind it, the plot background or the
// dark outline a light colour is drawn on. The stated colours stay as they are.
#include "Fensterhilfen.h"
#include "widgets/Kontrast.h"

namespace kurvenfenster {
namespace {

using widgets::Kontrast;
using widgets::Kurvengrafik;

struct Kontrastfall {
  QColor a, b;
  double kontrast;
};
class Kontraste : public ::testing::TestWithParam<Kontrastfall> {};
TEST_P(Kontraste, AsTheGuidelinesMeasureIt) {
  EXPECT_NEAR(GetParam().kontrast, Kontrast(GetParam().a, GetParam().b), 0.01);
}
INSTANTIATE_TEST_SUITE_P(Farben, Kontraste,
                         ::testing::Values(Kontrastfall{Qt::black, Qt::white, 21.0},
                                           Kontrastfall{Qt::red, Qt::red, 1.0},
                                           Kontrastfall{Qt::yellow, Qt::white, 1.07},
                                           Kontrastfall{Qt::blue, Qt::white, 8.59}));

// What lies behind a plottable: the outline drawn beneath with the same data, if shown.
QColor Dahinter(QCustomPlot* plot, QCPAbstractPlottable* p) {
  if (auto* l = dynamic_cast<widgets::Punktlaufplot*>(p))
    return l->Halo().alpha() ? l->Halo() : Kurvengrafik::kGrund;
  for (int i = 0; i < plot->plottableCount(); ++i) {
    QCPAbstractPlottable* h = plot->plottable(i);
    if (h == p || !h->visible() || h->pen().widthF() <= p->pen().widthF()) continue;
    auto* g = dynamic_cast<QCPGraph*>(p);
    auto* hg = dynamic_cast<QCPGraph*>(h);
    auto* c = dynamic_cast<QCPCurve*>(p);
    auto* hc = dynamic_cast<QCPCurve*>(h);
    if ((g && hg && g->data() == hg->data()) || (c && hc && c->data() == hc->data()))
      return h->pen().color();
  }
  return Kurvengrafik::kGrund;
}

bool Leer(QCPAbstractPlottable* p) {
  if (auto* g = dynamic_cast<QCPGraph*>(p)) return g->data()->isEmpty();
  if (auto* c = dynamic_cast<QCPCurve*>(p)) return c->data()->isEmpty();
  return false;
}

TEST_F(FensterTest, EveryColourDrawnHasThreeToOneAgainstWhatIsBehind) {
  // Curve 2 edited over curve 1: lines, steps, closing lines, markers of both, the overview,
  // the time-base markers with their labels, the mark, a draw preview and the highlights.
  sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {3000, 4, 3, {}}, {1000, 2, 1, {}}};
  sitzung.gKurven.Kurven[1].Punkte = {{500, 4, 3, {}}, {3500, 4, 1, {}}, {2000, 4, 2, {}}};
  panel->KurveWaehlen(2);
  panel->Aktionen().ZoomVoll->trigger();
  Werkzeug(curves::gui::Werkzeug::Koordinaten);
  panel->Aktionen().AllesMarkieren->trigger();
  panel->KurvenpanelZeichnen();
  auto& grafik = panel->Grafik();
  grafik.ZeichenVorschau(true, 0, 500, 4000, 3000);
  grafik.PunktHervorheben(true, 4000, 3000);
  grafik.GeradeHervorheben(true, 0, 500, 4000, 3000);
  ASSERT_FALSE(grafik.ZeitbasisTexte().empty());

  int geprueft = 0;
  for (QCustomPlot* plot : {grafik.Graph(), grafik.Klein()}) {
    for (int i = 0; i < plot->plottableCount(); ++i) {
      QCPAbstractPlottable* p = plot->plottable(i);
      if (!p->visible() || Leer(p)) continue;
      const QColor hinten = Dahinter(plot, p);
      // An outline itself is dark on the white background.
      EXPECT_GE(Kontrast(p->pen().color(), hinten), widgets::kMindestkontrast)
          << p->pen().color().name().toStdString() << " on " << hinten.name().toStdString();
      ++geprueft;
    }
    for (int i = 0; i < plot->itemCount(); ++i) {
      QCPAbstractItem* item = plot->item(i);
      if (!item->visible()) continue;
      if (auto* t = dynamic_cast<QCPItemText*>(item)) {
        const QColor hinten =
            t->brush().style() == Qt::NoBrush ? Kurvengrafik::kGrund : t->brush().color();
        EXPECT_GE(Kontrast(t->color(), hinten), widgets::kMindestkontrast)
            << t->text().toStdString();
        ++geprueft;
      } else if (auto* r = dynamic_cast<QCPItemRect*>(item)) {
        EXPECT_GE(Kontrast(r->pen().color(), Kurvengrafik::kGrund), widgets::kMindestkontrast);
        ++geprueft;
      }
    }
  }
  EXPECT_GE(geprueft, 18);
}

}  // namespace
}  // namespace kurvenfenster
