#include "curves/model/Kurvenmodell.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "curves/model/Allokation.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/model/Titel.h"

namespace curves {

namespace {

struct ZeitbasisEintrag {
  int code;
  const char* name;
  double mikrosekunden;
};

constexpr ZeitbasisEintrag kZeitbasen[] = {
    {9, "250us", 250.0},    {1, "1ms", 1000.0},     {2, "2ms", 2000.0},
    {3, "5ms", 5000.0},     {4, "10ms", 10000.0},   {5, "50ms", 50000.0},
    {6, "100ms", 100000.0}, {7, "500ms", 500000.0}, {8, "1s", 1000000.0},
};

const ZeitbasisEintrag* EintragZu(int code) {
  for (const auto& e : kZeitbasen)
    if (e.code == code) return &e;
  return nullptr;
}

constexpr int kFehlerPunkte = -600403;
constexpr int kFehlerStart = -600402;

}  // namespace

double ZeitbasisInMikrosekunden(int code) {
  // Looked up once per line whenever a curve is measured or drawn: by index, not by search.
  static const auto kTabelle = [] {
    std::array<double, 16> t{};
    for (const auto& e : kZeitbasen) t.at(static_cast<std::size_t>(e.code)) = e.mikrosekunden;
    return t;
  }();
  return code >= 0 && code < static_cast<int>(kTabelle.size())
             ? kTabelle[static_cast<std::size_t>(code)]
             : 0.0;
}

const char* ZeitbasisName(int code) {
  const auto* e = EintragZu(code);
  return e ? e->name : " ";
}

int ZeitbasisAusName(const char* name) {
  if (!name) return 0;
  for (const auto& e : kZeitbasen)
    if (std::strcmp(e.name, name) == 0) return e.code;
  return 0;
}

double Geradendauer(const Kurvenpunkt& p) {
  return p.Laenge * ZeitbasisInMikrosekunden(p.Zeitbasis);
}

double PunktStartzeit(const Kurve& k, int i) {
  // Every time base is a whole number of microseconds, so the lines add up in whole
  // numbers: exact, and without a chain of floating-point additions over a curve of a few
  // hundred thousand lines (measured on every redraw).
  static const auto kGanz = [] {
    std::array<std::int64_t, 16> t{};
    for (const auto& e : kZeitbasen)
      t.at(static_cast<std::size_t>(e.code)) = std::llround(e.mikrosekunden);
    return t;
  }();
  const int n = k.Punktanzahl();
  if (i > n) i = n;
  std::int64_t t = 0;
  for (int j = 0; j < i; ++j) {
    const Kurvenpunkt& p = k.Punkte[static_cast<std::size_t>(j)];
    const auto code = static_cast<unsigned>(p.Zeitbasis);
    t += code < kGanz.size() ? p.Laenge * kGanz[code] : 0;
  }
  return static_cast<double>(t);
}

int GeradenIndexBeiZeit(const Kurve& k, double x) {
  const double grenze = std::floor(x) + 1.0;
  const int n = k.Punktanzahl();
  double ende = 0.0;
  for (int i = 0; i < n; ++i) {
    ende += Geradendauer(k.Punkte[i]);
    if (grenze <= ende) return i;
  }
  return n > 0 ? n - 1 : 0;
}

double PunktStartzeit(Kurvensitzung& sitzung, int i) {
  return PunktStartzeit(AktuelleKurveDaten(sitzung), i);
}

int GeradenIndexBeiZeit(Kurvensitzung& sitzung, double x) {
  return GeradenIndexBeiZeit(AktuelleKurveDaten(sitzung), x);
}

double Kurvenlaenge(const Kurve& k) {
  return PunktStartzeit(k, k.Punktanzahl());
}

double Kurvenlaenge(Kurvensitzung& sitzung, int c) {
  if (c < 0 || c >= kKurven) return 0.0;
  return Kurvenlaenge(sitzung.gKurven.Kurven[c]);
}

Kurve& AktuelleKurveDaten(Kurvensitzung& sitzung) {
  return sitzung.gKurven.Kurven[sitzung.gKurven.AktuelleKurve];
}

bool AktuelleKurveSetzen(Kurvensitzung& sitzung, int c) {
  if (c < 0 || c >= kKurven) return false;
  sitzung.gKurven.AktuelleKurve = c;
  return true;
}

void YRasterSetzen(Kurvensitzung& sitzung, double wert) {
  sitzung.gKurven.YRaster[sitzung.gKurven.AktuelleKurve] = wert;
}

bool KommentarSetzen(Kurvensitzung& sitzung, const std::string& text) {
  Kurve& k = AktuelleKurveDaten(sitzung);
  if (k.Kommentar == text) return false;
  k.Kommentar = text;
  sitzung.gKurven.KurvenGeaendert = true;
  return true;
}

std::int64_t Speicherbedarf(Kurvensitzung& sitzung) {
  std::int64_t bytes = kKopfBytes;
  for (const auto& k : sitzung.gKurven.Kurven)
    for (const auto& p : k.Punkte) bytes += 2 * static_cast<std::int64_t>(p.Laenge);
  return bytes;
}

SpeicherbedarfAnzeige SpeicherbedarfAnzeigen(Kurvensitzung& sitzung) {
  const double prozent =
      100.0 * static_cast<double>(Speicherbedarf(sitzung)) / kGeraetespeicherBytes;
  return {prozent + 0.05, prozent + 0.05 <= 100.0 ? kFarbeGrau : kFarbeRot};
}

int PunkteAllokieren(Kurvensitzung& sitzung, int c, int n) {
  if (c < 0 || c >= kKurven || n < 1) return kFehlerPunkte;
  if (!PunktfeldAnpassen(sitzung.gKurven.Kurven[c].Punkte, static_cast<std::size_t>(n)))
    return kFehlerPunkte;
  return 0;
}

int KurvenModellInitialisieren(Kurvensitzung& sitzung) {
  // Built aside and moved in only when complete, so a failure frees what was allocated.
  Kurvendaten neu;
  for (int c = 0; c < kKurven; ++c) {
    Kurve& k = neu.Kurven[c];
    if (!TextReservieren(k.Kommentar, kKommentarGroesse - 1)) return kFehlerStart;
    if (!PunktfeldAnpassen(k.Punkte, 1)) return kFehlerStart;
    k.Punkte[0] = kStandardpunkt;
    for (auto& slot : neu.Historien[c].Slots) {
      if (!PunktfeldAnpassen(slot.Punkte, 1)) return kFehlerStart;
      slot.Punkte[0] = kStandardpunkt;
    }
  }
  sitzung.gKurven = std::move(neu);
  sitzung.gSicht = Sichtfenster{};
  UndoBefehleZuruecksetzen(sitzung);
  return 0;
}

void KurvenModellFreigeben(Kurvensitzung& sitzung) {
  for (auto& k : sitzung.gKurven.Kurven) {
    std::vector<Kurvenpunkt>().swap(k.Punkte);
    std::string().swap(k.Kommentar);
  }
  for (auto& h : sitzung.gKurven.Historien)
    for (auto& slot : h.Slots) std::vector<Kurvenpunkt>().swap(slot.Punkte);
  std::vector<Kurvenpunkt>().swap(sitzung.gKurven.Zwischenspeicher);
}

int KurvenNeu(Kurvensitzung& sitzung) {
  sitzung.Abweichungen.clear();
  for (int c = 0; c < kKurven; ++c) {
    if (const int fehler = PunkteAllokieren(sitzung, c, 1)) return fehler;
    sitzung.gKurven.Kurven[c].Punkte[0] = kStandardpunkt;
    sitzung.gKurven.Kurven[c].Kommentar.clear();
    sitzung.gKurven.Zyklen[c] = 0;
    sitzung.gKurven.Ruhezustand[c] = 0;
  }
  Fenstertitel(sitzung, "");
  return 0;
}

}  // namespace curves
