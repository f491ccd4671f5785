#include "curves/files/Pwl.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string_view>

#include "common/KlassischeZahlen.h"
#include "common/Lesedatei.h"
#include "common/Speicherdatei.h"
#include "common/Textdatei.h"
#include "config/Umrechnung.h"

namespace curves {
namespace {

constexpr std::int64_t kPsProMikrosekunde = 1000000;
constexpr std::int64_t kPsProSekunde = 1000000000000;
constexpr int kLaengeMax = 65535;
// How far a duration may lie from whole units: the decimal text of a time read as a double.
constexpr double kRastertoleranz = 1e-6;

// Seconds as exact decimal text from picoseconds: "0.004999999999", "12", "0.00025".
std::string Sekundentext(std::int64_t ps) {
  char text[48];
  std::snprintf(text, sizeof(text), "%" PRId64 ".%012" PRId64, ps / kPsProSekunde,
                ps % kPsProSekunde);
  std::string s(text);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string Volttext(int code, double voutmax) {
  char text[48];
  std::snprintf(text, sizeof(text), "%.9g", config::RohInVolt(code, voutmax));
  return text;
}

// ---- Reading ----

struct Paar {
  double t = 0.0;
  double v = 0.0;
  int zeile = 0;
  int zeitbasis = 0;  // of the "* timebase" line before the pair, 0 when none
};

// A value with an optional SPICE scale suffix; letters after it (units) are not read.
bool SpiceZahl(std::string_view text, double& wert) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '+') ++i;
  const char* anfang = text.data() + i;
  const char* ende = text.data() + text.size();
  if (anfang == ende ||
      !(std::isdigit(static_cast<unsigned char>(*anfang)) || *anfang == '-' || *anfang == '.'))
    return false;
  const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
  if (fehler != std::errc() || !std::isfinite(wert)) return false;
  std::string nachsatz(rest, ende);
  for (char& c : nachsatz) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  double faktor = 1.0;
  std::size_t verbraucht = 0;
  if (nachsatz.rfind("meg", 0) == 0) {
    faktor = 1e6, verbraucht = 3;
  } else if (nachsatz.rfind("mil", 0) == 0) {
    faktor = 25.4e-6, verbraucht = 3;
  } else if (nachsatz.rfind("\xC2\xB5", 0) == 0 || nachsatz.rfind("\xCE\xBC", 0) == 0) {
    faktor = 1e-6, verbraucht = 2;
  } else if (!nachsatz.empty()) {
    switch (nachsatz[0]) {
      case 't':
        faktor = 1e12;
        break;
      case 'g':
        faktor = 1e9;
        break;
      case 'k':
        faktor = 1e3;
        break;
      case 'm':
        faktor = 1e-3;
        break;
      case 'u':
        faktor = 1e-6;
        break;
      case 'n':
        faktor = 1e-9;
        break;
      case 'p':
        faktor = 1e-12;
        break;
      case 'f':
        faktor = 1e-15;
        break;
      default:
        break;
    }
    if (faktor != 1.0) verbraucht = 1;
  }
  for (std::size_t k = verbraucht; k < nachsatz.size(); ++k)
    if (!std::isalpha(static_cast<unsigned char>(nachsatz[k]))) return false;
  wert *= faktor;
  return std::isfinite(wert);
}

struct Wort {
  std::string_view text;
  int zeile;
};

bool Trenner(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == ',';
}

// The words of a file with their lines: comments dropped, "(" and ")" words of their own,
// continuation marks taken off. "* timebase NAME" lines become the word "*timebase" and
// the name.
int Zerlegen(const std::string& text, std::vector<Wort>& woerter) {
  int nummer = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto ende = text.find('\n', pos);
    const std::size_t bis = ende == std::string::npos ? text.size() : ende;
    std::string_view zeile = std::string_view(text).substr(pos, bis - pos);
    pos = bis + 1;
    ++nummer;
    std::size_t i = 0;
    while (i < zeile.size() && Trenner(zeile[i])) ++i;
    if (i < zeile.size() && zeile[i] == '*') {
      std::string_view rest = zeile.substr(i + 1);
      while (!rest.empty() && Trenner(rest.front())) rest.remove_prefix(1);
      if (rest.rfind("timebase", 0) == 0) {
        rest.remove_prefix(8);
        while (!rest.empty() && Trenner(rest.front())) rest.remove_prefix(1);
        while (!rest.empty() && Trenner(rest.back())) rest.remove_suffix(1);
        woerter.push_back({"*timebase", nummer});
        woerter.push_back({rest, nummer});
      }
      continue;
    }
    // A continuation line runs on the line before it.
    if (i < zeile.size() && zeile[i] == '+') {
      ++i;
      if (!woerter.empty() && woerter.back().text == "\n") woerter.pop_back();
    }
    for (std::size_t k = i; k < zeile.size(); ++k) {
      if (zeile[k] == ';' || (zeile[k] == '$' && (k == 0 || Trenner(zeile[k - 1])))) {
        zeile = zeile.substr(0, k);
        break;
      }
    }
    while (i < zeile.size()) {
      if (Trenner(zeile[i])) {
        ++i;
        continue;
      }
      if (zeile[i] == '(' || zeile[i] == ')') {
        woerter.push_back({zeile.substr(i, 1), nummer});
        ++i;
        continue;
      }
      std::size_t k = i;
      while (k < zeile.size() && !Trenner(zeile[k]) && zeile[k] != '(' && zeile[k] != ')') ++k;
      woerter.push_back({zeile.substr(i, k - i), nummer});
      i = k;
    }
    woerter.push_back({"\n", nummer});
  }
  return nummer;
}

