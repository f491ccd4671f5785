#include "curves/measure/Messung.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace curves {
namespace {

// The level of sample k of the line starting at point i, as the curve image writes it.
int Abtastwert(const Kurve& kurve, std::size_t i, std::int64_t k) {
  const auto& p = kurve.Punkte;
  const double y0 = p[i].Y;
  const double y1 = p[i + 1 < p.size() ? i + 1 : 0].Y;
  // A length below 1 never comes from a checked file; it must not divide by zero here.
  const double n = std::max(1, p[i].Laenge);
  const double v = std::clamp(y0 + (y1 - y0) * static_cast<double>(k) / n, 0.0, 4095.0);
  return static_cast<int>(v + 0.5);
}

// Whole time-base units; a unit of 0 (unknown code) still takes one slot so no line is
// skipped or divided by zero.
double Einheit(const Kurvenpunkt& p) {
  const double u = ZeitbasisInMikrosekunden(p.Zeitbasis);
  return u > 0.0 ? u : 0.0;
}

}  // namespace

double Ausgabeskalierung::InEinheit(double roh) const {
  return config::VoltInEinheit(Kanal, config::RohInVolt(roh, VoltMax));
}

Ausgabeskalierung AusgabeskalierungAus(const config::Konfiguration& konfig, int ausgang) {
  Ausgabeskalierung s;
  if (ausgang < 0 || ausgang > 3) return s;
  s.Kanal = {konfig.outmin[ausgang], konfig.outmax[ausgang], konfig.outskalamin[ausgang],
             konfig.outskalamax[ausgang]};
  s.VoltMax = konfig.voutmax;
  const char* e = konfig.outeinheit[ausgang];
  s.Einheit.assign(e, ::strnlen(e, config::kEinheitGroesse));
  return s;
}

int AusgabewertBeiZeit(const Kurve& kurve, double t) {
  const double laenge = Kurvenlaenge(kurve);
  if (kurve.Punkte.empty()) return 0;
  if (laenge > 0.0 && std::isfinite(t)) {
    t = std::fmod(t, laenge);
    if (t < 0.0) t += laenge;
  } else {
    t = 0.0;
  }
  double anfang = 0.0;
  for (std::size_t i = 0; i < kurve.Punkte.size(); ++i) {
    const double u = Einheit(kurve.Punkte[i]);
    const double dauer = u * kurve.Punkte[i].Laenge;
    if (t < anfang + dauer) {
      const auto k = static_cast<std::int64_t>(std::floor((t - anfang) / u));
      return Abtastwert(kurve, i, std::clamp<std::int64_t>(k, 0, kurve.Punkte[i].Laenge - 1));
    }
    anfang += dauer;
  }
  return Abtastwert(kurve, kurve.Punkte.size() - 1, kurve.Punkte.back().Laenge - 1);
}

Ausgabestatistik AusgabestatistikBerechnen(const Kurve& kurve, double von, double bis,
                                           const Ausgabeskalierung& skalierung) {
  const double laenge = Kurvenlaenge(kurve);
  if (von > bis) std::swap(von, bis);
  von = std::clamp(von, 0.0, laenge);
  bis = std::clamp(bis, 0.0, laenge);

  Ausgabestatistik s;
  s.Von = von;
  s.Bis = bis;
  s.Dauer = bis - von;

  double gewicht = 0.0, summe = 0.0, quadrate = 0.0;
  double minRoh = std::numeric_limits<double>::infinity(), maxRoh = -minRoh;
  std::int64_t abtastwerte = 0;
  auto Aufnehmen = [&](int roh, double w) {
    const double r = roh;
    minRoh = std::min(minRoh, r);
    maxRoh = std::max(maxRoh, r);
    gewicht += w;
    summe += w * r;
    quadrate += w * r * r;
  };

  double anfang = 0.0;
  for (std::size_t i = 0; i < kurve.Punkte.size() && anfang < bis; ++i) {
    const Kurvenpunkt& p = kurve.Punkte[i];
    const double u = Einheit(p);
    const double ende = anfang + u * p.Laenge;
    if (anfang >= von) ++s.Punkte;
    if (u > 0.0 && ende > von) {
      // Only the samples the range touches: a 30000-sample line is not walked for one.
      const auto erstes = std::max<std::int64_t>(0, static_cast<std::int64_t>((von - anfang) / u));
      const auto letztes = std::min<std::int64_t>(
          p.Laenge, static_cast<std::int64_t>(std::ceil((bis - anfang) / u)));
      for (std::int64_t k = erstes; k < letztes; ++k) {
        const double a = anfang + u * static_cast<double>(k);
        const double w = std::min(a + u, bis) - std::max(a, von);
        if (a >= von) ++abtastwerte;
        if (w > 0.0) Aufnehmen(Abtastwert(kurve, i, k), w);
      }
    }
    anfang = ende;
  }

  if (gewicht <= 0.0) {
    // No duration: the level held at the range's start (the curve's end folds to its start).
    const int roh = AusgabewertBeiZeit(kurve, von);
    s.MinRoh = s.MaxRoh = s.MittelRoh = s.EffektivRoh = roh;
    s.Min = s.Max = s.Mittel = s.Effektiv = skalierung.InEinheit(roh);
    s.Effektiv = std::abs(s.Effektiv);
  } else {
    s.MinRoh = minRoh;
    s.MaxRoh = maxRoh;
    s.MittelRoh = summe / gewicht;
    s.EffektivRoh = std::sqrt(std::max(0.0, quadrate / gewicht));
    // A falling scaling turns the lowest code into the highest value.
    const double a = skalierung.InEinheit(minRoh), b = skalierung.InEinheit(maxRoh);
    s.Min = std::min(a, b);
    s.Max = std::max(a, b);
    // The scaling is a straight line e = a*r + b, so the unit's moments follow from the
    // codes' without converting every sample: E[e] = a*E[r] + b and
    // E[e^2] = a^2*E[r^2] + 2ab*E[r] + b^2.
    const double b0 = skalierung.InEinheit(0.0);
    const double a1 = skalierung.InEinheit(1.0) - b0;
    const double m = summe / gewicht, q = quadrate / gewicht;
    s.Mittel = a1 * m + b0;
    s.Effektiv = std::sqrt(std::max(0.0, a1 * a1 * q + 2.0 * a1 * b0 * m + b0 * b0));
  }
  s.Speicherbytes = 2 * abtastwerte + (von <= 0.0 && bis >= laenge ? kKopfBytes : 0);
  s.SpeicherProzent = 100.0 * static_cast<double>(s.Speicherbytes) / kGeraetespeicherBytes;
  return s;
}

