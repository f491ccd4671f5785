#include "curves/shapes/Geradennaeherung.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "curves/transfer/Kurvenbild.h"

namespace curves {
namespace {

// The time bases in 250 us ticks, finest first, with their codes.
struct Basis {
  std::int64_t ticks;
  std::int8_t code;
};
constexpr Basis kBasen[] = {{1, 9},   {4, 1},   {8, 2},    {20, 3},  {40, 4},
                            {200, 5}, {400, 6}, {2000, 7}, {4000, 8}};
constexpr std::int64_t kMaxLaenge = 65535;
constexpr std::int64_t kMaxGeradenTicks = kMaxLaenge * 4000;
// Above this many ticks the target is evaluated where it is needed instead of kept.
constexpr std::int64_t kMaxZwischenspeicher = std::int64_t{1} << 22;
// Keeps decisions clear of the rounding edge of a sample.
constexpr double kRand = 1e-9;

// The target at the ticks 0..n.
class Zielwerte {
 public:
  Zielwerte(const std::function<double(double)>& ziel, std::int64_t n) : ziel_(ziel) {
    if (n + 1 <= kMaxZwischenspeicher) {
      werte_.resize(static_cast<std::size_t>(n + 1));
      for (std::int64_t i = 0; i <= n; ++i)
        werte_[static_cast<std::size_t>(i)] = ziel_(static_cast<double>(i) * kRasterMikro);
    }
  }
  double operator()(std::int64_t i) const {
    if (!werte_.empty()) return werte_[static_cast<std::size_t>(i)];
    return ziel_(static_cast<double>(i) * kRasterMikro);
  }

 private:
  const std::function<double(double)>& ziel_;
  std::vector<double> werte_;
};

// Where a line may pass at one tick: its sample must round to a code within the bound
// (mlo..mhi), and the line itself must stay within the bound (lo..hi).
struct Fenster {
  double lo, hi;
  double mlo, mhi;
  bool Leer() const { return !(mlo <= mhi) || !(lo <= hi); }
};

Fenster FensterBei(double z, double e) {
  Fenster f;
  f.mlo = std::max(std::ceil(z - e), 0.0);
  f.mhi = std::min(std::floor(z + e), static_cast<double>(kRohMax));
  f.lo = std::max(z - e, f.mlo - 0.5) + kRand;
  f.hi = std::min(z + e, f.mhi + 0.5) - kRand;
  return f;
}

struct Linie {
  std::int64_t a, b;  // ticks
  int y0, y1;
  int basis;  // index into kBasen
};

// The coarsest base of at least `raster` ticks that a line of d ticks can use, or -1.
int GroebsteBasis(std::int64_t d, std::int64_t raster) {
  for (int i = 8; i >= 0; --i) {
    const auto u = kBasen[i].ticks;
    if (u >= raster && d % u == 0 && d / u <= kMaxLaenge) return i;
  }
  return -1;
}

// The base a line takes: the coarsest whose steps stay within one code, else the finest
// its grid allows.
int BevorzugteBasis(std::int64_t d, std::int64_t raster, int y0, int y1) {
  int feinste = -1;
  for (int i = 8; i >= 0; --i) {
    const auto u = kBasen[i].ticks;
    if (u < raster || d % u != 0 || d / u > kMaxLaenge) continue;
    if (std::abs(y1 - y0) * u <= d) return i;
    feinste = i;
  }
  return feinste;
}

bool SamplesInnerhalb(const Zielwerte& z, double e, const Linie& l, int basis) {
  const std::int64_t u = kBasen[basis].ticks;
  const int n = static_cast<int>((l.b - l.a) / u);
  for (int k = 0; k < n; ++k) {
    const int s = GeradenAbtastwert(l.y0, l.y1, k, n);
    if (std::abs(s - z(l.a + k * u)) > e) return false;
  }
  return true;
}

struct Endkandidat {
  std::int64_t b;
  double ylo, yhi;
};

struct Lauf {
  std::vector<Linie> linien;
  std::int64_t samples = 0;
};

// One pass with all line ends on multiples of `raster` ticks (the stretch's end excepted).
class Durchlauf {
 public:
  Durchlauf(const Zielwerte& z, std::int64_t n, double e, std::int64_t raster)
      : z_(z), n_(n), e_(e), raster_(raster) {}

