#include "curves/files/Csvimport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <new>
#include <string_view>

#include "common/Lesedatei.h"
#include "common/Textdatei.h"
#include "config/Konfiguration.h"
#include "config/Umrechnung.h"
#include "curves/model/Ausgangseinheit.h"

namespace curves {
namespace {

using Felder = std::vector<std::string_view>;

// Rows looked at to find the dialect.
constexpr std::size_t kProbezeilen = 64;
constexpr std::array<char, 4> kTrennzeichen = {'\t', ';', ',', ' '};

bool Blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Getrimmt(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view OhneAnfuehrung(std::string_view s) {
  s = Getrimmt(s);
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = Getrimmt(s.substr(1, s.size() - 2));
  return s;
}

// Rows that carry nothing: empty, blank, or a comment.
bool Leerzeile(std::string_view zeile) {
  zeile = Getrimmt(zeile);
  return zeile.empty() || zeile.front() == '#';
}

// Splits a row; a quoted field may hold the separator. A blank separator takes any run of
// blanks and tabs.
void Zerlegen(std::string_view zeile, char trenner, Felder& felder) {
  felder.clear();
  if (trenner == ' ') zeile = Getrimmt(zeile);
  std::size_t anfang = 0;
  bool zitat = false;
  for (std::size_t i = 0; i < zeile.size(); ++i) {
    const char c = zeile[i];
    if (c == '"') zitat = !zitat;
    if (zitat) continue;
    const bool trennt = trenner == ' ' ? (c == ' ' || c == '\t') : c == trenner;
    if (!trennt) continue;
    felder.push_back(zeile.substr(anfang, i - anfang));
    if (trenner == ' ')
      while (i + 1 < zeile.size() && (zeile[i + 1] == ' ' || zeile[i + 1] == '\t')) ++i;
    anfang = i + 1;
  }
  felder.push_back(zeile.substr(anfang));
}

// A finite number in the given decimal sign; the whole field must be the number.
bool Zahl(std::string_view feld, char dezimal, double& wert) {
  feld = OhneAnfuehrung(feld);
  if (!feld.empty() && feld.front() == '+') feld.remove_prefix(1);
  if (feld.empty() || feld.size() > 63) return false;
  const char* anfang = feld.data();
  char puffer[64];
  if (dezimal != '.') {
    for (std::size_t i = 0; i < feld.size(); ++i) {
      if (feld[i] == '.') return false;
      puffer[i] = feld[i] == dezimal ? '.' : feld[i];
    }
    anfang = puffer;
  }
  const char* ende = anfang + feld.size();
  // from_chars would take "nan" and "inf".
  if (!(std::isdigit(static_cast<unsigned char>(*anfang)) || *anfang == '-' || *anfang == '.'))
    return false;
  const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
  return fehler == std::errc() && rest == ende && std::isfinite(wert);
}

bool ZahlBeliebig(std::string_view feld, char trenner, double& wert) {
  return Zahl(feld, '.', wert) || (trenner != ',' && Zahl(feld, ',', wert));
}

std::string Klein(std::string_view s) {
  std::string k(s);
  for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return k;
}

// "Time (s)", "U [mV]", "t/ms" -> name and unit.
void NameUndEinheit(std::string_view feld, std::string& name, std::string& einheit) {
  feld = OhneAnfuehrung(feld);
  name.assign(feld);
  einheit.clear();
  if (feld.empty()) return;
  const char schluss = feld.back();
  if (schluss == ')' || schluss == ']') {
    const char auf = schluss == ')' ? '(' : '[';
    const auto pos = feld.rfind(auf);
    if (pos != std::string_view::npos) {
      einheit.assign(Getrimmt(feld.substr(pos + 1, feld.size() - pos - 2)));
      name.assign(Getrimmt(feld.substr(0, pos)));
      return;
    }
  }
  const auto schraeg = feld.rfind('/');
  if (schraeg != std::string_view::npos && schraeg > 0 && feld.size() - schraeg <= 5) {
    einheit.assign(Getrimmt(feld.substr(schraeg + 1)));
    name.assign(Getrimmt(feld.substr(0, schraeg)));
  }
}

// A header row that holds only units: "s;V", "(s),(V)".
bool Einheitenzeile(const Felder& felder) {
  bool zeitEinheit = false;
  for (std::string_view f : felder) {
    f = OhneAnfuehrung(f);
    if (f.empty()) continue;
    if ((f.front() == '(' && f.back() == ')') || (f.front() == '[' && f.back() == ']')) {
      zeitEinheit = true;
      continue;
    }
    if (f.size() > 8 || f.find(' ') != std::string_view::npos) return false;
    if (ZeiteinheitInSekunden(std::string(f)) > 0) zeitEinheit = true;
  }
  return zeitEinheit;
}

std::string Einheitstext(std::string_view f) {
  f = OhneAnfuehrung(f);
  if (f.size() >= 2 &&
      ((f.front() == '(' && f.back() == ')') || (f.front() == '[' && f.back() == ']')))
    f = Getrimmt(f.substr(1, f.size() - 2));
  return std::string(f);
}

// The file split into rows: offsets into the text.
struct Zeilen {
  const std::string& text;
  std::size_t pos = 0;
  int nummer = 0;
  bool Naechste(std::string_view& zeile) {
    if (pos >= text.size()) return false;
    const auto ende = text.find('\n', pos);
    const std::size_t bis = ende == std::string::npos ? text.size() : ende;
    zeile = std::string_view(text).substr(pos, bis - pos);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    pos = bis + 1;
    ++nummer;
    return true;
  }
};

struct Probe {
  std::vector<std::string_view> zeilen;
  std::vector<int> nummern;
};

// The first separator that gives a row with two numbers, with most rows from there on
// splitting into as many fields.
bool DialektFinden(const Probe& probe, Csvdialekt& d, std::size_t& ersteDaten) {
  Felder felder;
  for (char trenner : kTrennzeichen) {
    std::size_t erste = probe.zeilen.size();
    std::size_t breite = 0, passend = 0, gesamt = 0;
    for (std::size_t i = 0; i < probe.zeilen.size(); ++i) {
      Zerlegen(probe.zeilen[i], trenner, felder);
      int zahlen = 0;
      double w = 0;
      for (auto f : felder) zahlen += ZahlBeliebig(f, trenner, w) ? 1 : 0;
      if (erste == probe.zeilen.size()) {
        if (felder.size() < 2 || zahlen < 2) continue;
        erste = i;
        breite = felder.size();
      }
      ++gesamt;
      if (felder.size() == breite) ++passend;
    }
    // Most rows from there on must split alike; a damaged row is refused later with its line.
    if (erste == probe.zeilen.size() || 2 * passend <= gesamt) continue;
    d.Trennzeichen = trenner;
    d.Dezimalzeichen = '.';
    if (trenner != ',') {
      for (std::size_t i = erste; i < probe.zeilen.size(); ++i) {
        Zerlegen(probe.zeilen[i], trenner, felder);
        double w = 0;
        for (auto f : felder)
          if (!Zahl(f, '.', w) && Zahl(f, ',', w)) d.Dezimalzeichen = ',';
      }
    }
    ersteDaten = erste;
    return true;
  }
  return false;
}

void KopfAuswerten(const Probe& probe, std::size_t ersteDaten, Csvdialekt& d) {
  d.Kopfzeilen = static_cast<int>(ersteDaten);
  if (ersteDaten == 0) return;
  Felder felder;
  std::size_t namenzeile = ersteDaten - 1;
  Zerlegen(probe.zeilen[namenzeile], d.Trennzeichen, felder);
  std::vector<std::string> einheiten;
  if (Einheitenzeile(felder)) {
    for (auto f : felder) einheiten.push_back(Einheitstext(f));
    if (namenzeile == 0) {
      d.Einheiten = einheiten;
      d.Spaltennamen.assign(einheiten.size(), "");
      return;
    }
    --namenzeile;
    Zerlegen(probe.zeilen[namenzeile], d.Trennzeichen, felder);
  }
  for (std::size_t i = 0; i < felder.size(); ++i) {
    std::string name, einheit;
    NameUndEinheit(felder[i], name, einheit);
    d.Spaltennamen.push_back(name);
    d.Einheiten.push_back(i < einheiten.size() && !einheiten[i].empty() ? einheiten[i] : einheit);
  }
}

// A column given as a number from 1 or a header name; 0 when neither.
int SpalteSuchen(const std::string& angabe, const Csvdialekt& d) {
  if (!angabe.empty() &&
      std::all_of(angabe.begin(), angabe.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    if (angabe.size() > 6) return 0;
    return std::stoi(angabe);
  }
  const std::string gesucht = Klein(angabe);
  for (std::size_t i = 0; i < d.Spaltennamen.size(); ++i)
    if (Klein(d.Spaltennamen[i]) == gesucht) return static_cast<int>(i) + 1;
  return 0;
}

int SpalteAblehnen(const std::string& angabe, const Csvdialekt& d) {
  std::string namen;
  for (const auto& n : d.Spaltennamen) namen += (namen.empty() ? "" : ", ") + n;
  return common::ImportAblehnen(kFehlerCsvSpalte, "Column '%s' not found.\nThe columns are: %s",
                                angabe.c_str(), namen.empty() ? "(no header)" : namen.c_str());
}

int SpaltenWaehlen(const Csvoptionen& o, const Csvdialekt& d, std::string_view ersteZeile,
                   Csvreihe& r) {
  Felder felder;
  Zerlegen(ersteZeile, d.Trennzeichen, felder);
  std::vector<int> zahlenspalten;
  for (std::size_t i = 0; i < felder.size(); ++i) {
    double w = 0;
    if (Zahl(felder[i], d.Dezimalzeichen, w)) zahlenspalten.push_back(static_cast<int>(i) + 1);
  }
  if (!o.Zeitspalte.empty() && (r.Zeitspalte = SpalteSuchen(o.Zeitspalte, d)) == 0)
    return SpalteAblehnen(o.Zeitspalte, d);
  if (!o.Wertspalte.empty() && (r.Wertspalte = SpalteSuchen(o.Wertspalte, d)) == 0)
    return SpalteAblehnen(o.Wertspalte, d);
  for (int s : zahlenspalten) {
    if (r.Zeitspalte == 0 && s != r.Wertspalte)
      r.Zeitspalte = s;
    else if (r.Wertspalte == 0 && s != r.Zeitspalte)
      r.Wertspalte = s;
  }
  if (r.Zeitspalte == 0 || r.Wertspalte == 0 || r.Zeitspalte == r.Wertspalte)
    return common::ImportAblehnen(kFehlerCsvSpalte,
                                  "The file has no two columns of numbers to take as time and "
                                  "value.");
  return 0;
}

std::string EinheitDerSpalte(const Csvdialekt& d, int spalte) {
  const auto i = static_cast<std::size_t>(spalte - 1);
  return i < d.Einheiten.size() ? d.Einheiten[i] : "";
}

}  // namespace

double ZeiteinheitInSekunden(const std::string& einheit) {
  static const std::array<std::pair<const char*, double>, 13> kEinheiten = {{{"s", 1.0},
                                                                             {"sec", 1.0},
                                                                             {"second", 1.0},
                                                                             {"seconds", 1.0},
                                                                             {"ms", 1e-3},
                                                                             {"us", 1e-6},
                                                                             {"\xC2\xB5s", 1e-6},
                                                                             {"\xCE\xBCs", 1e-6},
                                                                             {"ns", 1e-9},
                                                                             {"min", 60.0},
                                                                             {"h", 3600.0},
                                                                             {"ks", 1e3},
                                                                             {"ps", 1e-12}}};
  const std::string k = Klein(einheit);
  for (const auto& [name, sekunden] : kEinheiten)
    if (k == name) return sekunden;
  return 0.0;
}

int CsvLesen(const std::string& pfad, const Csvoptionen& optionen, Csvreihe& reihe) {
  reihe = Csvreihe{};
  std::string text;
  {
    common::Lesedatei datei(pfad, false, kCsvHoechstgroesse);
    if (!datei) {
      if (datei.Ablehnung() == common::Lesedatei::Grund::ZuGross)
        return common::ImportAblehnen(kFehlerCsvLesen, "The file is larger than %lld MB.",
                                      static_cast<long long>(kCsvHoechstgroesse >> 20));
      return kFehlerCsvOeffnen;
    }
    try {
      text.resize(static_cast<std::size_t>(datei.Groesse()));
    } catch (const std::bad_alloc&) {
      return kFehlerAbtastreiheSpeicher;
    }
    if (std::fread(text.data(), 1, text.size(), datei.Datei()) != text.size() ||
        std::ferror(datei.Datei()))
      return kFehlerCsvLesen;
  }
  // A byte order mark is no part of the first row.
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) std::fill_n(text.begin(), 3, ' ');

  // The first rows that carry something decide the dialect.
  Probe probe;
  {
    Zeilen zeilen{text};
    std::string_view zeile;
    while (probe.zeilen.size() < kProbezeilen && zeilen.Naechste(zeile)) {
      if (Leerzeile(zeile)) continue;
      probe.zeilen.push_back(zeile);
      probe.nummern.push_back(zeilen.nummer);
    }
  }
  Csvdialekt& d = reihe.Dialekt;
  std::size_t ersteDaten = 0;
  if (!DialektFinden(probe, d, ersteDaten))
    return probe.zeilen.size() < kProbezeilen
               ? common::ImportAblehnen(kFehlerCsvKeineDaten, "%s",
                                        "No row with two numbers was found in the file.")
               : common::ImportAblehnen(kFehlerCsvKeineDaten,
                                        "No row with two numbers was found in the first %zu rows.",
                                        kProbezeilen);
  KopfAuswerten(probe, ersteDaten, d);
  if (const int fehler = SpaltenWaehlen(optionen, d, probe.zeilen[ersteDaten], reihe))
    return fehler;

  reihe.Werteinheit = EinheitDerSpalte(d, reihe.Wertspalte);
  double zeitfaktor = optionen.Zeitfaktor;
  const std::string zeiteinheit = EinheitDerSpalte(d, reihe.Zeitspalte);
  if (zeitfaktor > 0) {
    reihe.Zeiteinheit = std::string("given");
  } else if (zeiteinheit.empty()) {
    zeitfaktor = 1.0;
    reihe.Zeiteinheit = std::string("s");
  } else if ((zeitfaktor = ZeiteinheitInSekunden(zeiteinheit)) > 0) {
    reihe.Zeiteinheit = zeiteinheit;
  } else {
    return common::ImportAblehnen(kFehlerCsvSpalte,
                                  "Error in line %d:\nThe time unit '%s' is not known; give the "
                                  "time unit.",
                                  probe.nummern[ersteDaten > 0 ? ersteDaten - 1 : 0],
                                  zeiteinheit.c_str());
  }

  const auto zs = static_cast<std::size_t>(reihe.Zeitspalte - 1);
  const auto ws = static_cast<std::size_t>(reihe.Wertspalte - 1);
  try {
    const std::size_t schaetzung = text.size() / 16 + 1;
    reihe.Zeit.reserve(schaetzung);
    reihe.Wert.reserve(schaetzung);
    reihe.Zeile.reserve(schaetzung);
    Zeilen zeilen{text};
    std::string_view zeile;
    // The rows before the first data row are the header.
    while (zeilen.nummer < probe.nummern[ersteDaten] - 1) zeilen.Naechste(zeile);
    Felder felder;
    double start = 0.0, vorher = 0.0;
    int vorherZeile = 0;
    while (zeilen.Naechste(zeile)) {
      if (Leerzeile(zeile)) continue;
      Zerlegen(zeile, d.Trennzeichen, felder);
      double t = 0, v = 0;
      if (felder.size() <= std::max(zs, ws) || !Zahl(felder[zs], d.Dezimalzeichen, t) ||
          !Zahl(felder[ws], d.Dezimalzeichen, v))
        return common::ImportAblehnen(kFehlerCsvZeile,
                                      "Error in line %d:\nNo number in column %d or %d.",
                                      zeilen.nummer, reihe.Zeitspalte, reihe.Wertspalte);
      if (reihe.Zeit.empty()) {
        start = t;
      } else if (!(t > vorher)) {
        return common::ImportAblehnen(kFehlerCsvZeitfolge,
                                      "Error in line %d:\nThe time %.9g does not rise (line %d "
                                      "has %.9g).",
                                      zeilen.nummer, t, vorherZeile, vorher);
      }
      vorher = t;
      vorherZeile = zeilen.nummer;
      reihe.Zeit.push_back((t - start) * zeitfaktor);
      reihe.Wert.push_back(v * optionen.Skala + optionen.Versatz);
      reihe.Zeile.push_back(zeilen.nummer);
    }
  } catch (const std::bad_alloc&) {
    reihe = Csvreihe{};
    return kFehlerAbtastreiheSpeicher;
  }
  return 0;
}

bool CsvWerteInCodes(const config::Konfiguration& k, const Csvreihe& reihe,
                     std::vector<double>& codes, int& abgeschnitten) {
  const std::string ausgang = Ausgangseinheitname(k, 0);
  const std::string& einheit = reihe.Werteinheit;
  const bool volt = !einheit.empty() && einheit != ausgang && (einheit == "V" || einheit == "mV");
  const double faktor = einheit == "mV" ? 0.001 : 1.0;
  codes.resize(reihe.Wert.size());
  abgeschnitten = 0;
  for (std::size_t i = 0; i < reihe.Wert.size(); ++i) {
    double c = volt ? config::VoltInRoh(reihe.Wert[i] * faktor, k.voutmax)
                    : config::AusgangEinheitInRoh(k, 0, reihe.Wert[i]);
    if (!(c >= 0.0 && c <= 4095.0)) {
      ++abgeschnitten;
      c = c > 4095.0 ? 4095.0 : 0.0;
    }
    codes[i] = c;
  }
  return volt;
}

int CsvImportieren(const config::Konfiguration& k, const std::string& pfad,
                   const Csvoptionen& optionen, double toleranz, std::vector<Kurvenpunkt>& punkte,
                   Csvbericht& bericht) {
  bericht = Csvbericht{};
  if (const int fehler = CsvLesen(pfad, optionen, bericht.Reihe)) return fehler;
  Csvreihe& r = bericht.Reihe;
  std::vector<double> codes;
  try {
    bericht.Volt = CsvWerteInCodes(k, r, codes, bericht.Abgeschnitten);
  } catch (const std::bad_alloc&) {
    return kFehlerAbtastreiheSpeicher;
  }
  std::vector<double>().swap(r.Wert);
  const int fehler =
      AbtastwerteNaehern(r.Zeit, codes, r.Zeile, toleranz, punkte, bericht.Naeherung);
  bericht.Abtastwerte = static_cast<int>(r.Zeit.size());
  std::vector<double>().swap(r.Zeit);
  std::vector<int>().swap(r.Zeile);
  return fehler;
}

const char* Trennername(char trennzeichen) {
  switch (trennzeichen) {
    case '\t':
      return "tab";
    case ';':
      return "';'";
    case ',':
      return "','";
    default:
      return "blanks";
  }
}

}  // namespace curves
