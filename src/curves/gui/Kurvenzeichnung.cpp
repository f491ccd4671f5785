#include "curves/gui/Kurvenzeichnung.h"

#include "curves/edit/Ansicht.h"
#include "curves/edit/Markierung.h"
#include "curves/gui/Zeitachse.h"
#include "curves/model/Kurvenmodell.h"

namespace curves::gui {

void KurvenZeichnen(widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung, int darstellung,
                    bool zeitbasismarken) {
  const Sichtfenster& sicht = sitzung.gSicht;
  // The view's range first: the drawing keeps what its pixel columns show.
  grafik.SichtSetzen(sicht.XStart, sicht.XEnde + 1.0);
  ZeitachseBeschriften(grafik.Graph()->xAxis, Sichtbreite(sitzung));
  const int aktuelle = sitzung.gKurven.AktuelleKurve;
  const common::Pixelabbildung graph = grafik.GraphAbbildung();
  static common::Spaltenreihen reihen;
  // The current curve first: its walk sets the overview's range to its length.
  {
    common::Reihenausduenner a(graph, grafik.UebersichtAbbildung(),
                               widgets::Kurvengrafik::kMarkengroesse, reihen);
    // Mostly the view shows the whole curve (after a read, a load or zooming all out): it
    // then ends one microsecond before the curve does.
    KurveAusduennen(
        sitzung.gKurven.Kurven[aktuelle], sicht.XStart, sicht.XEnde, darstellung, a,
        [&grafik](double laenge) {
          grafik.UebersichtSetzen(laenge);
          return grafik.UebersichtAbbildung();
        },
        sicht.XEnde + 1.0);
  }
  grafik.VordergrundZeichnen(reihen, {kRot, kRot, kBlau, kHellrot, kHellblau});
  if (aktuelle != 0) {
    const QColor linie = darstellung == kDarstellungLinien ? kTuerkis : kTransparent;
    {
      common::Reihenausduenner a(graph, grafik.UebersichtAbbildung(),
                                 widgets::Kurvengrafik::kMarkengroesse, reihen);
      KurveAusduennen(sitzung.gKurven.Kurven[0], sicht.XStart, sicht.XEnde, darstellung, a);
    }
    grafik.HintergrundZeichnen(reihen, {linie, kTransparent, kTuerkis, linie, kTuerkis});
  } else {
    grafik.HintergrundZeichnen(nullptr);
  }
  ZeitbasisMarkenZeichnen(grafik, sitzung, zeitbasismarken);
  MarkierungZeichnen(grafik, sitzung);
  std::vector<std::pair<double, double>> abweichungen;
  for (const Zeitbereich& z : sitzung.Abweichungen) abweichungen.emplace_back(z.Start, z.Ende);
  grafik.Abweichungen().Setzen(abweichungen);
  grafik.Neuzeichnen();
}
void ZeitbasisMarkenZeichnen(widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung, bool an) {
  std::vector<widgets::Senkrechtmarke> marken;
  if (an) {
    for (const Zeitbasismarke& m : ZeitbasisMarken(AktuelleKurveDaten(sitzung)))
      marken.push_back({m.X, QString::fromLatin1(ZeitbasisName(m.Zeitbasis)), m.MitLinie});
  }
  grafik.SenkrechtmarkenSetzen(marken, kGelb);
}

void MarkierungZeichnen(widgets::Kurvengrafik& grafik, const Kurvensitzung& sitzung) {
  const Markierung& m = sitzung.gMarkierung;
  grafik.MarkierungSetzen(m.Aktiv, m.Start, m.Ende);
}

}  // namespace curves::gui
