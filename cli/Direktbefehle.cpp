#include "Direktbefehle.h"

#include <signal.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "Dateibefehle.h"
#include "Fehlerausgabe.h"
#include "Geraeteverbindung.h"
#include "TerminalOperator.h"
#include "common/KlassischeZahlen.h"
#include "config/KonfigIni.h"
#include "config/Konfiguration.h"
#include "device/Verbindung.h"
#include "direct/Abfrage.h"
#include "direct/Ausgaenge.h"
#include "direct/DirektIni.h"
#include "direct/Direktpanel.h"
#include "direct/Direktsitzung.h"
#include "direct/Eingaenge.h"
#include "direct/Protokolldatei.h"
#include "ini/IniErrors.h"
#include "ini/IniStore.h"

namespace cli {
namespace {

// The program's settings file, read from the current folder as the program reads it.
constexpr const char* kEinstellungsdatei = "miv3XKurvengenerator.ini";
constexpr int kEinstellungenNichtLesbar = -801202;
// Without --log the log goes to standard output.
constexpr const char* kStandardausgabe = "/dev/stdout";
// How often the wait between two cycles looks for Ctrl+C.
constexpr auto kWarteschritt = std::chrono::milliseconds(50);

volatile sig_atomic_t unterbrochen = 0;

void Unterbrechen(int) {
  unterbrochen = 1;
}

// The scaling and the limits the program would start with in this folder (its settings
// file; none there gives the standard values); a configuration file named with --config
// replaces the scaling.
int EinstellungenLaden(direct::Direktsitzung& s, const Aufruf& aufruf) {
  config::KonfigurationStandardwerte(s.Konfig);
  direct::DirektpanelNeu(s);
  if (ini::IniStore* store = ini::Ini_New(1)) {
    const int gelesen = ini::Ini_ReadFromFile(store, kEinstellungsdatei);
    if (gelesen == 0) {
      config::ReadIniKonfigpanel(s.Konfig, store);
      direct::ReadIniDirektpanel(s, store);
    } else if (gelesen != ini::kErrCannotOpen) {
      std::fprintf(stderr, "%s; standard values used\n",
                   Fehlerzeile(kEinstellungenNichtLesbar).c_str());
    }
    ini::Ini_Dispose(store);
  }
  if (!aufruf.konfig.empty())
    if (const int fehler = KonfigurationWaehlen(s.Konfig, aufruf.konfig)) return fehler;
  direct::DirektpanelInit(s);
  return 0;
}

std::string Wert(double wert, int stellen, const std::string& einheit) {
  const common::KlassischeZahlen zahlen;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", stellen, wert);
  return einheit.empty() ? std::string(text) : std::string(text) + " " + einheit;
}

// The four outputs as their knobs hold them, tab-separated.
void AusgaengeAusgeben(const direct::Direktsitzung& s) {
  const auto& z = direct::Direktpanel(s);
  for (int n = 0; n < 4; ++n)
    std::printf("%s%s",
                Wert(z.ausgang[n].wert, z.ausgang[n].nachkommastellen, z.ausgangEinheit[n]).c_str(),
                n == 3 ? "\n" : "\t");
}

// Answers the log's file dialog with the file named on the command line.
class Protokollbedienung final : public TerminalOperator {
 public:
  explicit Protokollbedienung(std::string pfad)
      : TerminalOperator(stderr, false), pfad_(std::move(pfad)) {}
  std::optional<std::string> selectFile(const common::FileRequest&) override { return pfad_; }

 private:
  std::string pfad_;
};

// While it lives, Ctrl+C (and SIGTERM) only set the flag; they are held back while a
// cycle talks to the device, so no exchange is cut off half way.
class Unterbrechung {
 public:
  Unterbrechung() {
    unterbrochen = 0;
    struct sigaction aktion {};
    aktion.sa_handler = Unterbrechen;
    sigemptyset(&aktion.sa_mask);
    sigaction(SIGINT, &aktion, &altInt_);
    sigaction(SIGTERM, &aktion, &altTerm_);
    sigemptyset(&signale_);
    sigaddset(&signale_, SIGINT);
    sigaddset(&signale_, SIGTERM);
  }
  ~Unterbrechung() {
    sigprocmask(SIG_UNBLOCK, &signale_, nullptr);
    sigaction(SIGINT, &altInt_, nullptr);
    sigaction(SIGTERM, &altTerm_, nullptr);
  }
  void zurueckhalten() { sigprocmask(SIG_BLOCK, &signale_, nullptr); }
  void zulassen() { sigprocmask(SIG_UNBLOCK, &signale_, nullptr); }

