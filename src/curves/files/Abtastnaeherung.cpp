#include "curves/files/Abtastnaeherung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "common/Textdatei.h"
#include "curves/transfer/Kurvenbild.h"

namespace curves {
namespace {

constexpr double kUnendlich = std::numeric_limits<double>::infinity();
// Room kept from the rounding edges, so the device's own arithmetic lands inside too.
constexpr double kRand = 1e-7;
constexpr int kLaengeMax = 65535;

double Median(std::vector<double> werte) {
  if (werte.empty()) return 0.0;
  const auto mitte = werte.begin() + static_cast<std::ptrdiff_t>(werte.size() / 2);
  std::nth_element(werte.begin(), mitte, werte.end());
  return *mitte;
}

// The last grid index of a curve of dauer seconds on unit einheit.
double LetzteEinheit(double dauer, double einheit) {
  return std::round(dauer / einheit);
}

bool Passt(double dauer, double einheit) {
  return LetzteEinheit(dauer, einheit) + 1 <= kMaxAbtastwerte;
}

double Einheit(int zeitbasis) {
  return ZeitbasisInMikrosekunden(zeitbasis) / 1000000.0;
}

int ZuLangAblehnen(const std::vector<double>& zeit, const std::vector<int>& zeilen, int zeitbasis) {
  const double einheit = Einheit(zeitbasis);
  std::size_t i = 0;
  while (i + 1 < zeit.size() && Passt(zeit[i], einheit)) ++i;
  const int zeile = i < zeilen.size() ? zeilen[i] : 0;
  return common::ImportAblehnen(
      kFehlerNaeherungZuLang,
      "Error in line %d:\nThe samples reach %.6g s here, but the device memory holds\n%d units "
      "of %s (%.6g s) at most.",
      zeile, zeit[i], kMaxAbtastwerte, ZeitbasisName(zeitbasis), (kMaxAbtastwerte - 1) * einheit);
}

}  // namespace

std::vector<double> AufRaster(const std::vector<double>& zeit, const std::vector<double>& codes,
                              double einheit, int letzte) {
  std::vector<double> z(static_cast<std::size_t>(letzte) + 1);
  const std::size_t n = zeit.size();
  std::size_t j = 0;
  for (int k = 0; k <= letzte; ++k) {
    const double t = k * einheit;
    while (j + 1 < n && zeit[j + 1] <= t) ++j;
    if (j + 1 >= n || t <= zeit[j]) {
      z[k] = codes[j];
    } else {
      const double anteil = (t - zeit[j]) / (zeit[j + 1] - zeit[j]);
      z[k] = codes[j] + (codes[j + 1] - codes[j]) * anteil;
    }
  }
  return z;
}

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

std::vector<Kurvenpunkt> GeradenLegen(const std::vector<double>& z, double toleranz,
                                      int zeitbasis) {
  const int letzte = static_cast<int>(z.size()) - 1;
  const auto zb = static_cast<std::int8_t>(zeitbasis);
  // The codes a sample may play: a..b.
  const auto unten = [&](int k) { return std::max(0.0, std::ceil(z[k] - toleranz)); };
  const auto oben = [&](int k) { return std::min(4095.0, std::floor(z[k] + toleranz)); };
  const auto naechster = [&](int k, double a, double b) {
    return std::clamp(std::round(z[k]), a, b);
  };

  std::vector<Kurvenpunkt> punkte;
  int s = 0;
  double ys = naechster(0, unten(0), oben(0));
  while (s < letzte) {
    // Slopes of the lines from (s, ys) that play every sample so far within its bounds:
    // trunc(x + 0.5) lies in a..b exactly when a - 0.5 <= x < b + 0.5.
    double lo = -kUnendlich, hi = kUnendlich;
    int bestesEnde = s + 1;
    double besterWert = naechster(s + 1, unten(s + 1), oben(s + 1));
    for (int e = s + 1; e <= letzte && e - s <= kLaengeMax; ++e) {
      const double n = e - s;
      const double ymin = std::max(unten(e), std::ceil(ys + lo * n - 1e-9));
      const double ymax = std::min(oben(e), std::floor(ys + hi * n + 1e-9));
      if (ymin <= ymax) {
        bestesEnde = e;
        besterWert = naechster(e, ymin, ymax);
      }
      // Longer lines play sample e on their way.
      lo = std::max(lo, (unten(e) - 0.5 + kRand - ys) / n);
      hi = std::min(hi, (oben(e) + 0.5 - kRand - ys) / n);
      if (lo > hi) break;
    }
    punkte.push_back(Kurvenpunkt{static_cast<std::int32_t>(ys), bestesEnde - s, zb, {0, 0, 0}});
    s = bestesEnde;
    ys = besterWert;
  }
  punkte.push_back(Kurvenpunkt{static_cast<std::int32_t>(ys), 1, zb, {0, 0, 0}});
  return punkte;
}

std::vector<int> GespielteWerte(const std::vector<Kurvenpunkt>& punkte) {
  std::vector<int> werte;
  const std::size_t n = punkte.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double y0 = punkte[i].Y;
    const double y1 = punkte[i + 1 < n ? i + 1 : 0].Y;
    const int laenge = punkte[i].Laenge;
    for (int k = 0; k < laenge; ++k)
      werte.push_back(static_cast<int>(std::clamp(y0 + (y1 - y0) * k / laenge, 0.0, 4095.0) + 0.5));
  }
  return werte;
}

