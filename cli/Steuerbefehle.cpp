#include "Steuerbefehle.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "Fehlerausgabe.h"
#include "Geraeteverbindung.h"
#include "common/KlassischeZahlen.h"
#include "device/Companel.h"
#include "device/Protokoll.h"
#include "device/Statusbits.h"
#include "device/Verbindung.h"

namespace cli {
namespace {

// The reply checks that fail when the device answers a shared frame ("#aS1R", "#aM1R") in
// its other form: the status register as a decimal parameter or the reverse.
constexpr int kStatusFormFalsch = -404145;
constexpr int kModusFormFalsch = -404159;
constexpr int kParameterFormFalsch = -404091;
// Parameters are read from the addresses '0'..'8' only.
constexpr int kParameterAdresse = -400080;

struct Ablesung {
  const char* name;
  std::optional<double> wert;
  int fehler = 0;
  bool andereForm = false;  // the frame was answered in its other form
};

std::string Hex(int wert) {
  char text[8];
  std::snprintf(text, sizeof text, "$%02X", wert & 0xFF);
  return text;
}

template <typename Lesen>
Ablesung Ablesen(const char* name, Lesen lesen) {
  Ablesung a{name, std::nullopt, 0, false};
  double wert = 0.0;
  a.fehler = lesen(wert);
  if (a.fehler == 0) a.wert = wert;
  return a;
}

void ZeilenAusgeben(const std::vector<std::string>& zeilen) {
  for (const auto& z : zeilen) std::printf("  %s\n", z.c_str());
}

// Reads the mode register and prints it with its meaning; 0 or the code.
int ModusMelden(device::Verbindung& v, bool json) {
  int modus = 0;
  if (const int fehler =
          device::ZORFYD1_ModusLesen(v, v.OffenerComPort(), v.Geraeteadresse(), &modus))
    return fehler;
  if (json) {
    std::printf(
        "%s\n",
        nlohmann::json{{"mode", modus}, {"mode_bits", device::ModusZeilen(modus)}}.dump().c_str());
  } else {
    std::printf("mode register: %s\n", Hex(modus).c_str());
    ZeilenAusgeben(device::ModusZeilen(modus));
  }
  return 0;
}

}  // namespace

int Starten(const Aufruf& aufruf) {
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  if (const int fehler = device::StartSenden(v)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int Stoppen(const Aufruf& aufruf) {
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  if (const int fehler = device::StoppSenden(v)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

int StatusAusgeben(const Aufruf& aufruf) {
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  const int port = v.OffenerComPort();
  const char adresse = v.Geraeteadresse();
  auto Register = [&](int (*lesen)(device::Verbindung&, int, char, int*)) {
    return [=, &v](double& wert) {
      int r = 0;
      const int fehler = lesen(v, port, adresse, &r);
      wert = r;
      return fehler;
    };
  };
  auto Status = [&](int nummer) {
    return [=, &v](double& wert) {
      int r = 0;
      const int fehler = device::ZORFYD1_StatusLesen(v, port, adresse, nummer, &r);
      wert = r;
      return fehler;
    };
  };
  auto Parameter = [&](const char* name) {
    return [=, &v](double& wert) {
      return device::ZORWUN2_ParameterLesen(v, port, adresse, name, &wert);
    };
  };
  Ablesung status1 = Ablesen("status1", Status(1));
  Ablesung status2 = Ablesen("status2", Status(2));
  Ablesung modus = Ablesen("mode", Register(device::ZORFYD1_ModusLesen));
  Ablesung speicher = Ablesen("speicherinhalt", Parameter("speicherinhalt"));
  Ablesung strom = Ablesen("max_current", Parameter("max_current"));
  Ablesung kompat = Ablesen("compartibility_mode", Parameter("compartibility_mode"));
  // A shared frame answers one of its two forms; the other one is not a failure.
  auto Paar = [](Ablesung& reg, int regForm, Ablesung& par) {
    if (reg.wert && par.fehler == kParameterFormFalsch) par.andereForm = true;
    if (par.wert && reg.fehler == regForm) reg.andereForm = true;
  };
  Paar(status1, kStatusFormFalsch, kompat);
  Paar(modus, kModusFormFalsch, speicher);

  std::vector<Ablesung*> alle = {&status1, &status2, &modus, &speicher, &strom, &kompat};
  int status = kStatusErfolg;
  for (Ablesung* a : alle) {
    const bool erwartet = a->andereForm || a->fehler == kParameterAdresse;
    if (a->fehler == 0 || erwartet) continue;
    status = kStatusFehler;
    if (aufruf.json) {
      FehlerMelden(a->fehler);
    } else {
      std::fprintf(stderr, "%s: %s\n", a->name, Fehlerzeile(a->fehler).c_str());
    }
  }

  const common::KlassischeZahlen zahlen;
  if (aufruf.json) {
    auto Wert = [](const Ablesung& a) {
      return a.wert ? nlohmann::json(*a.wert) : nlohmann::json(nullptr);
    };
    auto Ganz = [](const Ablesung& a) {
      return a.wert ? nlohmann::json(static_cast<int>(*a.wert)) : nlohmann::json(nullptr);
    };
    nlohmann::json j = {{"status1", Ganz(status1)},
                        {"status2", Ganz(status2)},
                        {"error_bits", nlohmann::json::array()},
                        {"mode", Ganz(modus)},
                        {"mode_bits", nlohmann::json::array()},
                        {"parameters",
                         {{"speicherinhalt", Wert(speicher)},
                          {"max_current", Wert(strom)},
                          {"compartibility_mode", Wert(kompat)}}}};
    if (status2.wert) j["error_bits"] = device::FehlerbitZeilen(static_cast<int>(*status2.wert));
    if (modus.wert) j["mode_bits"] = device::ModusZeilen(static_cast<int>(*modus.wert));
    std::printf("%s\n", j.dump().c_str());
    return status;
  }

  auto Zeile = [](const Ablesung& a, const char* titel, bool hex) {
    if (a.wert) {
      char zahl[32];
      if (hex)
        std::snprintf(zahl, sizeof zahl, "%s", Hex(static_cast<int>(*a.wert)).c_str());
      else
        std::snprintf(zahl, sizeof zahl, "%g", *a.wert);
      std::printf("%s: %s\n", titel, zahl);
    } else if (a.andereForm)
      std::printf("%s: not answered (the device answers this frame in its other form)\n", titel);
    else if (a.fehler == kParameterAdresse)
      std::printf("%s: not readable at this address\n", titel);
    else
      std::printf("%s: not read\n", titel);
  };
  Zeile(status1, "status register 1", true);
  Zeile(status2, "status register 2", true);
  if (status2.wert) {
    const auto zeilen = device::FehlerbitZeilen(static_cast<int>(*status2.wert));
    ZeilenAusgeben(zeilen.empty() ? std::vector<std::string>{"no error bit set"} : zeilen);
  }
  Zeile(modus, "mode register", true);
  if (modus.wert) ZeilenAusgeben(device::ModusZeilen(static_cast<int>(*modus.wert)));
  Zeile(speicher, "speicherinhalt", false);
  Zeile(strom, "max_current", false);
  Zeile(kompat, "compartibility_mode", false);
  return status;
}

int ModusAendern(const Aufruf& aufruf) {
  if (aufruf.setzen >= 0 && aufruf.loeschen >= 0 && (aufruf.setzen & aufruf.loeschen) != 0)
    return AufrufFehlerMelden(aufruf.befehl, "--set and --clear name the same bit");
  Geraeteverbindung geraet(aufruf.port, aufruf.adresse, aufruf.trace);
  if (const int fehler = geraet.Oeffnen()) return FehlerMelden(fehler);
  device::Verbindung& v = geraet.Verbindung();
  const int port = v.OffenerComPort();
  const char adresse = v.Geraeteadresse();
  if (aufruf.loeschen >= 0)
    if (const int fehler = device::ZORFYD1_ModusSchreiben(v, port, adresse, 0, aufruf.loeschen))
      return FehlerMelden(fehler);
  if (aufruf.setzen >= 0)
    if (const int fehler = device::ZORFYD1_ModusSchreiben(v, port, adresse, 1, aufruf.setzen))
      return FehlerMelden(fehler);
  if (const int fehler = ModusMelden(v, aufruf.json)) return FehlerMelden(fehler);
  return kStatusErfolg;
}

}  // namespace cli
