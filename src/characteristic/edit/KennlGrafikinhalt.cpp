#include "characteristic/edit/KennlGrafikinhalt.h"

#include <algorithm>

#include "characteristic/edit/KennlAnsicht.h"
#include "common/Dateiname.h"
#include "config/Umrechnung.h"

namespace characteristic {
namespace {

common::Grafikachse Achse(const char* name, const std::string& einheit, double a, double b) {
  return {name, einheit, std::min(a, b), std::max(a, b)};
}

}  // namespace

common::Grafikinhalt KennlGrafikinhalt(const config::Konfiguration& k, const Kennlinie& kennlinie,
                                       const KennlGrafikbereich& bereich,
                                       const std::string& dateiname) {
  common::Grafikinhalt g;
  g.Titel = dateiname.empty() ? "Untitled" : common::DateinamenTeil(dateiname);
  g.X =
      Achse("Input 2", KennlEingangseinheit(k, 1), config::EingangRohInEinheit(k, 1, bereich.XVon),
            config::EingangRohInEinheit(k, 1, bereich.XBis));
  g.Y =
      Achse("Output 1", KennlAusgangseinheit(k, 0), config::AusgangRohInEinheit(k, 0, bereich.YVon),
            config::AusgangRohInEinheit(k, 0, bereich.YBis));
  common::Grafikreihe r;
  r.Name = "Characteristic";
  r.Farbe = 0xFF0000;
  const auto& p = kennlinie.Punkte;
  r.X.reserve(p.size() + 1);
  r.Y.reserve(p.size() + 1);
  double x = 0.0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    r.X.push_back(config::EingangRohInEinheit(k, 1, x));
    r.Y.push_back(config::AusgangRohInEinheit(k, 0, p[i].Y));
    x += p[i].Laenge;
  }
  // The last point holds its value to the end of the input range.
  if (!p.empty()) {
    r.X.push_back(config::EingangRohInEinheit(k, 1, kRohSpanne));
    r.Y.push_back(config::AusgangRohInEinheit(k, 0, p.back().Y));
  }
  g.Reihen.push_back(std::move(r));
  return g;
}

}  // namespace characteristic
