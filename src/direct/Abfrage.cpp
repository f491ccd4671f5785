#include "direct/Abfrage.h"

#include <string>

#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "direct/Ausgaenge.h"
#include "direct/Direktpanel.h"
#include "direct/Eingaenge.h"
#include "direct/Protokolldatei.h"
#include "direct/Uhr.h"

namespace direct {

int AbfrageStarten(device::Verbindung& v) {
  if (const int fehler = ProtokolldateiOeffnen()) device::ZOR_Fehlerpopup(fehler);
  int modus = 0;
  if (const int fehler = Eingang4ModusLesen(v, &modus)) {
    v.ComFehlerSetzen(fehler);
    return fehler;
  }
  Eingang4ModusSetzen(modus);
  v.ComFehlerSetzen(0);
  Direktpanelzustand& z = DirektpanelBearbeiten();
  z.timerAn = true;
  z.abfragen = true;
  z.dateispeichernGedimmt = true;
  DirektUhr().TimerSchalten(true);
  DirektpanelAnzeigen();
  return 0;
}

void AbfrageBeenden() {
  ProtokolldateiSchliessen();
  Direktpanelzustand& z = DirektpanelBearbeiten();
  z.timerAn = false;
  z.abfragen = false;
  z.dateispeichernGedimmt = false;
  DirektUhr().TimerSchalten(false);
  DirektpanelAnzeigen();
}

int DirektTimer_Callback(device::Verbindung& v) {
  for (int n = 0; n < 4; ++n) {
    if (const int fehler = EingangLesenUndAnzeigen(v, n)) {
      // One text, so the log never ends inside the message.
      ProtokollText(std::string(kProtokollAbbruch) + device::ZOR_Fehlermeldung(fehler) + "\n");
      AbfrageBeenden();
      return fehler;
    }
  }
  if (const int fehler = ProtokollzeileSchreiben()) {
    AbfrageBeenden();
    device::ZOR_Fehlerpopup(fehler);
    return fehler;
  }
  return 0;
}

int Abfragen_Callback(device::Verbindung& v, bool an) {
  DirektpanelBearbeiten().abfragen = an;
  for (int n = 0; n < 4; ++n) {
    if (const int fehler = AusgangSetzen(v, n)) {
      AbfrageBeenden();
      return fehler;
    }
  }
  if (an) return AbfrageStarten(v);
  ProtokollText(kProtokollEnde);
  AbfrageBeenden();
  return 0;
}

}  // namespace direct
