#include "curves/shapes/FormEinfuegen.h"

#include <algorithm>
#include <cmath>

#include "common/OperatorInterface.h"
#include "curves/model/Allokation.h"
#include "curves/shapes/Geradennaeherung.h"
#include "curves/transfer/Kurvenbild.h"

namespace curves {
namespace {

// Where a time falls in a curve: in line i, `einheiten` units after its start.
struct Stelle {
  int i = 0;
  int einheiten = 0;
  bool amEnde = false;  // at the curve's end
  bool AufPunkt() const { return einheiten == 0; }
};

bool StelleSuchen(const Kurve& k, double x, Stelle& s) {
  double t = 0.0;
  for (int i = 0; i < k.Punktanzahl(); ++i) {
    const double d = Geradendauer(k.Punkte[i]);
    if (x < t + d) {
      const double e = (x - t) / ZeitbasisInMikrosekunden(k.Punkte[i].Zeitbasis);
      s = {i, static_cast<int>(e), false};
      return e == std::floor(e);
    }
    t += d;
  }
  s = {k.Punktanzahl(), 0, true};
  return true;
}

// Mark times carry fractions of a microsecond (a mark set behind a pasted block); the
// grid is whole microseconds.
double AufMikrosekunde(double x) {
  const double r = std::round(x);
  return std::abs(x - r) < 0.1 ? r : x;
}

}  // namespace

int FormInKurve(const Kurve& kurve, double vonMikro, double bisMikro, const Form& form,
                std::vector<Kurvenpunkt>& punkte, Einfuegebericht& bericht, std::string& meldung) {
  const auto& p = kurve.Punkte;
  const double laenge = Kurvenlaenge(kurve);
  const double von = AufMikrosekunde(vonMikro), bis = AufMikrosekunde(bisMikro);
  if (form.Punkte.empty()) {
    meldung = "the shape has no points";
    return kFehlerFormGrenzen;
  }
  if (p.empty() || !(von >= 0.0 && von <= bis && bis <= laenge)) {
    meldung = "the range " + ZeitText(vonMikro) + " to " + ZeitText(bisMikro) +
              " does not lie in the curve (0 s to " + ZeitText(laenge) + ")";
    return kFehlerEinfuegenBereich;
  }
  Stelle a, b;
  for (auto [x, s] : {std::pair{von, &a}, std::pair{bis, &b}}) {
    if (!StelleSuchen(kurve, x, *s)) {
      meldung = ZeitText(x) + " is not on the " + ZeitbasisName(p[s->i].Zeitbasis) +
                " grid of line " + std::to_string(s->i + 1);
      return kFehlerEinfuegenRaster;
    }
  }

  // What follows the range: the point at bis (split off its line when bis falls inside
  // one), then the rest; at the curve's end the curve closes onto its first point.
  std::vector<Kurvenpunkt> folge;
  if (!b.amEnde) {
    Kurvenpunkt f = p[b.i];
    if (!b.AufPunkt()) {
      const double y1 = p[b.i + 1 < kurve.Punktanzahl() ? b.i + 1 : 0].Y;
      const double v = f.Y + (y1 - f.Y) * b.einheiten / f.Laenge;
      f.Y = static_cast<std::int32_t>(std::clamp(std::trunc(v), 0.0, 4095.0));
      f.Laenge -= b.einheiten;
    }
    folge.push_back(f);
    folge.insert(folge.end(), p.begin() + b.i + 1, p.end());
  }
  const int vorher = a.i + (a.AufPunkt() ? 0 : 1);
  const std::int32_t anfangY = vorher > 0 ? p[0].Y : form.Punkte.front().Y;
  const std::int32_t folgeY = folge.empty() ? anfangY : folge.front().Y;
  const bool schluss = form.Punkte.back().Laenge > 1 && form.Endwert != folgeY;

  const std::size_t anzahl =
      static_cast<std::size_t>(vorher) + form.Punkte.size() + (schluss ? 1 : 0) + folge.size();
  std::vector<Kurvenpunkt> neu;
  if (!PunktfeldAnpassen(neu, anzahl)) {
    meldung = "no memory for the curve's points";
    return kFehlerEinfuegenSpeicher;
  }
  auto ziel = std::copy(p.begin(), p.begin() + vorher, neu.begin());
  if (!a.AufPunkt()) (ziel - 1)->Laenge = a.einheiten;  // the cut line ends at von
  ziel = std::copy(form.Punkte.begin(), form.Punkte.end(), ziel);
  if (schluss) *ziel++ = {form.Endwert, 1, form.Punkte.back().Zeitbasis, {0, 0, 0}};
  std::copy(folge.begin(), folge.end(), ziel);

  const std::int64_t samples = Abtastwerte(neu);
  if (samples > kMaxAbtastwerte) {
    meldung = "the curve " + SpeicherMeldung(samples);
    return kFehlerNaeherungSpeicher;
  }
  bericht.ErsterPunkt = vorher;
  bericht.Punktanzahl = static_cast<int>(form.Punkte.size()) + (schluss ? 1 : 0);
  bericht.EndeMikro = von;
  for (int i = 0; i < bericht.Punktanzahl; ++i) bericht.EndeMikro += Geradendauer(neu[vorher + i]);
  punkte.swap(neu);
  return 0;
}

int FormEinfuegen(Kurvendaten& daten, int c, double vonMikro, double bisMikro, const Form& form,
                  Einfuegebericht& bericht, std::string& meldung) {
  if (c < 0 || c >= kKurven) {
    meldung = "there is no curve " + std::to_string(c + 1);
    return kFehlerEinfuegenBereich;
  }
  std::vector<Kurvenpunkt> neu;
  Einfuegebericht b;
  if (const int fehler = FormInKurve(daten.Kurven[c], vonMikro, bisMikro, form, neu, b, meldung))
    return fehler;
  // One undo step brings the whole curve back.
  daten.KurvenGeaendert = true;
  if (!daten.Historien[c].Sichern(daten.Kurven[c].Punkte, AllokationsHaken()))
    common::showMessage("Error", "Memory allocation failed");
  daten.Kurven[c].Punkte.swap(neu);
  bericht = b;
  return 0;
}

}  // namespace curves
