#include "direct/Eingaenge.h"

#include "config/Konfiguration.h"
#include "config/Umrechnung.h"
#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"

namespace direct {
namespace {

constexpr const char* kEingangsnamen[4] = {"e1", "e2", "e3", "e4"};
constexpr int kStartStoppBit = 0x01;

void PunkteZeichnen(Direktsitzung& s) {
  StripchartPunkte(s, Messwerte(s).eingangProzent);
}

}  // namespace

int EingangLesenUndAnzeigen(Direktsitzung& s, device::Verbindung& v, int eingang) {
  if (eingang < 0 || eingang > 3) return 0;
  if (v.OffenerComPort() == -1) {
    v.ComFehlerSetzen(kFehlerEingangKeinPort);
    return kFehlerEingangKeinPort;
  }
  Direktmesswerte& m = MesswerteBearbeiten(s);
  if (eingang == 3 && !m.eingang4Analog) {
    PunkteZeichnen(s);
    m.eingangProzent[3] = 0.0;
    return 0;
  }
  double volt = 0.0;
  if (const int fehler = device::ZORFYD1_EingangLesen(v, v.OffenerComPort(), v.Geraeteadresse(),
                                                      kEingangsnamen[eingang], &volt)) {
    v.ComFehlerSetzen(fehler);
    return fehler;
  }
  Direktpanelzustand& z = DirektpanelBearbeiten(s);
  const config::Kanalskalierung skalierung = config::Eingangsskalierung(s.Konfig.gKonfig, eingang);
  z.eingang[eingang].wert = config::VoltInEinheit(skalierung, volt);
  m.eingangProzent[eingang] = Prozent(volt, s.Konfig.gKonfig.vinmax);
  if (eingang == 3) PunkteZeichnen(s);
  if (m.minMaxReset) {
    for (int n = 0; n < 4; ++n) {
      m.eingangMin[n] = s.Konfig.gKonfig.vinmax;
      m.eingangMax[n] = 0.0;
    }
    m.minMaxReset = false;
  }
  if (volt > m.eingangMax[eingang]) {
    m.eingangMax[eingang] = volt;
    z.maximum[eingang].wert = config::VoltInEinheit(skalierung, volt);
  }
  if (volt < m.eingangMin[eingang]) {
    m.eingangMin[eingang] = volt;
    z.minimum[eingang].wert = config::VoltInEinheit(skalierung, volt);
  }
  DirektpanelAnzeigen(s);
  return 0;
}

int Eingang4ModusLesen(device::Verbindung& v, int* modus) {
  if (v.OffenerComPort() == -1) return kFehlerModusKeinPort;
  return device::ZORFYD1_ModusLesen(v, v.OffenerComPort(), v.Geraeteadresse(), modus);
}

void Eingang4ModusSetzen(Direktsitzung& s, int modus) {
  Direktpanelzustand& z = DirektpanelBearbeiten(s);
  const bool analog = (modus & kStartStoppBit) == 0;
  MesswerteBearbeiten(s).eingang4Analog = analog;
  z.eingang4Gedimmt = !analog;
  if (!analog) z.plot[3] = 0;
  DirektpanelAnzeigen(s);
}

}  // namespace direct