Ausgabestatistik AusgabestatistikBerechnen(const Kurve& kurve,
                                           const Ausgabeskalierung& skalierung) {
  return AusgabestatistikBerechnen(kurve, 0.0, Kurvenlaenge(kurve), skalierung);
}

namespace {

Cursorablesung Ablesung(double t1, double t2, int roh1, int roh2,
                        const Ausgabeskalierung& skalierung) {
  Cursorablesung c;
  c.T1 = t1;
  c.T2 = t2;
  c.Dt = t2 - t1;
  c.Roh1 = roh1;
  c.Roh2 = roh2;
  c.Wert1 = skalierung.InEinheit(c.Roh1);
  c.Wert2 = skalierung.InEinheit(c.Roh2);
  c.Delta = c.Wert2 - c.Wert1;
  if (c.Dt != 0.0) {
    c.Frequenz = 1e6 / c.Dt;
    c.Steigung = c.Delta / (c.Dt / 1e6);
  }
  return c;
}

}  // namespace

Cursorablesung CursorAblesen(const Kurve& kurve, double t1, double t2,
                             const Ausgabeskalierung& skalierung) {
  return Ablesung(t1, t2, AusgabewertBeiZeit(kurve, t1), AusgabewertBeiZeit(kurve, t2), skalierung);
}

Ausgabeindex::Ausgabeindex(const Kurve& kurve) : laenge_(Kurvenlaenge(kurve)) {
  enden_.reserve(kurve.Punkte.size());
  // Summed in the order AusgabewertBeiZeit sums, so both find the same line.
  double ende = 0.0;
  for (const Kurvenpunkt& p : kurve.Punkte) {
    ende += Einheit(p) * p.Laenge;
    enden_.push_back(ende);
  }
}

int Ausgabeindex::WertBeiZeit(const Kurve& kurve, double t) const {
  const auto& p = kurve.Punkte;
  if (p.size() != enden_.size()) return AusgabewertBeiZeit(kurve, t);
  if (p.empty()) return 0;
  if (laenge_ > 0.0 && std::isfinite(t)) {
    t = std::fmod(t, laenge_);
    if (t < 0.0) t += laenge_;
  } else {
    t = 0.0;
  }
  // The first line that ends after t.
  const auto it = std::upper_bound(enden_.begin(), enden_.end(), t);
  if (it == enden_.end()) return Abtastwert(kurve, p.size() - 1, p.back().Laenge - 1);
  const auto i = static_cast<std::size_t>(it - enden_.begin());
  const double anfang = i == 0 ? 0.0 : enden_[i - 1];
  const auto k = static_cast<std::int64_t>(std::floor((t - anfang) / Einheit(p[i])));
  return Abtastwert(kurve, i, std::clamp<std::int64_t>(k, 0, p[i].Laenge - 1));
}

Cursorablesung CursorAblesen(const Kurve& kurve, const Ausgabeindex& index, double t1, double t2,
                             const Ausgabeskalierung& skalierung) {
  return Ablesung(t1, t2, index.WertBeiZeit(kurve, t1), index.WertBeiZeit(kurve, t2), skalierung);
}

}  // namespace curves
