#include "characteristic/edit/KennlFunktion.h"

#include <muParser.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

namespace characteristic {
namespace {

using Parameterliste = std::vector<std::pair<std::string, std::string>>;

struct Funktionsdef {
  std::string Art;
  Parameterliste Vorgaben;
};

const std::vector<Funktionsdef>& Defs() {
  static const std::vector<Funktionsdef> defs = {
      {"linear", {{"gain", "1"}, {"offset", "0"}}},
      {"deadband", {{"center", "2048"}, {"width", "400"}, {"gain", "1"}, {"level", "2048"}}},
      {"saturation", {{"gain", "2"}, {"offset", "-2048"}, {"low", "0"}, {"high", "4095"}}},
      {"square", {{"gain", "0.000244"}, {"x0", "0"}, {"offset", "0"}}},
      {"formula", {{"expr", "x"}}},
  };
  return defs;
}

const Funktionsdef* DefSuchen(const std::string& art) {
  for (const auto& d : Defs())
    if (d.Art == art) return &d;
  return nullptr;
}

bool Zahl(const std::string& text, double& wert) {
  const char* ende = text.data() + text.size();
  const auto [weiter, fehler] = std::from_chars(text.data(), ende, wert);
  return fehler == std::errc() && weiter == ende && std::isfinite(wert);
}

// What the device outputs at step x of a line from (x0, y0) to (x1, y1).
int Geraetewert(double x0, double y0, double x1, double y1, double x) {
  if (x1 <= x0) return static_cast<int>(y0);
  return static_cast<int>(std::floor(y0 + (y1 - y0) * (x - x0) / (x1 - x0) + 0.5));
}

// The device's value of the old characteristic at step x.
int AlterWert(const std::vector<Kennlinienpunkt>& p, const std::vector<double>& xs, double x) {
  const int n = static_cast<int>(p.size());
  if (x >= xs[n - 1]) return p[n - 1].Y;
  int j = static_cast<int>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin()) - 1;
  j = std::max(j, 0);
  return Geraetewert(xs[j], p[j].Y, xs[j + 1], p[j + 1].Y, x);
}

}  // namespace

const std::vector<std::string>& Kennlfunktionsarten() {
  static const std::vector<std::string> arten = [] {
    std::vector<std::string> a;
    for (const auto& d : Defs()) a.push_back(d.Art);
    return a;
  }();
  return arten;
}

std::vector<std::pair<std::string, std::string>> KennlfunktionsParameter(const std::string& art) {
  const Funktionsdef* d = DefSuchen(art);
  return d ? d->Vorgaben : Parameterliste{};
}

