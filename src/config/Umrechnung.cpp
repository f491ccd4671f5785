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

Kanalskalierung Ausgangsskalierung(int ausgang) {
  if (!Gueltig(ausgang)) return kIdentitaet;
  return {gKonfig.outmin[ausgang], gKonfig.outmax[ausgang], gKonfig.outskalamin[ausgang],
          gKonfig.outskalamax[ausgang]};
}

Kanalskalierung Eingangsskalierung(int eingang) {
  if (!Gueltig(eingang)) return kIdentitaet;
  return {gKonfig.inmin[eingang], gKonfig.inmax[eingang], gKonfig.inskalamin[eingang],
          gKonfig.inskalamax[eingang]};
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

double AusgangRohInEinheit(int ausgang, double roh) {
  return VoltInEinheit(Ausgangsskalierung(ausgang), RohInVolt(roh, gKonfig.voutmax));
}

double AusgangEinheitInRoh(int ausgang, double wert) {
  return VoltInRoh(EinheitInVolt(Ausgangsskalierung(ausgang), wert), gKonfig.voutmax);
}

double EingangRohInEinheit(int eingang, double roh) {
  return VoltInEinheit(Eingangsskalierung(eingang), RohInVolt(roh, gKonfig.vinmax));
}

double EingangEinheitInRoh(int eingang, double wert) {
  return VoltInRoh(EinheitInVolt(Eingangsskalierung(eingang), wert), gKonfig.vinmax);
}

}  // namespace config
