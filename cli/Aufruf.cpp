#include "Aufruf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "curves/files/Abtastnaeherung.h"
#include "curves/files/Csvimport.h"
#include "curves/model/Kurvenmodell.h"

namespace cli {
namespace {

struct Befehlsform {
  const char* name;
  std::size_t dateien;
  bool portNoetig;
  std::vector<std::string> optionen;
  bool platzNoetig = false;
  bool mehrDateien = false;  // `dateien` is the least number
};

std::vector<Befehlsform> Grundformen() {
  return {
      {"ports", 0, false, {}},
      {"id", 0, true, {"--port", "--address", "--json"}},
      {"scan", 0, true, {"--port", "--json"}},
      {"send", 1, true, {"--port", "--address", "--dither", "--fast", "--changed", "--verify"}},
      {"read", 1, true, {"--port", "--address", "--dither", "--config", "--fast"}},
      {"export", 2, false, {"--pwl"}},
      {"import", 2, false, {"--config", "--pwl", "--timebase"}},
      {"import-csv",
       2,
       false,
       {"--time-col", "--value-col", "--tolerance", "--config", "--scale", "--offset",
        "--time-unit"}},
      {"image", 1, false, {"--out", "--json"}},
      {"char-send",
       1,
       true,
       {"--port", "--address", "--slot", "--fast", "--changed", "--verify"},
       true},
      {"char-read", 1, true, {"--port", "--address", "--slot", "--config", "--fast"}, true},
      {"char-select", 0, true, {"--port", "--address", "--slot"}, true},
      {"char-export", 2, false, {}},
      {"char-import", 2, false, {"--config"}},
      {"char-image", 1, false, {"--out"}},
      {"inputs", 0, true, {"--port", "--address", "--watch", "--log", "--config", "--json"}},
      {"output", 2, true, {"--port", "--address", "--limit", "--config"}},
      {"zero", 0, true, {"--port", "--address", "--config"}},
      {"shape",
       1,
       false,
       {"--out", "--max-error", "--config", "--raw", "--into", "--from", "--to", "--curve"},
       false,
       true},
      {"stats", 1, false, {"--curve", "--from", "--to", "--json"}},
      {"start", 0, true, {"--port", "--address"}},
      {"stop", 0, true, {"--port", "--address"}},
      {"status", 0, true, {"--port", "--address", "--json"}},
      {"mode", 0, true, {"--port", "--address", "--set", "--clear", "--json"}},
      {"plot", 2, false, {"--width", "--height", "--curves"}},
      {"char-plot", 2, false, {"--width", "--height"}},
  };
}

// Every command that talks to the device can write what crossed the line.
const std::vector<Befehlsform>& Befehlsformen() {
  static const std::vector<Befehlsform> formen = [] {
    auto f = Grundformen();
    for (Befehlsform& form : f)
      if (form.portNoetig) form.optionen.push_back("--trace");
    return f;
  }();
  return formen;
}

bool MitWert(const std::string& option) {
  return option != "--dither" && option != "--pwl" && option != "--raw" && option != "--json" &&
         option != "--fast" && option != "--changed" && option != "--verify";
}

// Mode bits: 0..255, decimal or 0x hex.
bool BitsAuswerten(const std::string& text, int& bits) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* anfang = text.data() + (hex ? 2 : 0);
  const char* ende = text.data() + text.size();
  int wert = 0;
  const auto [rest, fehler] = std::from_chars(anfang, ende, wert, hex ? 16 : 10);
  if (text.empty() || fehler != std::errc() || rest != ende || wert < 0 || wert > 255) return false;
  bits = wert;
  return true;
}

// A picture side in pixels, 100..10000.
bool SeiteAuswerten(const std::string& text, int& seite) {
  int wert = 0;
  const auto [rest, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (text.empty() || fehler != std::errc() || rest != text.data() + text.size() || wert < 100 ||
      wert > 10000)
    return false;
  seite = wert;
  return true;
}

// "1,3": curve numbers 1..4, each once.
bool KurvenAuswerten(const std::string& text, std::vector<int>& kurven) {
  kurven.clear();
  std::size_t anfang = 0;
  for (;;) {
    const std::size_t komma = text.find(',', anfang);
    const std::string teil = text.substr(anfang, komma - anfang);
    if (teil.size() != 1 || teil[0] < '1' || teil[0] > '4') return false;
    const int n = teil[0] - '0';
    if (std::find(kurven.begin(), kurven.end(), n) != kurven.end()) return false;
    kurven.push_back(n);
    if (komma == std::string::npos) return true;
    anfang = komma + 1;
  }
}

// The checks of a shape call that concern its options together.
bool FormaufrufPruefen(const Aufruf& aufruf, std::string& fehler) {
  if (aufruf.einfuegen.empty()) {
    if (!aufruf.von.empty() || !aufruf.bis.empty() || aufruf.kurve != 0)
      fehler = "--from, --to and --curve belong to --into";
    else if (aufruf.ausgabe.empty())
      fehler = "'shape' needs --out or --into";
  } else if (aufruf.von.empty()) {
    fehler = "--into needs --from";
  } else if (!aufruf.konfig.empty()) {
    fehler = "--into uses the curve file's configuration, not --config";
  }
  return fehler.empty();
}

}  // namespace

bool PortAuswerten(const std::string& text, Portangabe& port) {
  if (text.empty()) return false;
  if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    if (text.size() > 3) return false;
    const int n = std::stoi(text);
    if (n < 1 || n > 256) return false;
    port = {n, "", true};
    return true;
  }
  port = {0, text, true};
  return true;
}

