#include "curves/shapes/PunkteEinsetzen.h"

#include <algorithm>

#include "curves/model/Allokation.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/shapes/FormEinfuegen.h"

namespace curves {

int PunkteEinsetzen(Kurvensitzung& sitzung, const std::vector<Kurvenpunkt>& punkte, Einsatzart art,
                    std::string& meldung) {
  if (punkte.empty()) {
    meldung = "there are no points to put in";
    return kFehlerEinsetzenLeer;
  }
  std::vector<Kurvenpunkt> neu;
  if (art == Einsatzart::Ersetzen) {
    if (!PunktfeldAnpassen(neu, punkte.size())) {
      meldung = "no memory for the curve's points";
      return kFehlerEinfuegenSpeicher;
    }
    std::copy(punkte.begin(), punkte.end(), neu.begin());
  } else {
    const Markierung& m = sitzung.gMarkierung;
    if (!m.Aktiv) {
      meldung = "there is no mark to put the points in";
      return kFehlerEinsetzenMarkierung;
    }
    // As a shape: its last line runs to the first value, unless it is a closing unit that
    // only plays its own.
    Form form;
    form.Punkte = punkte;
    form.Endwert = punkte.back().Laenge == 1 ? punkte.back().Y : punkte.front().Y;
    Einfuegebericht bericht;
    if (const int fehler = FormInKurve(AktuelleKurveDaten(sitzung), std::min(m.Start, m.Ende),
                                       std::max(m.Start, m.Ende), form, neu, bericht, meldung))
      return fehler;
  }
  RueckgaengigSichern(sitzung);
  AktuelleKurveDaten(sitzung).Punkte.swap(neu);
  return 0;
}

}  // namespace curves
