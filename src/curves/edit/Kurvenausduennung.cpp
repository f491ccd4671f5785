#include "curves/edit/Kurvenausduennung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "curves/model/Kurvenmodell.h"

namespace curves {

namespace {

// The length of one unit of every time-base code, looked up once per drawing. Every time
// base is a whole number of microseconds, so the walks over many lines add whole numbers:
// exact as the sums in double are, and an integer add is the only chain from line to line.
struct Einheiten {
  std::array<double, 256> Us{};
  std::array<std::int64_t, 256> Ganz{};
  Einheiten() {
    for (int c = 0; c < 256; ++c) {
      Us[c] = ZeitbasisInMikrosekunden(c - 128);
      Ganz[c] = std::llround(Us[c]);
    }
  }
  double operator()(int code) const { return Us[static_cast<unsigned char>(code + 128)]; }
  // Indexed by the code itself.
  const std::int64_t* GanzNachCode() const { return Ganz.data() + 128; }
};

// The first whole microsecond at or after x: a whole t lies before x exactly when it lies
// before this. NaN gives the lowest, so that nothing lies before it.
std::int64_t GanzAb(double x) {
  if (!(x > -9.0e18)) return std::numeric_limits<std::int64_t>::min();
  if (x >= 9.0e18) return std::numeric_limits<std::int64_t>::max();
  const auto i = static_cast<std::int64_t>(x);
  return i < x ? i + 1 : i;
}

// The staircase of one line as the device plays it (see StufenZeichnen): the value of each
// unit from the unit's start to its end, the rise to the next point at the line's end.
// Only the corners are fed, the line's start being fed already.
void StufenEinspeisen(double x0, double y0, double x1, double y1, double h,
                      common::Linienausduenner& ziel) {
  if (h <= 0.0 || !(x1 > x0) || !std::isfinite(x1 - x0)) return;
  // A staircase that stays in one pixel column shows as its end: its values lie between
  // those of its ends.
  if (ziel.InSpalte(x1)) {
    ziel.Punkt(x1, y1);
    return;
  }
  const auto stufen = static_cast<long long>(std::ceil((x1 - x0) / h));
  const double steigung = (y1 - y0) / (x1 - x0);
  double wert = y0, ende = x0;
  for (long long j = 0; j < stufen; ++j) {
    const double m = x0 + static_cast<double>(j) * h;
    if (!(m < x1)) break;
    const double neu = std::floor(y0 + steigung * (m - x0) + 0.5);
    if (neu != wert) ziel.Punkt(m, neu);
    ende = m + h;
    ziel.Punkt(ende, neu);
    wert = neu;
  }
  ziel.Punkt(ende, y1);
  if (ende != x1) ziel.Punkt(x1, y1);
}

// The marker row of every raw value, looked up once per drawing, each row given a value
// of its own: a column of many points then marks each with a load and a store.
struct Rohzeilen {
  std::array<int, kRohMax + 1> Zeile;
  explicit Rohzeilen(const common::Markenzeilen& m) {
    for (int y = 0; y <= kRohMax; ++y) {
      const int z = m.Zeile(y);
      Zeile[static_cast<std::size_t>(y)] = z;
      m.ZeilenY[z] = y;
    }
  }
};

// The first, lowest, highest and last of a stretch of vertices in one pixel column; of
// equal values the earliest counts, as in the decimators.
struct Ecken {
  std::int64_t TAnfang, TMin, TMax, TLetzte;
  int YAnfang, YMin, YMax, YLetzte;
  Ecken(std::int64_t t, int y) : TAnfang(t), TMin(t), TMax(t), TLetzte(t) {
    YAnfang = YMin = YMax = YLetzte = y;
  }
  // A later vertex, when it is the lowest or the highest.
  void Extrem(std::int64_t t, int y) {
    // Selects, not jumps: in a ramp a new extreme comes every few lines.
    const bool tiefer = y < YMin;
    const bool hoeher = y > YMax;
    TMin = tiefer ? t : TMin;
    YMin = tiefer ? y : YMin;
    TMax = hoeher ? t : TMax;
    YMax = hoeher ? y : YMax;
  }
  void Dazu(std::int64_t t, int y) {
    Extrem(t, y);
    TLetzte = t;
    YLetzte = y;
  }
  // A later stretch.
  void Dazu(const Ecken& e) {
    if (e.YMin < YMin) TMin = e.TMin, YMin = e.YMin;
    if (e.YMax > YMax) TMax = e.TMax, YMax = e.YMax;
    TLetzte = e.TLetzte;
    YLetzte = e.YLetzte;
  }
  // The lowest and the highest, in their order.
  void Extreme(common::Linienausduenner& ziel) const {
    const bool minZuerst = TMin <= TMax;
    ziel.Punkt(static_cast<double>(minZuerst ? TMin : TMax), minZuerst ? YMin : YMax);
    ziel.Punkt(static_cast<double>(minZuerst ? TMax : TMin), minZuerst ? YMax : YMin);
  }
  void Einspeisen(common::Linienausduenner& ziel) const {
    ziel.Punkt(static_cast<double>(TAnfang), YAnfang);
    Extreme(ziel);
    ziel.Punkt(static_cast<double>(TLetzte), YLetzte);
  }
};

}  // namespace

void KurveAusduennen(const Kurve& k, double xStart, double xEnde, int darstellung,
                     common::Reihenausduenner& ziel, const Uebersichtsabbildung& uebersicht,
                     double laengeErwartet) {
  const bool linien = darstellung == kDarstellungLinien || darstellung == kDarstellungBeide;
  const bool stufen = darstellung == kDarstellungStufen || darstellung == kDarstellungBeide;
  static const Einheiten einheit;
  const int n = k.Punktanzahl();
  const Kurvenpunkt* p = k.Punkte.data();
  auto dauer = [&](int i) { return p[i].Laenge * einheit(p[i].Zeitbasis); };
  const std::int64_t* ganz = einheit.GanzNachCode();
  auto ganzeDauer = [&](const Kurvenpunkt& q) { return q.Laenge * ganz[q.Zeitbasis]; };

  // The visible lines: from the first ending at or after xStart to the first ending after
  // xEnde (as SichtbareGeraden), walked in place.
  double t = 0.0;
  int i = 0;
  for (; i < n; ++i) {
    const double ende = t + dauer(i);
    if (ende >= xStart) break;
    t = ende;
  }
  const common::Pixelabbildung& a = ziel.GraphAbbildung;
  // The overview goes along with a walk from the curve's start when its mapping is known
  // beforehand: in a full redraw the points are cold in the cache, and so they are read
  // once. With `uebersicht` that takes the length the caller expects, checked at the end.
  const bool mitlaufend = xStart <= 0.0 && (!uebersicht || laengeErwartet > 0.0);
  if (mitlaufend && uebersicht) ziel.UebersichtAbbilden(uebersicht(laengeErwartet));
  const common::Pixelabbildung& u = ziel.UebersichtAbbildung;
  // Where the open overview column ends; when the overview does not go along, never.
  std::int64_t uebersichtEnde = mitlaufend ? std::numeric_limits<std::int64_t>::min()
                                           : std::numeric_limits<std::int64_t>::max();
  double spaltenende = -common::kUnendlich;
  // The first time after xEnde: a line ends not after xEnde exactly when it ends before it.
  const double nachEnde = std::nextafter(xEnde, common::kUnendlich);
  bool erste = true;
  double linieEndeX = 0.0, linieEndeY = 0.0;
  bool linieOffen = false;
  const common::Markenzeilen marken = ziel.Punkte.Zeilen();
  const Rohzeilen rohzeilen(marken);
  while (i < n) {
    if (!(t < spaltenende)) spaltenende = a.Spaltenende(t);
    const double h = einheit(p[i].Zeitbasis);
    const double ende = t + p[i].Laenge * h;
    const bool schluss = i == n - 1;
    const double y0 = p[i].Y;
    if (!schluss && ende < spaltenende && ende <= xEnde) {
      // Lines that start and end in one pixel column: what they show there is their first
      // point, their lowest and highest one, in order, and where the last one ends. The
      // staircase of each stays between its ends, so the same points carry the steps.
      // The walk runs once per point of the curve: everything in locals, ends before
      // the column's end and not after xEnde tested at once.
      const std::int64_t grenze = GanzAb(std::min(spaltenende, nachEnde));
      std::int64_t ti = static_cast<std::int64_t>(t);
      int y = p[i].Y;
      std::int64_t d = ganzeDauer(p[i]);
      ziel.Punkte.Punkt(t, y);
      // Of the open marker column; mostly it holds all the lines of the pixel column, then
      // no point needs the test.
      std::int64_t markenEnde = GanzAb(ziel.Punkte.Spaltenende(t));
      // Held apart from `marken`, whose stores could touch anything, so they stay in
      // registers.
      unsigned char* const belegt = marken.Belegt;
      const int* const zeileZu = rohzeilen.Zeile.data();
      auto markieren = [&](std::int64_t tPunkt, int yPunkt) {
        if (tPunkt < markenEnde) {
          if (static_cast<unsigned>(yPunkt) <= static_cast<unsigned>(kRohMax))
            belegt[zeileZu[yPunkt]] = 1;
          else
            marken.Punkt(yPunkt);
        } else {
          ziel.Punkte.Punkt(static_cast<double>(tPunkt), yPunkt);
          markenEnde = GanzAb(ziel.Punkte.Spaltenende(static_cast<double>(tPunkt)));
        }
      };
      // Every register counts in the loop below: the lines by pointer alone, the last
      // vertex of a part found after it.
      const Kurvenpunkt* q = p + i;
      const Kurvenpunkt* const schlusslinie = p + (n - 1);
      Ecken spalte(ti, y);
      for (bool weiter = true; weiter;) {
        // The part of the stretch in one overview column: summed up for the overview,
        // then added to the graph column's figures.
        if (!(ti < uebersichtEnde)) uebersichtEnde = GanzAb(u.Spaltenende(static_cast<double>(ti)));
        Ecken teil(ti, y);
        for (;;) {
          ti += d;
          y = (++q)->Y;
          if (q == schlusslinie || !(ti + (d = ganzeDauer(*q)) < grenze)) {
            weiter = false;  // the closing line goes its own way, the next line leaves
            break;
          }
          if (!(ti < uebersichtEnde)) break;
          teil.Extrem(ti, y);
          markieren(ti, y);
        }
        teil.TLetzte = ti - ganzeDauer(q[-1]);
        teil.YLetzte = q[-1].Y;
        if (mitlaufend) teil.Einspeisen(ziel.Uebersicht);
        spalte.Dazu(teil);
        if (weiter) markieren(ti, y);
      }
      t = static_cast<double>(ti);
      if (linien) {
        spalte.Einspeisen(ziel.Linien);
        linieEndeX = t;
        linieEndeY = y;
        linieOffen = true;
      }
      if (stufen) {
        if (erste) ziel.Stufen.Punkt(static_cast<double>(spalte.TAnfang), spalte.YAnfang);
        spalte.Extreme(ziel.Stufen);
        ziel.Stufen.Punkt(t, y);
      }
      erste = false;
      i = static_cast<int>(q - p);
      continue;
    }
    const double y1 = p[schluss ? 0 : i + 1].Y;
    if (linien) {
      if (schluss) {
        ziel.Schlusslinie.Punkt(t, y0);
        ziel.Schlusslinie.Punkt(ende, y1);
      } else {
        // The lines join: one polyline through every start and the last end.
        ziel.Linien.Punkt(t, y0);
        linieEndeX = ende;
        linieEndeY = y1;
        linieOffen = true;
      }
    }
    ziel.Punkte.Punkt(t, y0);
    if (mitlaufend) ziel.Uebersicht.Punkt(t, y0);
    if (stufen) {
      common::Linienausduenner& z = schluss ? ziel.Schlussstufen : ziel.Stufen;
      if (erste || schluss) z.Punkt(t, y0);
      StufenEinspeisen(t, y0, ende, y1, h, z);
    }
    erste = false;
    t = ende;
    ++i;
    if (t > xEnde) break;
  }
  if (linieOffen) ziel.Linien.Punkt(linieEndeX, linieEndeY);
  // The walk stands at the start of line i. The overview goes on from there when it went
  // along, else from the curve's start.
  int j = mitlaufend ? i : 0;
  std::int64_t ti = mitlaufend ? std::llround(t) : 0;
  if (uebersicht) {
    // The rest of the curve adds up to its length.
    std::int64_t laenge = std::llround(t);
    for (int r = i; r < n; ++r) laenge += ganzeDauer(p[r]);
    if (!mitlaufend || static_cast<double>(laenge) != laengeErwartet) {
      ziel.UebersichtAbbilden(uebersicht(static_cast<double>(laenge)));
      j = 0;
      ti = 0;
    }
  }

  // Overview: every line of the curve, back to the first point's value; per pixel column
  // its first, lowest, highest and last point.
  while (j < n) {
    const std::int64_t ende = GanzAb(u.Spaltenende(static_cast<double>(ti)));
    Ecken teil(ti, p[j].Y);
    ti += ganzeDauer(p[j]);
    for (++j; j < n && ti < ende; ++j) {
      teil.Dazu(ti, p[j].Y);
      ti += ganzeDauer(p[j]);
    }
    teil.Einspeisen(ziel.Uebersicht);
  }
  if (n > 0) ziel.Uebersicht.Punkt(static_cast<double>(ti), p[0].Y);
  ziel.Abschliessen();
}

}  // namespace curves
