#include "curves/edit/Kurvengrafikinhalt.h"

#include <algorithm>
#include <cmath>

#include "common/Dateiname.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"

namespace curves {
namespace {

struct Zeitmass {
  const char* Name;
  double Mikrosekunden;
};

// The units of the window's time axis, by the width shown.
Zeitmass ZeitmassFuer(double breiteUs) {
  const double b = std::abs(breiteUs);
  if (b < 2e3) return {"\u00b5s", 1.0};
  if (b < 2e6) return {"ms", 1e3};
  if (b < 120e6) return {"s", 1e6};
  return {"min", 60e6};
}

// Codes lo..hi of curve c's output in its unit, lower end first (a scaling may fall).
std::pair<double, double> Wertebereich(const Kurvensitzung& sitzung, int c, double lo, double hi) {
  const double a = RohInEinheit(sitzung, c, lo), b = RohInEinheit(sitzung, c, hi);
  return {std::min(a, b), std::max(a, b)};
}

}  // namespace

std::vector<int> SichtbareKurven(const Kurvensitzung& sitzung) {
  const int aktuelle = sitzung.gKurven.AktuelleKurve;
  if (aktuelle == 0) return {0};
  return {aktuelle, 0};
}

int KurvenGrafikinhalt(Kurvensitzung& sitzung, const std::vector<int>& kurven, bool nurSicht,
                       common::Grafikinhalt& inhalt, std::string& meldung) {
  if (kurven.empty()) {
    meldung = "no curve chosen";
    return kFehlerGrafikKurve;
  }
  for (int c : kurven) {
    if (c < 0 || c >= kKurven) {
      meldung = "there is no curve " + std::to_string(c + 1) + " (1..4)";
      return kFehlerGrafikKurve;
    }
  }
  const Kurvendaten& d = sitzung.gKurven;
  const int erste = kurven.front();
  double von = 0.0, bis = 0.0;
  if (nurSicht) {
    von = sitzung.gSicht.XStart;
    bis = sitzung.gSicht.XEnde + 1.0;
  } else {
    for (int c : kurven) bis = std::max(bis, Kurvenlaenge(d.Kurven[c]));
  }
  const Zeitmass t = ZeitmassFuer(bis - von);

  common::Grafikinhalt g;
  g.Titel = sitzung.Dateiname.empty() ? "Untitled" : common::DateinamenTeil(sitzung.Dateiname);
  g.X = {"Time", t.Name, von / t.Mikrosekunden, bis / t.Mikrosekunden};
  const auto [yMin, yMax] = nurSicht
                                ? Wertebereich(sitzung, erste, d.YZoomMin[erste], d.YZoomMax[erste])
                                : Wertebereich(sitzung, erste, 0.0, kRohMax);
  const std::string einheit = Einheitname(sitzung, erste);
  g.Y = {"Output", einheit, yMin, yMax};
  for (int c : kurven) {
    const Kurve& k = d.Kurven[c];
    common::Grafikreihe r;
    r.Name = "Curve " + std::to_string(c + 1);
    if (Einheitname(sitzung, c) != einheit) r.Name += " [" + Einheitname(sitzung, c) + "]";
    r.Farbe = kGrafikfarben[c];
    const std::size_t n = k.Punkte.size();
    r.X.reserve(n + 1);
    r.Y.reserve(n + 1);
    double zeit = 0.0;
    for (const Kurvenpunkt& p : k.Punkte) {
      r.X.push_back(zeit / t.Mikrosekunden);
      r.Y.push_back(RohInEinheit(sitzung, c, p.Y));
      zeit += Geradendauer(p);
    }
    // The last line runs back to the first value: the curve repeats.
    if (n > 0) {
      r.X.push_back(zeit / t.Mikrosekunden);
      r.Y.push_back(RohInEinheit(sitzung, c, k.Punkte.front().Y));
    }
    g.Reihen.push_back(std::move(r));
  }
  inhalt = std::move(g);
  return 0;
}

}  // namespace curves