  int Ausfuehren(Lauf& lauf) {
    lauf = Lauf{};
    std::int64_t grobSamples = 0;
    const Fenster f0 = FensterBei(z_(0), e_);
    if (f0.Leer()) return kFehlerNaeherungUnerreichbar;
    int y0 = static_cast<int>(std::clamp(std::floor(z_(0) + 0.5), f0.mlo, f0.mhi));
    anfangY_ = y0;
    const Fenster fn = FensterBei(z_(n_), e_);
    zurueckZumAnfang_ = anfangY_ >= fn.mlo && anfangY_ <= fn.mhi;
    std::int64_t a = 0;
    while (a < n_) {
      Enden(a, y0, std::min(n_, a + kMaxGeradenTicks), false, kandidaten_);
      // The farthest end from which the stretch can go on; failing that, the farthest.
      Linie l{};
      if (!Waehlen(a, y0, true, l) && !Waehlen(a, y0, false, l))
        return kFehlerNaeherungUnerreichbar;
      const int grob = GroebsteBasis(l.b - l.a, Raster(l.b));
      grobSamples += (l.b - l.a) / kBasen[grob].ticks;
      lauf.samples += (l.b - l.a) / kBasen[l.basis].ticks;
      lauf.linien.push_back(l);
      if (grobSamples > kMaxAbtastwerte) return kFehlerNaeherungSpeicher;
      a = l.b;
      y0 = l.y1;
    }
    if (lauf.samples > kMaxAbtastwerte) {
      // The finer steps do not fit: every line takes its coarsest base instead.
      lauf.samples = 0;
      for (Linie& l : lauf.linien) {
        l.basis = GroebsteBasis(l.b - l.a, Raster(l.b));
        lauf.samples += (l.b - l.a) / kBasen[l.basis].ticks;
      }
    }
    return 0;
  }

 private:
  // The grid of a line ending at b: the stretch's end may take any base.
  std::int64_t Raster(std::int64_t b) const { return b == n_ ? 1 : raster_; }

  // The ends b in (a, grenze] a line from (a, y0) can reach with the codes it may end on
  // there; with `erstes`, only the first grid end is looked at.
  void Enden(std::int64_t a, int y0, std::int64_t grenze, bool erstes,
             std::vector<Endkandidat>& kandidaten) const {
    kandidaten.clear();
    double slo = -std::numeric_limits<double>::infinity();
    double shi = std::numeric_limits<double>::infinity();
    for (std::int64_t b = a + 1; b <= grenze; ++b) {
      const Fenster f = FensterBei(z_(b), e_);
      if (f.Leer()) return;
      const auto d = static_cast<double>(b - a);
      const bool imRaster = (b == n_ || b % raster_ == 0) && GroebsteBasis(b - a, Raster(b)) >= 0;
      if (imRaster) {
        const double ylo = std::max(std::ceil(y0 + slo * d), f.mlo);
        const double yhi = std::min(std::floor(y0 + shi * d), f.mhi);
        if (ylo <= yhi) kandidaten.push_back({b, ylo, yhi});
        if (erstes) return;
      }
      slo = std::max(slo, (f.lo - y0) / d);
      shi = std::min(shi, (f.hi - y0) / d);
      if (slo > shi) return;
    }
  }

  // Whether a line can start at (b, y): the stretch ends there, or it reaches the next
  // grid end.
  bool Fortsetzbar(std::int64_t b, int y) {
    if (b == n_) return true;
    Enden(b, y, std::min(n_, (b / raster_ + 1) * raster_), true, probe_);
    return !probe_.empty();
  }

