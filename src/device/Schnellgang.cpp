#include "device/Schnellgang.h"

#include <chrono>
#include <string>
#include <thread>

#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Speichertransfer.h"
#include "device/Verbindung.h"

// The sequence of a fast transfer (port and device start at 9600 baud):
//
//   state       step                                    outcome              next
//   ---------   -------------------------------------   ------------------   -------------
//   Probe       reopen the port at 38400                cannot               Langsam (a)
//               (nothing is sent yet)                   can                  Umschalten
//   Umschalten  port at 9600, "#dBRW38400" at 9600      ACK                  Pruefen
//                                                       NAK or CAN           Langsam (b)
//                                                       silence, other byte  Suchen, Langsam (c)
//   Pruefen     port at 38400, ID read                  answer               Schnell
//                                                       none                 Rueckweg, Langsam (c)
//   Schnell     the transfer's frames, unchanged        done, failed or      Rueckweg
//                                                       cancelled
//   Rueckweg    "#dBRW9600" at 38400, port at 9600,     answer               done
//               ID read                                 anything else        Suchen
//   Suchen      ID read at 9600, then 38400, 19200,     answer at 9600       done
//               4800; at a rate with an answer          switched back        done, notice
//               "#dBRW9600" and ID read at 9600         none                 kFehlerRateVerloren
//   Langsam     the transfer at 9600
//
// Notices: (a) the port cannot run at 38400, (b) the device refused the rate, (c) the
// device did not answer at the new rate; each followed by "transferring at 9600 baud".
// The probe comes first because once the device has switched, a port that cannot follow
// would leave it out of reach.

