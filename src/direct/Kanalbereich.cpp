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

Kanalbereich Eingangsbereich(const config::Konfiguration& k, int eingang) {
  Kanalbereich b;
  b.lo = config::EingangRohInEinheit(k, eingang, 0.0);
  b.hi = config::EingangRohInEinheit(k, eingang, config::kRohSpanne);
  b.nachkommastellen = Nachkommastellen(b.lo, b.hi, config::kRohSpanne);
  if (eingang >= 0 && eingang < 4) b.einheit = Einheit(k.ineinheit[eingang]);
  return b;
}

Kanalbereich Ausgangsbereich(const config::Konfiguration& k, int ausgang) {
  Kanalbereich b;
  b.lo = config::AusgangRohInEinheit(k, ausgang, 0.0);
  b.hi = config::AusgangRohInEinheit(k, ausgang, config::kRohSpanne);
  b.nachkommastellen = Nachkommastellen(b.lo, b.hi, config::kRohSpanne);
  if (ausgang >= 0 && ausgang < 4) b.einheit = Einheit(k.outeinheit[ausgang]);
  return b;
}

double Prozent(double volt, double vmax) {
  if (!std::isfinite(vmax) || vmax == 0.0) return 0.0;
  return 100.0 * volt / vmax;
}

double EingangProzentInEinheit(const config::Konfiguration& k, int eingang, double prozent) {
  return config::EingangRohInEinheit(k, eingang, config::kRohSpanne * prozent / 100.0);
}

double AusgangProzentInEinheit(const config::Konfiguration& k, int ausgang, double prozent) {
  return config::AusgangRohInEinheit(k, ausgang, config::kRohSpanne * prozent / 100.0);
}

}  // namespace direct
