#include "curves/files/Abtastnaeherung.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "common/Textdatei.h"
#include "curves/shapes/Geradennaeherung.h"
#include "curves/transfer/Kurvenbild.h"

namespace curves {
namespace {

double Median(std::vector<double> werte) {
  if (werte.empty()) return 0.0;
  const auto mitte = werte.begin() + static_cast<std::ptrdiff_t>(werte.size() / 2);
  std::nth_element(werte.begin(), mitte, werte.end());
  return *mitte;
}

// The samples as a function of time, linearly between them.
struct Interpolation {
  const std::vector<double>& zeit;
  const std::vector<double>& codes;
  double operator()(double tMikro) const {
    const double t = tMikro / 1000000.0;
    const auto nach = std::upper_bound(zeit.begin(), zeit.end(), t);
    if (nach == zeit.begin()) return codes.front();
    if (nach == zeit.end()) return codes.back();
    const auto i = static_cast<std::size_t>(nach - zeit.begin());
    const double anteil = (t - zeit[i - 1]) / (zeit[i] - zeit[i - 1]);
    return codes[i - 1] + (codes[i] - codes[i - 1]) * anteil;
  }
};

// The curve's duration: the last sample's time on the 250 us grid.
double DauerMikro(double sekunden) {
  return std::round(sekunden * 1000000.0 / kRasterMikro) * kRasterMikro;
}

// The curve of the samples up to time `sekunden`: lines, then a closing unit where the
// last level is not the first. 0 or the approximation's code.
int KurveBis(const Interpolation& ziel, double sekunden, double toleranz,
             std::vector<Kurvenpunkt>& punkte) {
  const double dauer = DauerMikro(sekunden);
  if (dauer < kRasterMikro) {
    punkte = {Kurvenpunkt{static_cast<std::int32_t>(std::floor(ziel(0.0) + 0.5)), 1, 9, {}}};
    return 0;
  }
  Naeherungsergebnis e;
  if (const int fehler = GeradenNaehern(ziel, dauer, toleranz, e)) return fehler;
  if (e.Punkte.back().Laenge > 1 && e.Endwert != e.Punkte.front().Y)
    e.Punkte.push_back(Kurvenpunkt{e.Endwert, 1, e.Punkte.back().Zeitbasis, {0, 0, 0}});
  std::int64_t einheiten = 0;
  for (const Kurvenpunkt& p : e.Punkte) einheiten += p.Laenge;
  if (einheiten > kMaxAbtastwerte) return kFehlerNaeherungSpeicher;
  punkte.swap(e.Punkte);
  return 0;
}

int Ablehnen(double sekunden, int zeile) {
  return common::ImportAblehnen(
      kFehlerAbtastreiheZuLang,
      "Error in line %d:\nThe curve up to this sample (%.6g s) needs more than the\n%d samples "
      "the device memory holds.",
      zeile, sekunden, kMaxAbtastwerte);
}

// The first sample whose curve up to it does not fit the device memory.
int ZuLangAblehnen(const Interpolation& ziel, const std::vector<int>& zeilen, double toleranz) {
  std::vector<Kurvenpunkt> punkte;
  std::size_t passt = 0, zuLang = ziel.zeit.size() - 1;
  while (zuLang - passt > 1) {
    const std::size_t mitte = passt + (zuLang - passt) / 2;
    (KurveBis(ziel, ziel.zeit[mitte], toleranz, punkte) == 0 ? passt : zuLang) = mitte;
  }
  return Ablehnen(ziel.zeit[zuLang], zuLang < zeilen.size() ? zeilen[zuLang] : 0);
}

}  // namespace

double RauschenSchaetzen(const std::vector<double>& z) {
  // Among a few values the corners of the signal are no minority.
  if (z.size() < kRauschMindestwerte) return 0.0;
  std::vector<double> d(z.size() - 2);
  for (std::size_t k = 1; k + 1 < z.size(); ++k) d[k - 1] = z[k + 1] - 2 * z[k] + z[k - 1];
  const double m = Median(d);
  for (double& x : d) x = std::fabs(x - m);
  // White noise of deviation s gives second differences of deviation s * sqrt(6); 1.4826
  // turns a median absolute deviation into a standard deviation.
  return 1.4826 * Median(std::move(d)) / std::sqrt(6.0);
}

int AbtastwerteNaehern(const std::vector<double>& zeit, const std::vector<double>& codes,
                       const std::vector<int>& zeilen, double toleranz,
                       std::vector<Kurvenpunkt>& punkte, Naeherungsbericht& bericht) {
  bericht = Naeherungsbericht{};
  if (zeit.empty() || zeit.size() != codes.size()) return kFehlerNaeherungParameter;
  try {
    bericht.Rauschen = RauschenSchaetzen(codes);
    if (toleranz <= 0) {
      toleranz = kNaeherungToleranzStandard;
      const auto [klein, gross] = std::minmax_element(codes.begin(), codes.end());
      const double rausch =
          std::min(kRauschbreite * bericht.Rauschen, (*gross - *klein) * kRauschAnteilMax);
      if (rausch > toleranz) {
        toleranz = rausch;
        bericht.ToleranzAusRauschen = true;
      }
    }
    toleranz = std::max(toleranz, kNaeherungToleranzMin);

    const Interpolation ziel{zeit, codes};
    // Even on 1 s units with no closing unit the samples would run past the memory.
    const double grenze = kMaxAbtastwerte - 1;
    if (zeit.back() > grenze) {
      const auto i = static_cast<std::size_t>(std::upper_bound(zeit.begin(), zeit.end(), grenze) -
                                              zeit.begin());
      return Ablehnen(zeit[i], i < zeilen.size() ? zeilen[i] : 0);
    }
    std::vector<Kurvenpunkt> neu;
    const int fehler = KurveBis(ziel, zeit.back(), toleranz, neu);
    if (fehler == kFehlerNaeherungSpeicher) return ZuLangAblehnen(ziel, zeilen, toleranz);
    if (fehler) return fehler;

    // What the device plays, sample by sample, against the samples at that time.
    double t = 0.0;
    const std::size_t n = neu.size();
    for (std::size_t i = 0; i < n; ++i) {
      const Kurvenpunkt& p = neu[i];
      const int y1 = neu[i + 1 < n ? i + 1 : 0].Y;
      const double einheit = ZeitbasisInMikrosekunden(p.Zeitbasis);
      for (int k = 0; k < p.Laenge; ++k, t += einheit)
        bericht.GroessterFehler = std::max(
            bericht.GroessterFehler, std::fabs(GeradenAbtastwert(p.Y, y1, k, p.Laenge) - ziel(t)));
      bericht.Einheiten += p.Laenge;
      if (std::find(bericht.Zeitbasen.begin(), bericht.Zeitbasen.end(), p.Zeitbasis) ==
          bericht.Zeitbasen.end())
        bericht.Zeitbasen.push_back(p.Zeitbasis);
    }
    std::sort(bericht.Zeitbasen.begin(), bericht.Zeitbasen.end(), [](int a, int b) {
      return ZeitbasisInMikrosekunden(a) < ZeitbasisInMikrosekunden(b);
    });
    bericht.Punkte = static_cast<int>(n);
    bericht.Toleranz = toleranz;
    bericht.Speicherbytes = kBildKopfBytes + 2LL * bericht.Einheiten;
    punkte.swap(neu);
  } catch (const std::bad_alloc&) {
    return kFehlerAbtastreiheSpeicher;
  }
  return 0;
}

}  // namespace curves
