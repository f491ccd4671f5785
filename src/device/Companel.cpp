#include "device/Companel.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "common/OperatorInterface.h"
#include "device/Fehler.h"
#include "device/Portverlust.h"
#include "device/Protokoll.h"
#include "device/Schnellgang.h"
#include "device/Statusbits.h"
#include "device/Verbindung.h"
#include "ini/IniStore.h"

namespace device {

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

bool GueltigerPort(int port) {
  return (port >= 1 && port <= 255) || port == -1;
}

}  // namespace

void ComControlAusfuellen(Verbindung& v) {
  std::vector<PortlistenEintrag> liste;
  std::vector<int> ports = v.Portnummern();
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
  v.Companel().portliste = std::move(liste);
  v.Companel().portlistenwert = v.Companel().portliste.front().wert;
  PortlisteAuswaehlen(v, v.ComPortEinstellmerker());
  v.CompanelMelden();
}

bool PortlisteAuswaehlen(Verbindung& v, int wert) {
  for (const auto& eintrag : v.Companel().portliste) {
    if (eintrag.wert == wert) {
      v.Companel().portlistenwert = wert;
      return true;
    }
  }
  return false;
}

int ComPortOeffnen(Verbindung& v) {
  int q = v.Companel().portliste.empty() ? -1 : v.Companel().portlistenwert;
  if (q == v.Port().offen) return 0;
  ComPortSchliessen(v);
  if (q != -1) {
    int fehler = ZORFYD1_Open(v, q, kBaudrate);
    if (fehler != 0) {
      v.Port().offen = -1;
      return fehler;
    }
    ZORFYD1_Timeout(v, q, kLeseTimeout);
    v.Port().lport = q;
    // Closing dims the error-bit controls; a new connection makes them usable again
    // (otherwise the query that undims them could never be pressed).
    FehlerbitsDimmen(v, false);
  }
  v.Port().offen = q;
  if (q != -1) PortGeoeffnetMelden(v, q);
  return 0;
}

void ComPortSchliessen(Verbindung& v) {
  if (v.Port().offen == -1) return;
  FehlerbitsDimmen(v, true);
  ZORFYD1_Close(v, v.Port().offen);
  v.Port().offen = -1;
}

void VerbindungssymboleSetzen(Verbindung& v) {
  int port = v.Port().offen;
  v.Companel().verbindungssymbol = port <= 8 ? port : 0;
  v.CompanelMelden();
}

void PortSelectKlick(Verbindung& v) {
  // A list never filled has no value yet: the remembered port (COM1 at first) stays.
  if (!v.Companel().portliste.empty()) v.ComPortEinstellmerkerSetzen(v.Companel().portlistenwert);
  ComControlAusfuellen(v);
}

void PortSelectCommit(Verbindung& v) {
  v.ComFehlerSetzen(ComPortOeffnen(v));
  VerbindungssymboleSetzen(v);
}

void ComPictureKlick(Verbindung& v) {
  if (v.Port().offen == -1) {
    // Before the list was ever filled (first run) there is nothing to open: fill it, so
    // the click opens the list's choice or reports why it cannot.
    if (v.Companel().portliste.empty()) ComControlAusfuellen(v);
    PortlisteAuswaehlen(v, v.Port().lport);
    v.ComFehlerSetzen(ComPortOeffnen(v));
  } else {
    ComPortSchliessen(v);
  }
  VerbindungssymboleSetzen(v);
}

int IDLesen(Verbindung& v) {
  if (v.Port().offen == -1) return kKeinPortIdLesen;
  v.Companel().idFeld.clear();
  v.CompanelMelden();
  char id[64] = {};
  int fehler = ZORFYD1_IDLesen(v, v.Port().offen, v.Geraeteadresse(), id);
  // Silence may be a device left at another rate by a transfer that did not end.
  if (fehler != 0 && Fehlerkategorie(fehler) == 403 && v.Uebertragung().ratenSuchen &&
      AndereRatenAbsuchen(v, v.Port().offen, v.Geraeteadresse()))
    fehler = ZORFYD1_IDLesen(v, v.Port().offen, v.Geraeteadresse(), id);
  if (fehler != 0) return fehler;
  v.Companel().idFeld = id;
  v.CompanelMelden();
  return 0;
}

const std::string& IdFeld(const Verbindung& v) {
  return v.Companel().idFeld;
}

void IDLesenMitAnzeige(Verbindung& v) {
  v.Companel().fortschritt = "lese ID...";
  v.CompanelMelden();
  v.Companel().fortschritt = "reading ID...";
  v.CompanelMelden();
  v.ComFehlerSetzen(IDLesen(v));
  v.Companel().fortschritt.clear();
  v.CompanelMelden();
}

// One pass over the addresses '1' to '8' at the port's present rate: lamps, IDs and the
// address; the number of addresses that answered.
static int ScanDurchgang(Verbindung& v, const std::string& adressen = "12345678");

int GeraeteSuchen(Verbindung& v) {
  if (v.Port().offen == -1) return kKeinPortScan;
  v.Companel().idFeld.clear();
  if (ScanDurchgang(v) == 0 && v.Uebertragung().ratenSuchen) {
    // Nobody answered at 9600: devices left at another rate are switched back and asked
    // once more.
    v.Companel().fortschritt = "searching at other baud rates";
    v.CompanelMelden();
    const std::string gefunden = AlleAnderenRatenAbsuchen(v, v.Port().offen);
    if (!gefunden.empty()) ScanDurchgang(v, gefunden);
  }
  v.Companel().fortschritt.clear();
  v.CompanelMelden();
  return 0;
}

