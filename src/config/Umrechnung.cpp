#include "config/Umrechnung.h"

#include <cmath>

#include "config/Konfiguration.h"

namespace config {
namespace {

constexpr Kanalskalierung kIdentitaet{0.0, 10.0, 0.0, 10.0};

bool Gueltig(int kanal) {
  return kanal >= 0 && kanal < 4;
}

// Slope of the raw map; 0.0 when it cannot be inverted.
double RohSteigung(double vmax) {
  double c = (vmax - kRohNull) / kRohSpanne;
  return std::isfinite(c) ? c : 0.0;
}

// Slope of a channel's scaling; 0.0 when it cannot be inverted.
double Steigung(const Kanalskalierung& s) {
  double spanne = s.hi - s.lo;
  if (spanne == 0.0 || !std::isfinite(spanne)) return 0.0;
  double e = (s.phi - s.plo) / spanne;
  return std::isfinite(e) ? e : 0.0;
}

}  // namespace

Kanalskalierung Ausgangsskalierung(const Konfiguration& k, int ausgang) {
  if (!Gueltig(ausgang)) return kIdentitaet;
  return {k.outmin[ausgang], k.outmax[ausgang], k.outskalamin[ausgang], k.outskalamax[ausgang]};
}

Kanalskalierung Eingangsskalierung(const Konfiguration& k, int eingang) {
  if (!Gueltig(eingang)) return kIdentitaet;
  return {k.inmin[eingang], k.inmax[eingang], k.inskalamin[eingang], k.inskalamax[eingang]};
}

double RohInVolt(double roh, double vmax) {
  double c = RohSteigung(vmax);
  return c * roh + (kRohNull - kRohNull * c);
}

double VoltInRoh(double volt, double vmax) {
  double c = RohSteigung(vmax);
  if (c == 0.0) return kRohNull;
  return (volt - (kRohNull - kRohNull * c)) / c;
}

double VoltInEinheit(const Kanalskalierung& s, double volt) {
  double e = Steigung(s);
  if (e == 0.0) return s.plo;
  return e * volt + (s.plo - s.lo * e);
}

double EinheitInVolt(const Kanalskalierung& s, double wert) {
  double e = Steigung(s);
  if (e == 0.0) return s.lo;
  return (wert - (s.plo - s.lo * e)) / e;
}

double AusgangRohInEinheit(const Konfiguration& k, int ausgang, double roh) {
  return VoltInEinheit(Ausgangsskalierung(k, ausgang), RohInVolt(roh, k.voutmax));
}

double AusgangEinheitInRoh(const Konfiguration& k, int ausgang, double wert) {
  return VoltInRoh(EinheitInVolt(Ausgangsskalierung(k, ausgang), wert), k.voutmax);
}

double EingangRohInEinheit(const Konfiguration& k, int eingang, double roh) {
  return VoltInEinheit(Eingangsskalierung(k, eingang), RohInVolt(roh, k.vinmax));
}

double EingangEinheitInRoh(const Konfiguration& k, int eingang, double wert) {
  return VoltInRoh(EinheitInVolt(Eingangsskalierung(k, eingang), wert), k.vinmax);
}

}  // namespace config
