#include "common/Spaltenausduennung.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace common {

namespace {

// floor() without a library call: the decimation runs once per vertex.
double Abrunden(double v) {
  const auto i = static_cast<double>(static_cast<long long>(v));
  return i > v ? i - 1.0 : i;
}

}  // namespace

double Pixelabbildung::Spaltenende(double x) const {
  if (!(Xs > 0.0)) return -kUnendlich;
  const double px = Px(x);
  if (!(px < Breite - 0.5)) return kUnendlich;
  const double rechts = px < -0.5 ? -0.5 : Abrunden(px + 0.5) + 0.5;
  return (rechts - X0) / Xs;
}

Linienausduenner::Linienausduenner(const Pixelabbildung& abbildung, std::vector<Zeichenpunkt>& ziel)
    : a_(abbildung), ziel_(ziel) {}

Linienausduenner::~Linienausduenner() {
  Abschliessen();
}

void Linienausduenner::NeueSpalte(double x, double y, double px) {
  if (std::isnan(x) || std::isnan(y) || std::isnan(px)) return;
  if (offen_) SpalteAbgeben();
  // A vertex is drawn on its nearest pixel, so a column holds what rounds to it. Columns
  // left and right of the plot area collapse into one each: what lies there is clipped,
  // only the pieces that cross the edge show.
  if (px < -0.5) {
    links_ = -kUnendlich;
    rechts_ = -0.5;
  } else if (px >= a_.Breite - 0.5) {
    links_ = a_.Breite - 0.5;
    rechts_ = kUnendlich;
  } else {
    links_ = Abrunden(px + 0.5) - 0.5;
    rechts_ = links_ + 1.0;
  }
  offen_ = true;
  erste_ = tiefste_ = hoechste_ = letzte_ = Ecke{x, y, a_.Py(y), nr_++};
}

void Linienausduenner::SpalteAbgeben() {
  // First and last stay first and last; the extremes go between them in their own order.
  // A vertex is kept once, however often it was fed: a caller may feed a vertex as first,
  // extreme and last of a stretch it has summed up, and the kept series is then the same
  // however the column's vertices were split into stretches.
  const Ecke* folge[4] = {&erste_, &tiefste_, &hoechste_, &letzte_};
  if (folge[2]->Nr < folge[1]->Nr) std::swap(folge[1], folge[2]);
  ziel_.push_back({erste_.X, erste_.Y});
  for (const Ecke* e : {folge[1], folge[2], folge[3]}) {
    const Zeichenpunkt& zuletzt = ziel_.back();
    if (e->X != zuletzt.X || e->Y != zuletzt.Y) ziel_.push_back({e->X, e->Y});
  }
}

void Linienausduenner::Abschliessen() {
  if (offen_) SpalteAbgeben();
  offen_ = false;
  links_ = 1.0;
  rechts_ = 0.0;
}

namespace {

// Eight row bytes (each 0 or 1, the first in the lowest byte) as eight bits: every byte's
// bit lands in the top byte of the product at its own place, no two partial products meet.
static_assert(std::endian::native == std::endian::little, "the first row byte is the lowest");
std::uint64_t AchtZeilen(std::uint64_t acht) {
  return (acht * 0x0102040810204080ull) >> 56;
}

}  // namespace

Punktausduenner::Punktausduenner(const Pixelabbildung& abbildung, int groesse,
                                 std::vector<Punktlauf>& ziel)
    : a_(abbildung), groesse_(std::max(groesse, 1)), ziel_(ziel) {
  const auto zeilen = static_cast<std::size_t>(std::max(a_.Hoehe, 0) + 2 * groesse_ + 1);
  const std::size_t worte = (zeilen + static_cast<std::size_t>(groesse_) + 63) / 64;
  zeilenY_.assign(worte * 64 + 1, 0.0);
  belegt_.assign(worte * 64 + 1, 0);
  bits_.assign(worte, 0);
  zeilen_ = {a_.Y0,
             a_.Ys,
             groesse_ + 0.5,
             static_cast<double>(zeilen),
             static_cast<int>(worte * 64),
             belegt_.data(),
             zeilenY_.data()};
}

Punktausduenner::~Punktausduenner() {
  Abschliessen();
}

void Punktausduenner::NeuerPunkt(double x, double y, double px, double py) {
  px = Abrunden(px + 0.5);
  py = Abrunden(py + 0.5);
  // A marker wholly outside the plot area is not seen.
  if (!(px >= -groesse_ && px <= a_.Breite + groesse_)) return;
  if (!(py >= -groesse_ && py <= a_.Hoehe + groesse_)) return;
  const auto s = static_cast<long>(px);
  if (offen_ && s != spalte_) SpalteAbgeben();
  offen_ = true;
  spalte_ = s;
  x_ = x;
  pxVon_ = px - 0.5;
  pxBis_ = px + 0.5;
  pyVon_ = py - 0.5;
  pyBis_ = py + 0.5;
  zeilen_.Markieren(static_cast<int>(py) + groesse_, y);
}

