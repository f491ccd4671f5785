#include "curves/shapes/Formparameter.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "config/Umrechnung.h"

namespace curves {
namespace {

// A finite number at the start of text, the same in every locale; the rest is its unit.
bool ZahlMitRest(const std::string& text, double& zahl, std::string& rest) {
  const char* anfang = text.data();
  const char* ende = text.data() + text.size();
  if (anfang != ende && *anfang == '+') ++anfang;
  const auto [weiter, fehler] = std::from_chars(anfang, ende, zahl);
  if (fehler != std::errc() || !std::isfinite(zahl)) return false;
  rest.assign(weiter, ende);
  // "5 V" reads as "5V".
  if (!rest.empty() && rest.front() == ' ') rest.erase(0, rest.find_first_not_of(' '));
  return true;
}

}  // namespace

bool FormparameterTeilen(const std::string& text, Formparameter& parameter) {
  const auto gleich = text.find('=');
  if (gleich == std::string::npos || gleich == 0) return false;
  parameter.Name = text.substr(0, gleich);
  parameter.Wert = text.substr(gleich + 1);
  return true;
}

double Pegelbezug::InRoh(double pegel) const {
  if (Angabe == Pegelangabe::Roh) return pegel;
  const int a = Ausgang >= 0 && Ausgang < 4 ? Ausgang : 0;
  const config::Kanalskalierung s{Konfig.outmin[a], Konfig.outmax[a], Konfig.outskalamin[a],
                                  Konfig.outskalamax[a]};
  return config::VoltInRoh(config::EinheitInVolt(s, pegel), Konfig.voutmax);
}

std::string Pegelbezug::Einheit() const {
  if (Angabe == Pegelangabe::Roh) return {};
  const int a = Ausgang >= 0 && Ausgang < 4 ? Ausgang : 0;
  const auto& feld = Konfig.outeinheit[a];
  return std::string(feld, strnlen(feld, sizeof feld));
}

bool ZeitLesen(const std::string& text, double& mikro, std::string& grund) {
  double zahl = 0.0;
  std::string einheit;
  if (!ZahlMitRest(text, zahl, einheit)) {
    grund = "is not a time";
    return false;
  }
  static const struct {
    const char* name;
    double mikro;
  } kEinheiten[] = {{"us", 1.0}, {"ms", 1e3}, {"s", 1e6}, {"min", 60e6}, {"h", 3600e6}};
  for (const auto& e : kEinheiten) {
    if (einheit == e.name) {
      mikro = zahl * e.mikro;
      return true;
    }
  }
  grund = einheit.empty() ? "needs a unit: us, ms, s, min or h"
                          : "has the unknown time unit '" + einheit + "' (us, ms, s, min, h)";
  return false;
}

bool PegelLesen(const std::string& text, const Pegelbezug& bezug, double& pegel,
                std::string& grund) {
  double zahl = 0.0;
  std::string einheit;
  if (!ZahlMitRest(text, zahl, einheit)) {
    grund = "is not a level";
    return false;
  }
  if (!einheit.empty() && einheit != bezug.Einheit()) {
    grund = bezug.Angabe == Pegelangabe::Roh
                ? "must be a raw code without a unit"
                : "has the unit '" + einheit + "', the output's unit is '" + bezug.Einheit() + "'";
    return false;
  }
  pegel = zahl;
  return true;
}

bool AnzahlLesen(const std::string& text, long long& anzahl, std::string& grund) {
  const char* ende = text.data() + text.size();
  const auto [weiter, fehler] = std::from_chars(text.data(), ende, anzahl);
  if (fehler != std::errc() || weiter != ende) {
    grund = "is not a whole number";
    return false;
  }
  return true;
}

bool ZahlLesen(const std::string& text, double& zahl, std::string& grund) {
  std::string rest;
  if (!ZahlMitRest(text, zahl, rest) || !rest.empty()) {
    grund = "is not a number";
    return false;
  }
  return true;
}

bool WinkelLesen(const std::string& text, double& grad, std::string& grund) {
  std::string rest;
  if (!ZahlMitRest(text, grad, rest) || !(rest.empty() || rest == "deg")) {
    grund = "is not an angle in degrees";
    return false;
  }
  return true;
}

std::string ZeitText(double mikro) {
  char text[64];
  const double betrag = std::abs(mikro);
  if (betrag >= 1e6)
    std::snprintf(text, sizeof text, "%.6g s", mikro / 1e6);
  else if (betrag >= 1e3)
    std::snprintf(text, sizeof text, "%.6g ms", mikro / 1e3);
  else
    std::snprintf(text, sizeof text, "%.6g us", mikro);
  return text;
}

}  // namespace curves
