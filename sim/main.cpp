// wun2-sim: a simulated WUN-2 on a pseudo-terminal (or a serial device). Prints the path
// to open as the first line of standard output and serves until SIGINT, SIGTERM or SIGHUP.
#include <signal.h>
#include <time.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "Engine.h"
#include "PtyRunner.h"
#include "device/Portnummern.h"

namespace fs = std::filesystem;

namespace {

const char* const kHilfe = R"(usage: wun2-sim [options]

Plays WUN-2 devices on a new pseudo-terminal and prints its path as the first line of
standard output. Runs until SIGINT, SIGTERM or SIGHUP.

  --address CHARS       addresses to play, e.g. 138 (default 1)
  --id A=TEXT           the ID text of address A (default "ZOR-MIV3AX WUN-2 V1.30")
  --input A:N=VOLTS     input N (1..4) of address A reads VOLTS
  --signal A:N=OFFSET,AMPLITUDE,PERIOD
                        input N of address A follows OFFSET + AMPLITUDE *
                        sin(2 pi t / PERIOD) (volts, seconds), held within 0..10 V
  --max-current A=V     parameter "max_current" of address A (default 10)
  --compat A=V          parameter "compartibility_mode" of address A (default 0)
  --speicherinhalt A=V  parameter "speicherinhalt" of address A (default 0)
  --mode A=V            mode register of address A at start, 0..255 (default 0: the
                        characteristic slots are marked invalid; 2 marks them valid)
  --m1r-parameter       "#aM1R" answers "speicherinhalt" as a decimal (default: the
                        mode register as "$HH")
  --s1r-status          "#aS1R" answers status register 1 as "$HH" (default: the
                        parameter "compartibility_mode" as a decimal)
  --port N              register as port N: a link COM<N> in the port folder
                        ($MIV3X_PORT_DIR, else $XDG_CONFIG_HOME/miv3x/ports, else
                        ~/.config/miv3x/ports), removed at exit
  --baud B              the devices' line rate at start: 4800, 9600, 19200, 38400 or
                        115200 (default 9600). A device hears and answers only a host
                        whose end of the terminal is set to its rate (read at every
                        frame); "#dBRWrate" is acknowledged at the old rate, then the
                        device listens and answers at the new one (4800, 9600, 19200
                        or 38400; others get NAK). The line is paced at the real rates,
                        10 bits per character
  --max-baud B          a baud-rate write above B gets NAK
  --no-pacing           characters leave as fast as the terminal takes them (the
                        rates are still checked)
  --log FILE            write every frame received to FILE, one per line (- : stderr)
  --device PATH         serve PATH (a serial port) instead of a new pseudo-terminal;
                        its line is set to 7 data bits, odd parity, 1 stop bit at
                        --baud (default 9600), not paced further and not switched
                        by a baud-rate write
  --fault FAULT         inject a fault; FAULT is KIND[,key=value...]
                        KIND: nak, can, silence, byte, garble, truncate, echo,
                        checksum, delay, corrupt (a memory write acknowledged, but
                        the byte at pos of its block, default the first, stored
                        inverted, XOR FFh; use with cmd=BDW)
                        keys: cmd=LETTERS (e.g. BDW; default every command),
                        addr=A, every=N (every Nth matching frame; default only the
                        next one), byte=C or byte=0xHH, pos=I (garble or corrupt
                        position, negative from the end), len=N (bytes truncated),
                        ms=N (delay)
  --vanish-after S[,back-after=T]
                        after S seconds the terminal closes: a host with it open
                        sees a hang-up (reads return end of file, writes fail with
                        EIO); T seconds later a new terminal is served with the same
                        device state, its path printed as the next line of standard
                        output and the --port link pointed at it (without back-after
                        it stays gone). SIGUSR1 closes it at once, SIGUSR2 reopens it
  --help                this text

Memory types 4 and 5 hold 64 KiB each, erased (FFh) at start. Memory type 4 also
holds the seven characteristic slots of 8224 bytes from address 0.
)";

int fehler(const std::string& text) {
  std::cerr << "wun2-sim: " << text << "\n";
  return 2;
}

// "A=VALUE" -> address and value.
bool adresseUndWert(const std::string& s, char* a, std::string* wert) {
  if (s.size() < 3 || s[1] != '=') return false;
  *a = s[0];
  *wert = s.substr(2);
  return true;
}