 private:
  struct sigaction altInt_ {};
  struct sigaction altTerm_ {};
  sigset_t signale_{};
};

// Waits until `bis` or Ctrl+C.
void Warten(std::chrono::steady_clock::time_point bis) {
  while (!unterbrochen) {
    const auto rest = bis - std::chrono::steady_clock::now();
    if (rest <= std::chrono::steady_clock::duration::zero()) return;
    const auto schritt = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::min<std::chrono::steady_clock::duration>(rest, kWarteschritt));
    const timespec ts{0, static_cast<long>(schritt.count())};
    nanosleep(&ts, nullptr);
  }
}

int EinmalLesen(direct::Direktsitzung& s, device::Verbindung& v, bool json) {
  int modus = 0;
  if (const int fehler = direct::Eingang4ModusLesen(v, &modus)) return FehlerMelden(fehler);
  direct::Eingang4ModusSetzen(s, modus);
  for (int n = 0; n < 4; ++n)
    if (const int fehler = direct::EingangLesenUndAnzeigen(s, v, n)) return FehlerMelden(fehler);
  const auto& z = direct::Direktpanel(s);
  if (json) {
    // Input 4 is null while it is the start/stop input; each unit is its input's.
    nlohmann::json werte = nlohmann::json::array(), einheiten = nlohmann::json::array();
    for (int n = 0; n < 4; ++n) {
      const bool aus = n == 3 && !direct::Messwerte(s).eingang4Analog;
      werte.push_back(aus ? nlohmann::json(nullptr) : nlohmann::json(z.eingang[n].wert));
      einheiten.push_back(z.eingangEinheit[n]);
    }
    std::printf("%s\n", nlohmann::json{{"inputs", werte}, {"unit", einheiten}}.dump().c_str());
    return kStatusErfolg;
  }
  for (int n = 0; n < 4; ++n) {
    const std::string wert =
        n == 3 && !direct::Messwerte(s).eingang4Analog
            ? "-----"
            : Wert(z.eingang[n].wert, z.eingang[n].nachkommastellen, z.eingangEinheit[n]);
    std::printf("%s%s", wert.c_str(), n == 3 ? "\n" : "\t");
  }
  return kStatusErfolg;
}

int Beobachten(direct::Direktsitzung& s, device::Verbindung& v, const Aufruf& aufruf) {
  if (!aufruf.log.empty() && DieselbeDatei(aufruf.log, aufruf.konfig))
    return AufrufFehlerMelden(aufruf.befehl, "'" + aufruf.log +
                                                 "' is the configuration file; logging into "
                                                 "it would destroy it");
  std::fflush(stdout);
  Protokollbedienung bedienung(aufruf.log.empty() ? kStandardausgabe : aufruf.log);
  common::setOperatorInterface(&bedienung);
  struct Zurueck {
    ~Zurueck() { common::setOperatorInterface(nullptr); }
  } zurueck;

  Unterbrechung unterbrechung;
  direct::Abtastzeit_Callback(s, aufruf.watch);
  direct::DateispeichernSetzen(s, true);
  unterbrechung.zurueckhalten();
  if (const int fehler = direct::AbfrageStarten(s, v)) return FehlerMelden(fehler);
  if (!direct::ProtokollOffen(s)) {
    // The window would poll without its log; a script asked for one, so it gets none.
    direct::AbfrageBeenden(s);
    return kStatusFehler;
  }
  while (!unterbrochen) {
    const auto naechster =
        std::chrono::steady_clock::now() +
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(direct::Direktpanel(s).timerIntervall));
    unterbrechung.zurueckhalten();
    const int fehler = direct::DirektTimer_Callback(s, v);
    if (!direct::Direktpanel(s).timerAn) {
      // A failed reading is reported here; a failed record was shown already.
      if (fehler == 0) return kStatusErfolg;
      return v.InFehlerfeldern(fehler) ? FehlerMelden(fehler) : kStatusFehler;
    }
    unterbrechung.zulassen();
    Warten(naechster);
  }
  unterbrechung.zurueckhalten();
  direct::ProtokollText(s, direct::kProtokollEnde);
  direct::AbfrageBeenden(s);
  return kStatusErfolg;
}

}  // namespace

int EingaengeLesen(const Aufruf& aufruf) {
  direct::Direktsitzung s;
  if (const int fehler = EinstellungenLaden(s, aufruf)) return FehlerMelden(fehler);
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  return aufruf.watch > 0.0 ? Beobachten(s, v, aufruf) : EinmalLesen(s, v, aufruf.json);
}

int AusgangSetzen(const Aufruf& aufruf) {
  direct::Direktsitzung s;
  if (const int fehler = EinstellungenLaden(s, aufruf)) return FehlerMelden(fehler);
  const int n = aufruf.ausgang - 1;
  if (aufruf.limitGegeben) direct::BegrenzungSetzen(s, n, aufruf.limit);
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  if (const int fehler = direct::Ausgang_Callback(s, v, n, aufruf.wert))
    return FehlerMelden(fehler);
  const auto& feld = direct::Direktpanel(s).ausgang[n];
  std::printf(
      "%s\n",
      Wert(feld.wert, feld.nachkommastellen, direct::Direktpanel(s).ausgangEinheit[n]).c_str());
  return kStatusErfolg;
}

int AusgaengeAufNull(const Aufruf& aufruf) {
  direct::Direktsitzung s;
  if (const int fehler = EinstellungenLaden(s, aufruf)) return FehlerMelden(fehler);
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  if (const int fehler = direct::AusgaengeAufNull_Callback(s, v)) return FehlerMelden(fehler);
  AusgaengeAusgeben(s);
  return kStatusErfolg;
}

}  // namespace cli
