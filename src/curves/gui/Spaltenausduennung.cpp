#include "curves/gui/Spaltenausduennung.h"

#include <algorithm>
#include <cmath>

namespace curves::gui {

namespace {

// Columns left and right of the plot area collapse into one each: what lies there is
// clipped, only the pieces that cross the edge show.
long Linienspalte(const Pixelabbildung& a, double px) {
  if (!(px >= 0.0)) return -1;
  if (px >= a.Breite) return a.Breite;
  return static_cast<long>(px);
}

}  // namespace

Linienausduenner::Linienausduenner(const Pixelabbildung& abbildung, std::vector<Zeichenpunkt>& ziel)
    : a_(abbildung), ziel_(ziel) {}

Linienausduenner::~Linienausduenner() {
  Abschliessen();
}

void Linienausduenner::Punkt(double x, double y) {
  if (std::isnan(x) || std::isnan(y)) return;
  const Ecke e{x, y, a_.Py(y), nr_++};
  const long s = Linienspalte(a_, a_.Px(x));
  if (offen_ && s == spalte_) {
    letzte_ = e;
    if (e.Py > tiefste_.Py) tiefste_ = e;
    if (e.Py < hoechste_.Py) hoechste_ = e;
    return;
  }
  if (offen_) SpalteAbgeben();
  offen_ = true;
  spalte_ = s;
  erste_ = tiefste_ = hoechste_ = letzte_ = e;
}

void Linienausduenner::SpalteAbgeben() {
  // First and last stay first and last; the extremes go between them in their own order.
  const Ecke* mitte[2] = {&tiefste_, &hoechste_};
  if (mitte[1]->Nr < mitte[0]->Nr) std::swap(mitte[0], mitte[1]);
  std::size_t zuletzt = erste_.Nr;
  ziel_.push_back({erste_.X, erste_.Y});
  for (const Ecke* e : mitte) {
    if (e->Nr == zuletzt || e->Nr == letzte_.Nr) continue;
    ziel_.push_back({e->X, e->Y});
    zuletzt = e->Nr;
  }
  if (letzte_.Nr != erste_.Nr) ziel_.push_back({letzte_.X, letzte_.Y});
}

void Linienausduenner::Abschliessen() {
  if (offen_) SpalteAbgeben();
  offen_ = false;
}

Punktausduenner::Punktausduenner(const Pixelabbildung& abbildung, int groesse,
                                 std::vector<Punktlauf>& ziel)
    : a_(abbildung), groesse_(std::max(groesse, 1)), ziel_(ziel) {
  const auto zeilen = static_cast<std::size_t>(std::max(a_.Hoehe, 0) + 2 * groesse_ + 1);
  zeilenY_.assign(zeilen, 0.0);
  belegt_.assign(zeilen, 0);
  von_ = static_cast<int>(zeilen);
}

Punktausduenner::~Punktausduenner() {
  Abschliessen();
}

void Punktausduenner::Punkt(double x, double y) {
  const double px = std::round(a_.Px(x));
  const double py = std::round(a_.Py(y));
  // A marker wholly outside the plot area is not seen.
  if (!(px >= -groesse_ && px <= a_.Breite + groesse_)) return;
  if (!(py >= -groesse_ && py <= a_.Hoehe + groesse_)) return;
  const auto s = static_cast<long>(px);
  if (offen_ && s != spalte_) SpalteAbgeben();
  offen_ = true;
  spalte_ = s;
  x_ = x;
  const int zeile = static_cast<int>(py) + groesse_;
  if (!belegt_[zeile]) {
    belegt_[zeile] = 1;
    zeilenY_[zeile] = y;
  }
  von_ = std::min(von_, zeile);
  bis_ = std::max(bis_, zeile);
}

void Punktausduenner::SpalteAbgeben() {
  // Squares whose centres are at most one marker apart touch: one run.
  int oben = -1, unten = -1;
  for (int z = von_; z <= bis_; ++z) {
    if (!belegt_[z]) continue;
    belegt_[z] = 0;
    if (oben >= 0 && z - unten > groesse_) {
      ziel_.push_back({x_, zeilenY_[oben], zeilenY_[unten]});
      oben = -1;
    }
    if (oben < 0) oben = z;
    unten = z;
  }
  if (oben >= 0) ziel_.push_back({x_, zeilenY_[oben], zeilenY_[unten]});
  von_ = static_cast<int>(belegt_.size());
  bis_ = -1;
}

void Punktausduenner::Abschliessen() {
  if (offen_) SpalteAbgeben();
  offen_ = false;
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

}  // namespace curves::gui