  bool Waehlen(std::int64_t a, int y0, bool vorausschauen, Linie& gewaehlt) {
    for (auto k = kandidaten_.rbegin(); k != kandidaten_.rend(); ++k) {
      const std::int64_t r = Raster(k->b);
      // Codes nearest the target first: 0, +1, -1, +2, -2, ... around it, a few at most.
      // At the stretch's end its start level comes first, so that a periodic function
      // closes onto itself.
      const double mitte = std::clamp(std::floor(z_(k->b) + 0.5), k->ylo, k->yhi);
      const bool anfang = k->b == n_ && anfangY_ >= k->ylo && anfangY_ <= k->yhi;
      // A function that returns to its start level ends there, even one line later.
      if (vorausschauen && k->b == n_ && zurueckZumAnfang_ && !anfang) continue;
      for (int schritt = anfang ? -1 : 0; schritt < 8; ++schritt) {
        const double y =
            schritt < 0 ? anfangY_ : mitte + ((schritt % 2) ? (schritt + 1) / 2 : -(schritt / 2));
        if (y < k->ylo || y > k->yhi) continue;
        Linie l{a, k->b, y0, static_cast<int>(y), -1};
        l.basis = BevorzugteBasis(l.b - l.a, r, l.y0, l.y1);
        // The look ahead is short; the sample check walks the whole line.
        if (vorausschauen && !Fortsetzbar(l.b, l.y1)) continue;
        if (!SamplesInnerhalb(z_, e_, l, l.basis) ||
            !SamplesInnerhalb(z_, e_, l, GroebsteBasis(l.b - l.a, r)))
          continue;
        gewaehlt = l;
        return true;
      }
    }
    return false;
  }

  const Zielwerte& z_;
  const std::int64_t n_;
  const double e_;
  const std::int64_t raster_;
  std::vector<Endkandidat> kandidaten_, probe_;
  int anfangY_ = 0;
  bool zurueckZumAnfang_ = false;
};

}  // namespace

int GeradenAbtastwert(double y0, double y1, int k, int n) {
  const double v = std::clamp(y0 + (y1 - y0) * k / n, 0.0, 4095.0);
  return static_cast<int>(v + 0.5);
}

int GeradenNaehern(const std::function<double(double tMikro)>& ziel, double dauerMikro,
                   double maxFehler, Naeherungsergebnis& ergebnis) {
  if (!ziel || !std::isfinite(dauerMikro) || !std::isfinite(maxFehler) || maxFehler < 0.5 ||
      dauerMikro < kRasterMikro)
    return kFehlerNaeherungParameter;
  const double ticks = dauerMikro / kRasterMikro;
  if (ticks != std::floor(ticks)) return kFehlerNaeherungParameter;
  // Even the coarsest base needs a sample per second.
  if (ticks / 4000.0 > kMaxAbtastwerte) return kFehlerNaeherungSpeicher;
  const auto n = static_cast<std::int64_t>(ticks);

  const Zielwerte z(ziel, n);
  Lauf lauf;
  int fehler = kFehlerNaeherungSpeicher;
  bool speicherVoll = false;
  for (const Basis& raster : kBasen) {
    fehler = Durchlauf(z, n, maxFehler, raster.ticks).Ausfuehren(lauf);
    if (fehler == 0) break;
    // A finer grid that already failed on memory names the real cause.
    if (fehler == kFehlerNaeherungSpeicher) speicherVoll = true;
    if (fehler == kFehlerNaeherungUnerreichbar && !speicherVoll) return fehler;
  }
  if (fehler != 0) return speicherVoll ? kFehlerNaeherungSpeicher : fehler;

  Naeherungsergebnis neu;
  neu.Punkte.reserve(lauf.linien.size());
  double groesster = 0.0;
  for (const Linie& l : lauf.linien) {
    const Basis& b = kBasen[l.basis];
    const int laenge = static_cast<int>((l.b - l.a) / b.ticks);
    neu.Punkte.push_back(Kurvenpunkt{l.y0, laenge, b.code, {0, 0, 0}});
    for (int k = 0; k < laenge; ++k)
      groesster = std::max(
          groesster, std::abs(GeradenAbtastwert(l.y0, l.y1, k, laenge) - z(l.a + k * b.ticks)));
  }
  neu.Endwert = lauf.linien.back().y1;
  neu.GroessterFehler = std::max(groesster, std::abs(neu.Endwert - z(n)));
  neu.Speicherbytes = lauf.samples * 2;
  ergebnis = std::move(neu);
  return 0;
}

}  // namespace curves