static int ScanDurchgang(Verbindung& v, const std::string& adressen) {
  int antworten = 0;
  for (char adresse : adressen) {
    const int i = adresse - '1';
    v.Companel().fortschritt = std::string("searching for device ") + adresse;
    v.CompanelMelden();
    char id[64] = {};
    Lampe& lampe = v.Companel().scanLampen[i];
    const bool geantwortet = ZORFYD1_IDLesen(v, v.Port().offen, adresse, id) == 0;
    v.Companel().scanIds[i] = geantwortet ? id : "";
    antworten += geantwortet ? 1 : 0;
    if (!geantwortet) {
      lampe.an = false;
    } else if (std::strncmp(id, kWun2Kennung, std::strlen(kWun2Kennung)) == 0) {
      lampe = {true, kLampeGruen};
      v.GeraeteadresseSetzen(adresse);
      v.Companel().idFeld = id;
    } else {
      lampe = {true, kLampeRot};
    }
  }
  return antworten;
}

int StartSenden(Verbindung& v) {
  if (v.Port().offen == -1) return kKeinPortStart;
  return ZORFYD1_DeviceFunction(v, v.Port().offen, v.Geraeteadresse(), "start");
}

int StoppSenden(Verbindung& v) {
  if (v.Port().offen == -1) return kKeinPortStopp;
  return ZORFYD1_DeviceFunction(v, v.Port().offen, v.Geraeteadresse(), "stopp");
}

int StartStoppEingangSetzen(Verbindung& v, bool ein) {
  if (v.Port().offen == -1) return kKeinPortEingang4;
  return ZORFYD1_ModusSchreiben(v, v.Port().offen, v.Geraeteadresse(), ein ? 1 : 0, 1);
}

void Fehlerabfrage(Verbindung& v) {
  FehlerbitsDimmen(v, false);
  v.ComFehlerSetzen(0);
  if (v.Port().offen == -1) {
    v.ComFehlerSetzen(kKeinPortFehlerbits);
    return;
  }
  int wert = 0;
  int fehler = ZORFYD1_StatusLesen(v, v.Port().offen, v.Geraeteadresse(), 2, &wert);
  if (fehler != 0) {
    v.ComFehlerSetzen(fehler);
    return;
  }
  FehlerbitsAnzeigen(v, wert);
}

void FehlerbitsAnzeigen(Verbindung& v, int wert) {
  for (int bit = 0; bit < 5; ++bit) v.Companel().fehlerbits[bit] = (wert >> bit) & 1;
  v.CompanelMelden();
}

void FehlerbitsDimmen(Verbindung& v, bool dimmen) {
  v.Companel().fehlerbitsGedimmt = dimmen;
  v.CompanelMelden();
}

std::string FehlerbitsText(const Verbindung& v) {
  int wert = 0;
  for (int bit = 0; bit < 5; ++bit) wert |= v.Companel().fehlerbits[bit] ? 1 << bit : 0;
  std::string text;
  for (const auto& zeile : FehlerbitZeilen(wert)) text += (text.empty() ? "" : "\n") + zeile;
  return text;
}

void FehlerbitsErklaeren(Verbindung& v) {
  common::showMessage("Error bits", FehlerbitsText(v));
}

int ReadIniCompanel(Verbindung& v, ini::IniStore* store) {
  std::int32_t wert = 0;
  char adresse = '1';
  if (ini::Ini_GetInt(store, "com", "adresse", &wert) > 0 &&
      ((wert >= '1' && wert <= '8') || wert == '&'))
    adresse = static_cast<char>(wert);
  v.GeraeteadresseSetzen(adresse);

  v.Port().lport = -1;
  if (ini::Ini_GetInt(store, "com", "lport", &wert) > 0 && GueltigerPort(wert))
    v.Port().lport = wert;

  int port = -1;
  if (ini::Ini_GetInt(store, "com", "port", &wert) > 0 && GueltigerPort(wert)) port = wert;

  // Files from before these keys read as off.
  Uebertragungswahl& wahl = v.Uebertragung();
  wahl.schnell = ini::Ini_GetInt(store, "com", "schnell", &wert) > 0 && wert == 1;
  wahl.ratenSuchen = wahl.schnell;
  wahl.nurGeaendert = ini::Ini_GetInt(store, "com", "nurgeaendert", &wert) > 0 && wert == 1;
  wahl.nachpruefen = ini::Ini_GetInt(store, "com", "nachpruefen", &wert) > 0 && wert == 1;

  ComControlAusfuellen(v);
  PortlisteAuswaehlen(v, port);
  v.ComFehlerSetzen(ComPortOeffnen(v));
  VerbindungssymboleSetzen(v);
  return 0;
}

int WriteIniCompanel(Verbindung& v, ini::IniStore* store) {
  ini::Ini_PutInt(store, "com", "adresse", static_cast<unsigned char>(v.Geraeteadresse()));
  ini::Ini_PutInt(store, "com", "port", v.Port().offen);
  ini::Ini_PutInt(store, "com", "lport", v.Port().lport);
  ini::Ini_PutInt(store, "com", "schnell", v.Uebertragung().schnell ? 1 : 0);
  ini::Ini_PutInt(store, "com", "nurgeaendert", v.Uebertragung().nurGeaendert ? 1 : 0);
  ini::Ini_PutInt(store, "com", "nachpruefen", v.Uebertragung().nachpruefen ? 1 : 0);
  return 0;
}

int CompanelInit(Verbindung& v) {
  v.Companel().fortschritt.clear();
  v.CompanelMelden();
  return 0;
}

void CompanelClear(Verbindung& v) {
  ComPortSchliessen(v);
  VerbindungssymboleSetzen(v);
}

}  // namespace device
