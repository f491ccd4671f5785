#include "direct/Abfrage.h"

#include <string>

#include "device/Fehler.h"
#include "device/Verbindung.h"
#include "direct/Ausgaenge.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/Eingaenge.h"
#include "direct/Protokolldatei.h"
#include "direct/Uhr.h"

namespace direct {

int AbfrageStarten(Direktsitzung& s, device::Verbindung& v) {
  if (const int fehler = ProtokolldateiOeffnen(s)) device::ZOR_Fehlerpopup(fehler);
  int modus = 0;
  if (const int fehler = Eingang4ModusLesen(v, &modus)) {
    v.ComFehlerSetzen(fehler);
    return fehler;
  }
  Eingang4ModusSetzen(s, modus);
  v.ComFehlerSetzen(0);
  Direktpanelzustand& z = DirektpanelBearbeiten(s);
  z.timerAn = true;
  z.abfragen = true;
  z.dateispeichernGedimmt = true;
  DirektUhr(s).TimerSchalten(true);
  DirektpanelAnzeigen(s);
  return 0;
}

void AbfrageBeenden(Direktsitzung& s) {
  ProtokolldateiSchliessen(s);
  Direktpanelzustand& z = DirektpanelBearbeiten(s);
  z.timerAn = false;
  z.abfragen = false;
  z.dateispeichernGedimmt = false;
  DirektUhr(s).TimerSchalten(false);
  DirektpanelAnzeigen(s);
}

int DirektTimer_Callback(Direktsitzung& s, device::Verbindung& v) {
  for (int n = 0; n < 4; ++n) {
    if (const int fehler = EingangLesenUndAnzeigen(s, v, n)) {
      // One text, so the log never ends inside the message.
      ProtokollText(s, std::string(kProtokollAbbruch) + device::ZOR_Fehlermeldung(fehler) + "\n");
      AbfrageBeenden(s);
      return fehler;
    }
  }
  if (const int fehler = ProtokollzeileSchreiben(s)) {
    AbfrageBeenden(s);
    device::ZOR_Fehlerpopup(fehler);
    return fehler;
  }
  return 0;
}

int Abfragen_Callback(Direktsitzung& s, device::Verbindung& v, bool an) {
  DirektpanelBearbeiten(s).abfragen = an;
  for (int n = 0; n < 4; ++n) {
    if (const int fehler = AusgangSetzen(s, v, n)) {
      AbfrageBeenden(s);
      return fehler;
    }
  }
  if (an) return AbfrageStarten(s, v);
  ProtokollText(s, kProtokollEnde);
  AbfrageBeenden(s);
  return 0;
}

}  // namespace direct