int KennlFunktionBerechnen(const std::vector<Kennlinienpunkt>& punkte,
                           const Kennlfunktionsauftrag& auftrag, Kennlfunktionsergebnis& ergebnis,
                           std::string& meldung) {
  const Funktionsdef* def = DefSuchen(auftrag.Art);
  if (!def) {
    meldung = "unknown function '" + auftrag.Art + "'";
    return kFehlerFunktionArt;
  }
  if (punkte.empty() ||
      !(auftrag.Von >= 0 && auftrag.Von < auftrag.Bis && auftrag.Bis <= kRohMax)) {
    meldung = "the range " + std::to_string(auftrag.Von) + " to " + std::to_string(auftrag.Bis) +
              " is not a range of input steps within 0 to 4095";
    return kFehlerFunktionBereich;
  }
  if (!(auftrag.MaxFehler >= 0.5)) {
    meldung = "the error bound must be at least 0.5 codes";
    return kFehlerFunktionWert;
  }
  // Every parameter: the given text, else its default.
  std::map<std::string, std::string> texte(def->Vorgaben.begin(), def->Vorgaben.end());
  for (const auto& [name, wert] : auftrag.Parameter) {
    if (!texte.count(name)) {
      meldung = "'" + auftrag.Art + "' has no parameter '" + name + "'";
      return kFehlerFunktionWert;
    }
    texte[name] = wert;
  }
  std::map<std::string, double> w;
  for (const auto& [name, text] : texte) {
    if (name == "expr") continue;
    if (!Zahl(text, w[name])) {
      meldung = name + "=" + text + ": '" + text + "' is not a number";
      return kFehlerFunktionWert;
    }
  }

  std::function<double(double)> f;
  mu::Parser parser;
  double xVariable = 0.0;
  if (auftrag.Art == "linear") {
    f = [&](double x) { return w["offset"] + w["gain"] * x; };
  } else if (auftrag.Art == "deadband") {
    if (w["width"] < 0) {
      meldung = "width=" + texte["width"] + ": the dead band's width must not be negative";
      return kFehlerFunktionWert;
    }
    f = [&](double x) {
      const double d = x - w["center"], halb = w["width"] / 2;
      if (std::abs(d) <= halb) return w["level"];
      return w["level"] + w["gain"] * (d - std::copysign(halb, d));
    };
  } else if (auftrag.Art == "saturation") {
    if (w["low"] > w["high"]) {
      meldung = "low=" + texte["low"] + " lies above high=" + texte["high"];
      return kFehlerFunktionWert;
    }
    f = [&](double x) { return std::clamp(w["offset"] + w["gain"] * x, w["low"], w["high"]); };
  } else if (auftrag.Art == "square") {
    f = [&](double x) { return w["offset"] + w["gain"] * (x - w["x0"]) * (x - w["x0"]); };
  } else {
    const std::string& ausdruck = texte["expr"];
    try {
      parser.DefineVar("x", &xVariable);
      parser.SetExpr(ausdruck);
      parser.Eval();
    } catch (const mu::Parser::exception_type& e) {
      meldung = "formula '" + ausdruck + "': " + e.GetMsg();
      if (e.GetPos() >= 0) meldung += " (character " + std::to_string(e.GetPos() + 1) + ")";
      return kFehlerFunktionFormel;
    }
    f = [&](double x) {
      xVariable = x;
      return parser.Eval();
    };
  }

  // The function at every input step of the range, clipped to the output's codes.
  const int von = auftrag.Von, bis = auftrag.Bis;
  std::vector<double> ziel(static_cast<std::size_t>(bis - von + 1));
  double kleinster = 0.0, groesster = kRohSpanne;
  try {
    for (int x = von; x <= bis; ++x) {
      const double v = f(x);
      if (!std::isfinite(v)) {
        meldung = "the " + auftrag.Art + " gives no number at x = " + std::to_string(x);
        return kFehlerFunktionFormel;
      }
      kleinster = std::min(kleinster, v);
      groesster = std::max(groesster, v);
      ziel[static_cast<std::size_t>(x - von)] = std::clamp(v, 0.0, kRohSpanne);
    }
  } catch (const mu::Parser::exception_type& e) {
    meldung = "the formula fails while it is evaluated: " + e.GetMsg();
    return kFehlerFunktionFormel;
  }
  auto z = [&](int x) { return ziel[static_cast<std::size_t>(x - von)]; };
  auto knoten = [&](int x) { return std::floor(z(x) + 0.5); };
  // A line from s to e fits when the device's value at every step between stays in bound.
  auto passt = [&](int s, int e) {
    const double ys = knoten(s), ye = knoten(e);
    for (int x = s + 1; x < e; ++x)
      if (std::abs(Geraetewert(s, ys, e, ye, x) - z(x)) > auftrag.MaxFehler) return false;
    return true;
  };
  std::vector<int> xs{von};
  for (int s = von; s < bis;) {
    int e = s + 1;
    while (e < bis && passt(s, e + 1)) ++e;
    xs.push_back(e);
    s = e;
  }
  double fehler = 0.0;
  for (std::size_t k = 0; k + 1 < xs.size(); ++k)
    for (int x = xs[k]; x <= xs[k + 1]; ++x)
      fehler = std::max(
          fehler,
          std::abs(Geraetewert(xs[k], knoten(xs[k]), xs[k + 1], knoten(xs[k + 1]), x) - z(x)));

  // The old characteristic outside the range stays: a point one step before and after
  // holds its value where a cut line would otherwise lean towards the function.
  std::vector<double> alteX(punkte.size());
  for (std::size_t i = 1; i < punkte.size(); ++i) alteX[i] = alteX[i - 1] + punkte[i - 1].Laenge;
  struct Knoten {
    double x;
    int y;
  };
  std::vector<Knoten> kette;
  for (std::size_t i = 0; i < punkte.size() && alteX[i] < von; ++i)
    kette.push_back({alteX[i], punkte[i].Y});
  if (!kette.empty() && kette.back().x < von - 1)
    kette.push_back({von - 1.0, AlterWert(punkte, alteX, von - 1)});
  Kennlfunktionsergebnis neu;
  neu.ErsterPunkt = static_cast<int>(kette.size());
  for (int x : xs) kette.push_back({static_cast<double>(x), static_cast<int>(knoten(x))});
  neu.Punktanzahl = static_cast<int>(xs.size());
  std::size_t danach = 0;
  while (danach < punkte.size() && alteX[danach] <= bis) ++danach;
  const double naechstes = danach < punkte.size() ? alteX[danach] : kRohSpanne + 1;
  if (bis + 1 < naechstes && bis < kRohMax)
    kette.push_back({bis + 1.0, AlterWert(punkte, alteX, bis + 1)});
  for (std::size_t i = danach; i < punkte.size(); ++i) kette.push_back({alteX[i], punkte[i].Y});

  neu.Punkte.resize(kette.size());
  for (std::size_t i = 0; i < kette.size(); ++i) {
    const bool letzter = i + 1 == kette.size();
    const double laenge = letzter ? 0.0 : kette[i + 1].x - kette[i].x;
    neu.Punkte[i] = {kette[i].y, static_cast<std::int32_t>(laenge), 0, {0, 0, 0}};
  }
  // An old last point keeps its length, whatever it holds.
  if (danach < punkte.size()) neu.Punkte.back().Laenge = punkte.back().Laenge;
  neu.GroessterFehler = fehler;
  if (kleinster < 0.0 || groesster > kRohSpanne) {
    char text[160];
    std::snprintf(text, sizeof text, "the %s reaches %.1f to %.1f codes, clipped to 0..4095",
                  auftrag.Art.c_str(), kleinster, groesster);
    neu.Warnungen.push_back(text);
  }
  ergebnis = std::move(neu);
  return 0;
}

}  // namespace characteristic
