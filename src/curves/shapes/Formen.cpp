#include "curves/shapes/Formen.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>

#include "curves/shapes/Geradennaeherung.h"
#include "curves/transfer/Kurvenbild.h"

namespace curves {
namespace {

// ---- Parameters ----

enum class Wertart { Zeit, Pegel, Anzahl, Zahl, Winkel, Text };

struct Parameterdef {
  const char* name;
  Wertart art;
  const char* vorgabe;  // nullptr: required
};

// The values of one request, read and checked against the kind's table.
struct Werte {
  std::map<std::string, double> zahlen;
  std::map<std::string, std::string> texte;
  double operator[](const std::string& name) const { return zahlen.at(name); }
};

struct Formdef;
using Bauen = int (*)(const Werte&, const Formauftrag&, Form&, std::string&);

struct Formdef {
  const char* name;
  std::vector<Parameterdef> parameter;
  Bauen bauen;
};

// ---- Exact shapes: stretches from level to level ----

// A stretch of the ideal shape: from level y0 to level y1 (codes, clipped) over its time.
struct Abschnitt {
  double y0, y1;
  std::int64_t ticks;  // 250 us each
};

constexpr double kTick = kRasterMikro;
constexpr std::int64_t kMaxLaenge = 65535;
struct Basis {
  std::int64_t ticks;
  std::int8_t code;
};
constexpr Basis kBasen[] = {{4000, 8}, {2000, 7}, {400, 6}, {200, 5}, {40, 4},
                            {20, 3},   {8, 2},    {4, 1},   {1, 9}};  // coarsest first

int Runden(double pegel) {
  return static_cast<int>(std::floor(std::clamp(pegel, 0.0, 4095.0) + 0.5));
}

// The time base of a stretch: the coarsest whose steps stay within one code (any, for a
// flat stretch, or when memory asks for the coarsest), else the finest that divides it.
int BasisFuer(std::int64_t ticks, double dy, bool grob) {
  int feinste = -1;
  for (int i = 0; i < 9; ++i) {
    const auto u = kBasen[i].ticks;
    if (ticks % u != 0 || ticks / u > kMaxLaenge) continue;
    if (grob || std::abs(dy) * static_cast<double>(u) <= static_cast<double>(ticks)) return i;
    feinste = i;
  }
  return feinste;
}

// One emitted line with the ideal levels it stands for.
struct Linienideal {
  double a, b;
};

// flachesEnde: the last stretch holds its level to the very end, whatever follows.
int Aufbauen(const std::vector<Abschnitt>& abschnitte, double endpegel, bool flachesEnde, bool grob,
             Form& form, std::string& meldung) {
  form.Punkte.clear();
  std::vector<Linienideal> ideal;
  for (std::size_t i = 0; i < abschnitte.size(); ++i) {
    const Abschnitt& s = abschnitte[i];
    if (s.ticks == 0) continue;
    const int b = BasisFuer(s.ticks, Runden(s.y1) - Runden(s.y0), grob);
    if (b < 0) {
      meldung = "a stretch of " + ZeitText(s.ticks * kTick) +
                " is longer than 65535 units of any time base that divides it";
      return kFehlerFormRaster;
    }
    const auto n = static_cast<int>(s.ticks / kBasen[b].ticks);
    const bool letzter = i + 1 == abschnitte.size();
    const bool sprung = letzter ? flachesEnde || Runden(s.y1) != Runden(endpegel)
                                : Runden(s.y1) != Runden(abschnitte[i + 1].y0);
    const std::int8_t code = kBasen[b].code;
    if (sprung && n >= 2) {
      // A jump follows: the stretch reaches its end level one unit early and holds it
      // there, so the next stretch can start at its own level.
      form.Punkte.push_back({Runden(s.y0), n - 1, code, {0, 0, 0}});
      ideal.push_back({s.y0, s.y0 + (s.y1 - s.y0) * (n - 1) / n});
      form.Punkte.push_back({Runden(s.y1), 1, code, {0, 0, 0}});
      ideal.push_back({s.y1, s.y1});
    } else {
      form.Punkte.push_back({Runden(s.y0), n, code, {0, 0, 0}});
      ideal.push_back({s.y0, sprung ? s.y0 : s.y1});
    }
  }
  if (form.Punkte.empty()) {
    meldung = "the shape has no duration";
    return kFehlerFormGrenzen;
  }
  form.Endwert = Runden(endpegel);
  form.GroessterFehler = std::abs(form.Endwert - std::clamp(endpegel, 0.0, 4095.0));
  for (std::size_t i = 0; i < form.Punkte.size(); ++i) {
    const Kurvenpunkt& p = form.Punkte[i];
    const double y1 = i + 1 < form.Punkte.size() ? form.Punkte[i + 1].Y : form.Endwert;
    for (int k = 0; k < p.Laenge; ++k) {
      const double soll = ideal[i].a + (ideal[i].b - ideal[i].a) * k / p.Laenge;
      form.GroessterFehler =
          std::max(form.GroessterFehler, std::abs(GeradenAbtastwert(p.Y, y1, k, p.Laenge) - soll));
    }
  }
  return 0;
}

int Exakt(const std::vector<Abschnitt>& abschnitte, double endpegel, bool flachesEnde, Form& form,
          std::string& meldung) {
  Form neu;
  if (const int f = Aufbauen(abschnitte, endpegel, flachesEnde, false, neu, meldung)) return f;
  if (Abtastwerte(neu.Punkte) > kMaxAbtastwerte) {
    // Finer steps do not fit the memory: every stretch takes its coarsest base.
    if (const int f = Aufbauen(abschnitte, endpegel, flachesEnde, true, neu, meldung)) return f;
  }
  if (Abtastwerte(neu.Punkte) > kMaxAbtastwerte) {
    meldung = SpeicherMeldung(Abtastwerte(neu.Punkte));
    return kFehlerNaeherungSpeicher;
  }
  neu.Speicherbytes = 2 * Abtastwerte(neu.Punkte);
  neu.Warnungen = std::move(form.Warnungen);
  form = std::move(neu);
  return 0;
}

// A level parameter in codes, clipped with a warning.
double PegelInRoh(const Werte& w, const char* name, const Formauftrag& auftrag, Form& form) {
  const double roh = auftrag.Bezug.InRoh(w[name]);
  if (roh < 0.0 || roh > 4095.0) {
    char text[160];
    std::snprintf(text, sizeof text, "%s=%s is %.1f codes, clipped to %d", name,
                  w.texte.at(name).c_str(), roh, roh < 0.0 ? 0 : 4095);
    form.Warnungen.push_back(text);
  }
  return std::clamp(roh, 0.0, 4095.0);
}

// A time in whole ticks; refused when it is not on the 250 us grid.
bool Ticks(double mikro, const std::string& was, std::int64_t& ticks, std::string& meldung) {
  const double t = mikro / kTick;
  const double ganz = std::round(t);
  if (std::abs(t - ganz) > 1e-6 * std::max(1.0, ganz) || ganz < 0 || ganz > 4e12) {
    meldung = was + " (" + ZeitText(mikro) + ") is not a whole number of 250 us";
    return false;
  }
  ticks = static_cast<std::int64_t>(ganz);
  return true;
}

bool Positiv(const Werte& w, const char* name, std::string& meldung) {
  if (w[name] > 0) return true;
  meldung = std::string(name) + "=" + w.texte.at(name) + " must be above 0";
  return false;
}

bool NichtNegativ(const Werte& w, const char* name, std::string& meldung) {
  if (w[name] >= 0) return true;
  meldung = std::string(name) + "=" + w.texte.at(name) + " must not be negative";
  return false;
}

std::string Benannt(const Werte& w, const char* name) {
  return std::string(name) + "=" + w.texte.at(name);
}

int Stufen(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung,
           long long stufen) {
  if (!Positiv(w, "time", meldung)) return kFehlerFormGrenzen;
  const double von = PegelInRoh(w, "from", auftrag, form);
  const double bis = PegelInRoh(w, "to", auftrag, form);
  std::int64_t ticks = 0;
  if (!Ticks(w["time"] / static_cast<double>(stufen),
             "each of the " + std::to_string(stufen) + " steps of " + Benannt(w, "time"), ticks,
             meldung))
    return kFehlerFormRaster;
  std::vector<Abschnitt> a;
  for (long long k = 0; k < stufen; ++k) {
    const double y = von + (bis - von) * static_cast<double>(k) / static_cast<double>(stufen - 1);
    a.push_back({y, y, ticks});
  }
  return Exakt(a, bis, true, form, meldung);
}

int Stufe(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  return Stufen(w, auftrag, form, meldung, 2);
}

int Treppe(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  const double stufen = w["steps"];
  if (stufen < 2 || stufen > kMaxAbtastwerte) {
    meldung = Benannt(w, "steps") + " must be 2 to 30704";
    return kFehlerFormGrenzen;
  }
  return Stufen(w, auftrag, form, meldung, static_cast<long long>(stufen));
}

int Rampe(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  if (!Positiv(w, "time", meldung)) return kFehlerFormGrenzen;
  const double von = PegelInRoh(w, "from", auftrag, form);
  const double bis = PegelInRoh(w, "to", auftrag, form);
  std::int64_t ticks = 0;
  if (!Ticks(w["time"], Benannt(w, "time"), ticks, meldung)) return kFehlerFormRaster;
  return Exakt({{von, bis, ticks}}, bis, false, form, meldung);
}

// Periods of a periodic shape, checked: at least 1, at most what a memory could hold.
bool Perioden(const Werte& w, const char* name, long long& n, std::string& meldung) {
  const double p = w[name];
  if (p < 1 || p > kMaxAbtastwerte) {
    meldung = Benannt(w, name) + " must be 1 to 30704";
    return false;
  }
  n = static_cast<long long>(p);
  return true;
}

int Dreieck(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  long long perioden = 0;
  if (!Positiv(w, "period", meldung) || !Perioden(w, "periods", perioden, meldung))
    return kFehlerFormGrenzen;
  const double tief = PegelInRoh(w, "low", auftrag, form);
  const double hoch = PegelInRoh(w, "high", auftrag, form);
  std::int64_t halb = 0;
  if (!Ticks(w["period"] / 2, "half of " + Benannt(w, "period"), halb, meldung))
    return kFehlerFormRaster;
  std::vector<Abschnitt> a;
  for (long long k = 0; k < perioden; ++k) {
    a.push_back({tief, hoch, halb});
    a.push_back({hoch, tief, halb});
  }
  return Exakt(a, tief, false, form, meldung);
}

int Trapez(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  long long perioden = 0;
  if (!Positiv(w, "rise", meldung) || !Positiv(w, "fall", meldung) ||
      !NichtNegativ(w, "hold", meldung) || !NichtNegativ(w, "pause", meldung) ||
      !Perioden(w, "periods", perioden, meldung))
    return kFehlerFormGrenzen;
  const double tief = PegelInRoh(w, "low", auftrag, form);
  const double hoch = PegelInRoh(w, "high", auftrag, form);
  std::int64_t anstieg = 0, halten = 0, abfall = 0, pause = 0;
  if (!Ticks(w["rise"], Benannt(w, "rise"), anstieg, meldung) ||
      !Ticks(w["hold"], Benannt(w, "hold"), halten, meldung) ||
      !Ticks(w["fall"], Benannt(w, "fall"), abfall, meldung) ||
      !Ticks(w["pause"], Benannt(w, "pause"), pause, meldung))
    return kFehlerFormRaster;
  std::vector<Abschnitt> a;
  for (long long k = 0; k < perioden; ++k) {
    a.push_back({tief, hoch, anstieg});
    a.push_back({hoch, hoch, halten});
    a.push_back({hoch, tief, abfall});
    a.push_back({tief, tief, pause});
  }
  return Exakt(a, tief, false, form, meldung);
}

int Puls(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  long long anzahl = 0;
  if (!Positiv(w, "width", meldung) || !Perioden(w, "count", anzahl, meldung))
    return kFehlerFormGrenzen;
  if (w["width"] >= w["period"]) {
    meldung = Benannt(w, "width") + " must be shorter than " + Benannt(w, "period");
    return kFehlerFormGrenzen;
  }
  const double tief = PegelInRoh(w, "low", auftrag, form);
  const double hoch = PegelInRoh(w, "high", auftrag, form);
  std::int64_t breite = 0, rest = 0;
  if (!Ticks(w["width"], Benannt(w, "width"), breite, meldung) ||
      !Ticks(w["period"] - w["width"], "period - width", rest, meldung))
    return kFehlerFormRaster;
  std::vector<Abschnitt> a;
  for (long long k = 0; k < anzahl; ++k) {
    a.push_back({hoch, hoch, breite});
    a.push_back({tief, tief, rest});
  }
  // The train ends low: the last unit holds the low level whatever follows.
  return Exakt(a, tief, true, form, meldung);
}

// ---- Approximated shapes ----

// The target in codes, clipped; remembers how far it went beyond the range and where it
// gave no number.
struct Zielpegel {
  std::function<double(double)> pegel;  // in the request's level unit, t in us
  const Pegelbezug* bezug;
  double kleinster = 0.0, groesster = 0.0;
  bool zahlFehlt = false;
  double ohneZahl = 0.0;
  double operator()(double t) {
    const double roh = bezug->InRoh(pegel(t));
    if (!std::isfinite(roh)) {
      if (!zahlFehlt) ohneZahl = t;
      zahlFehlt = true;
      return roh;
    }
    kleinster = std::min(kleinster, roh);
    groesster = std::max(groesster, roh);
    return std::clamp(roh, 0.0, 4095.0);
  }
};

int Naehern(const std::string& art, std::function<double(double)> pegel, double dauer,
            const std::string& dauerName, const Formauftrag& auftrag, Form& form,
            std::string& meldung) {
  std::int64_t ticks = 0;
  if (!Ticks(dauer, dauerName, ticks, meldung)) return kFehlerFormRaster;
  if (ticks == 0) {
    meldung = "the " + art + " has no duration";
    return kFehlerFormGrenzen;
  }
  Zielpegel ziel{std::move(pegel), &auftrag.Bezug};
  ziel.kleinster = 0.0;
  ziel.groesster = 4095.0;
  Naeherungsergebnis r;
  int fehler = 0;
  try {
    fehler =
        GeradenNaehern(std::ref(ziel), static_cast<double>(ticks) * kTick, auftrag.MaxFehler, r);
  } catch (const mu::Parser::exception_type& e) {
    meldung = "the formula fails while it is evaluated: " + e.GetMsg();
    return kFehlerFormFormel;
  }
  char text[200];
  if (ziel.zahlFehlt) {
    std::snprintf(text, sizeof text, "the %s gives no number at t = %.6g s", art.c_str(),
                  ziel.ohneZahl / 1e6);
    meldung = text;
    return kFehlerFormFormel;
  }
  if (fehler == kFehlerNaeherungSpeicher) {
    std::snprintf(text, sizeof text,
                  "within a bound of %g codes the %s needs more device memory than 61440 bytes "
                  "(30704 samples); allow a larger error or shorten it",
                  auftrag.MaxFehler, art.c_str());
    meldung = text;
    return fehler;
  }
  if (fehler == kFehlerNaeherungParameter) {
    meldung = "the error bound must be at least 0.5 codes";
    return fehler;
  }
  if (fehler != 0) {
    meldung = "the " + art + " cannot be followed on the device's time grid";
    return fehler;
  }
  if (ziel.kleinster < 0.0 || ziel.groesster > 4095.0) {
    std::snprintf(text, sizeof text, "the %s reaches %.1f to %.1f codes, clipped to 0..4095",
                  art.c_str(), ziel.kleinster, ziel.groesster);
    form.Warnungen.push_back(text);
  }
  Form neu;
  neu.Punkte = std::move(r.Punkte);
  neu.Endwert = r.Endwert;
  neu.GroessterFehler = r.GroessterFehler;
  neu.Speicherbytes = r.Speicherbytes;
  neu.Warnungen = std::move(form.Warnungen);
  form = std::move(neu);
  return 0;
}

int Sinus(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  if (!Positiv(w, "period", meldung) || !Positiv(w, "periods", meldung)) return kFehlerFormGrenzen;
  const double mitte = w["offset"], amplitude = w["amplitude"], periode = w["period"];
  const double phase = w["phase"] * std::numbers::pi / 180.0;
  return Naehern(
      "sine",
      [=](double t) {
        return mitte + amplitude * std::sin(2 * std::numbers::pi * t / periode + phase);
      },
      periode * w["periods"], Benannt(w, "period") + " * " + Benannt(w, "periods"), auftrag, form,
      meldung);
}

int Exponential(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  if (!Positiv(w, "tau", meldung) || !Positiv(w, "time", meldung)) return kFehlerFormGrenzen;
  const double von = w["from"], bis = w["to"], tau = w["tau"];
  return Naehern(
      "exp", [=](double t) { return bis + (von - bis) * std::exp(-t / tau); }, w["time"],
      Benannt(w, "time"), auftrag, form, meldung);
}

int Formel(const Werte& w, const Formauftrag& auftrag, Form& form, std::string& meldung) {
  if (!Positiv(w, "time", meldung)) return kFehlerFormGrenzen;
  const std::string& ausdruck = w.texte.at("expr");
  // The parser holds a pointer to t; both live as long as the shape is computed.
  auto parser = std::make_shared<mu::Parser>();
  auto t = std::make_shared<double>(0.0);
  try {
    parser->DefineVar("t", t.get());
    parser->SetExpr(ausdruck);
    parser->Eval();
  } catch (const mu::Parser::exception_type& e) {
    meldung = "formula '" + ausdruck + "': " + e.GetMsg();
    if (e.GetPos() >= 0) meldung += " (character " + std::to_string(e.GetPos() + 1) + ")";
    return kFehlerFormFormel;
  }
  return Naehern(
      "formula",
      [parser, t](double mikro) {
        *t = mikro / 1e6;
        return parser->Eval();
      },
      w["time"], Benannt(w, "time"), auftrag, form, meldung);
}

const std::vector<Formdef>& Formdefs() {
  using enum Wertart;
  static const std::vector<Formdef> defs = {
      {"step", {{"from", Pegel, nullptr}, {"to", Pegel, nullptr}, {"time", Zeit, nullptr}}, Stufe},
      {"stair",
       {{"from", Pegel, nullptr},
        {"to", Pegel, nullptr},
        {"steps", Anzahl, nullptr},
        {"time", Zeit, nullptr}},
       Treppe},
      {"ramp", {{"from", Pegel, nullptr}, {"to", Pegel, nullptr}, {"time", Zeit, nullptr}}, Rampe},
      {"triangle",
       {{"low", Pegel, nullptr},
        {"high", Pegel, nullptr},
        {"period", Zeit, nullptr},
        {"periods", Anzahl, "1"}},
       Dreieck},
      {"trapezoid",
       {{"low", Pegel, nullptr},
        {"high", Pegel, nullptr},
        {"rise", Zeit, nullptr},
        {"hold", Zeit, "0s"},
        {"fall", Zeit, nullptr},
        {"pause", Zeit, "0s"},
        {"periods", Anzahl, "1"}},
       Trapez},
      {"pulse",
       {{"low", Pegel, nullptr},
        {"high", Pegel, nullptr},
        {"width", Zeit, nullptr},
        {"period", Zeit, nullptr},
        {"count", Anzahl, "1"}},
       Puls},
      {"sine",
       {{"offset", Pegel, nullptr},
        {"amplitude", Pegel, nullptr},
        {"period", Zeit, nullptr},
        {"periods", Zahl, "1"},
        {"phase", Winkel, "0"}},
       Sinus},
      {"exp",
       {{"from", Pegel, nullptr},
        {"to", Pegel, nullptr},
        {"tau", Zeit, nullptr},
        {"time", Zeit, nullptr}},
       Exponential},
      {"formula", {{"expr", Text, nullptr}, {"time", Zeit, nullptr}}, Formel},
  };
  return defs;
}

const Formdef* DefSuchen(const std::string& art) {
  for (const Formdef& d : Formdefs())
    if (art == d.name) return &d;
  return nullptr;
}

int WertLesen(const Parameterdef& p, const std::string& text, const Pegelbezug& bezug, Werte& werte,
              std::string& grund) {
  double zahl = 0.0;
  bool gut = true;
  switch (p.art) {
    case Wertart::Zeit:
      gut = ZeitLesen(text, zahl, grund);
      break;
    case Wertart::Pegel:
      gut = PegelLesen(text, bezug, zahl, grund);
      break;
    case Wertart::Anzahl: {
      long long n = 0;
      gut = AnzahlLesen(text, n, grund);
      zahl = static_cast<double>(n);
      break;
    }
    case Wertart::Zahl:
      gut = ZahlLesen(text, zahl, grund);
      break;
    case Wertart::Winkel:
      gut = WinkelLesen(text, zahl, grund);
      break;
    case Wertart::Text:
      if (text.empty()) {
        grund = "is empty";
        gut = false;
      }
      break;
  }
  if (!gut) return kFehlerFormWert;
  werte.zahlen[p.name] = zahl;
  werte.texte[p.name] = text;
  return 0;
}

}  // namespace

const std::vector<std::string>& Formarten() {
  static const std::vector<std::string> arten = [] {
    std::vector<std::string> a;
    for (const Formdef& d : Formdefs()) a.push_back(d.name);
    return a;
  }();
  return arten;
}

std::string FormparameterListe(const std::string& art) {
  const Formdef* d = DefSuchen(art);
  if (!d) return {};
  std::string liste;
  for (const Parameterdef& p : d->parameter) {
    if (!liste.empty()) liste += ' ';
    liste += p.name;
  }
  return liste;
}

int FormBerechnen(const Formauftrag& auftrag, Form& form, std::string& meldung) {
  const Formdef* d = DefSuchen(auftrag.Art);
  if (!d) {
    std::string arten;
    for (const auto& a : Formarten()) arten += (arten.empty() ? "" : ", ") + a;
    meldung = "unknown shape '" + auftrag.Art + "' (" + arten + ")";
    return kFehlerFormArt;
  }
  Werte werte;
  for (const Formparameter& gegeben : auftrag.Parameter) {
    const auto p = std::find_if(d->parameter.begin(), d->parameter.end(),
                                [&](const Parameterdef& p) { return gegeben.Name == p.name; });
    if (p == d->parameter.end()) {
      meldung = "'" + auftrag.Art + "' has no parameter '" + gegeben.Name + "' (" +
                FormparameterListe(auftrag.Art) + ")";
      return kFehlerFormParameter;
    }
    if (werte.texte.count(gegeben.Name)) {
      meldung = "parameter '" + gegeben.Name + "' given twice";
      return kFehlerFormParameter;
    }
    std::string grund;
    if (WertLesen(*p, gegeben.Wert, auftrag.Bezug, werte, grund)) {
      meldung = gegeben.Name + "=" + gegeben.Wert + ": '" + gegeben.Wert + "' " + grund;
      return kFehlerFormWert;
    }
  }
  for (const Parameterdef& p : d->parameter) {
    if (werte.texte.count(p.name)) continue;
    if (!p.vorgabe) {
      meldung = "'" + auftrag.Art + "' needs " + p.name + "=... (" +
                FormparameterListe(auftrag.Art) + ")";
      return kFehlerFormFehlt;
    }
    std::string grund;
    WertLesen(p, p.vorgabe, auftrag.Bezug, werte, grund);
  }
  Form neu;
  if (const int fehler = d->bauen(werte, auftrag, neu, meldung)) return fehler;
  neu.DauerMikro = 0.0;
  for (const Kurvenpunkt& p : neu.Punkte) neu.DauerMikro += Geradendauer(p);
  form = std::move(neu);
  return 0;
}

std::vector<Kurvenpunkt> FormAlsKurve(const Form& form) {
  std::vector<Kurvenpunkt> punkte = form.Punkte;
  if (!punkte.empty() && punkte.back().Laenge > 1 && form.Endwert != punkte.front().Y)
    punkte.push_back({form.Endwert, 1, punkte.back().Zeitbasis, {0, 0, 0}});
  return punkte;
}

std::int64_t Abtastwerte(const std::vector<Kurvenpunkt>& punkte) {
  std::int64_t summe = 0;
  for (const Kurvenpunkt& p : punkte) summe += p.Laenge;
  return summe;
}

std::string SpeicherMeldung(std::int64_t samples) {
  char text[160];
  std::snprintf(text, sizeof text,
                "needs %lld bytes of device memory (%lld samples); the device holds %d bytes "
                "(%d samples)",
                static_cast<long long>(kKopfBytes + 2 * samples), static_cast<long long>(samples),
                static_cast<int>(kGeraetespeicherBytes), kMaxAbtastwerte);
  return text;
}

}  // namespace curves