// A finite number making up the whole text ("nan" would reach the line as "nan").
bool zahl(const std::string& s, double* v) {
  char* ende = nullptr;
  *v = std::strtod(s.c_str(), &ende);
  return !s.empty() && ende && *ende == '\0' && std::isfinite(*v);
}

// "A:N=REST" -> address, input 1..4 and the rest.
bool eingangUndWert(const std::string& s, char* a, int* n, std::string* rest) {
  if (s.size() < 5 || s[1] != ':' || s[2] < '1' || s[2] > '4' || s[3] != '=') return false;
  *a = s[0];
  *n = s[2] - '0';
  *rest = s.substr(4);
  return true;
}

std::optional<sim::Fault> fehlerbild(const std::string& text) {
  sim::Fault f;
  std::vector<std::string> teile;
  std::size_t p = 0;
  for (;;) {
    const std::size_t k = text.find(',', p);
    teile.push_back(text.substr(p, k == std::string::npos ? std::string::npos : k - p));
    if (k == std::string::npos) break;
    p = k + 1;
  }
  const std::string& art = teile[0];
  if (art == "nak")
    f.kind = sim::FaultKind::Nak;
  else if (art == "can")
    f.kind = sim::FaultKind::Can;
  else if (art == "silence")
    f.kind = sim::FaultKind::Silence;
  else if (art == "byte")
    f.kind = sim::FaultKind::WrongByte;
  else if (art == "garble")
    f.kind = sim::FaultKind::Garble;
  else if (art == "truncate")
    f.kind = sim::FaultKind::Truncate;
  else if (art == "echo")
    f.kind = sim::FaultKind::WrongEcho;
  else if (art == "checksum")
    f.kind = sim::FaultKind::WrongChecksum;
  else if (art == "delay")
    f.kind = sim::FaultKind::Delay;
  else if (art == "corrupt")
    f.kind = sim::FaultKind::Corrupt;
  else
    return std::nullopt;
  for (std::size_t i = 1; i < teile.size(); ++i) {
    const std::size_t eq = teile[i].find('=');
    if (eq == std::string::npos) return std::nullopt;
    const std::string key = teile[i].substr(0, eq);
    const std::string val = teile[i].substr(eq + 1);
    double v = 0;
    if (key == "cmd") {
      f.command = val;
    } else if (key == "addr" && val.size() == 1) {
      f.address = val[0];
    } else if (key == "byte" && val.size() == 1) {
      f.byte = static_cast<unsigned char>(val[0]);
    } else if (key == "byte" && val.rfind("0x", 0) == 0 && val.size() > 2) {
      char* e = nullptr;
      const long b = std::strtol(val.c_str() + 2, &e, 16);
      if (*e != '\0' || b < 0 || b > 255) return std::nullopt;
      f.byte = static_cast<unsigned char>(b);
    } else if ((key == "every" || key == "pos" || key == "len" || key == "ms") && zahl(val, &v)) {
      const int n = static_cast<int>(v);
      if (key == "every") f.everyNth = n;
      if (key == "pos") f.position = n;
      if (key == "len") f.length = n;
      if (key == "ms") f.delayMs = n;
    } else {
      return std::nullopt;
    }
  }
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  std::string adressen = "1";
  std::vector<std::pair<std::string, std::string>> einstellungen;
  std::vector<sim::Fault> fehlerbilder;
  int portNummer = 0;
  long baud = 9600;
  long maxBaud = 0;
  bool pacing = true;
  double verschwindetNach = -1;
  double zurueckNach = -1;
  std::string logDatei;
  std::string geraet;
  bool m1rParameter = false;
  bool s1rStatus = false;

  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const auto wert = [&](std::string* out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    std::string v;
    if (a == "--help" || a == "-h") {
      std::cout << kHilfe;
      return 0;
    } else if (a == "--m1r-parameter") {
      m1rParameter = true;
    } else if (a == "--s1r-status") {
      s1rStatus = true;
    } else if (a == "--no-pacing") {
      pacing = false;
    } else if (!wert(&v)) {
      return fehler("unknown option or missing value: " + a + " (see --help)");
    } else if (a == "--address") {
      adressen = v;
    } else if (a == "--id" || a == "--input" || a == "--signal" || a == "--max-current" ||
               a == "--compat" || a == "--speicherinhalt" || a == "--mode") {
      einstellungen.emplace_back(a, v);
    } else if (a == "--port") {
      double n = 0;
      if (!zahl(v, &n) || n < 1 || n > 256 || n != static_cast<int>(n))
        return fehler("--port wants a number from 1 to 256: " + v);
      portNummer = static_cast<int>(n);
    } else if (a == "--baud" || a == "--max-baud") {
      double b = 0;
      if (!zahl(v, &b) || (b != 4800 && b != 9600 && b != 19200 && b != 38400 && b != 115200))
        return fehler("bad " + a + " (4800, 9600, 19200, 38400 or 115200): " + v);
      (a == "--baud" ? baud : maxBaud) = static_cast<long>(b);
    } else if (a == "--vanish-after") {
      // S or S,back-after=T
      const std::size_t k = v.find(',');
      const std::string zurueck = k == std::string::npos ? "" : v.substr(k + 1);
      if (!zahl(v.substr(0, k), &verschwindetNach) || verschwindetNach < 0 ||
          (k != std::string::npos && (zurueck.rfind("back-after=", 0) != 0 ||
                                      !zahl(zurueck.substr(11), &zurueckNach) || zurueckNach < 0)))
        return fehler("bad --vanish-after (S[,back-after=T]): " + v);
    } else if (a == "--log") {
      logDatei = v;
    } else if (a == "--device") {
      geraet = v;
    } else if (a == "--fault") {
      const auto f = fehlerbild(v);
      if (!f) return fehler("bad --fault: " + v + " (see --help)");
      fehlerbilder.push_back(*f);
    } else {
      return fehler("unknown option: " + a + " (see --help)");
    }
  }
  for (char c : adressen)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
      return fehler(std::string("not a device address: ") + c);
  if (adressen.empty()) return fehler("--address wants at least one address");

  sim::Engine engine(adressen);
  for (const auto& [opt, v] : einstellungen) {
    char adr = 0;
    std::string rest;
    if (opt == "--input") {
      // A:N=VOLTS
      double volt = 0;
      int n = 0;
      if (!eingangUndWert(v, &adr, &n, &rest) || !zahl(rest, &volt) || !engine.plays(adr))
        return fehler("bad --input: " + v);
      engine.setInput(adr, n, volt);
      continue;
    }
    if (opt == "--signal") {
      // A:N=OFFSET,AMPLITUDE,PERIOD
      int n = 0;
      sim::Signal sig;
      if (!eingangUndWert(v, &adr, &n, &rest) || !engine.plays(adr))
        return fehler("bad --signal: " + v);
      const std::size_t k1 = rest.find(',');
      const std::size_t k2 = k1 == std::string::npos ? k1 : rest.find(',', k1 + 1);
      if (k2 == std::string::npos || !zahl(rest.substr(0, k1), &sig.offset) ||
          !zahl(rest.substr(k1 + 1, k2 - k1 - 1), &sig.amplitude) ||
          !zahl(rest.substr(k2 + 1), &sig.periodSeconds) || sig.periodSeconds <= 0.0)
        return fehler("bad --signal: " + v);
      engine.withDevice(adr,
                        [&](sim::Device& d) { d.inputs[static_cast<std::size_t>(n - 1)] = sig; });
      continue;
    }
    if (!adresseUndWert(v, &adr, &rest) || !engine.plays(adr))
      return fehler("bad " + opt + " (address not played?): " + v);
    double zahlwert = 0;
    if (opt == "--id") {
      engine.setId(adr, rest);
    } else if (!zahl(rest, &zahlwert) ||
               (opt == "--mode" &&
                (zahlwert < 0 || zahlwert > 255 || zahlwert != static_cast<int>(zahlwert)))) {
      return fehler("bad " + opt + ": " + v);
    } else {
      engine.withDevice(adr, [&](sim::Device& d) {
        if (opt == "--max-current") d.maxCurrent = zahlwert;
        if (opt == "--compat") d.compartibilityMode = zahlwert;
        if (opt == "--speicherinhalt") d.speicherinhalt = zahlwert;
        if (opt == "--mode") d.mode = static_cast<std::uint8_t>(zahlwert);
      });
    }
  }
  for (char c : adressen)
    engine.withDevice(c, [&](sim::Device& d) {
      d.m1rAsSpeicherinhalt = m1rParameter;
      d.s1rAsStatus = s1rStatus;
      d.baudRate = baud;
      d.maxBaud = maxBaud;
    });
  for (const auto& f : fehlerbilder) engine.inject(f);

  std::ofstream logStrom;
  if (logDatei == "-") {
    engine.setLog(&std::cerr);
  } else if (!logDatei.empty()) {
    logStrom.open(logDatei, std::ios::app);
    if (!logStrom) return fehler("cannot write the log " + logDatei);
    engine.setLog(&logStrom);
  }

  // The runner's thread inherits this mask; the signals are taken with sigwait below.
  sigset_t signale;
  sigemptyset(&signale);
  sigaddset(&signale, SIGINT);
  sigaddset(&signale, SIGTERM);
  sigaddset(&signale, SIGHUP);
  sigaddset(&signale, SIGUSR1);
  sigaddset(&signale, SIGUSR2);
  pthread_sigmask(SIG_BLOCK, &signale, nullptr);

  sim::PtyRunner runner(engine);
  const auto oeffnen = [&] {
    if (!runner.openPty()) return false;
    runner.setPacing(pacing ? baud : 0);
    runner.followLineRates(true);
    return true;
  };
  if (geraet.empty()) {
    if (!oeffnen()) return fehler(runner.error());
  } else if (!runner.openDevice(geraet, baud)) {
    return fehler(runner.error());
  } else {
    runner.setPacing(0);
  }

  fs::path link;
  const auto verlinken = [&]() -> std::string {
    std::error_code ec;
    // An older link (a simulator that did not end cleanly) is replaced; anything else stays.
    if (fs::exists(fs::symlink_status(link)) && !fs::is_symlink(fs::symlink_status(link)))
      return link.string() + " exists and is not a link";
    fs::remove(link, ec);
    fs::create_symlink(runner.path(), link, ec);
    if (ec) return "cannot create " + link.string() + ": " + ec.message();
    return {};
  };
  if (portNummer > 0) {
    const fs::path ordner = device::PortLinkOrdner();
    std::error_code ec;
    fs::create_directories(ordner, ec);
    link = ordner / ("COM" + std::to_string(portNummer));
    const std::string f = verlinken();
    if (!f.empty()) return fehler(f);
  }

  std::cout << runner.path() << std::endl;
  if (!runner.start()) return fehler(runner.error());

  // Vanishing and coming back: by the clock of --vanish-after or by SIGUSR1 and SIGUSR2.
  using Uhr = std::chrono::steady_clock;
  const auto sekunden = [](double s) {
    return std::chrono::duration_cast<Uhr::duration>(std::chrono::duration<double>(s));
  };
  std::optional<Uhr::time_point> naechsteAenderung;
  if (geraet.empty() && verschwindetNach >= 0)
    naechsteAenderung = Uhr::now() + sekunden(verschwindetNach);
  bool weg = false;
  for (;;) {
    int sig = 0;
    if (naechsteAenderung) {
      const auto rest = std::max(Uhr::duration::zero(), *naechsteAenderung - Uhr::now());
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(rest).count();
      const timespec frist{static_cast<time_t>(ns / 1'000'000'000),
                           static_cast<long>(ns % 1'000'000'000)};
      sig = sigtimedwait(&signale, nullptr, &frist);
      if (sig < 0 && errno == EINTR) continue;
    } else {
      sigwait(&signale, &sig);
    }
    const bool zeitUm = sig < 0;
    if (sig == SIGINT || sig == SIGTERM || sig == SIGHUP) break;
    if (!geraet.empty()) continue;
    if (!weg && (sig == SIGUSR1 || zeitUm)) {
      // The master side goes, and with it the terminal: the host's end is hung up.
      runner.close();
      weg = true;
      naechsteAenderung.reset();
      if (zeitUm && zurueckNach >= 0) naechsteAenderung = Uhr::now() + sekunden(zurueckNach);
    } else if (weg && (sig == SIGUSR2 || zeitUm)) {
      naechsteAenderung.reset();
      if (!oeffnen() || !runner.start()) return fehler(runner.error());
      if (!link.empty()) {
        const std::string f = verlinken();
        if (!f.empty()) return fehler(f);
      }
      weg = false;
      std::cout << runner.path() << std::endl;
    }
  }
  runner.stop();
  if (!link.empty()) {
    std::error_code ec;
    if (fs::read_symlink(link, ec) == fs::path(runner.path())) fs::remove(link, ec);
  }
  return 0;
}