bool GleichOhneGross(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The pairs of the first PWL source, or of the whole file when it names none.
int PaareLesen(const std::vector<Wort>& woerter, std::vector<Paar>& paare, bool& quelle) {
  std::size_t anfang = 0, ende = woerter.size();
  quelle = false;
  for (std::size_t i = 0; i < woerter.size(); ++i) {
    if (!GleichOhneGross(woerter[i].text, "pwl")) continue;
    quelle = true;
    anfang = i + 1;
    const bool klammer = anfang < woerter.size() && woerter[anfang].text == "(";
    if (klammer) ++anfang;
    for (ende = anfang; ende < woerter.size(); ++ende)
      if (woerter[ende].text == (klammer ? ")" : "\n")) break;
    break;
  }
  int zeitbasis = 0;
  bool zeitOffen = false;
  Paar paar;
  for (std::size_t i = anfang; i < ende; ++i) {
    const Wort& w = woerter[i];
    if (w.text == "\n" || w.text == "(" || w.text == ")") continue;
    if (w.text == "*timebase") {
      const std::string name(i + 1 < ende ? woerter[i + 1].text : "");
      zeitbasis = ZeitbasisAusName(name.c_str());
      if (zeitbasis == 0)
        return common::ImportAblehnen(kFehlerPwlRaster, "Error in line %d:\nUnknown timebase '%s'.",
                                      w.zeile, name.c_str());
      ++i;
      continue;
    }
    if (quelle && w.text.find('=') != std::string_view::npos) {
      if (GleichOhneGross(w.text.substr(0, 5), "file="))
        return common::ImportAblehnen(kFehlerPwlWert,
                                      "Error in line %d:\nThe source reads another file; import "
                                      "that file instead.",
                                      w.zeile);
      continue;  // r=0, td=...: the curve repeats anyway
    }
    double x = 0;
    if (!SpiceZahl(w.text, x))
      return common::ImportAblehnen(
          kFehlerPwlWert, "Error in line %d:\n'%.*s' is not a number.", w.zeile,
          static_cast<int>(std::min<std::size_t>(w.text.size(), 40)), w.text.data());
    if (!zeitOffen) {
      paar = Paar{x, 0.0, w.zeile, zeitbasis};
      zeitOffen = true;
    } else {
      paar.v = x;
      paare.push_back(paar);
      zeitOffen = false;
    }
  }
  if (zeitOffen)
    return common::ImportAblehnen(kFehlerPwlWert, "Error in line %d:\nThe time %.9g has no value.",
                                  paar.zeile, paar.t);
  return 0;
}

// A corner of the list: the value before and after it differ at a step.
struct Knoten {
  double t;
  int vorher;
  int nachher;
  bool stufe;
  int zeile;
  int zeitbasis;
};

int Code(const Paar& p, double voutmax, int& code) {
  const double c = config::VoltInRoh(p.v, voutmax);
  if (!(c >= -0.5 && c < 4095.5))
    return common::ImportAblehnen(kFehlerPwlBereich,
                                  "Error in line %d:\nThe value %.6g V lies outside the output's "
                                  "range (0 to %.6g V).",
                                  p.zeile, p.v, voutmax);
  code = static_cast<int>(std::floor(c + 0.5));
  return 0;
}

// Whole units of einheit in dauer, or -1.
std::int64_t Einheiten(double dauer, int zeitbasis) {
  const double u = dauer * 1000000.0 / ZeitbasisInMikrosekunden(zeitbasis);
  const double n = std::round(u);
  if (std::fabs(u - n) > kRastertoleranz * std::max(1.0, n * 1e-3)) return -1;
  // Any count beyond a line's limit is refused as too long; a huge one must not be cast.
  return n > kLaengeMax ? kLaengeMax + 1 : static_cast<std::int64_t>(n);
}

// The time base of a line from a to b when the file names none.
int ZeitbasisWaehlen(double dauer, int anstieg, bool stufe) {
  int feinste = 0;
  for (auto it = kZeitbasisListe.rbegin(); it != kZeitbasisListe.rend(); ++it) {
    const std::int64_t n = Einheiten(dauer, *it);
    if (n < 1 || n > kLaengeMax) continue;
    // A step needs a unit of its own for the value before it.
    const std::int64_t noetig = stufe ? (anstieg != 0 ? 2 : 1) : std::max(1, std::abs(anstieg));
    if (n >= noetig) return *it;
    feinste = *it;
  }
  return feinste;
}

int PwlEinlesen(const std::string& pfad, double voutmax, int zeitbasis,
                std::vector<Kurvenpunkt>& punkte, Pwlbericht* bericht);

}  // namespace

