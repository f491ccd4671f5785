#include "curves/edit/Ansicht.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/Markierung.h"
#include "curves/model/Allokation.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Meldungen.h"

namespace curves {

void SichtZuruecksetzen(Kurvensitzung& sitzung) {
  sitzung.gSicht = Sichtfenster{};
}

void ZeichenflaecheSetzen(Kurvensitzung& sitzung, double breitePx, double hoehePx) {
  sitzung.gZeichenflaeche.BreitePx = breitePx;
  sitzung.gZeichenflaeche.HoehePx = hoehePx;
}

void AnsichtZuruecksetzen(Kurvensitzung& sitzung) {
  SichtZuruecksetzen(sitzung);
  sitzung.gZeichenflaeche = Zeichenflaeche{};
}

double Sichtbreite(Kurvensitzung& sitzung) {
  return sitzung.gSicht.XEnde - sitzung.gSicht.XStart + 1.0;
}

void ZoomPlus(Kurvensitzung& sitzung) {
  const double w = Sichtbreite(sitzung);
  const double neu = std::max(w / 1.5, 1.0);
  const double s = sitzung.gSicht.XStart + (w - neu) / 2.0;
  sitzung.gSicht.XStart = std::floor(s);
  sitzung.gSicht.XEnde = std::floor(s + neu) - 1.0;
}

void ZoomMinus(Kurvensitzung& sitzung) {
  const double neu = 1.5 * Sichtbreite(sitzung);
  const double s = std::max(sitzung.gSicht.XStart - neu / 6.0, 0.0);
  double e = s + neu;
  if (std::floor(e) <= std::floor(1.0 + s)) e += 1.0;
  sitzung.gSicht.XStart = std::floor(s);
  sitzung.gSicht.XEnde = std::floor(e) - 1.0;
}

bool ZoomAufMarkierung(Kurvensitzung& sitzung) {
  if (!sitzung.gMarkierung.Aktiv) return false;
  sitzung.gMarkierung.Aktiv = false;
  if (!(sitzung.gMarkierung.Start < sitzung.gMarkierung.Ende)) return false;
  sitzung.gSicht.XStart = sitzung.gMarkierung.Start;
  sitzung.gSicht.XEnde = sitzung.gMarkierung.Ende - 1.0;
  return true;
}

void ZoomVoll(Kurvensitzung& sitzung) {
  sitzung.gSicht.XStart = 0.0;
  sitzung.gSicht.XEnde = Kurvenlaenge(sitzung, sitzung.gKurven.AktuelleKurve) - 1.0;
}

Scrollbalken ScrollbarAnpassen(Kurvensitzung& sitzung) {
  const double l = Kurvenlaenge(sitzung, sitzung.gKurven.AktuelleKurve);
  const double w = Sichtbreite(sitzung);
  Scrollbalken b{100, 0};
  if (l > 0.0) b.Daumen = static_cast<int>(std::clamp(Runden(w / l * 100.0), 1.0, 100.0));
  // With the whole curve in view there is nowhere to scroll: position 0.
  const double spielraum = Abschneiden(l - w);
  if (spielraum > 0.0)
    b.Position = static_cast<int>(
        std::clamp(Abschneiden(100.0 * sitzung.gSicht.XStart / spielraum), 0.0, 100.0));
  return b;
}

bool ScrollbarLosgelassen(Kurvensitzung& sitzung, int position, bool bewegt) {
  if (!bewegt) return false;
  const double l = Kurvenlaenge(sitzung, sitzung.gKurven.AktuelleKurve);
  const double w = Sichtbreite(sitzung);
  const double s = std::max(std::floor(position * (l - w) / 100.0 + 0.5), 0.0);
  sitzung.gSicht.XEnde = s + (sitzung.gSicht.XEnde - sitzung.gSicht.XStart);
  sitzung.gSicht.XStart = s;
  return true;
}

namespace {

Geradenstueck Stueck(const Kurve& k, int i, double t) {
  const int n = k.Punktanzahl();
  const Kurvenpunkt& p = k.Punkte[i];
  const bool schluss = i == n - 1;
  return {i,
          t,
          static_cast<double>(p.Y),
          t + Geradendauer(p),
          static_cast<double>(k.Punkte[schluss ? 0 : i + 1].Y),
          p.Zeitbasis,
          schluss};
}

}  // namespace

std::vector<Geradenstueck> SichtbareGeraden(const Kurve& k, double xStart, double xEnde) {
  std::vector<Geradenstueck> linien;
  double t = 0.0;
  bool begonnen = false;
  for (int i = 0; i < k.Punktanzahl(); ++i) {
    const double ende = t + Geradendauer(k.Punkte[i]);
    if (!begonnen && ende >= xStart) begonnen = true;
    if (begonnen) {
      linien.push_back(Stueck(k, i, t));
      if (ende > xEnde) break;
    }
    t = ende;
  }
  return linien;
}

std::vector<Geradenstueck> AlleGeraden(const Kurve& k) {
  std::vector<Geradenstueck> linien;
  linien.reserve(k.Punkte.size());
  double t = 0.0;
  for (int i = 0; i < k.Punktanzahl(); ++i) {
    linien.push_back(Stueck(k, i, t));
    t += Geradendauer(k.Punkte[i]);
  }
  return linien;
}

Stufenzug StufenZeichnen(double x0, double y0, double x1, double y1, int code) {
  Stufenzug z;
  const double h = ZeitbasisInMikrosekunden(code);
  if (h <= 0.0 || !(x1 > x0) || !std::isfinite(x1 - x0)) return z;
  // One step per started unit; counted, not accumulated, so the last one is not lost.
  const auto stufen = static_cast<std::size_t>(std::ceil((x1 - x0) / h));
  try {
    if (!AllokationZulassen()) throw std::bad_alloc();
    z.X.reserve(stufen);
    z.Y.reserve(stufen);
  } catch (const std::exception&) {
    Fehlermeldung("Memory allocation failed");
    return Stufenzug{};
  }
  for (std::size_t j = 0; j < stufen; ++j) {
    const double m = x0 + static_cast<double>(j) * h;
    if (!(m < x1)) break;
    z.X.push_back(m + h);
    z.Y.push_back(std::floor(y0 + (y1 - y0) * (m - x0) / (x1 - x0) + 0.5));
  }
  z.AnfangX0 = x0;
  z.AnfangX1 = x0 + h;
  z.AnfangY = y0;
  z.EndeX = x1;
  z.EndeY0 = z.Y.back();
  z.EndeY1 = y1;
  return z;
}

Zeichenvorschau ZeichenVorschau(Kurvensitzung& sitzung, double x, double y, int code) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  const Kurvenpunkt& letzter = k.Punkte.back();
  const double t0 = Kurvenlaenge(k) - Geradendauer(letzter);
  const double g = ZeitbasisInMikrosekunden(code);
  const double schritte = g > 0.0 ? std::max(std::floor((x - t0) / g + 0.5), 1.0) : 0.0;
  return {
      t0, static_cast<double>(letzter.Y), t0 + g * schritte,
      static_cast<double>(YAufRaster(sitzung, sitzung.gKurven.AktuelleKurve, std::floor(y + 0.5)))};
}

