#include "direct/Kanalbereich.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "config/Konfiguration.h"
#include "config/Umrechnung.h"

namespace direct {
namespace {

// A unit field that fills its 9 bytes has no terminator to stop at.
std::string Einheit(const char (&feld)[config::kEinheitGroesse]) {
  return std::string(feld, strnlen(feld, sizeof feld));
}

}  // namespace

int Nachkommastellen(double lo, double hi, double spanne) {
  const double schritt = std::fabs(hi - lo) / spanne;
  if (!std::isfinite(schritt) || schritt <= 0.0) return kStandardNachkommastellen;
  const double d = std::ceil(-std::log10(schritt));
  return static_cast<int>(std::clamp(d, 0.0, static_cast<double>(kHoechsteNachkommastellen)));
}

Kanalbereich Eingangsbereich(int eingang) {
  Kanalbereich b;
  b.lo = config::EingangRohInEinheit(eingang, 0.0);
  b.hi = config::EingangRohInEinheit(eingang, config::kRohSpanne);
  b.nachkommastellen = Nachkommastellen(b.lo, b.hi, config::kRohSpanne);
  if (eingang >= 0 && eingang < 4) b.einheit = Einheit(config::gKonfig.ineinheit[eingang]);
  return b;
}

Kanalbereich Ausgangsbereich(int ausgang) {
  Kanalbereich b;
  b.lo = config::AusgangRohInEinheit(ausgang, 0.0);
  b.hi = config::AusgangRohInEinheit(ausgang, config::kRohSpanne);
  b.nachkommastellen = Nachkommastellen(b.lo, b.hi, config::kRohSpanne);
  if (ausgang >= 0 && ausgang < 4) b.einheit = Einheit(config::gKonfig.outeinheit[ausgang]);
  return b;
}

double Prozent(double volt, double vmax) {
  if (!std::isfinite(vmax) || vmax == 0.0) return 0.0;
  return 100.0 * volt / vmax;
}

double EingangProzentInEinheit(int eingang, double prozent) {
  return config::EingangRohInEinheit(eingang, config::kRohSpanne * prozent / 100.0);
}

double AusgangProzentInEinheit(int ausgang, double prozent) {
  return config::AusgangRohInEinheit(ausgang, config::kRohSpanne * prozent / 100.0);
}

}  // namespace direct