int PwlSchreiben(const std::string& pfad, const std::vector<Kurvenpunkt>& punkte, double voutmax) {
  const common::KlassischeZahlen zahlen;
  common::Speicherdatei datei(pfad);
  if (datei.Oeffnen() != common::Speicherdatei::Ergebnis::Ok) return kFehlerPwlExportOeffnen;
  std::string text =
      "* MIV-3X curve generator, curve 1: time in seconds, value in volts at the output\n";
  std::int64_t ps = 0;
  int zeitbasis = 0;
  const std::size_t n = punkte.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Kurvenpunkt& p = punkte[i];
    if (p.Zeitbasis != zeitbasis) {
      zeitbasis = p.Zeitbasis;
      text += std::string("* timebase ") + ZeitbasisName(zeitbasis) + "\n";
    }
    text += Sekundentext(ps) + " " + Volttext(p.Y, voutmax) + "\n";
    const std::int64_t dauer = static_cast<std::int64_t>(p.Laenge) *
                               static_cast<std::int64_t>(ZeitbasisInMikrosekunden(p.Zeitbasis)) *
                               kPsProMikrosekunde;
    ps += dauer;
    const int naechster = punkte[i + 1 < n ? i + 1 : 0].Y;
    if (p.Laenge == 1 && naechster != p.Y)
      text += Sekundentext(ps - 1) + " " + Volttext(p.Y, voutmax) + "\n";
    if (text.size() > 65536) {
      if (!datei.Schreiben(text)) return kFehlerPwlExportSchreiben;
      text.clear();
    }
  }
  // The closing line ends where the curve starts again.
  if (n > 0) text += Sekundentext(ps) + " " + Volttext(punkte[0].Y, voutmax) + "\n";
  if (!datei.Schreiben(text)) return kFehlerPwlExportSchreiben;
  return datei.AbschliessenMitCode(kFehlerPwlExportOeffnen, kFehlerPwlExportSchreiben);
}

int PwlLesen(const std::string& pfad, double voutmax, int zeitbasis,
             std::vector<Kurvenpunkt>& punkte, Pwlbericht* bericht) {
  try {
    return PwlEinlesen(pfad, voutmax, zeitbasis, punkte, bericht);
  } catch (const std::bad_alloc&) {
    return kFehlerPwlSpeicher;
  }
}

