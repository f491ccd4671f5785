// One connection to the module: the serial service it talks through, the open port and
// the last one opened, the device address, which lines are untrusted, the last error and
// the error fields the windows show. The shell (or miv3x's main, or a test) owns it and
// hands it to every window, command and transfer that talks to the device.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "common/Meldeliste.h"
#include "device/Fehler.h"
#include "device/Leitungslog.h"
#include "device/SerialService.h"
#include "device/Speichergedaechtnis.h"

namespace device {

struct ComPortZustand {
  int offen = -1;  // the open port, -1 when none
  int lport = -1;  // the last port opened successfully, -1 if none
};

// How memory transfers run, as the operator chose (COM settings, miv3x options); all off
// at first, so the line carries exactly the frames of a plain transfer.
struct Uebertragungswahl {
  bool schnell = false;       // memory transfers at 38400 baud (Schnellgang.h)
  bool nurGeaendert = false;  // curve and slot writes send only the changed blocks
  // An ID read or scan that gets no answer at 9600 looks at the other rates.
  bool ratenSuchen = false;
  // Curve and slot writes read the written blocks back and compare them (Nachpruefung.h).
  bool nachpruefen = false;
};

struct PortlistenEintrag {
  std::string label;  // "COM 3", or "n.a."
  int wert = 0;       // the port number, 0 for "n.a."
};

struct Lampe {
  bool an = false;
  std::uint32_t farbe = 0;  // on-colour, RGB
};

inline constexpr std::uint32_t kLampeGruen = 0x00CC00;
inline constexpr std::uint32_t kLampeRot = 0xFF0000;

// What the COM settings window shows of the connection that the COM logic changes.
struct Companelzustand {
  std::vector<PortlistenEintrag> portliste;
  int portlistenwert = 0;             // value of the selected entry
  std::string idFeld;                 // IDSTRING
  std::string fortschritt;            // TEXT, the progress line
  std::array<Lampe, 8> scanLampen{};  // LED1..LED8
  std::array<bool, 5> fehlerbits{};   // LED_FEHLER0..LED_FEHLER4
  bool fehlerbitsGedimmt = false;     // FEHLERABFRAGE, START, STARTSTOPPEINGANGEIN, lamps
  int verbindungssymbol = -1;         // PICTURERING: -1 not connected, 0 above 8, 1..8
  // The ID each address answered in the last scan, "" where none did.
  std::array<std::string, 8> scanIds{};
};

// Whether the port's device is there: a pulled adapter or a hung-up line makes it gone
// until the same port opens again.
enum class Leitungszustand { Da, Weg };

// The line settings the port was last opened with, used again when it comes back.
struct Leitungseinstellung {
  long rate = 9600;
  double zeitgrenze = 0.5;
};

class Verbindung {
 public:
  using FehlerAbo = common::Meldeliste<const Fehlerfelder&>::Abo;
  using LeitungsAbo = common::Meldeliste<Leitungszustand>::Abo;
  using AnzeigeAbo = common::Meldeliste<>::Abo;
  using HinweisAbo = common::Meldeliste<const std::string&>::Abo;

  // Without a service every exchange fails, as with no serial port at all.
  explicit Verbindung(SerialService* dienst = nullptr);
  Verbindung(const Verbindung&) = delete;
  Verbindung& operator=(const Verbindung&) = delete;

  SerialService& Dienst() const;
  // The service is not owned; nullptr leaves the failing one.
  void DienstSetzen(SerialService* dienst);

  ComPortZustand& Port() { return port_; }
  const ComPortZustand& Port() const { return port_; }
  // The open port number, -1 if none.
  int OffenerComPort() const { return port_.offen; }

  // The device address chosen in the COM settings window: '1'..'8' (or '&'); '1' at first.
  char Geraeteadresse() const { return adresse_; }
  void GeraeteadresseSetzen(char adresse) { adresse_ = adresse; }

  // Ports whose line may still carry late bytes (see Leitungsruhe.h).
  std::set<int>& UnsichereLeitungen() { return unsicher_; }
  // Ports closed because their device vanished, until they open again (Portverlust.h).
  std::set<int>& VerlorenePorts() { return verloren_; }

