#include "characteristic/transfer/Kennlinienbild.h"

#include <algorithm>
#include <cmath>

#include "characteristic/model/Kennlinienmodell.h"
#include "common/Raster.h"
#include "config/Umrechnung.h"

namespace characteristic {
namespace {

constexpr double kZeitschritt = 409.5;  // 4095 * 0.1 ms
constexpr std::int32_t kKuerzesteZeit = 4095 * 256;

void Wort(std::vector<std::uint8_t>& bild, long p, int wert) {
  bild[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(wert >> 8);
  bild[static_cast<std::size_t>(p) + 1] = static_cast<std::uint8_t>(wert);
}

// The output-2 field as a raw code, limited to what output 2 can show.
int Ausgang2Roh(const config::Konfiguration& k, double v) {
  const double lo = config::AusgangRohInEinheit(k, 1, 0.0);
  const double hi = config::AusgangRohInEinheit(k, 1, kRohSpanne);
  if (std::isnan(v)) v = lo;
  if (lo > v) v = lo;
  if (hi < v) v = hi;
  return common::AufCodeBegrenzen(common::Runden(config::AusgangEinheitInRoh(k, 1, v)), kRohSpanne);
}

}  // namespace

std::int32_t AnstiegszeitInCode(double t) {
  // 409.5 / t would divide by zero or give a negative factor.
  if (!(t > 0.0)) return kKuerzesteZeit;
  if (t <= kZeitschritt) {
    const double s = std::clamp(std::trunc(kZeitschritt / t), 1.0, 4095.0);
    return static_cast<std::int32_t>(s) * 256;
  }
  const double r = std::clamp(common::Runden(256.0 - t / kZeitschritt), 1.0, 255.0);
  return static_cast<std::int32_t>(r);
}

double CodeInAnstiegszeit(std::int32_t code) {
  if (code <= 0) code = 1;
  if (code < 256) return kZeitschritt * (256 - code);
  return kZeitschritt / std::min(code / 256, 4095);
}

int KennlPruefsumme(const std::uint8_t* bild, int ende) {
  unsigned summe = 1;
  for (int i = 2; i <= ende; ++i) summe += bild[i];
  return static_cast<int>(summe % 65536);
}

int KennlBildErzeugen(Kennliniensitzung& sitzung, std::vector<std::uint8_t>& bild) {
  std::vector<std::uint8_t> neu(static_cast<std::size_t>(kPlatzBytes), 0);
  const auto& punkte = sitzung.gKennl.Kennl.Punkte;
  long p = kBildAbtastwerte;
  int fuellwert = 0;
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const double a = punkte[i].Y;
    const double b = i + 1 < punkte.size() ? punkte[i + 1].Y : a;
    const int laenge = punkte[i].Laenge;
    for (int k = 0; k < laenge; ++k) {
      if (p + 2 > kPlatzBytes) return kFehlerBildZuLang;
      const double v = std::clamp(a + (b - a) * k / laenge, 0.0, kRohSpanne);
      fuellwert = static_cast<int>(common::Runden(v));
      Wort(neu, p, fuellwert);
      p += 2;
    }
  }
  if (!punkte.empty() && punkte.back().Laenge == 0)
    fuellwert = std::clamp(punkte.back().Y, 0, kRohMax);
  for (; p < kPlatzBytes - 1; p += 2) Wort(neu, p, fuellwert);

  Wort(neu, kBildAusgang2, Ausgang2Roh(sitzung.Konfig.gKonfig, sitzung.gKennl.Felder.Ausgang2));
  const std::int32_t code = AnstiegszeitInCode(sitzung.gKennl.Felder.Anstiegszeit);
  neu[kBildAnstiegszeit] = static_cast<std::uint8_t>(code >> 16);
  neu[kBildAnstiegszeit + 1] = static_cast<std::uint8_t>(code >> 8);
  neu[kBildAnstiegszeit + 2] = static_cast<std::uint8_t>(code);
  neu[kBildArt] = 0;
  Wort(neu, 0, KennlPruefsumme(neu.data(), static_cast<int>(kPlatzBytes) - 1));
  bild.swap(neu);
  return 0;
}

std::vector<std::uint8_t> KennlEinsBild() {
  std::vector<std::uint8_t> bild(kEinsBildBytes, 0);
  bild[1] = 207;
  bild[kBildArt] = 1;
  bild[33] = 205;
  return bild;
}

}  // namespace characteristic
