#include "characteristic/gui/Kennlzeichnung.h"

#include "characteristic/edit/KennlGeraden.h"
#include "characteristic/model/Kennlinienmodell.h"

namespace characteristic::gui {

namespace {

using widgets::Punktreihe;

// Lines join: a staircase starts where the one before ended, already in the list. That
// corner is the final rise of the line before; the first step of this line draws the same
// rise, so the corner goes (a slot read back has one-step lines: half the corners).
void StufenAnhaengen(const KennlGerade& g, Punktreihe& punkte) {
  bool erste = true;
  KennlStufenDurchlaufen(g, [&punkte, &erste](double x, double y) {
    const qsizetype n = punkte.size();
    if (erste && n > 0 && punkte[n - 1].key == x && punkte[n - 1].value == y) {
      erste = false;
      if (n > 1 && punkte[n - 2].key == x) punkte.removeLast();
      return;
    }
    erste = false;
    punkte.push_back({x, y});
  });
}

}  // namespace

widgets::Kurvenreihen KennlReihenBilden(Kennliniensitzung& sitzung, double xStart, double xEnde,
                                        int darstellung) {
  const bool linien = darstellung == kDarstellungLinien || darstellung == kDarstellungBeide;
  const bool stufen = darstellung == kDarstellungStufen || darstellung == kDarstellungBeide;

  widgets::Kurvenreihen r;
  const std::vector<KennlGerade> alle = KennlAlleGeraden(sitzung);
  const auto anzahl = static_cast<qsizetype>(alle.size());
  r.Linien.reserve(anzahl + 1);
  r.Punkte.reserve(anzahl);
  if (stufen) r.Stufen.reserve(3 * anzahl);
  r.Uebersicht.reserve(anzahl + 1);
  for (const KennlGerade& g : alle) {
    r.Uebersicht.push_back({g.X0, g.Y0});
    if (g.Letzte) r.Uebersicht.push_back({g.X1, g.Y1});
    // Only the lines that reach into the view.
    if (g.X1 < xStart || g.X0 > xEnde + 1.0) continue;
    r.Punkte.push_back({g.X0, g.Y0});
    if (linien) {
      if (g.Letzte) {
        r.Schlusslinie = {{g.X0, g.Y0}, {g.X1, g.Y1}};
      } else {
        if (r.Linien.isEmpty()) r.Linien.push_back({g.X0, g.Y0});
        r.Linien.push_back({g.X1, g.Y1});
      }
    }
    if (stufen) StufenAnhaengen(g, g.Letzte ? r.Schlussstufen : r.Stufen);
  }
  return r;
}

void KennlinieZeichnen(Kennliniensitzung& sitzung, widgets::Kurvengrafik& grafik, int darstellung) {
  grafik.SichtSetzen(sitzung.gKennl.XStart, sitzung.gKennl.XEnde + 1.0);
  grafik.HintergrundZeichnen(nullptr);
  grafik.VordergrundZeichnen(
      KennlReihenBilden(sitzung, sitzung.gKennl.XStart, sitzung.gKennl.XEnde, darstellung),
      {kKennlRot, kKennlRot, kKennlBlau, kKennlHellrot, kKennlHellblau});
  grafik.UebersichtSetzen(kRohSpanne);
  MarkierungZeichnen(sitzung, grafik);
  std::vector<std::pair<double, double>> abweichungen;
  for (const KennlXBereich& x : sitzung.Abweichungen) abweichungen.emplace_back(x.Start, x.Ende);
  grafik.Abweichungen().Setzen(abweichungen);
  grafik.Neuzeichnen();
}

void MarkierungZeichnen(Kennliniensitzung& sitzung, widgets::Kurvengrafik& grafik) {
  grafik.MarkierungSetzen(sitzung.gKennl.Mark.Aktiv, sitzung.gKennl.Mark.Start,
                          sitzung.gKennl.Mark.Ende);
}

}  // namespace characteristic::gui
