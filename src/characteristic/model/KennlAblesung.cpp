#include "characteristic/model/KennlAblesung.h"

#include <algorithm>
#include <cmath>

#include "config/Umrechnung.h"

namespace characteristic {

int KennlAusgabeBeiX(const std::vector<Kennlinienpunkt>& punkte, double x) {
  if (punkte.empty()) return 0;
  const long stelle =
      std::isfinite(x) ? static_cast<long>(std::floor(std::clamp(x, 0.0, kRohSpanne))) : 0;
  long anfang = 0;
  int zuletzt = 0;
  bool geschrieben = false;
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const double a = punkte[i].Y;
    const double b = i + 1 < punkte.size() ? punkte[i + 1].Y : a;
    const int laenge = punkte[i].Laenge;
    if (laenge <= 0) continue;
    if (stelle < anfang + laenge) {
      const double v = std::clamp(a + (b - a) * (stelle - anfang) / laenge, 0.0, kRohSpanne);
      return static_cast<int>(std::floor(v + 0.5));
    }
    const double v = std::clamp(a + (b - a) * (laenge - 1) / laenge, 0.0, kRohSpanne);
    zuletzt = static_cast<int>(std::floor(v + 0.5));
    geschrieben = true;
    anfang += laenge;
  }
  // Past the lines: the image is filled with the last sample, or with the last point's
  // value when that point has no line of its own.
  if (punkte.back().Laenge == 0 || !geschrieben) return std::clamp(punkte.back().Y, 0, kRohMax);
  return zuletzt;
}

KennlCursorablesung KennlCursorAblesen(const config::Konfiguration& k,
                                       const std::vector<Kennlinienpunkt>& punkte, double x1,
                                       double x2) {
  KennlCursorablesung c;
  c.X1 = x1;
  c.X2 = x2;
  c.Roh1 = KennlAusgabeBeiX(punkte, x1);
  c.Roh2 = KennlAusgabeBeiX(punkte, x2);
  c.Eingang1 = config::EingangRohInEinheit(k, 1, x1);
  c.Eingang2 = config::EingangRohInEinheit(k, 1, x2);
  c.DeltaEingang = c.Eingang2 - c.Eingang1;
  c.Wert1 = config::AusgangRohInEinheit(k, 0, c.Roh1);
  c.Wert2 = config::AusgangRohInEinheit(k, 0, c.Roh2);
  c.Delta = c.Wert2 - c.Wert1;
  if (c.DeltaEingang != 0.0) c.Steigung = c.Delta / c.DeltaEingang;
  return c;
}

}  // namespace characteristic
