#include "curves/edit/Punktzeilen.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "curves/edit/BearbeitenGeraden.h"
#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/BearbeitenPunkte.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Meldungen.h"
#include "curves/shapes/Formparameter.h"

namespace curves {
namespace {

bool GanzeZahl(const std::string& text, long long& zahl) {
  const char* ende = text.data() + text.size();
  const auto [weiter, fehler] = std::from_chars(text.data(), ende, zahl);
  return fehler == std::errc() && weiter == ende;
}

std::string Getrimmt(const std::string& text) {
  const auto a = text.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return text.substr(a, text.find_last_not_of(" \t") - a + 1);
}

std::string Zahltext(double v) {
  char puffer[32];
  std::snprintf(puffer, sizeof puffer, "%.6g", v);
  return puffer;
}

}  // namespace

void StartzeitenBerechnen(const Kurve& k, std::vector<double>& start) {
  start.resize(k.Punkte.size() + 1);
  double t = 0.0;
  for (std::size_t i = 0; i < k.Punkte.size(); ++i) {
    start[i] = t;
    t += Geradendauer(k.Punkte[i]);
  }
  start.back() = t;
}

Punktzeile PunktzeileLesen(const Kurvensitzung& sitzung, const Kurve& k, int c, int i,
                           double startMikro) {
  const Kurvenpunkt& p = k.Punkte[i];
  const int n = k.Punktanzahl();
  const Kurvenpunkt& folgend = k.Punkte[i + 1 < n ? i + 1 : 0];
  Punktzeile z;
  z.StartMikro = startMikro;
  z.Laenge = p.Laenge;
  z.Zeitbasis = p.Zeitbasis;
  z.Codes = p.Y;
  z.Wert = RohInEinheit(sitzung, c, p.Y);
  const double d = Geradendauer(p);
  if (d > 0.0) z.Steigung = (RohInEinheit(sitzung, c, folgend.Y) - z.Wert) / (d / 1e6);
  return z;
}

std::string PunktzelleText(const Punktzeile& z, Punktspalte spalte) {
  switch (spalte) {
    case Punktspalte::Start:
      return ZeitText(z.StartMikro);
    case Punktspalte::Laenge:
      return std::to_string(z.Laenge);
    case Punktspalte::Zeitbasis:
      return ZeitbasisName(z.Zeitbasis);
    case Punktspalte::Wert:
      return Zahltext(z.Wert);
    case Punktspalte::Codes:
      return std::to_string(z.Codes);
    case Punktspalte::Steigung:
      return Zahltext(z.Steigung);
  }
  return {};
}

int PunktzelleSetzen(Kurvensitzung& sitzung, int i, Punktspalte spalte, const std::string& text) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  if (i < 0 || i >= k.Punktanzahl()) return 0;
  const int c = sitzung.gKurven.AktuelleKurve;
  const Kurvenpunkt p = k.Punkte[i];
  const double t = PunktStartzeit(k, i);
  const std::string wert = Getrimmt(text);
  std::string grund;
  switch (spalte) {
    case Punktspalte::Start: {
      double mikro = 0.0;
      if (!ZeitLesen(wert, mikro, grund)) break;
      return PunktSetzen(sitzung, i, mikro, p.Y);
    }
    case Punktspalte::Laenge: {
      long long laenge = 0;
      if (!GanzeZahl(wert, laenge)) {
        grund = "is not a whole number of units";
        break;
      }
      if (i == k.Punktanzahl() - 1) {
        Fehlermeldung("The closing line keeps its length.");
        return 0;
      }
      return GeradenlaengeSetzen(
          sitzung, i, static_cast<double>(laenge) * ZeitbasisInMikrosekunden(p.Zeitbasis));
    }
    case Punktspalte::Zeitbasis: {
      const int code = ZeitbasisAusName(wert.c_str());
      if (code == 0) {
        grund = "is not a time base";
        break;
      }
      return ZeitbasisAendern(sitzung, t, code);
    }
    case Punktspalte::Wert: {
      double zahl = 0.0;
      if (!ZahlLesen(wert, zahl, grund)) break;
      return PunktSetzen(sitzung, i, t, EinheitInRoh(sitzung, c, zahl));
    }
    case Punktspalte::Codes: {
      long long codes = 0;
      if (!GanzeZahl(wert, codes)) {
        grund = "is not a whole code";
        break;
      }
      return PunktSetzen(sitzung, i, t, static_cast<double>(codes));
    }
    case Punktspalte::Steigung:
      return 0;
  }
  Fehlermeldung("'" + wert + "' " + grund + ".");
  return 0;
}

int PunktWertSchieben(Kurvensitzung& sitzung, int i, int richtung) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  if (i < 0 || i >= k.Punktanzahl() || richtung == 0) return 0;
  const int c = sitzung.gKurven.AktuelleKurve;
  const double raster = sitzung.gKurven.YRaster[c];
  const double y = k.Punkte[i].Y;
  double schritt = 1.0;
  if (raster > 0.0)
    schritt = std::abs(EinheitInRoh(sitzung, c, raster) - EinheitInRoh(sitzung, c, 0.0));
  double ziel = y + (richtung > 0 ? schritt : -schritt);
  // Onto the grid as drawing puts a value there; past the codes it stays as it is, so
  // that the point dialog's refusal names the limit.
  if (raster > 0.0 && ziel >= 0.0 && ziel <= kRohMax) ziel = YAufRaster(sitzung, c, ziel);
  return PunktSetzen(sitzung, i, PunktStartzeit(k, i), ziel);
}

int PunktZeitSchieben(Kurvensitzung& sitzung, int i, int richtung) {
  const Kurve& k = AktuelleKurveDaten(sitzung);
  if (i < 0 || i >= k.Punktanzahl() || richtung == 0) return 0;
  double einheit = ZeitbasisInMikrosekunden(k.Punkte[i].Zeitbasis);
  if (i > 0) einheit = std::max(einheit, ZeitbasisInMikrosekunden(k.Punkte[i - 1].Zeitbasis));
  const double t = PunktStartzeit(k, i) + (richtung > 0 ? einheit : -einheit);
  return PunktSetzen(sitzung, i, t, k.Punkte[i].Y);
}

}  // namespace curves
