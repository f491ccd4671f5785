#include "curves/shapes/Formbereich.h"

#include <algorithm>
#include <cmath>

#include "curves/model/Rueckgaengig.h"

namespace curves {

double AufGeradenraster(const Kurve& k, double t) {
  const double laenge = Kurvenlaenge(k);
  if (!(t > 0.0)) return 0.0;
  if (t >= laenge) return laenge;
  double start = 0.0;
  for (const Kurvenpunkt& p : k.Punkte) {
    const double d = Geradendauer(p);
    if (t < start + d) {
      const double einheit = ZeitbasisInMikrosekunden(p.Zeitbasis);
      return start + std::round((t - start) / einheit) * einheit;
    }
    start += d;
  }
  return laenge;
}

Formbereich FormbereichAusMarkierung(const Kurve& k, const Markierung& m) {
  if (!m.Aktiv || m.Ende < 0.0) {
    const double schluss = PunktStartzeit(k, k.Punktanzahl() - 1);
    return {schluss, schluss};
  }
  const double von = AufGeradenraster(k, std::min(m.Start, m.Ende));
  const double bis = AufGeradenraster(k, std::max(m.Start, m.Ende));
  return {von, std::max(von, bis)};
}

int FormInSitzungEinfuegen(Kurvensitzung& sitzung, const Formbereich& bereich, const Form& form,
                           Einfuegebericht& bericht, std::string& meldung) {
  std::vector<Kurvenpunkt> neu;
  Einfuegebericht b;
  if (const int fehler = FormInKurve(AktuelleKurveDaten(sitzung), bereich.VonMikro,
                                     bereich.BisMikro, form, neu, b, meldung))
    return fehler;
  RueckgaengigSichern(sitzung);
  AktuelleKurveDaten(sitzung).Punkte.swap(neu);
  bericht = b;
  return 0;
}

}  // namespace curves
