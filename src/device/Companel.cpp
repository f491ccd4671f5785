#include "device/Companel.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "common/OperatorInterface.h"
#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Statusbits.h"
#include "device/Verbindung.h"
#include "ini/IniStore.h"

namespace device {

int gComPortEinstellmerker = 1;

namespace {

constexpr long kBaudrate = 9600;
constexpr double kLeseTimeout = 0.5;
constexpr const char* kWun2Kennung = "ZOR-MIV3AX";

// Error sites of this window.
constexpr int kKeinPortIdLesen = -122232;
constexpr int kKeinPortScan = -122233;
constexpr int kKeinPortStart = -122234;
constexpr int kKeinPortStopp = -122235;
constexpr int kKeinPortEingang4 = -122236;
constexpr int kKeinPortFehlerbits = -122237;

Companelzustand zustand;
std::function<std::vector<int>()> portquelle;
std::function<void()> anzeige;

void Aktualisieren() {
  if (anzeige) anzeige();
}

bool GueltigerPort(int port) {
  return (port >= 1 && port <= 255) || port == -1;
}

}  // namespace

const Companelzustand& Companel() {
  return zustand;
}

void PortquelleSetzen(std::function<std::vector<int>()> quelle) {
  portquelle = std::move(quelle);
}

void CompanelAnzeigeBinden(std::function<void()> neu) {
  anzeige = std::move(neu);
}

void CompanelZuruecksetzen() {
  zustand = Companelzustand{};
  portquelle = {};
  anzeige = {};
  gComPortEinstellmerker = 1;
}

void ComControlAusfuellen() {
  std::vector<PortlistenEintrag> liste;
  std::vector<int> ports = portquelle ? portquelle() : std::vector<int>{};
  for (int n : ports) {
    if (n < 0 || n > 256) continue;
    liste.push_back({"COM " + std::to_string(n), n});
  }
  // No port at all, or none with a usable number: the list is never left empty, so there
  // is always an entry to select and to try.
  if (liste.empty()) liste.push_back({"n.a.", 0});
  // Exchange sort, as the list has always been ordered: stable enough for a few entries.
  for (std::size_t i = 0; i < liste.size(); ++i)
    for (std::size_t j = i + 1; j < liste.size(); ++j)
      if (liste[j].wert < liste[i].wert) std::swap(liste[i], liste[j]);
  zustand.portliste = std::move(liste);
  zustand.portlistenwert = zustand.portliste.front().wert;
  PortlisteAuswaehlen(gComPortEinstellmerker);
  Aktualisieren();
}

bool PortlisteAuswaehlen(int wert) {
  for (const auto& eintrag : zustand.portliste) {
    if (eintrag.wert == wert) {
      zustand.portlistenwert = wert;
      return true;
    }
  }
  return false;
}

int ComPortOeffnen() {
  int q = zustand.portliste.empty() ? -1 : zustand.portlistenwert;
  if (q == sgComPort.offen) return 0;
  ComPortSchliessen();
  if (q != -1) {
    int fehler = ZORFYD1_Open(q, kBaudrate);
    if (fehler != 0) {
      sgComPort.offen = -1;
      return fehler;
    }
    ZORFYD1_Timeout(q, kLeseTimeout);
    sgComPort.lport = q;
    // Closing dims the error-bit controls; a new connection makes them usable again
    // (otherwise the query that undims them could never be pressed).
    FehlerbitsDimmen(false);
  }
  sgComPort.offen = q;
  return 0;
}

void ComPortSchliessen() {
  if (sgComPort.offen == -1) return;
  FehlerbitsDimmen(true);
  ZORFYD1_Close(sgComPort.offen);
  sgComPort.offen = -1;
}

void VerbindungssymboleSetzen() {
  int port = sgComPort.offen;
  zustand.verbindungssymbol = port <= 8 ? port : 0;
  Aktualisieren();
}

void PortSelectKlick() {
  // A list never filled has no value yet: the remembered port (COM1 at first) stays.
  if (!zustand.portliste.empty()) gComPortEinstellmerker = zustand.portlistenwert;
  ComControlAusfuellen();
}

void PortSelectCommit() {
  ComFehlerSetzen(ComPortOeffnen());
  VerbindungssymboleSetzen();
}

void ComPictureKlick() {
  if (sgComPort.offen == -1) {
    // Before the list was ever filled (first run) there is nothing to open: fill it, so
    // the click opens the list's choice or reports why it cannot.
    if (zustand.portliste.empty()) ComControlAusfuellen();
    PortlisteAuswaehlen(sgComPort.lport);
    ComFehlerSetzen(ComPortOeffnen());
  } else {
    ComPortSchliessen();
  }
  VerbindungssymboleSetzen();
}

int IDLesen() {
  if (sgComPort.offen == -1) return kKeinPortIdLesen;
  zustand.idFeld.clear();
  Aktualisieren();
  char id[64] = {};
  int fehler = ZORFYD1_IDLesen(sgComPort.offen, Geraeteadresse(), id);
  if (fehler != 0) return fehler;
  zustand.idFeld = id;
  Aktualisieren();
  return 0;
}

const std::string& IdFeld() {
  return zustand.idFeld;
}

void IDLesenMitAnzeige() {
  zustand.fortschritt = "lese ID...";
  Aktualisieren();
  zustand.fortschritt = "reading ID...";
  Aktualisieren();
  ComFehlerSetzen(IDLesen());
  zustand.fortschritt.clear();
  Aktualisieren();
}

int GeraeteSuchen() {
  if (sgComPort.offen == -1) return kKeinPortScan;
  zustand.idFeld.clear();
  for (int i = 0; i < 8; ++i) {
    char adresse = static_cast<char>('1' + i);
    zustand.fortschritt = std::string("searching for device ") + adresse;
    Aktualisieren();
    char id[64] = {};
    Lampe& lampe = zustand.scanLampen[i];
    const bool geantwortet = ZORFYD1_IDLesen(sgComPort.offen, adresse, id) == 0;
    zustand.scanIds[i] = geantwortet ? id : "";
    if (!geantwortet) {
      lampe.an = false;
    } else if (std::strncmp(id, kWun2Kennung, std::strlen(kWun2Kennung)) == 0) {
      lampe = {true, kLampeGruen};
      GeraeteadresseSetzen(adresse);
      zustand.idFeld = id;
    } else {
      lampe = {true, kLampeRot};
    }
  }
  zustand.fortschritt.clear();
  Aktualisieren();
  return 0;
}

int StartSenden() {
  if (sgComPort.offen == -1) return kKeinPortStart;
  return ZORFYD1_DeviceFunction(sgComPort.offen, Geraeteadresse(), "start");
}

int StoppSenden() {
  if (sgComPort.offen == -1) return kKeinPortStopp;
  return ZORFYD1_DeviceFunction(sgComPort.offen, Geraeteadresse(), "stopp");
}

int StartStoppEingangSetzen(bool ein) {
  if (sgComPort.offen == -1) return kKeinPortEingang4;
  return ZORFYD1_ModusSchreiben(sgComPort.offen, Geraeteadresse(), ein ? 1 : 0, 1);
}

void Fehlerabfrage() {
  FehlerbitsDimmen(false);
  ComFehlerSetzen(0);
  if (sgComPort.offen == -1) {
    ComFehlerSetzen(kKeinPortFehlerbits);
    return;
  }
  int wert = 0;
  int fehler = ZORFYD1_StatusLesen(sgComPort.offen, Geraeteadresse(), 2, &wert);
  if (fehler != 0) {
    ComFehlerSetzen(fehler);
    return;
  }
  FehlerbitsAnzeigen(wert);
}

void FehlerbitsAnzeigen(int wert) {
  for (int bit = 0; bit < 5; ++bit) zustand.fehlerbits[bit] = (wert >> bit) & 1;
  Aktualisieren();
}

void FehlerbitsDimmen(bool dimmen) {
  zustand.fehlerbitsGedimmt = dimmen;
  Aktualisieren();
}

std::string FehlerbitsText() {
  int wert = 0;
  for (int bit = 0; bit < 5; ++bit) wert |= zustand.fehlerbits[bit] ? 1 << bit : 0;
  std::string text;
  for (const auto& zeile : FehlerbitZeilen(wert)) text += (text.empty() ? "" : "\n") + zeile;
  return text;
}

void FehlerbitsErklaeren() {
  common::showMessage("Error bits", FehlerbitsText());
}

int ReadIniCompanel(ini::IniStore* store) {
  std::int32_t wert = 0;
  char adresse = '1';
  if (ini::Ini_GetInt(store, "com", "adresse", &wert) > 0 &&
      ((wert >= '1' && wert <= '8') || wert == '&'))
    adresse = static_cast<char>(wert);
  GeraeteadresseSetzen(adresse);

  sgComPort.lport = -1;
  if (ini::Ini_GetInt(store, "com", "lport", &wert) > 0 && GueltigerPort(wert))
    sgComPort.lport = wert;

  int port = -1;
  if (ini::Ini_GetInt(store, "com", "port", &wert) > 0 && GueltigerPort(wert)) port = wert;

  ComControlAusfuellen();
  PortlisteAuswaehlen(port);
  ComFehlerSetzen(ComPortOeffnen());
  VerbindungssymboleSetzen();
  return 0;
}

int WriteIniCompanel(ini::IniStore* store) {
  ini::Ini_PutInt(store, "com", "adresse", static_cast<unsigned char>(Geraeteadresse()));
  ini::Ini_PutInt(store, "com", "port", sgComPort.offen);
  ini::Ini_PutInt(store, "com", "lport", sgComPort.lport);
  return 0;
}

int CompanelInit() {
  zustand.fortschritt.clear();
  Aktualisieren();
  return 0;
}

void CompanelClear() {
  ComPortSchliessen();
  VerbindungssymboleSetzen();
}

}  // namespace device
