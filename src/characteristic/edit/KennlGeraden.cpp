#include "characteristic/edit/KennlGeraden.h"

#include "characteristic/model/Kennlinienmodell.h"

namespace characteristic {

std::vector<KennlGerade> KennlAlleGeraden(Kennliniensitzung& sitzung) {
  const auto& p = sitzung.gKennl.Kennl.Punkte;
  const int n = static_cast<int>(p.size());
  std::vector<KennlGerade> g;
  g.reserve(p.size());
  double x = 0.0;
  for (int i = 0; i < n; ++i) {
    const auto& a = p[static_cast<std::size_t>(i)];
    if (i + 1 < n) {
      const double x1 = x + a.Laenge;
      g.push_back({i, x, double(a.Y), x1, double(p[static_cast<std::size_t>(i) + 1].Y), false});
      x = x1;
    } else {
      g.push_back({i, x, double(a.Y), kRohSpanne, double(a.Y), true});
    }
  }
  return g;
}

std::vector<KennlGerade> KennlSichtbareGeraden(Kennliniensitzung& sitzung, double xStart,
                                               double xEnde) {
  std::vector<KennlGerade> sichtbar;
  for (const KennlGerade& g : KennlAlleGeraden(sitzung))
    if (g.X1 >= xStart && g.X0 <= xEnde + 1.0) sichtbar.push_back(g);
  return sichtbar;
}

}  // namespace characteristic
