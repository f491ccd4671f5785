#include "curves/transfer/Kurvenbild.h"

#include <algorithm>

#include "curves/model/Allokation.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Rueckgaengig.h"
#include "device/Fehler.h"

namespace curves {
namespace {

void Wort(std::vector<std::uint8_t>& bild, int adresse, unsigned wert) {
  bild[adresse] = static_cast<std::uint8_t>((wert >> 8) & 0xFF);
  bild[adresse + 1] = static_cast<std::uint8_t>(wert & 0xFF);
}

}  // namespace

int ZeitbasisNibble(int code) {
  if (code >= 1 && code <= 8) return code - 1;
  if (code == 9) return 8;
  return -1;
}

int ZeitbasisAusNibble(int nibble) {
  if (nibble >= 0 && nibble <= 7) return nibble + 1;
  if (nibble == 8) return 9;
  return 0;
}

int KurvenbildErzeugen(std::vector<std::uint8_t>& bild, int& ende) {
  bild.assign(kBildGroesse, 0);
  ende = kAbtastAnfang;
  const auto& punkte = gKurven.Kurven[0].Punkte;
  // Checked before any sample is written, so a damaged point cannot run past the image.
  std::int64_t einheiten = 0;
  for (const Kurvenpunkt& p : punkte) {
    if (ZeitbasisNibble(p.Zeitbasis) < 0 || p.Laenge < 1 || p.Laenge > 65535)
      return kFehlerPunktNichtKodierbar;
    einheiten += p.Laenge;
  }
  if (einheiten > kMaxAbtastwerte) return kFehlerSpeicherVoll;

  int p = kAbtastAnfang;
  const std::size_t n = punkte.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double y0 = punkte[i].Y;
    const double y1 = punkte[i + 1 < n ? i + 1 : 0].Y;
    const int laenge = punkte[i].Laenge;
    const unsigned nibble = static_cast<unsigned>(ZeitbasisNibble(punkte[i].Zeitbasis)) << 12;
    for (int k = 0; k < laenge; ++k) {
      // Each line starts at its own value and approaches the next point's value.
      const double v = std::clamp(y0 + (y1 - y0) * k / laenge, 0.0, 4095.0);
      const unsigned wert = static_cast<unsigned>(v + 0.5);
      Wort(bild, p, (wert & 0x7FFF) | nibble);
      p += 2;
    }
  }
  Wort(bild, kBildEndadressen, static_cast<unsigned>(p - 1));
  for (int c = 0; c < kKurven; ++c) {
    Wort(bild, kBildZyklen + 2 * c, static_cast<unsigned>(gKurven.Zyklen[c]) & 0xFFFF);
    Wort(bild, kBildRuhezustand + 2 * c, static_cast<unsigned>(gKurven.Ruhezustand[c]) & 0xFFFF);
  }
  bild[kBildKurvenzahl] = 1;
  Wort(bild, kBildPruefsumme,
       static_cast<unsigned>(Kurvenpruefsumme(bild.data(), kBildEndadressen, p - 1)));
  ende = p;
  return 0;
}

namespace {

// A read replaces the curve with what the device holds: one undo step brings back what
// the operator had. Taken as the edited curve, without marking the curves as changed;
// false when its slot cannot be allocated.
bool LesenRueckgaengigSichern(int c) {
  const int aktuelle = gKurven.AktuelleKurve;
  const bool geaendert = gKurven.KurvenGeaendert;
  gKurven.AktuelleKurve = c;
  const bool gesichert = RueckgaengigSichernOhneMeldung();
  gKurven.AktuelleKurve = aktuelle;
  gKurven.KurvenGeaendert = geaendert;
  if (aktuelle != c) UndoKnoepfeFuerKurve(aktuelle);
  return gesichert;
}

int Speicherfehler(int code) {
  device::ZOR_Fehlerpopup(code);
  return code;
}

}  // namespace

int Kurvenpruefsumme(const std::uint8_t* puffer, int von, int bis) {
  unsigned summe = 0;
  for (int a = von; a <= bis; ++a) summe += puffer[a];
  return static_cast<int>((summe + 1) & 0xFFFF);
}

int AbtastwerteInPunkte(int c, const std::uint8_t* puffer, int erste, int letzte) {
  const int bytes = letzte - erste + 1;
  if (bytes <= 0) return kFehlerBildAnfang;  // a curve has at least one point
  if (bytes % 2 != 0) return kFehlerAbtastUngerade;
  std::vector<Kurvenpunkt> punkte;
  const auto anzahl = static_cast<std::size_t>(bytes / 2);
  if (!PunktfeldAnpassen(punkte, anzahl)) return Speicherfehler(kFehlerAbtastSpeicher);
  for (int i = 0; i < bytes / 2; ++i) {
    const int h = puffer[erste + 2 * i];
    const int l = puffer[erste + 2 * i + 1];
    const int code = ZeitbasisAusNibble(h >> 4);
    if (code == 0) return kFehlerAbtastZeitbasis;
    punkte[i] = Kurvenpunkt{(h * 256 + l) & 0xFFF, 1, static_cast<std::int8_t>(code), {0, 0, 0}};
  }
  // The operator's curve goes into the undo ring, then the curve's own array takes the
  // samples; either allocation failing leaves the curve as it was.
  if (!LesenRueckgaengigSichern(c)) return Speicherfehler(kFehlerAbtastUndoSpeicher);
  auto& ziel = gKurven.Kurven[c].Punkte;
  if (!PunktfeldAnpassen(ziel, anzahl)) return Speicherfehler(kFehlerAbtastKurvenSpeicher);
  std::copy(punkte.begin(), punkte.end(), ziel.begin());
  return 0;
}

}  // namespace curves
