#include "direct/Abfrage.h"

#include <string>

#include "device/Fehler.h"
#include "direct/Ausgaenge.h"
#include "direct/Direktpanel.h"
#include "direct/Eingaenge.h"
#include "direct/Protokolldatei.h"
#include "direct/Uhr.h"

namespace direct {

int AbfrageStarten() {
  if (const int fehler = ProtokolldateiOeffnen()) device::ZOR_Fehlerpopup(fehler);
  int modus = 0;
  if (const int fehler = Eingang4ModusLesen(&modus)) {
    device::ComFehlerSetzen(fehler);
    return fehler;
  }
  Eingang4ModusSetzen(modus);
  device::ComFehlerSetzen(0);
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

int DirektTimer_Callback() {
  for (int n = 0; n < 4; ++n) {
    if (const int fehler = EingangLesenUndAnzeigen(n)) {
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

int Abfragen_Callback(bool an) {
  DirektpanelBearbeiten().abfragen = an;
  for (int n = 0; n < 4; ++n) {
    if (const int fehler = AusgangSetzen(n)) {
      AbfrageBeenden();
      return fehler;
    }
  }
  if (an) return AbfrageStarten();
  ProtokollText(kProtokollEnde);
  AbfrageBeenden();
  return 0;
}

}  // namespace direct