bool AdresseAuswerten(const std::string& text, char& adresse) {
  if (text.size() != 1) return false;
  const char c = text[0];
  if (!((c >= '1' && c <= '8') || (c >= 'a' && c <= 'f'))) return false;
  adresse = c;
  return true;
}

bool PlatzAuswerten(const std::string& text, int& platz) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '7') return false;
  platz = text[0] - '0';
  return true;
}

bool ZahlAuswerten(const std::string& text, double& zahl) {
  const char* anfang = text.data();
  const char* ende = text.data() + text.size();
  if (anfang != ende && *anfang == '+') ++anfang;
  double wert = 0.0;
  const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
  if (fehler != std::errc() || rest != ende || !std::isfinite(wert)) return false;
  zahl = wert;
  return true;
}

bool AufrufAuswerten(const std::vector<std::string>& argumente, Aufruf& aufruf,
                     std::string& fehler) {
  aufruf = Aufruf{};
  if (argumente.empty()) {
    fehler = "no command given";
    return false;
  }
  const std::string& erstes = argumente[0];
  if (erstes == "--help" || erstes == "-h" || erstes == "help") {
    aufruf.hilfe = true;
    if (erstes == "help" && argumente.size() > 1) aufruf.befehl = argumente[1];
    const auto& formen = Befehlsformen();
    if (!aufruf.befehl.empty() &&
        std::none_of(formen.begin(), formen.end(),
                     [&](const Befehlsform& f) { return aufruf.befehl == f.name; })) {
      fehler = "unknown command '" + aufruf.befehl + "'";
      aufruf.befehl.clear();
      return false;
    }
    return true;
  }
  const auto& formen = Befehlsformen();
  const auto form = std::find_if(formen.begin(), formen.end(),
                                 [&](const Befehlsform& f) { return erstes == f.name; });
  if (form == formen.end()) {
    fehler = "unknown command '" + erstes + "'";
    return false;
  }
  aufruf.befehl = form->name;
  // Help is given whatever else the line holds.
  for (std::size_t i = 1; i < argumente.size() && argumente[i] != "--"; ++i) {
    if (argumente[i] == "--help" || argumente[i] == "-h") {
      aufruf.hilfe = true;
      return true;
    }
  }

  std::vector<std::string> gesehen;
  bool nurDateien = false;
  for (std::size_t i = 1; i < argumente.size(); ++i) {
    std::string arg = argumente[i];
    double zahl = 0.0;
    // A negative number is a value ("output 1 -2.5"), not an option.
    if (nurDateien || arg.size() < 2 || arg[0] != '-' || ZahlAuswerten(arg, zahl)) {
      aufruf.dateien.push_back(arg);
      continue;
    }
    if (arg == "--") {
      nurDateien = true;
      continue;
    }
    std::string wert;
    bool wertAngehaengt = false;
    if (const auto gleich = arg.find('='); gleich != std::string::npos) {
      wert = arg.substr(gleich + 1);
      arg = arg.substr(0, gleich);
      wertAngehaengt = true;
    }
    if (std::find(form->optionen.begin(), form->optionen.end(), arg) == form->optionen.end()) {
      fehler = "option '" + arg + "' is not known to '" + form->name + "'";
      return false;
    }
    if (std::find(gesehen.begin(), gesehen.end(), arg) != gesehen.end()) {
      fehler = "option '" + arg + "' given twice";
      return false;
    }
    gesehen.push_back(arg);
    if (!MitWert(arg)) {
      if (wertAngehaengt) {
        fehler = "option '" + arg + "' takes no value";
        return false;
      }
      (arg == "--pwl"       ? aufruf.pwl
       : arg == "--raw"     ? aufruf.roh
       : arg == "--json"    ? aufruf.json
       : arg == "--fast"    ? aufruf.schnell
       : arg == "--changed" ? aufruf.geaendert
       : arg == "--verify"  ? aufruf.pruefen
                            : aufruf.dither) = true;
      continue;
    }
    if (!wertAngehaengt) {
      if (i + 1 >= argumente.size()) {
        fehler = "option '" + arg + "' needs a value";
        return false;
      }
      wert = argumente[++i];
    }
    if (arg == "--port") {
      if (!PortAuswerten(wert, aufruf.port)) {
        fehler = "'" + wert + "' is neither a port number 1..256 nor a device path";
        return false;
      }
    } else if (arg == "--address") {
      if (!AdresseAuswerten(wert, aufruf.adresse)) {
        fehler = "'" + wert + "' is not a device address (1..8 or a..f)";
        return false;
      }
    } else if (arg == "--slot") {
      if (!PlatzAuswerten(wert, aufruf.platz)) {
        fehler = "'" + wert + "' is not a characteristic slot (1..7)";
        return false;
      }
    } else if (arg == "--watch") {
      if (!ZahlAuswerten(wert, aufruf.watch) || aufruf.watch <= 0.0) {
        fehler = "'" + wert + "' is not a number of seconds above 0";
        return false;
      }
    } else if (arg == "--limit") {
      if (!ZahlAuswerten(wert, aufruf.limit)) {
        fehler = "'" + wert + "' is not a number";
        return false;
      }
      aufruf.limitGegeben = true;
    } else if (arg == "--tolerance") {
      if (!ZahlAuswerten(wert, aufruf.toleranz) ||
          aufruf.toleranz < curves::kNaeherungToleranzMin) {
        fehler = "'" + wert + "' is not a tolerance of at least 0.5 codes";
        return false;
      }
    } else if (arg == "--scale" || arg == "--offset") {
      double& ziel = arg == "--scale" ? aufruf.skala : aufruf.versatz;
      if (!ZahlAuswerten(wert, ziel) || (arg == "--scale" && ziel == 0.0)) {
        fehler = "'" + wert + "' is not a " + (arg == "--scale" ? "factor other than 0" : "number");
        return false;
      }
    } else if (arg == "--time-unit") {
      aufruf.zeitfaktor = curves::ZeiteinheitInSekunden(wert);
      if (aufruf.zeitfaktor <= 0.0) {
        fehler = "'" + wert + "' is not a time unit (s, ms, us, ns, min, h)";
        return false;
      }
    } else if (arg == "--timebase") {
      aufruf.zeitbasis = curves::ZeitbasisAusName(wert.c_str());
      if (aufruf.zeitbasis == 0) {
        fehler = "'" + wert +
                 "' is not a time base (250us, 1ms, 2ms, 5ms, 10ms, 50ms, 100ms, "
                 "500ms, 1s)";
        return false;
      }
    } else if (arg == "--max-error") {
      if (!ZahlAuswerten(wert, aufruf.maxFehler) || aufruf.maxFehler < 0.5) {
        fehler = "'" + wert + "' is not an error of at least 0.5 codes";
        return false;
      }
    } else if (arg == "--curve") {
      if (wert.size() != 1 || wert[0] < '1' || wert[0] > '4') {
        fehler = "'" + wert + "' is not a curve number (1..4)";
        return false;
      }
      aufruf.kurve = wert[0] - '0';
    } else if (arg == "--width" || arg == "--height") {
      if (!SeiteAuswerten(wert, arg == "--width" ? aufruf.breite : aufruf.hoehe)) {
        fehler = "'" + wert + "' is not a number of pixels from 100 to 10000";
        return false;
      }
    } else if (arg == "--curves") {
      if (!KurvenAuswerten(wert, aufruf.kurven)) {
        fehler = "'" + wert + "' is not a list of curve numbers 1..4, such as 1,2";
        return false;
      }
    } else if (arg == "--set" || arg == "--clear") {
      if (!BitsAuswerten(wert, arg == "--set" ? aufruf.setzen : aufruf.loeschen)) {
        fehler = "'" + wert + "' is not a bit mask 0..255 (decimal or 0x hex)";
        return false;
      }
    } else if (arg == "--from" || arg == "--to") {
      if (wert.empty()) {
        fehler = "option '" + arg + "' needs a time";
        return false;
      }
      (arg == "--from" ? aufruf.von : aufruf.bis) = wert;
    } else if (wert.empty()) {
      fehler = "option '" + arg + "' needs a " +
               (arg == "--time-col" || arg == "--value-col" ? "column" : "file name");
      return false;
    } else if (arg == "--time-col") {
      aufruf.zeitspalte = wert;
    } else if (arg == "--value-col") {
      aufruf.wertspalte = wert;
    } else if (arg == "--config") {
      aufruf.konfig = wert;
    } else if (arg == "--log") {
      aufruf.log = wert;
    } else if (arg == "--trace") {
      aufruf.trace = wert;
    } else if (arg == "--into") {
      aufruf.einfuegen = wert;
    } else {
      aufruf.ausgabe = wert;
    }
  }
  if (form->mehrDateien && aufruf.dateien.size() < form->dateien) {
    fehler = "missing shape kind";
    return false;
  }
  if (!form->mehrDateien && aufruf.dateien.size() != form->dateien) {
    const bool werte = aufruf.befehl == "output";
    fehler = aufruf.dateien.size() > form->dateien ? "too many arguments"
             : werte                               ? "missing output number or value"
                                                   : "missing file name";
    return false;
  }
  if (aufruf.befehl == "output") {
    double nummer = 0.0;
    if (!ZahlAuswerten(aufruf.dateien[0], nummer) ||
        (nummer != 1 && nummer != 2 && nummer != 3 && nummer != 4)) {
      fehler = "'" + aufruf.dateien[0] + "' is not an output number (1..4)";
      return false;
    }
    aufruf.ausgang = static_cast<int>(nummer);
    if (!ZahlAuswerten(aufruf.dateien[1], aufruf.wert)) {
      fehler = "'" + aufruf.dateien[1] + "' is not a number";
      return false;
    }
  }
  for (const auto& datei : aufruf.dateien) {
    if (datei.empty()) {
      fehler = "empty file name";
      return false;
    }
  }
  if (form->portNoetig && !aufruf.port.gegeben) {
    fehler = "'" + aufruf.befehl + "' needs --port";
    return false;
  }
  if (aufruf.zeitbasis != 0 && aufruf.befehl == "import" && !aufruf.pwl) {
    fehler = "'--timebase' needs '--pwl'";
    return false;
  }
  if (form->platzNoetig && aufruf.platz == 0) {
    fehler = "'" + aufruf.befehl + "' needs --slot";
    return false;
  }
  if (aufruf.befehl == "shape") return FormaufrufPruefen(aufruf, fehler);
  if (aufruf.befehl == "stats" && aufruf.von.empty() != aufruf.bis.empty()) {
    fehler = "--from and --to go together";
    return false;
  }
  if (aufruf.json && aufruf.watch > 0.0) {
    fehler = "--json reads the inputs once; it does not go with --watch";
    return false;
  }
  return true;
}

}  // namespace cli
