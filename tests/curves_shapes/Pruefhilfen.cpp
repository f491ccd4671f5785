#include "Pruefhilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "curves/model/Kurvensitzung.h"
#include "curves/shapes/Geradennaeherung.h"
#include "curves/transfer/Kurvenbild.h"

namespace shapetest {

std::vector<Abtastung> Geraeteausgabe(const std::vector<curves::Kurvenpunkt>& punkte) {
  curves::Kurvensitzung sitzung;
  EXPECT_EQ(curves::KurvenModellInitialisieren(sitzung), 0);
  sitzung.gKurven.Kurven[0].Punkte = punkte;
  std::vector<std::uint8_t> bild;
  int ende = 0;
  const int fehler = curves::KurvenbildErzeugen(sitzung, bild, ende);
  EXPECT_EQ(fehler, 0);
  std::vector<Abtastung> aus;
  double t = 0.0;
  for (int a = curves::kAbtastAnfang; fehler == 0 && a + 1 < ende; a += 2) {
    const int wort = bild[a] * 256 + bild[a + 1];
    aus.push_back({t, wort & 0xFFF});
    t += curves::ZeitbasisInMikrosekunden(curves::ZeitbasisAusNibble(wort >> 12));
  }
  return aus;
}

// Whether a line from (a, y0) to (b, y1), in 250 us ticks, may stand: its course and its
// samples on the finest base stay within the bound at every tick it covers.
namespace {

bool LinieZulaessig(const std::vector<double>& z, int a, int y0, int b, int y1, double e) {
  for (int i = a; i < b; ++i) {
    const double v = y0 + static_cast<double>(y1 - y0) * (i - a) / (b - a);
    if (std::abs(v - z[i]) > e) return false;
    if (std::abs(curves::GeradenAbtastwert(y0, y1, i - a, b - a) - z[i]) > e) return false;
  }
  return std::abs(y1 - z[b]) <= e;
}

}  // namespace

int WenigsteGeraden(const std::function<double(double)>& ziel, int n, double e) {
  std::vector<double> z(n + 1);
  for (int i = 0; i <= n; ++i) z[i] = ziel(i * curves::kRasterMikro);
  auto codes = [&](int i) {
    std::vector<int> c;
    for (int y = static_cast<int>(std::ceil(z[i] - e)); y <= z[i] + e; ++y)
      if (y >= 0 && y <= 4095) c.push_back(y);
    return c;
  };
  constexpr int kUnendlich = std::numeric_limits<int>::max() / 2;
  std::vector<std::vector<int>> best(n + 1);
  for (int i = 0; i <= n; ++i) best[i].assign(codes(i).size(), kUnendlich);
  std::fill(best[0].begin(), best[0].end(), 0);
  for (int a = 0; a < n; ++a) {
    const auto ca = codes(a);
    for (std::size_t ia = 0; ia < ca.size(); ++ia) {
      if (best[a][ia] >= kUnendlich) continue;
      for (int b = a + 1; b <= n; ++b) {
        const auto cb = codes(b);
        for (std::size_t ib = 0; ib < cb.size(); ++ib)
          if (LinieZulaessig(z, a, ca[ia], b, cb[ib], e))
            best[b][ib] = std::min(best[b][ib], best[a][ia] + 1);
      }
    }
  }
  return *std::min_element(best[n].begin(), best[n].end());
}

}  // namespace shapetest
