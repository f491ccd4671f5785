#include "characteristic/edit/KennlAnsicht.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "characteristic/model/Kennlinienmodell.h"
#include "config/Konfiguration.h"
#include "config/Umrechnung.h"

namespace characteristic {

namespace {

void SichtSetzen(Kennliniensitzung& sitzung, double a, double b) {
  sitzung.gKennl.XStart = std::floor(a);
  sitzung.gKennl.XEnde = std::floor(b) - 1.0;
}

std::string Einheit(const char (&feld)[config::kEinheitGroesse]) {
  return std::string(feld, strnlen(feld, sizeof feld));
}

}  // namespace

double KennlSichtbreite(Kennliniensitzung& sitzung) {
  return sitzung.gKennl.XEnde - sitzung.gKennl.XStart + 1.0;
}

void KennlZoomPlus(Kennliniensitzung& sitzung) {
  const double w = KennlSichtbreite(sitzung);
  const double h = std::max(w / 1.5, 1.0);
  const double a = sitzung.gKennl.XStart + (w - h) / 2.0;
  SichtSetzen(sitzung, a, a + h);
}

void KennlZoomMinus(Kennliniensitzung& sitzung) {
  const double c = 1.5 * KennlSichtbreite(sitzung);
  const double a = std::max(sitzung.gKennl.XStart - c / 6.0, 0.0);
  double b = std::min(a + c, kRohSpanne);
  if (std::floor(a + 1.0) >= std::floor(b)) b += 1.0;
  SichtSetzen(sitzung, a, b);
}

bool KennlZoomAufMarkierung(Kennliniensitzung& sitzung) {
  Markierung& m = sitzung.gKennl.Mark;
  if (!m.Aktiv) return false;
  if (m.Ende > m.Start) {
    sitzung.gKennl.XStart = m.Start;
    sitzung.gKennl.XEnde = m.Ende - 1.0;
  }
  m.Aktiv = false;
  return true;
}

void KennlZoomVoll(Kennliniensitzung& sitzung) {
  sitzung.gKennl.XStart = 0.0;
  sitzung.gKennl.XEnde = kRohSpanne - 1.0;
}

void KennlZoomUmX(Kennliniensitzung& sitzung, double x, bool hinein) {
  const double w = KennlSichtbreite(sitzung);
  const double anteil = std::clamp((x - sitzung.gKennl.XStart) / w, 0.0, 1.0);
  if (hinein)
    KennlZoomPlus(sitzung);
  else
    KennlZoomMinus(sitzung);
  const double neu = KennlSichtbreite(sitzung);
  const double rest = std::max(std::trunc(kRohSpanne - neu), 0.0);
  const double s = std::clamp(std::floor(x - anteil * neu + 0.5), 0.0, rest);
  sitzung.gKennl.XStart = s;
  sitzung.gKennl.XEnde = s + neu - 1.0;
}

void KennlSichtVerschieben(Kennliniensitzung& sitzung, double schritte) {
  const double w = KennlSichtbreite(sitzung);
  const double rest = std::max(std::trunc(kRohSpanne - w), 0.0);
  const double s =
      std::clamp(std::floor(sitzung.gKennl.XStart + schritte * w / 10.0 + 0.5), 0.0, rest);
  sitzung.gKennl.XStart = s;
  sitzung.gKennl.XEnde = s + w - 1.0;
}

KennlScrollbalken KennlScrollbarAnpassen(Kennliniensitzung& sitzung) {
  const double w = KennlSichtbreite(sitzung);
  const int daumen = std::clamp(static_cast<int>(std::lround(100.0 * w / kRohSpanne)), 1, 100);
  const double rest = std::trunc(kRohSpanne - w);
  int position = 0;
  if (rest > 0.0)
    position =
        static_cast<int>(std::lround(std::clamp(100.0 * sitzung.gKennl.XStart / rest, 0.0, 100.0)));
  return {daumen, position};
}

bool KennlScrollbarLosgelassen(Kennliniensitzung& sitzung, int position) {
  const double w = KennlSichtbreite(sitzung);
  const double start = std::max(std::floor(position * (kRohSpanne - w) / 100.0 + 0.5), 0.0);
  if (start == sitzung.gKennl.XStart) return false;
  sitzung.gKennl.XEnde += start - sitzung.gKennl.XStart;
  sitzung.gKennl.XStart = start;
  return true;
}

KennlAchse KennlYAchse(Kennliniensitzung& sitzung) {
  KennlAchse a;
  a.Versatz = config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 0, 0.0);
  a.Verstaerkung =
      (config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 0, kRohSpanne) - a.Versatz) / kRohSpanne;
  a.Einheit = KennlAusgangseinheit(sitzung.Konfig.gKonfig, 0);
  a.Min = sitzung.gKennl.YZoomMin;
  a.Max = sitzung.gKennl.YZoomMax;
  a.FeldMin = config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 0, a.Min);
  a.FeldMax = config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 0, a.Max);
  a.FeldMinGenau = config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 0, a.Min + 0.5);
  a.FeldMaxGenau = config::AusgangRohInEinheit(sitzung.Konfig.gKonfig, 0, a.Max + 0.5);
  return a;
}

KennlAchse KennlXAchse(Kennliniensitzung& sitzung) {
  KennlAchse a;
  a.Versatz = config::EingangRohInEinheit(sitzung.Konfig.gKonfig, 1, 0.0);
  a.Verstaerkung =
      (config::EingangRohInEinheit(sitzung.Konfig.gKonfig, 1, kRohSpanne) - a.Versatz) / kRohSpanne;
  a.Einheit = KennlEingangseinheit(sitzung.Konfig.gKonfig, 1);
  a.Min = sitzung.gKennl.XStart;
  a.Max = sitzung.gKennl.XEnde + 1.0;
  a.FeldMin = a.FeldMinGenau = config::EingangRohInEinheit(sitzung.Konfig.gKonfig, 1, a.Min);
  a.FeldMax = a.FeldMaxGenau = config::EingangRohInEinheit(sitzung.Konfig.gKonfig, 1, a.Max);
  return a;
}

bool KennlYZoomSetzen(Kennliniensitzung& sitzung, double feldMin, double feldMax) {
  double lo = std::trunc(config::AusgangEinheitInRoh(sitzung.Konfig.gKonfig, 0, feldMin));
  double hi = std::trunc(config::AusgangEinheitInRoh(sitzung.Konfig.gKonfig, 0, feldMax));
  if (std::isnan(lo) || std::isnan(hi)) return false;
  lo = std::clamp(lo, 0.0, kRohSpanne);
  hi = std::clamp(hi, 0.0, kRohSpanne);
  if (!(lo < hi)) return false;
  sitzung.gKennl.YZoomMin = static_cast<std::int32_t>(lo);
  sitzung.gKennl.YZoomMax = static_cast<std::int32_t>(hi);
  return true;
}

KennlAusgang2Feld KennlAusgang2Beschreibung(const Kennliniensitzung& sitzung) {
  const auto& k = sitzung.Konfig.gKonfig;
  return {"analog output 2 [" + KennlAusgangseinheit(sitzung.Konfig.gKonfig, 1) + "]",
          std::min(k.outskalamin[1], k.outskalamax[1]),
          std::max(k.outskalamin[1], k.outskalamax[1])};
}

std::string KennlAusgangseinheit(const config::Konfiguration& k, int n) {
  return Einheit(k.outeinheit[std::clamp(n, 0, 3)]);
}

std::string KennlEingangseinheit(const config::Konfiguration& k, int n) {
  return Einheit(k.ineinheit[std::clamp(n, 0, 3)]);
}

}  // namespace characteristic