int AbtastwerteNaehern(const std::vector<double>& zeit, const std::vector<double>& codes,
                       const std::vector<int>& zeilen, double toleranz, int zeitbasis,
                       std::vector<Kurvenpunkt>& punkte, Naeherungsbericht& bericht) {
  bericht = Naeherungsbericht{};
  if (zeit.empty() || zeit.size() != codes.size()) return kFehlerNaeherungSpeicher;
  const double dauer = zeit.back();
  try {
    if (zeitbasis == 0) {
      std::vector<double> abstaende(zeit.size() > 1 ? zeit.size() - 1 : 0);
      for (std::size_t i = 1; i < zeit.size(); ++i) abstaende[i - 1] = zeit[i] - zeit[i - 1];
      const double abstand = Median(std::move(abstaende));
      // kZeitbasisListe runs from the finest time base to the coarsest.
      std::size_t wahl = 0;
      for (std::size_t i = 0; i < kZeitbasisListe.size(); ++i)
        if (Einheit(kZeitbasisListe[i]) <= abstand * (1 + 1e-9)) wahl = i;
      while (wahl + 1 < kZeitbasisListe.size() && !Passt(dauer, Einheit(kZeitbasisListe[wahl])))
        ++wahl;
      zeitbasis = kZeitbasisListe[wahl];
    }
    const double einheit = Einheit(zeitbasis);
    if (!Passt(dauer, einheit)) return ZuLangAblehnen(zeit, zeilen, zeitbasis);

    const int letzte = static_cast<int>(LetzteEinheit(dauer, einheit));
    const std::vector<double> z = AufRaster(zeit, codes, einheit, letzte);
    bericht.Rauschen = RauschenSchaetzen(z);
    if (toleranz <= 0) {
      toleranz = kNaeherungToleranzStandard;
      const auto [klein, gross] = std::minmax_element(z.begin(), z.end());
      const double rausch =
          std::min(kRauschbreite * bericht.Rauschen, (*gross - *klein) * kRauschAnteilMax);
      if (rausch > toleranz) {
        toleranz = rausch;
        bericht.ToleranzAusRauschen = true;
      }
    }
    toleranz = std::max(toleranz, kNaeherungToleranzMin);

    std::vector<Kurvenpunkt> neu = GeradenLegen(z, toleranz, zeitbasis);
    const std::vector<int> gespielt = GespielteWerte(neu);
    for (std::size_t k = 0; k < gespielt.size() && k < z.size(); ++k)
      bericht.GroessterFehler = std::max(bericht.GroessterFehler, std::fabs(gespielt[k] - z[k]));
    bericht.Zeitbasis = zeitbasis;
    bericht.Einheiten = static_cast<int>(gespielt.size());
    bericht.Punkte = static_cast<int>(neu.size());
    bericht.Toleranz = toleranz;
    bericht.Speicherbytes = kBildKopfBytes + 2LL * bericht.Einheiten;
    punkte.swap(neu);
  } catch (const std::bad_alloc&) {
    return kFehlerNaeherungSpeicher;
  }
  return 0;
}

}  // namespace curves