  // Shows the code in every subscribed error field (0 clears them) and keeps it as the
  // last error.
  void ComFehlerSetzen(int code);
  // The fields' present content, the same in every window.
  const Fehlerfelder& AktuelleFehlerfelder() const { return felder_; }
  // The code ComFehlerSetzen was last given, 0 at first.
  int LetzterFehler() const { return letzterFehler_; }
  // The code is what the error fields show now, so a caller need not show it again.
  bool InFehlerfeldern(int code) const { return code != 0 && code == letzterFehler_; }
  // A window's error fields: shown at once with the present content and after every
  // ComFehlerSetzen while the Abo lives.
  [[nodiscard]] FehlerAbo FehlerfelderAbonnieren(std::function<void(const Fehlerfelder&)> anzeige);

  // The operator's choice for memory transfers.
  Uebertragungswahl& Uebertragung() { return uebertragung_; }
  const Uebertragungswahl& Uebertragung() const { return uebertragung_; }
  // What the devices on this connection are known to hold (kept by the block transfers).
  Speichergedaechtnis& Gedaechtnis() { return gedaechtnis_; }
  // One-line notices about how a transfer ran (fell back to 9600 baud, a device found at
  // another rate, a cancelled transfer): a window's status line, miv3x's standard error.
  void HinweisMelden(const std::string& text) const { hinweise_.Melden(text); }
  [[nodiscard]] HinweisAbo HinweiseAbonnieren(std::function<void(const std::string&)> anzeige) {
    return hinweise_.Abonnieren(std::move(anzeige));
  }

  // The COM logic's display state (Companel.h) and its listeners, told after every change
  // (the scan and the ID read run inside one command and must repaint meanwhile).
  Companelzustand& Companel() { return companel_; }
  const Companelzustand& Companel() const { return companel_; }
  void CompanelMelden() const { companelMeldungen_.Melden(); }
  [[nodiscard]] AnzeigeAbo CompanelAbonnieren(std::function<void()> anzeige) {
    return companelMeldungen_.Abonnieren(std::move(anzeige));
  }
  // The line state (Portverlust.h changes it) and its listeners, told at each change.
  Leitungszustand Leitung() const { return leitung_; }
  // The port that vanished while the line is gone, else -1.
  int VerschwundenerPort() const { return leitung_ == Leitungszustand::Weg ? wegPort_ : -1; }
  void LeitungSetzen(Leitungszustand zustand, int port);
  [[nodiscard]] LeitungsAbo LeitungAbonnieren(std::function<void(Leitungszustand)> anzeige) {
    return leitungsmeldungen_.Abonnieren(std::move(anzeige));
  }
  Leitungseinstellung& Einstellung() { return einstellung_; }
  const Leitungseinstellung& Einstellung() const { return einstellung_; }

  // Where the system's serial port numbers come from (the platform's port numbering).
  void PortquelleSetzen(std::function<std::vector<int>()> quelle) {
    portquelle_ = std::move(quelle);
  }
  std::vector<int> Portnummern() const { return portquelle_ ? portquelle_() : std::vector<int>{}; }
  // The frames that crossed the line on this connection, the newest last.
  Leitungslog& Log() { return log_; }
  const Leitungslog& Log() const { return log_; }
  // The value the port list selects after a refill; starts at 1.
  int ComPortEinstellmerker() const { return einstellmerker_; }
  void ComPortEinstellmerkerSetzen(int wert) { einstellmerker_ = wert; }

 private:
  SerialService* dienst_;
  ComPortZustand port_;
  char adresse_ = '1';
  std::set<int> unsicher_;
  std::set<int> verloren_;
  Fehlerfelder felder_;
  int letzterFehler_ = 0;
  common::Meldeliste<const Fehlerfelder&> fehlermeldungen_;
  Companelzustand companel_;
  common::Meldeliste<> companelMeldungen_;
  std::function<std::vector<int>()> portquelle_;
  int einstellmerker_ = 1;
  Uebertragungswahl uebertragung_;
  Speichergedaechtnis gedaechtnis_;
  common::Meldeliste<const std::string&> hinweise_;
  Leitungszustand leitung_ = Leitungszustand::Da;
  int wegPort_ = -1;
  common::Meldeliste<Leitungszustand> leitungsmeldungen_;
  Leitungseinstellung einstellung_;
  Leitungslog log_;
};

}  // namespace device