namespace {

int PwlEinlesen(const std::string& pfad, double voutmax, int zeitbasis,
                std::vector<Kurvenpunkt>& punkte, Pwlbericht* bericht) {
  std::string text;
  {
    common::Lesedatei datei(pfad);
    if (!datei) return kFehlerPwlOeffnen;
    text.resize(static_cast<std::size_t>(datei.Groesse()));
    if (std::fread(text.data(), 1, text.size(), datei.Datei()) != text.size() ||
        std::ferror(datei.Datei()))
      return kFehlerPwlLesen;
  }
  std::vector<Wort> woerter;
  Zerlegen(text, woerter);
  std::vector<Paar> paare;
  Pwlbericht b;
  if (const int fehler = PaareLesen(woerter, paare, b.Quelle)) return fehler;
  if (paare.empty())
    return common::ImportAblehnen(kFehlerPwlKeineDaten, "%s", "No time and value pairs found.");
  b.Paare = static_cast<int>(paare.size());
  for (const Paar& p : paare) b.Zeitbasismarken = b.Zeitbasismarken || p.zeitbasis != 0;

  // Pairs closer than a nanosecond are one step.
  std::vector<Knoten> knoten;
  if (paare[0].t < 0)
    return common::ImportAblehnen(kFehlerPwlZeitfolge,
                                  "Error in line %d:\nThe time %.9g is "
                                  "negative.",
                                  paare[0].zeile, paare[0].t);
  for (std::size_t i = 0; i < paare.size(); ++i) {
    const Paar& p = paare[i];
    int code = 0;
    if (const int fehler = Code(p, voutmax, code)) return fehler;
    if (!knoten.empty()) {
      Knoten& letzter = knoten.back();
      if (p.t < letzter.t)
        return common::ImportAblehnen(kFehlerPwlZeitfolge,
                                      "Error in line %d:\nThe time %.9g s is earlier than the one "
                                      "before (%.9g s).",
                                      p.zeile, p.t, letzter.t);
      if (p.t - letzter.t < kPwlStufenabstand) {
        if (!letzter.stufe) ++b.Stufen;
        // The line after the step starts here, on the time base named for it.
        letzter.t = p.t;
        letzter.nachher = code;
        letzter.stufe = true;
        letzter.zeitbasis = p.zeitbasis;
        continue;
      }
    }
    knoten.push_back(Knoten{p.t, code, code, false, p.zeile, p.zeitbasis});
  }
  // Before its first time a source holds its first value.
  if (knoten[0].t > 0) {
    Knoten start = knoten[0];
    start.t = 0;
    start.stufe = false;
    start.nachher = start.vorher;
    knoten.insert(knoten.begin(), start);
  }
  // The last corner closes the curve when it comes back to the first value.
  const bool schliesst = knoten.size() >= 2 && knoten.back().nachher == knoten.front().nachher;

  std::vector<Kurvenpunkt> neu;
  const auto anhaengen = [&neu](int y, std::int64_t laenge, int zb) {
    neu.push_back(
        Kurvenpunkt{y, static_cast<std::int32_t>(laenge), static_cast<std::int8_t>(zb), {0, 0, 0}});
  };
  for (std::size_t i = 0; i + 1 < knoten.size(); ++i) {
    const Knoten& a = knoten[i];
    const Knoten& e = knoten[i + 1];
    const double dauer = e.t - a.t;
    int zb = a.zeitbasis != 0 ? a.zeitbasis : zeitbasis;
    if (zb == 0) zb = ZeitbasisWaehlen(dauer, e.vorher - a.nachher, e.stufe);
    const std::int64_t n = zb == 0 ? -1 : Einheiten(dauer, zb);
    if (n < 1)
      return common::ImportAblehnen(kFehlerPwlRaster,
                                    "Error in line %d:\nThe time %.9g s is not on the device's "
                                    "time grid%s%s.",
                                    e.zeile, e.t, zb == 0 ? "" : " of ",
                                    zb == 0 ? "" : ZeitbasisName(zb));
    if (n > kLaengeMax)
      return common::ImportAblehnen(kFehlerPwlZuLang,
                                    "Error in line %d:\nPart of curve ist to long\n(has to be "
                                    "smaler then 65536 timebase units).",
                                    e.zeile);
    // Before a step the device holds the value before it for the last unit.
    if (e.stufe && n > 1) {
      anhaengen(a.nachher, n - 1, zb);
      anhaengen(e.vorher, 1, zb);
    } else {
      anhaengen(a.nachher, n, zb);
    }
  }
  if (!schliesst) {
    const Knoten& letzter = knoten.back();
    int zb = letzter.zeitbasis != 0 ? letzter.zeitbasis : zeitbasis;
    if (zb == 0) zb = neu.empty() ? 4 : neu.back().Zeitbasis;
    anhaengen(letzter.nachher, 1, zb);
  }
  punkte.swap(neu);
  if (bericht) *bericht = b;
  return 0;
}

}  // namespace
}  // namespace curves
