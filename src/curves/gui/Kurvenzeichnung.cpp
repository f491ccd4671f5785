#include "curves/gui/Kurvenzeichnung.h"

#include "curves/edit/Ansicht.h"
#include "curves/edit/Markierung.h"
#include "curves/model/Kurvenmodell.h"

namespace curves::gui {

namespace {

using widgets::Punktreihe;

// The staircase of one line as points of a step plot whose height comes from the right
// point: the first unit, one point per unit end, the final rise at the line's end.
void StufenAnhaengen(const Geradenstueck& g, Punktreihe& punkte) {
  const Stufenzug z = StufenZeichnen(g.X0, g.Y0, g.X1, g.Y1, g.Zeitbasis);
  if (z.Leer()) return;
  // Lines join: the start is usually the previous line's end, already in the list.
  if (punkte.isEmpty() || punkte.constLast().key != z.AnfangX0 ||
      punkte.constLast().value != z.AnfangY)
    punkte.push_back({z.AnfangX0, z.AnfangY});
  for (std::size_t j = 0; j < z.X.size(); ++j) punkte.push_back({z.X[j], z.Y[j]});
  punkte.push_back({z.EndeX, z.EndeY1});
}

}  // namespace

widgets::Kurvenreihen KurvenreihenBilden(const Kurve& k, double xStart, double xEnde,
                                         int darstellung) {
  const bool linien = darstellung == kDarstellungLinien || darstellung == kDarstellungBeide;
  const bool stufen = darstellung == kDarstellungStufen || darstellung == kDarstellungBeide;

  // Filled straight into QCustomPlot's point records, already in time order.
  widgets::Kurvenreihen r;
  const std::vector<Geradenstueck> geraden = SichtbareGeraden(k, xStart, xEnde);
  const auto anzahl = static_cast<qsizetype>(geraden.size());
  r.Linien.reserve(anzahl + 1);
  r.Punkte.reserve(anzahl);
  if (stufen) r.Stufen.reserve(3 * anzahl);
  for (std::size_t j = 0; j < geraden.size(); ++j) {
    const Geradenstueck& g = geraden[j];
    if (linien) {
      if (g.Schlusslinie) {
        r.Schlusslinie = {{g.X0, g.Y0}, {g.X1, g.Y1}};
      } else {
        // The lines join, so one polyline carries them; it ends where the last drawn one
        // (or the one before the closing line) ends.
        r.Linien.push_back({g.X0, g.Y0});
        if (j + 1 == geraden.size() || geraden[j + 1].Schlusslinie)
          r.Linien.push_back({g.X1, g.Y1});
      }
    }
    r.Punkte.push_back({g.X0, g.Y0});
    if (stufen) StufenAnhaengen(g, g.Schlusslinie ? r.Schlussstufen : r.Stufen);
  }

  // Overview: every line of the curve.
  const std::vector<Geradenstueck> alle = AlleGeraden(k);
  r.Uebersicht.reserve(static_cast<qsizetype>(alle.size()) + 1);
  for (const auto& g : alle) r.Uebersicht.push_back({g.X0, g.Y0});
  if (!alle.empty()) r.Uebersicht.push_back({alle.back().X1, alle.back().Y1});
  return r;
}

void KurvenZeichnen(widgets::Kurvengrafik& grafik, int darstellung, bool zeitbasismarken) {
  grafik.SichtSetzen(gSicht.XStart, gSicht.XEnde + 1.0);
  const int aktuelle = gKurven.AktuelleKurve;
  if (aktuelle != 0) {
    const QColor linie = darstellung == kDarstellungLinien ? kTuerkis : kTransparent;
    const widgets::Kurvenreihen hinten =
        KurvenreihenBilden(gKurven.Kurven[0], gSicht.XStart, gSicht.XEnde, darstellung);
    grafik.HintergrundZeichnen(&hinten, {linie, kTransparent, kTuerkis, linie, kTuerkis});
  } else {
    grafik.HintergrundZeichnen(nullptr);
  }
  grafik.VordergrundZeichnen(
      KurvenreihenBilden(gKurven.Kurven[aktuelle], gSicht.XStart, gSicht.XEnde, darstellung),
      {kRot, kRot, kBlau, kHellrot, kHellblau});
  grafik.UebersichtSetzen(Kurvenlaenge(aktuelle));
  ZeitbasisMarkenZeichnen(grafik, zeitbasismarken);
  MarkierungZeichnen(grafik);
  grafik.Neuzeichnen();
}

void ZeitbasisMarkenZeichnen(widgets::Kurvengrafik& grafik, bool an) {
  std::vector<widgets::Senkrechtmarke> marken;
  if (an) {
    for (const Zeitbasismarke& m : ZeitbasisMarken(AktuelleKurveDaten()))
      marken.push_back({m.X, QString::fromLatin1(ZeitbasisName(m.Zeitbasis)), m.MitLinie});
  }
  grafik.SenkrechtmarkenSetzen(marken, kGelb);
}

void MarkierungZeichnen(widgets::Kurvengrafik& grafik) {
  grafik.MarkierungSetzen(gMarkierung.Aktiv, gMarkierung.Start, gMarkierung.Ende);
}

}  // namespace curves::gui