void Punktausduenner::SpalteAbgeben() {
  // The rows as bits; most blocks of 64 rows are empty in a column of a drawn shape, they
  // cost a test.
  const int worte = static_cast<int>(bits_.size());
  for (int w = 0; w < worte; ++w) {
    unsigned char* block = &belegt_[static_cast<std::size_t>(w) * 64];
    std::uint64_t acht[8], irgendeine = 0;
    std::memcpy(acht, block, sizeof acht);
    for (const std::uint64_t a : acht) irgendeine |= a;
    std::uint64_t wort = 0;
    if (irgendeine) {
      for (int b = 0; b < 8; ++b) wort |= AchtZeilen(acht[b]) << (8 * b);
      std::memset(block, 0, sizeof acht);
    }
    bits_[w] = wort;
  }
  belegt_.back() = 0;
  auto bits = [&](int w) { return w >= 0 ? bits_[w] : 0; };
  // Squares whose centres are at most one marker apart touch: one run. Widening every
  // marked row by a marker less one row closes exactly those gaps; each stretch of the
  // widened rows is one run, from its first row to its last less the widening.
  const int g = groesse_;
  int anfang = -1;
  for (int w = 0; w < worte; ++w) {
    std::uint64_t breit = bits_[w];
    if (!breit && !bits(w - 1) && g <= 64 && anfang < 0) continue;
    for (int k = 1; k < g; ++k) {
      const int q = w - k / 64, r = k % 64;
      breit |= r ? (bits(q) << r) | (bits(q - 1) >> (64 - r)) : bits(q);
    }
    for (int pos = 0; pos < 64;) {
      const std::uint64_t rest = (anfang < 0 ? breit : ~breit) >> pos;
      if (!rest) break;
      pos += std::countr_zero(rest);
      if (anfang < 0) {
        anfang = w * 64 + pos;
      } else {
        const int unten = w * 64 + pos - g;
        ziel_.push_back({x_, zeilenY_[anfang], zeilenY_[unten]});
        anfang = -1;
      }
    }
  }
}

void Punktausduenner::Abschliessen() {
  if (offen_) SpalteAbgeben();
  offen_ = false;
  pxVon_ = pyVon_ = 1.0;
  pxBis_ = pyBis_ = 0.0;
}

void Spaltenreihen::Leeren() {
  for (auto* r : {&Linien, &Schlusslinie, &Stufen, &Schlussstufen, &Uebersicht}) r->clear();
  Punkte.clear();
}

Reihenausduenner::Reihenausduenner(const Pixelabbildung& graph, const Pixelabbildung& uebersicht,
                                   int markengroesse, Spaltenreihen& ziel)
    : GraphAbbildung(graph),
      UebersichtAbbildung(uebersicht),
      Linien(graph, ziel.Linien),
      Schlusslinie(graph, ziel.Schlusslinie),
      Stufen(graph, ziel.Stufen),
      Schlussstufen(graph, ziel.Schlussstufen),
      Uebersicht(uebersicht, ziel.Uebersicht),
      Punkte(graph, markengroesse, ziel.Punkte) {
  ziel.Leeren();
}

void Reihenausduenner::UebersichtAbbilden(const Pixelabbildung& abbildung) {
  UebersichtAbbildung = abbildung;
  Uebersicht.Abbilden(abbildung);
}

void Reihenausduenner::Abschliessen() {
  for (auto* l : {&Linien, &Schlusslinie, &Stufen, &Schlussstufen, &Uebersicht}) l->Abschliessen();
  Punkte.Abschliessen();
}

std::vector<Zeichenpunkt> LinieAusduennen(const std::vector<Zeichenpunkt>& linie,
                                          const Pixelabbildung& abbildung) {
  std::vector<Zeichenpunkt> ziel;
  Linienausduenner a(abbildung, ziel);
  for (const auto& p : linie) a.Punkt(p.X, p.Y);
  a.Abschliessen();
  return ziel;
}

std::vector<Punktlauf> PunkteAusduennen(const std::vector<Zeichenpunkt>& punkte,
                                        const Pixelabbildung& abbildung, int groesse) {
  std::vector<Punktlauf> ziel;
  Punktausduenner a(abbildung, groesse, ziel);
  for (const auto& p : punkte) a.Punkt(p.X, p.Y);
  a.Abschliessen();
  return ziel;
}

}  // namespace common
