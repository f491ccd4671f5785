#include "common/Spaltenausduennung.h"

#include <algorithm>
#include <cmath>
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
  links_ = 1.0;
  rechts_ = 0.0;
}

Punktausduenner::Punktausduenner(const Pixelabbildung& abbildung, int groesse,
                                 std::vector<Punktlauf>& ziel)
    : a_(abbildung), groesse_(std::max(groesse, 1)), ziel_(ziel) {
  const auto zeilen = static_cast<std::size_t>(std::max(a_.Hoehe, 0) + 2 * groesse_ + 1);
  zeilenY_.assign(zeilen, 0.0);
  belegt_.assign(zeilen, 0);
  von_ = static_cast<int>(zeilen);
  zeilenVersatz_ = groesse_ + 0.5;
  zeilenZahl_ = static_cast<double>(zeilen);
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
  Markieren(static_cast<int>(py) + groesse_, y);
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
