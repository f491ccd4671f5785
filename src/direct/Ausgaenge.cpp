#include "direct/Ausgaenge.h"

#include <algorithm>
#include <cmath>

#include "config/Konfiguration.h"
#include "config/Umrechnung.h"
#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"

namespace direct {
namespace {

constexpr const char* kAusgangsnamen[4] = {"a1", "a2", "a3", "a4"};

bool Gueltig(int ausgang) {
  return ausgang >= 0 && ausgang <= 3;
}

// The knob's value as volts, stored as percentage and sent.
int Senden(Direktsitzung& s, device::Verbindung& v, int ausgang) {
  Zahlfeld& feld = DirektpanelBearbeiten(s).ausgang[ausgang];
  // The knob holds its value within its range (a NaN typed in becomes its low end).
  feld.wert = std::isnan(feld.wert) ? feld.min : std::clamp(feld.wert, feld.min, feld.max);
  double volt =
      config::EinheitInVolt(config::Ausgangsskalierung(s.Konfig.gKonfig, ausgang), feld.wert);
  // The range is 0 V .. full scale; rounding in the conversion must not push the top of
  // the knob past it, where the driver would refuse the value.
  const double vmax = s.Konfig.gKonfig.voutmax;
  if (std::isfinite(vmax) && vmax > 0.0) volt = std::clamp(volt, 0.0, vmax);
  MesswerteBearbeiten(s).ausgangProzent[ausgang] = Prozent(volt, vmax);
  DirektpanelAnzeigen(s);
  if (const int fehler = device::ZORFYD1_AusgangSchreiben(v, v.OffenerComPort(), v.Geraeteadresse(),
                                                          kAusgangsnamen[ausgang], volt)) {
    v.ComFehlerSetzen(fehler);
    return fehler;
  }
  return 0;
}

int KeinPort(device::Verbindung& v) {
  v.ComFehlerSetzen(kFehlerAusgangKeinPort);
  return kFehlerAusgangKeinPort;
}

}  // namespace

int AusgangSetzen(Direktsitzung& s, device::Verbindung& v, int ausgang) {
  if (!Gueltig(ausgang)) return 0;
  if (v.OffenerComPort() == -1) return KeinPort(v);
  Direktpanelzustand& z = DirektpanelBearbeiten(s);
  if (z.ausgang[ausgang].wert > z.begrenzung[ausgang])
    z.ausgang[ausgang].wert = z.begrenzung[ausgang];
  return Senden(s, v, ausgang);
}

int AusgangAufNull(Direktsitzung& s, device::Verbindung& v, int ausgang) {
  if (!Gueltig(ausgang)) return 0;
  if (v.OffenerComPort() == -1) return KeinPort(v);
  const Kanalbereich b = Ausgangsbereich(s.Konfig.gKonfig, ausgang);
  double ziel = 0.0;
  if (b.lo > ziel) ziel = b.lo;
  if (b.hi < ziel) ziel = b.hi;
  DirektpanelBearbeiten(s).ausgang[ausgang].wert = ziel;
  return Senden(s, v, ausgang);
}

int Ausgang_Callback(Direktsitzung& s, device::Verbindung& v, int ausgang, double wert) {
  v.ComFehlerSetzen(0);
  if (Gueltig(ausgang)) DirektpanelBearbeiten(s).ausgang[ausgang].wert = wert;
  return AusgangSetzen(s, v, ausgang);
}

int AusgaengeAufNull_Callback(Direktsitzung& s, device::Verbindung& v) {
  v.ComFehlerSetzen(0);
  int ergebnis = 0;
  for (int n = 0; n < 4; ++n)
    if (const int fehler = AusgangAufNull(s, v, n)) ergebnis = fehler;
  return ergebnis;
}

}  // namespace direct