Verschiebevorschau VerschiebeVorschau(Kurvensitzung& sitzung, int i, double x, double y) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  const int n = k.Punktanzahl();
  i = std::clamp(i, 0, n - 1);
  const Rasterpunkt r = ZeitAufRaster(sitzung, std::max(i - 1, 0), i, std::min(i + 1, n - 1), x, y);
  Verschiebevorschau v{r.x, static_cast<double>(r.y), i != 0, 0, 0, i != n - 1, 0, 0};
  if (v.MitLinks) {
    v.LinksX = PunktStartzeit(k, i - 1);
    v.LinksY = k.Punkte[i - 1].Y;
  }
  if (v.MitRechts) {
    v.RechtsX = PunktStartzeit(k, i + 1);
    v.RechtsY = k.Punkte[i + 1].Y;
  }
  return v;
}

std::vector<Zeitbasismarke> ZeitbasisMarken(const Kurve& k) {
  std::vector<Zeitbasismarke> marken;
  if (k.Punkte.empty()) return marken;
  int zuletzt = k.Punkte[0].Zeitbasis;
  marken.push_back({0.0, zuletzt, false});
  double t = 0.0;
  for (const auto& p : k.Punkte) {
    if (p.Zeitbasis != zuletzt) {
      zuletzt = p.Zeitbasis;
      marken.push_back({t, zuletzt, true});
    }
    t += Geradendauer(p);
  }
  return marken;
}

YAchse YAchseSkalieren(Kurvensitzung& sitzung, int c) {
  c = std::clamp(c, 0, kKurven - 1);
  YAchse a;
  a.Versatz = RohInEinheit(sitzung, c, 0.0);
  a.Verstaerkung = (RohInEinheit(sitzung, c, kRohMax) - a.Versatz) / kRohMax;
  a.Einheit = Einheitname(sitzung, c);
  a.Min = sitzung.gKurven.YZoomMin[c];
  a.Max = sitzung.gKurven.YZoomMax[c];
  a.FeldMin = RohInEinheit(sitzung, c, a.Min);
  a.FeldMax = RohInEinheit(sitzung, c, a.Max);
  a.FeldMinGenau = RohInEinheit(sitzung, c, a.Min + 0.5);
  a.FeldMaxGenau = RohInEinheit(sitzung, c, a.Max + 0.5);
  a.RuhezustandBeschriftung = "inactive state [" + a.Einheit + "]";
  a.Ruhezustand = RohInEinheit(sitzung, c, sitzung.gKurven.Ruhezustand[c]);
  return a;
}

bool YZoomSetzen(Kurvensitzung& sitzung, double feldMin, double feldMax) {
  const int c = sitzung.gKurven.AktuelleKurve;
  double lo = Abschneiden(EinheitInRoh(sitzung, c, feldMin));
  double hi = Abschneiden(EinheitInRoh(sitzung, c, feldMax));
  if (std::isnan(lo) || std::isnan(hi)) return false;
  lo = std::clamp(lo, 0.0, double{kRohMax});
  hi = std::clamp(hi, 0.0, double{kRohMax});
  if (!(lo < hi)) return false;
  sitzung.gKurven.YZoomMin[c] = static_cast<std::int32_t>(lo);
  sitzung.gKurven.YZoomMax[c] = static_cast<std::int32_t>(hi);
  return true;
}

}  // namespace curves