namespace device {
namespace {

constexpr double kLeseTimeout = 0.5;  // as the COM settings window opens the port
// While asking at rates where most likely nobody listens: a device answers an ID read
// within milliseconds, and a scan asks up to 24 times.
constexpr double kSuchTimeout = 0.2;
// A device changes its line after the acknowledgement has left; give it time to do so.
constexpr auto kUmschaltpause = std::chrono::milliseconds(20);
constexpr long kSuchraten[] = {38400, 19200, 4800};

int Nummer(char adresse) {
  return adresse - '0';
}

bool PortOeffnen(Verbindung& v, int port, long rate, double timeout) {
  ZORFYD1_Close(v, port);
  const int code = ZORFYD1_Open(v, port, rate);
  v.Log().Aufzeichnen(Leitungsrichtung::Rate, "", std::to_string(rate), code);
  if (code != 0) return false;
  ZORFYD1_Timeout(v, port, timeout);
  return true;
}

bool Antwortet(Verbindung& v, int port, char adresse) {
  char id[64] = {};
  return ZORFYD1_IDLesen(v, port, adresse, id) == 0;
}

// The device listens at `rate` (the port too): switch both to 9600 and check.
bool Zurueckstellen(Verbindung& v, int port, char adresse) {
  if (ZORMIV1_BaudrateSchreiben(v, port, Nummer(adresse), kGrundrate) != 0) return false;
  std::this_thread::sleep_for(kUmschaltpause);
  return PortMitRateOeffnen(v, port, kGrundrate) && Antwortet(v, port, adresse);
}

bool Wiederfinden(Verbindung& v, int port, char adresse) {
  if (PortMitRateOeffnen(v, port, kGrundrate) && Antwortet(v, port, adresse)) return true;
  return AndereRatenAbsuchen(v, port, adresse);
}

void Langsam(Verbindung& v, const std::string& grund) {
  v.HinweisMelden(grund + " Transferring at 9600 baud.");
}

// Probe, Umschalten, Pruefen: true when the device and the port run at 38400.
bool Hochschalten(Verbindung& v, int port, char adresse) {
  if (!PortMitRateOeffnen(v, port, kSchnellrate)) {
    PortMitRateOeffnen(v, port, kGrundrate);
    Langsam(v, "Fast transfer: the port cannot run at 38400 baud.");
    return false;
  }
  if (!PortMitRateOeffnen(v, port, kGrundrate)) return false;
  const int antwort = ZORMIV1_BaudrateSchreiben(v, port, Nummer(adresse), kSchnellrate);
  const int kategorie = Fehlerkategorie(antwort);
  if (kategorie == 402 || kategorie == 405) {
    Langsam(v, "Fast transfer: the device refused 38400 baud.");
    return false;
  }
  if (antwort != 0) {
    // Whether the device switched is not known: find it wherever it listens.
    Wiederfinden(v, port, adresse);
    Langsam(v, "Fast transfer: the device did not answer the change to 38400 baud.");
    return false;
  }
  std::this_thread::sleep_for(kUmschaltpause);
  if (PortMitRateOeffnen(v, port, kSchnellrate) && Antwortet(v, port, adresse)) return true;
  if (!Zurueckstellen(v, port, adresse)) Wiederfinden(v, port, adresse);
  Langsam(v, "Fast transfer: the device did not answer at 38400 baud.");
  return false;
}

}  // namespace

bool PortMitRateOeffnen(Verbindung& v, int port, long rate) {
  return PortOeffnen(v, port, rate, kLeseTimeout);
}

bool AndereRatenAbsuchen(Verbindung& v, int port, char adresse) {
  if (adresse < '1' || adresse > '8') return false;
  for (long rate : kSuchraten) {
    if (!PortOeffnen(v, port, rate, kSuchTimeout) || !Antwortet(v, port, adresse)) continue;
    if (Zurueckstellen(v, port, adresse)) {
      v.HinweisMelden(std::string("Device ") + adresse + " answered at " + std::to_string(rate) +
                      " baud and was switched back to 9600 baud.");
      return true;
    }
  }
  PortMitRateOeffnen(v, port, kGrundrate);
  return false;
}

std::string AlleAnderenRatenAbsuchen(Verbindung& v, int port) {
  std::string gefunden;
  for (long rate : kSuchraten) {
    if (!PortOeffnen(v, port, rate, kSuchTimeout)) continue;
    std::string adressen;
    for (char a = '1'; a <= '8'; ++a) {
      if (!Antwortet(v, port, a)) continue;
      // Each device changes on its own acknowledgement; the port follows after the last.
      if (ZORMIV1_BaudrateSchreiben(v, port, Nummer(a), kGrundrate) == 0) adressen += a;
    }
    if (adressen.empty()) continue;
    std::this_thread::sleep_for(kUmschaltpause);
    PortMitRateOeffnen(v, port, kGrundrate);
    for (char a : adressen) {
      if (!Antwortet(v, port, a)) continue;
      gefunden += a;
      v.HinweisMelden(std::string("Device ") + a + " answered at " + std::to_string(rate) +
                      " baud and was switched back to 9600 baud.");
    }
    return gefunden;
  }
  PortMitRateOeffnen(v, port, kGrundrate);
  return gefunden;
}

int SchnellUebertragen(Verbindung& v, Vorgang vorgang, const std::function<int()>& uebertragung) {
  const int port = v.OffenerComPort();
  const char adresse = v.Geraeteadresse();
  bool schnell = false;
  if (v.Uebertragung().schnell && port != -1) {
    // The rate command takes the address as a digit; other addresses stay at 9600.
    if (adresse >= '1' && adresse <= '8')
      schnell = Hochschalten(v, port, adresse);
    else
      Langsam(v, "Fast transfer needs a device address 1 to 8.");
  }
  int code = uebertragung();
  if (schnell && !Zurueckstellen(v, port, adresse) && !Wiederfinden(v, port, adresse) && code == 0)
    code = kFehlerRateVerloren;
  if (code == kFehlerAbgebrochen)
    v.HinweisMelden(vorgang == Vorgang::Schreiben
                        ? "Transfer cancelled: the device memory is incomplete."
                        : "Reading cancelled: nothing was taken over.");
  return code;
}

}  // namespace device
